#include <algorithm>
#include <cmath>
#include <limits>

#include "data/data_table.h"
#include "geometry/distance.h"
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

}  // namespace

// Each point goes to the node with the strictly smallest single-precision
// squared distance; ties keep the lower node index.
void Grid::assignToNodes(NodeAssignment& assignment, const DataTable& table) const {
  assignment.lists.assign(static_cast<size_t>(std::max(nodeCount, 0)), std::vector<int>());
  const int rows = searchableRows(*this);
  const float* cache = nodeCache.data();
  for (int p = 0; p < table.pointCount; ++p) {
    const float* x = table.row(p);
    float best = std::numeric_limits<float>::infinity();
    int index = -1;
    for (int j = 0; j < rows; ++j) {
      const float d = squaredDistanceToRow(cache, static_cast<long>(j) * dimension, x, dimension);
      if (d < best) {
        best = d;
        index = j;
      }
    }
    if (index != -1) assignment.lists[static_cast<size_t>(index)].push_back(p);
  }
}

// sqrt( sum_i sum_{p in K_i} |x_p - centroid_i|^2 / pointCount ).
double Grid::centroidRms(const DataTable& table, const NodeAssignment& assignment) const {
  if (table.pointCount <= 0) return 0.0;
  const size_t width = static_cast<size_t>(std::max(dimension, 0));
  std::vector<double> centroid(width);
  double sum = 0.0;
  const size_t lists =
      std::min(assignment.lists.size(), static_cast<size_t>(std::max(nodeCount, 0)));
  for (size_t i = 0; i < lists; ++i) {
    const std::vector<int>& list = assignment.lists[i];
    if (list.empty()) continue;
    std::fill(centroid.begin(), centroid.end(), 0.0);
    for (int p : list) {
      const float* x = table.row(p);
      for (size_t k = 0; k < width; ++k) centroid[k] += x[k];
    }
    for (size_t k = 0; k < width; ++k) centroid[k] /= static_cast<double>(list.size());
    for (int p : list) sum += squaredDistance(table.row(p), centroid.data(), dimension);
  }
  return std::sqrt(sum / table.pointCount);
}

// sqrt( sum over this grid's nodes of the squared distance to the nearest
// reference node / nodeCount ); no reference node gives +infinity.
double Grid::gmse(Grid& reference) const {
  reference.refreshNodeCache();
  if (nodeCount <= 0) return 0.0;
  const int count = std::min(dimension, reference.dimension);
  const int rows = searchableRows(reference);
  double sum = 0.0;
  for (int i = 0; i < nodeCount; ++i) {
    const float* x = nodes[static_cast<size_t>(i)].data();
    float nearest = std::numeric_limits<float>::infinity();
    for (int j = 0; j < rows; ++j) {
      const float d = squaredDistanceToRow(reference.nodeCache.data(),
                                           static_cast<long>(j) * reference.dimension, x, count);
      if (d < nearest) nearest = d;
    }
    sum += nearest;
  }
  return std::sqrt(sum / nodeCount);
}

}  // namespace manifit
