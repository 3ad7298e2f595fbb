#include "support/rhs_plain.h"

#include "data/data_table.h"
#include "grid/grid.h"
#include "training/elastic_map.h"

namespace manifit {

void computeRhsPlain(const ElasticMap& map, int coordinate, double* out) {
  const DataTable& data = *map.data;
  const std::vector<std::vector<int>>& lists = map.assignment.lists;
  const int n = map.grid->nodeCount;
  for (int i = 0; i < n; ++i) {
    double sum = 0.0;
    if (i < static_cast<int>(lists.size())) {
      for (int p : lists[static_cast<size_t>(i)]) {
        const float x = data.row(p)[coordinate];
        if (data.weighted) {
          sum += x * data.weights[static_cast<size_t>(p)];
        } else {
          sum += x;
        }
      }
    }
    out[i] = data.weighted ? sum / data.totalWeight : sum / data.pointCount;
  }
}

}  // namespace manifit
