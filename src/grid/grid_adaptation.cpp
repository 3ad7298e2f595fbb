#include <algorithm>

#include "data/data_table.h"
#include "geometry/distance.h"
#include "grid/grid.h"

namespace manifit {

namespace {

size_t listSize(const NodeAssignment& assignment, int node) {
  if (node < 0 || static_cast<size_t>(node) >= assignment.lists.size()) return 0;
  return assignment.lists[static_cast<size_t>(node)].size();
}

float valueAt(const std::vector<float>& row, size_t j) {
  return j < row.size() ? row[j] : 0.0f;
}

// (x_j + y_j) * 0.5 for j < count: the sum in float (a missing value is 0),
// halved in double, rounded to float.
std::vector<float> midpoint(const std::vector<float>& x, const std::vector<float>& y,
                            size_t count) {
  std::vector<float> middle(count);
  for (size_t j = 0; j < count; ++j) {
    middle[j] = static_cast<float>((valueAt(x, j) + valueAt(y, j)) * 0.5);
  }
  return middle;
}

// The ribs centred on the ends a and b of an edge, in list order, with the
// far end h of the last one centred on a and l of the last one centred on b
// (-1 when there is none).
struct RibsAtEdge {
  std::vector<size_t> collected;
  int h = -1;
  int l = -1;
};

RibsAtEdge ribsCentredOn(const Grid& grid, int a, int b) {
  RibsAtEdge found;
  for (size_t r = 0; r < grid.ribs.size(); ++r) {
    const std::array<int, 3>& rib = grid.ribs[r];
    if (rib[0] == a) {
      found.collected.push_back(r);
      found.h = rib[1] == b ? rib[2] : rib[1];
    }
    if (rib[0] == b) {
      found.collected.push_back(r);
      found.l = rib[1] == a ? rib[2] : rib[1];
    }
  }
  return found;
}

// Removes two distinct collected ribs, or else the first one collected.
void removeCollectedRibs(Grid& grid, std::vector<size_t> collected) {
  const auto removeRib = [&grid](size_t r) {
    grid.ribs.erase(grid.ribs.begin() + static_cast<long>(r));
    grid.ribCoefs.erase(grid.ribCoefs.begin() + static_cast<long>(r));
  };
  if (collected.size() == 2 && collected[0] != collected[1]) {
    std::sort(collected.begin(), collected.end());
    removeRib(collected[1]);
    removeRib(collected[0]);
  } else if (!collected.empty()) {
    removeRib(collected[0]);
  }
}

}  // namespace

// Splits the count edges that carry the most points. Slot loads start at -1,
// so the first edges always fill the slots; an edge replaces the first
// least-loaded slot when it carries strictly more. Each chosen index is read
// in the edge list as it stands after the earlier splits; slots no edge
// filled (count above the edge count) split nothing.
void Grid::grow(NodeAssignment assignment, int count) {
  if (count <= 0) return;
  // With at least as many slots as edges, edge e fills slot e: more slots
  // than edges would stay empty, so they are not allocated.
  if (static_cast<size_t>(count) > edges.size()) count = static_cast<int>(edges.size());
  if (count == 0) return;
  std::vector<int> load(static_cast<size_t>(count), -1);
  std::vector<int> chosen(static_cast<size_t>(count), -1);
  for (size_t e = 0; e < edges.size(); ++e) {
    const int carried =
        static_cast<int>(listSize(assignment, edges[e][0]) + listSize(assignment, edges[e][1]));
    // The first least-loaded slot.
    const size_t slot =
        static_cast<size_t>(std::min_element(load.begin(), load.end()) - load.begin());
    if (load[slot] < carried) {
      load[slot] = carried;
      chosen[slot] = static_cast<int>(e);
    }
  }
  for (int edge : chosen) {
    if (edge >= 0 && static_cast<size_t>(edge) < edges.size()) splitEdge(edge);
  }
}

// Inserts node g at the midpoint of edge (a, b): the edge becomes (a, g),
// (g, b) and the ribs centred on a and b are rebuilt around g.
void Grid::splitEdge(int edge) {
  const int a = edges[static_cast<size_t>(edge)][0];
  const int b = edges[static_cast<size_t>(edge)][1];
  const int g = nodeCount;
  std::vector<float> position = midpoint(
      nodes[static_cast<size_t>(a)], nodes[static_cast<size_t>(b)], static_cast<size_t>(dimension));
  std::vector<float> coords =
      midpoint(gridCoords[static_cast<size_t>(a)], gridCoords[static_cast<size_t>(b)], 3);
  nodes.push_back(std::move(position));
  gridCoords.push_back(std::move(coords));

  const RibsAtEdge around = ribsCentredOn(*this, a, b);
  edges.erase(edges.begin() + edge);
  edgeCoefs.erase(edgeCoefs.begin() + edge);
  removeCollectedRibs(*this, around.collected);

  if (around.h != -1) {
    ribs.push_back({a, around.h, g});
    ribCoefs.push_back(1.0f);
  }
  ribs.push_back({g, a, b});
  ribCoefs.push_back(1.0f);
  if (around.l != -1) {
    ribs.push_back({b, g, around.l});
    ribCoefs.push_back(1.0f);
  }
  edges.push_back({a, g});
  edgeCoefs.push_back(1.0f);
  edges.push_back({g, b});
  edgeCoefs.push_back(1.0f);

  nodeCount = static_cast<int>(nodes.size());
  edgeCount = static_cast<int>(edges.size());
  ribCount = static_cast<int>(ribs.size());
}

// misfit_i = |x_i - centroid_i|^4, the centroid of node i's points summed in
// single precision (the origin for a node without points).
void Grid::nodeMisfit(const DataTable& table, const NodeAssignment& assignment,
                      std::vector<double>& misfit) const {
  const size_t width = static_cast<size_t>(std::max(dimension, 0));
  misfit.assign(static_cast<size_t>(std::max(nodeCount, 0)), 0.0);
  std::vector<float> centroid(width);
  for (size_t i = 0; i < misfit.size(); ++i) {
    std::fill(centroid.begin(), centroid.end(), 0.0f);
    if (i < assignment.lists.size() && !assignment.lists[i].empty()) {
      const std::vector<int>& list = assignment.lists[i];
      for (int p : list) {
        const float* x = table.row(p);
        for (size_t k = 0; k < width; ++k) centroid[k] += x[k];
      }
      const int length = static_cast<int>(list.size());
      for (size_t k = 0; k < width; ++k) centroid[k] = centroid[k] / static_cast<float>(length);
    }
    const double squared = squaredDistanceList(centroid, nodes[i].data(), dimension);
    misfit[i] = squared * squared;
  }
}

// Ribs centred on a node whose misfit exceeds mean + 2 deviations are scaled
// by mean / misfit.
void Grid::breakRibs(NodeAssignment assignment, const DataTable& table) {
  std::vector<double> misfit;
  nodeMisfit(table, assignment, misfit);
  double mean = 0.0;
  double deviation = 0.0;
  meanAndDeviation(misfit.data(), static_cast<int>(misfit.size()), mean, deviation);
  std::vector<int> broken;
  for (size_t i = 0; i < misfit.size(); ++i) {
    if (misfit[i] > mean + 2 * deviation) broken.push_back(static_cast<int>(i));
  }
  for (size_t r = 0; r < ribs.size(); ++r) {
    for (int i : broken) {
      if (ribs[r][0] == i) {
        ribCoefs[r] = static_cast<float>(mean / misfit[static_cast<size_t>(i)] * ribCoefs[r]);
      }
    }
  }
}

// nodeEdges[i] = the indices, ascending, of the edges with i as an end.
void Grid::buildIncidence() {
  nodeEdges.assign(static_cast<size_t>(std::max(nodeCount, 0)), std::vector<int>());
  for (size_t e = 0; e < edges.size(); ++e) {
    const int a = edges[e][0];
    const int b = edges[e][1];
    if (a >= 0 && a < nodeCount) nodeEdges[static_cast<size_t>(a)].push_back(static_cast<int>(e));
    if (b != a && b >= 0 && b < nodeCount) {
      nodeEdges[static_cast<size_t>(b)].push_back(static_cast<int>(e));
    }
  }
}

}  // namespace manifit
