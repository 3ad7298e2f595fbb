// Groups of nearby nodes for the pruned nearest-node search: the nodes are
// clustered by their positions (for a placed rectangle or sphere these are
// patches of the grid, for a line or circle runs of it, for a graph clusters
// of its nodes), and each group's nodes are laid out in blocks of
// kNodeBlockWidth lanes, coordinate after coordinate, so the distances of one
// point to a whole block are formed lane by lane.
#pragma once

#include <vector>

#include "geometry/node_blocks.h"

namespace manifit {

struct NodeGroups {
  int groupCount = 0;
  int dimension = 0;
  std::vector<int> groupOf;     // per node, its group
  std::vector<int> firstBlock;  // per group, its first block; groupCount + 1 entries
  std::vector<int> groupSize;   // per group, its nodes: the group's first lanes
  int largestGroup = 0;
  std::vector<int> laneNode;  // per block lane, its node in ascending order (-1: unused)
  std::vector<float> values;  // blocks x dimension x kNodeBlockWidth
};

// Splits nodes [0, nodeCount) of a row-major cache into at most `wanted`
// non-empty groups of nearby nodes (deterministic: the same cache gives the
// same groups), none larger than an even share of the nodes over the
// seeds it finds (`wanted` of them unless nodes coincide) rounded up to
// whole blocks, and lays them out.
void buildNodeGroups(const float* cache, int nodeCount, int dimension, int wanted,
                     NodeGroups& groups);

// Refills the blocks of existing groups with new node positions.
void refillNodeGroups(const float* cache, NodeGroups& groups);

}  // namespace manifit
