// Exact pruned nearest-node search over the iterations of a training. For
// each point it keeps its nearest node, an upper bound on the distance to it
// and a lower bound on the distance to every other node of each group of
// nearby nodes. Between two searches the bounds are loosened by how far the
// nodes moved; a group is searched only when its bound cannot prove that
// each of its nodes is farther than the nearest one. The bounds allow for
// the rounding of the single-precision squared distances, so the answer is
// exactly the plain search's: the same node for every point, ties to the
// lowest index (a near-tie is never pruned, it is computed).
#pragma once

#include <cstdint>
#include <vector>

#include "geometry/nearest_node.h"
#include "geometry/node_groups.h"

namespace manifit {

struct PrunedSearchStats {
  long points = 0;
  long distances = 0;      // squared distances formed
  long fullDistances = 0;  // what the full search forms: points x nodes
  bool fromScratch = false;
};

struct PrunedSearch {
  // What the bounds refer to; a search with anything else starts afresh.
  int nodeCount = -1;
  int dimension = -1;
  long pointCount = -1;
  const float* const* points = nullptr;
  bool valid = false;
  SearchKernel kernel = bestKernel();  // forms the squares; every kernel gives the same
  bool restartNext = false;            // the last search computed most distances: regroup

  NodeGroups groups;
  std::vector<float> lastNodes;  // the node positions the bounds refer to
  std::vector<int> nearest;      // per point
  std::vector<float> upper;      // per point: >= distance to its nearest node
  // per point and group: <= distance to the group's other nodes, in two bytes
  std::vector<uint16_t> lower;
  PrunedSearchStats last;

  // Forgets the bounds: the next search computes every distance.
  void reset() { valid = false; }
};

// index[p] = the nearest of nodes [0, nodeCount) of the row-major cache to
// points[p] for p in [0, count), -1 when no squared distance is below
// +infinity: nearestNodesPlain's indices. Runs over the worker threads.
void prunedNearestNodes(PrunedSearch& search, const float* cache, int nodeCount, int dimension,
                        const float* const* points, long count, int* index);

// The number of groups a search of count points over nodeCount nodes uses.
int prunedGroupCount(int nodeCount, long count);

}  // namespace manifit
