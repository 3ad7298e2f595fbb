#include <algorithm>
#include <limits>

#include "data/column_statistics.h"
#include "data/data_table.h"
#include "grid/grid.h"
#include "training/elastic_map.h"

namespace manifit {

// node_i = mean + sum_j g_ij * component_j * (fraction_j * T) * stretch_j,
// each product in long double, the node rounded to float after each addition.
void ElasticMap::placeGrid(const std::vector<double>& mean,
                           const std::vector<std::vector<double>>& components,
                           const std::vector<double>& fractions, int count) {
  if (grid == nullptr || data == nullptr) return;
  ColumnStatistics local;
  ColumnStatistics& statistics = data->statistics != nullptr ? *data->statistics : local;
  statistics.computeStatistics(*data);
  const double total = statistics.totalVariance;

  const int used =
      std::min({count, 3, static_cast<int>(components.size()), static_cast<int>(fractions.size())});
  for (int i = 0; i < grid->nodeCount; ++i) {
    std::vector<float>& node = grid->nodes[static_cast<size_t>(i)];
    const std::vector<float>& g = grid->gridCoords[static_cast<size_t>(i)];
    const int columns = std::min(grid->dimension, static_cast<int>(node.size()));
    for (int k = 0; k < columns; ++k) {
      node[static_cast<size_t>(k)] = k < static_cast<int>(mean.size())
                                         ? static_cast<float>(mean[static_cast<size_t>(k)])
                                         : 0.0f;
    }
    for (int j = 0; j < used; ++j) {
      const double variance = fractions[static_cast<size_t>(j)] * total;
      const long double gridCoordinate = j < static_cast<int>(g.size())
                                             ? static_cast<long double>(g[static_cast<size_t>(j)])
                                             : 0.0L;
      const std::vector<double>& component = components[static_cast<size_t>(j)];
      const int reach = std::min(columns, static_cast<int>(component.size()));
      for (int k = 0; k < reach; ++k) {
        const long double product = gridCoordinate * component[static_cast<size_t>(k)] * variance *
                                    static_cast<long double>(initStretch[j]);
        node[static_cast<size_t>(k)] =
            static_cast<float>(static_cast<long double>(node[static_cast<size_t>(k)]) + product);
      }
    }
  }
}

// |node - mean|^2 <= FLT_MAX / 4 for every node, so that the float squared
// distance of a node to any point near the data stays finite.
bool ElasticMap::placedWithinReach(const std::vector<double>& mean) const {
  if (grid == nullptr) return true;
  const double reach = static_cast<double>(std::numeric_limits<float>::max()) / 4.0;
  for (const std::vector<float>& node : grid->nodes) {
    double squares = 0.0;
    for (size_t k = 0; k < node.size(); ++k) {
      const double d = node[k] - (k < mean.size() ? mean[k] : 0.0);
      squares += d * d;
    }
    if (!(squares <= reach)) return false;
  }
  return true;
}

}  // namespace manifit
