#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "common/parallel.h"
#include "data/data_table.h"
#include "geometry/distance.h"
#include "geometry/nearest_node.h"
#include "geometry/pruned_search.h"
#include "grid/centroid_sums.h"
#include "grid/grid.h"

namespace manifit {

namespace {

// Nodes the cache holds rows for (the cache may lag behind nodeCount until
// the next refresh; rows beyond it are never read).
int searchableRows(const Grid& grid) {
  if (grid.dimension <= 0) return std::min(grid.nodeCount, grid.cachedRowCount);
  const size_t rows = grid.nodeCache.size() / static_cast<size_t>(grid.dimension);
  return static_cast<int>(std::min(static_cast<size_t>(std::max(grid.nodeCount, 0)), rows));
}

// The lists of an assignment from each point's nearest node (-1: none),
// each list given its exact size first.
void fillLists(NodeAssignment& assignment, const std::vector<int>& nearest) {
  std::vector<int> sizes(assignment.lists.size(), 0);
  for (int node : nearest) {
    if (node != -1) ++sizes[static_cast<size_t>(node)];
  }
  for (size_t i = 0; i < sizes.size(); ++i)
    assignment.lists[i].reserve(static_cast<size_t>(sizes[i]));
  for (size_t p = 0; p < nearest.size(); ++p) {
    if (nearest[p] != -1)
      assignment.lists[static_cast<size_t>(nearest[p])].push_back(static_cast<int>(p));
  }
}

}  // namespace

// Each point goes to the node with the strictly smallest single-precision
// squared distance; ties keep the lower node index.
void Grid::assignToNodes(NodeAssignment& assignment, const DataTable& table) const {
  assignment.lists.assign(static_cast<size_t>(std::max(nodeCount, 0)), std::vector<int>());
  if (table.pointCount <= 0) return;
  const NodeSearch search =
      makeNodeSearch(nodeCache.data(), dimension, nodeBlocks, searchableRows(*this), dimension);
  const size_t count = static_cast<size_t>(table.pointCount);
  std::vector<int> nearest(count);
  std::vector<float> distance(count);
  nearestNodes(search, table.rows.data(), table.pointCount, nearest.data(), distance.data());
  fillLists(assignment, nearest);
}

// The same assignment, the bounds of the earlier searches proving most
// points' nodes without computing every distance.
void Grid::assignToNodes(NodeAssignment& assignment, const DataTable& table,
                         PrunedSearch& pruned) const {
  assignment.lists.assign(static_cast<size_t>(std::max(nodeCount, 0)), std::vector<int>());
  if (table.pointCount <= 0) return;
  std::vector<int> nearest(static_cast<size_t>(table.pointCount));
  prunedNearestNodes(pruned, nodeCache.data(), searchableRows(*this), dimension, table.rows.data(),
                     table.pointCount, nearest.data());
  fillLists(assignment, nearest);
}

// sqrt( sum_i sum_{p in K_i} |x_p - centroid_i|^2 / pointCount ).
double Grid::centroidRms(const DataTable& table, const NodeAssignment& assignment) const {
  if (table.pointCount <= 0) return 0.0;
  const int lists = static_cast<int>(
      std::min(assignment.lists.size(), static_cast<size_t>(std::max(nodeCount, 0))));
  std::vector<int> owner;
  const double sum = pointOwners(assignment, lists, table.pointCount, owner)
                         ? centroidSquareSumStreamed(table, assignment, owner, lists, dimension)
                         : centroidSquareSumByLists(table, assignment, lists, dimension);
  return std::sqrt(sum / table.pointCount);
}

double Grid::centroidRms(const DataTable& table, const NodeAssignment& assignment,
                         std::vector<double> pointSums) const {
  if (table.pointCount <= 0) return 0.0;
  const int lists = static_cast<int>(
      std::min(assignment.lists.size(), static_cast<size_t>(std::max(nodeCount, 0))));
  std::vector<int> owner;
  if (!pointOwners(assignment, lists, table.pointCount, owner)) owner.clear();
  const double sum =
      centroidSquareSumFromSums(table, assignment, owner, std::move(pointSums), lists, dimension);
  return std::sqrt(sum / table.pointCount);
}

// sqrt( sum over this grid's nodes of the squared distance to the nearest
// reference node / nodeCount ); no reference node gives +infinity.
double Grid::rmsDistanceTo(Grid& reference) const {
  reference.refreshNodeCache();
  if (nodeCount <= 0) return 0.0;
  const int count = std::min(dimension, reference.dimension);
  const NodeSearch search = makeNodeSearch(reference.nodeCache.data(), reference.dimension,
                                           reference.nodeBlocks, searchableRows(reference), count);
  const size_t n = static_cast<size_t>(nodeCount);
  std::vector<const float*> points(n);
  for (size_t i = 0; i < n; ++i) points[i] = nodes[i].data();
  std::vector<int> nearestNode(n);
  std::vector<float> nearest(n);
  nearestNodes(search, points.data(), nodeCount, nearestNode.data(), nearest.data());
  double sum = 0.0;
  for (size_t i = 0; i < n; ++i) sum += nearest[i];
  return std::sqrt(sum / nodeCount);
}

}  // namespace manifit
