// The first two steps of growing an elastic graph from the data: k-means
// style clustering from random start nodes, then one short segment along the
// main direction of every cluster.
#include <cmath>
#include <string>

#include "common/output.h"
#include "common/random.h"
#include "components/principal_components.h"
#include "data/column_statistics.h"
#include "data/data_table.h"
#include "grid/grid_types.h"

namespace manifit {

namespace {

// u = r * 1.0 / 32767, formed in single precision.
float drawUniform() {
  return static_cast<float>(sharedRandom().next()) * 1.0f / 32767.0f;
}

// min_k + (max_k - min_k) * u for a fresh draw u, in double, rounded once.
float drawInRange(const ColumnStatistics& statistics, int k) {
  const double u = drawUniform();
  return static_cast<float>(statistics.minimum[k] +
                            (statistics.maximum[k] - statistics.minimum[k]) * u);
}

// The table's column statistics, recomputed: the attached ones when there
// are, otherwise the local store.
const ColumnStatistics& freshStatistics(const DataTable& table, ColumnStatistics& local) {
  ColumnStatistics& statistics = table.statistics != nullptr ? *table.statistics : local;
  statistics.computeStatistics(table);
  return statistics;
}

// The centroid of the listed rows: single-precision sums divided by the count.
std::vector<float> listCentroid(const DataTable& table, const std::vector<int>& list,
                                int dimension) {
  std::vector<float> centroid(static_cast<size_t>(dimension), 0.0f);
  for (int k = 0; k < dimension; k++) {
    float sum = 0.0f;
    for (int p : list) sum += table.row(p)[k];
    centroid[static_cast<size_t>(k)] = sum / static_cast<float>(list.size());
  }
  return centroid;
}

// The segment of one cluster of two points or more: two nodes at mean +- h v
// along the cluster's first principal direction v, joined by one edge, with
// h = 1.5 sqrt(lambda1 / T) (T the table's total variance).
void clusterSegment(const DataTable& table, const std::vector<int>& list, double totalVariance,
                    Grid& segment) {
  // A view on the cluster's rows.
  DataTable view;
  view.pointCount = static_cast<int>(list.size());
  view.dimension = segment.dimension;
  for (int p : list) view.rows.push_back(table.row(p));

  PrincipalComponents components(view);
  components.quiet = true;
  components.computeComponents(1);
  const std::vector<double>& mean = components.mean;
  std::vector<double> direction = components.components[0];
  double variance = components.variances[0];

  // h = 1.5 sqrt(lambda1 / T). A cluster without spread (or a table
  // without variance) gets a segment of length 0 at its mean.
  bool finite = std::isfinite(variance);
  for (double v : direction) finite = finite && std::isfinite(v);
  if (!finite || variance < 0.0 || !(totalVariance > 0.0)) {
    variance = 0.0;
    direction.assign(direction.size(), 0.0);
  }
  const double h = totalVariance > 0.0 ? 1.5 * std::sqrt(variance / totalVariance) : 0.0;

  for (double sign : {1.0, -1.0}) {
    std::vector<float> node(static_cast<size_t>(segment.dimension));
    for (int i = 0; i < segment.dimension; i++) {
      node[static_cast<size_t>(i)] = static_cast<float>(mean[i] + sign * h * direction[i]);
    }
    std::vector<float> coords = node;
    if (coords.size() < 3) coords.resize(3, 0.0f);
    segment.nodes.push_back(node);
    segment.gridCoords.push_back(coords);
  }
  segment.edges.push_back({0, 1});
  segment.edgeCoefs.push_back(1.0f);
  segment.nodeCount = 2;
  segment.edgeCount = 1;
  segment.ribCount = 0;
  segment.triangleCount = 0;
}

}  // namespace

Status GraphGrid::scatterAndCluster(const DataTable& table, int rounds, double /*unused*/) {
  if (table.pointCount <= 0) {
    return Status::failure("The elastic graph cannot be grown: the table has no points.\n");
  }
  if (table.dimension != dimension) {
    return Status::failure("The elastic graph cannot be grown: the table has " +
                           std::to_string(table.dimension) + " columns, the grid " +
                           std::to_string(dimension) + ".\n");
  }
  ColumnStatistics local;
  const ColumnStatistics& statistics = freshStatistics(table, local);

  // Random start nodes in the bounding box of the data.
  for (int s = 0; s < nodeCount; s++) {
    for (int k = 0; k < dimension; k++) {
      const float x = drawInRange(statistics, k);
      nodes[s][k] = x;
      if (k < 3 && k < static_cast<int>(gridCoords[s].size())) gridCoords[s][k] = x;
    }
  }

  // Each round moves every node to the centroid of its points; a node
  // without points starts again at a random place.
  NodeAssignment lists;
  for (int round = 0; round < rounds; round++) {
    refreshNodeCache();
    assignToNodes(lists, table);
    nodes.clear();
    for (const std::vector<int>& list : lists.lists) {
      if (!list.empty()) {
        nodes.push_back(listCentroid(table, list, dimension));
        continue;
      }
      std::vector<float> node(static_cast<size_t>(dimension));
      for (int k = 0; k < dimension; k++) node[static_cast<size_t>(k)] = drawInRange(statistics, k);
      nodes.push_back(node);
    }
  }

  // Small clusters leave, last first so that the indices still hold.
  refreshNodeCache();
  assignToNodes(lists, table);
  for (int k = static_cast<int>(lists.lists.size()) - 1; k >= 0; k--) {
    if (static_cast<int>(lists.lists[k].size()) <= minclust) {
      nodes.erase(nodes.begin() + k);
      gridCoords.erase(gridCoords.begin() + k);
    }
  }
  nodeCount = static_cast<int>(nodes.size());
  refreshNodeCache();
  print("%i nodes left.\n", nodeCount);
  if (nodeCount == 0) {
    return Status::failure("The elastic graph cannot be grown: no cluster holds more than " +
                           std::to_string(minclust) + " points (grid.minclust).\n");
  }
  return Status::success();
}

void GraphGrid::buildClusterSegments(const DataTable& table) {
  refreshNodeCache();
  NodeAssignment lists;
  assignToNodes(lists, table);

  ColumnStatistics local;
  const ColumnStatistics* statistics = table.statistics;
  if (statistics == nullptr) {
    local.computeStatistics(table);
    statistics = &local;
  }
  const double totalVariance = statistics->totalVariance;

  subgrids.clear();
  for (size_t k = 0; k < lists.lists.size(); k++) {
    Grid empty;
    empty.dimension = dimension;
    empty.manifoldDimension = 1;
    subgrids.push_back(empty);
  }

  for (size_t k = 0; k < lists.lists.size(); k++) {
    const std::vector<int>& list = lists.lists[k];
    if (list.size() < 2) continue;
    clusterSegment(table, list, totalVariance, subgrids[k]);
  }
}

}  // namespace manifit
