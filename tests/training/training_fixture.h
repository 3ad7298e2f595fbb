// Small tables and trained-grid helpers shared by the trainer tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "common/output.h"
#include "common/random.h"
#include "components/principal_components.h"
#include "data/column_statistics.h"
#include "data/data_table.h"
#include "grid/grid.h"
#include "grid/grid_types.h"
#include "training/elastic_map.h"
#include "training/sparse_system.h"

namespace manifit {

// A table owning the given rows.
inline void fillTable(DataTable& table, const std::vector<std::vector<float>>& points) {
  const int dimension = points.empty() ? 0 : static_cast<int>(points[0].size());
  table.allocateRows(static_cast<int>(points.size()), dimension);
  for (size_t p = 0; p < points.size(); ++p) {
    for (int k = 0; k < dimension; ++k) table.row(static_cast<int>(p))[k] = points[p][k];
  }
}

// The iris data, normalized, with its statistics and three principal
// components, as the driver prepares it.
struct IrisData {
  DataTable table;
  ColumnStatistics statistics;
  std::unique_ptr<PrincipalComponents> components;

  IrisData() {
    sharedRandom().state = 1;
    CapturedOutput quiet;
    const Status read = table.readTable(std::string(MANIFIT_SOURCE_DIR) + "/examples/iris.txt");
    EXPECT_TRUE(read.ok()) << read.message;
    statistics.computeStatistics(table);
    table.statistics = &statistics;
    table.normalize();
    components = std::make_unique<PrincipalComponents>(table);
    components->computeComponents(3);
    components->toVarianceFractions();
  }
};

// U = (1/W) sum_i sum_{p in K_i} |x_p - y_i|^2 + EP sum_e c_e |y_e0 - y_e1|^2
//     + RP sum_r c_r |y_r1 - 2 y_r0 + y_r2|^2, in double, unweighted table.
inline double energy(const Grid& grid, const DataTable& table, const NodeAssignment& assignment,
                     float ep, float rp) {
  const int n = grid.nodeCount;
  const int d = grid.manifoldDimension;
  const double scale = std::pow(static_cast<double>(n), static_cast<double>(2 - d) / d);
  const double stretch = static_cast<float>(ep * scale / 100.0);
  const double bend = static_cast<float>(rp * scale / std::pow(10.0, d));
  double data = 0.0;
  for (int i = 0; i < n; ++i) {
    for (int p : assignment.lists[static_cast<size_t>(i)]) {
      for (int k = 0; k < table.dimension; ++k) {
        const double diff = static_cast<double>(table.row(p)[k]) - grid.nodes[i][k];
        data += diff * diff;
      }
    }
  }
  double elastic = 0.0;
  for (int e = 0; e < grid.edgeCount; ++e) {
    for (int k = 0; k < grid.dimension; ++k) {
      const double diff =
          static_cast<double>(grid.nodes[grid.edges[e][0]][k]) - grid.nodes[grid.edges[e][1]][k];
      elastic += stretch * grid.edgeCoefs[e] * diff * diff;
    }
  }
  for (int r = 0; r < grid.ribCount; ++r) {
    for (int k = 0; k < grid.dimension; ++k) {
      const double second = static_cast<double>(grid.nodes[grid.ribs[r][1]][k]) -
                            2.0 * grid.nodes[grid.ribs[r][0]][k] + grid.nodes[grid.ribs[r][2]][k];
      elastic += bend * grid.ribCoefs[r] * second * second;
    }
  }
  return data / table.pointCount + elastic;
}

// Mean squared distance of the points to their nearest nodes.
inline double meanSquaredDistance(Grid& grid, const DataTable& table) {
  grid.refreshNodeCache();
  double sum = 0.0;
  for (int p = 0; p < table.pointCount; ++p) {
    double best = INFINITY;
    for (int i = 0; i < grid.nodeCount; ++i) {
      double d = 0.0;
      for (int k = 0; k < table.dimension; ++k) {
        const double diff = static_cast<double>(table.row(p)[k]) - grid.nodes[i][k];
        d += diff * diff;
      }
      best = std::min(best, d);
    }
    sum += best;
  }
  return sum / table.pointCount;
}

inline std::vector<std::vector<float>> copyNodes(const Grid& grid) {
  return grid.nodes;
}

}  // namespace manifit
