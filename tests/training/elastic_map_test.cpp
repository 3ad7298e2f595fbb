#include "training/elastic_map.h"

#include <gtest/gtest.h>

#include "grid/grid_types.h"
#include "training/sparse_system.h"
#include "training_fixture.h"

namespace manifit {
namespace {

TEST(ElasticMapSetUp, FreshTrainerAndSetters) {
  ElasticMap map;
  EXPECT_EQ(map.algtype, "epoch");
  EXPECT_EQ(map.testData, nullptr);
  EXPECT_EQ(map.referenceGrid, nullptr);
  EXPECT_TRUE(map.assignment.lists.empty());

  DataTable table;
  fillTable(table, {{1, 2, 3}, {4, 5, 6}});
  map.setData(table);
  EXPECT_EQ(map.data, &table);
  EXPECT_EQ(map.dimension, 3);

  // The grid's dimension wins over the table's.
  LinearGrid line(5, 2);
  map.setGrid(line);
  EXPECT_EQ(map.grid, &line);
  EXPECT_EQ(map.dimension, 2);

  DataTable test;
  map.setTestData(test);
  EXPECT_EQ(map.testData, &test);
  Grid reference;
  map.setReferenceGrid(reference);
  EXPECT_EQ(map.referenceGrid, &reference);

  SparseSystem system;
  map.setSystem(system);
  EXPECT_EQ(map.system, &system);
  EXPECT_EQ(system.size, 5);
}

TEST(PlaceGrid, RectangleSpansTheFirstTwoComponents) {
  DataTable table;
  fillTable(table, {{0, 0}, {2, 0}, {0, 4}, {2, 4}});
  ColumnStatistics statistics;  // stale until placeGrid recomputes it
  table.statistics = &statistics;
  ElasticMap map;
  map.setData(table);
  RectangularGrid grid(3, 2, 2);
  map.setGrid(grid);
  map.initStretch[0] = 0.5f;
  map.initStretch[1] = 0.25f;

  const std::vector<double> mean = {1.0, 2.0};
  const std::vector<std::vector<double>> components = {{0.0, 1.0}, {1.0, 0.0}, {0.0, 0.0}};
  const std::vector<double> fractions = {0.8, 0.2, 0.0};
  map.placeGrid(mean, components, fractions, 3);

  // The working table's statistics are recomputed: variances 1 and 4.
  EXPECT_DOUBLE_EQ(statistics.totalVariance, 5.0);
  const double a0 = 0.8 * 5.0;
  const double a1 = 0.2 * 5.0;
  for (int i = 0; i < grid.nodeCount; ++i) {
    SCOPED_TRACE(i);
    const float g0 = grid.gridCoords[i][0];
    const float g1 = grid.gridCoords[i][1];
    // Coordinate 0 gets g1 * 1 * a1 * 0.25 from component 1; coordinate 1 gets g0 * a0 * 0.5.
    EXPECT_FLOAT_EQ(grid.nodes[i][0], static_cast<float>(1.0 + g1 * a1 * 0.25));
    EXPECT_FLOAT_EQ(grid.nodes[i][1], static_cast<float>(2.0 + g0 * a0 * 0.5));
  }
  // Node 0 is the corner (-1, -1): mean - s0 a0 v0 - s1 a1 v1.
  EXPECT_FLOAT_EQ(grid.nodes[0][0], 1.0f - 0.25f);
  EXPECT_FLOAT_EQ(grid.nodes[0][1], 2.0f - 2.0f);
}

TEST(PlaceGrid, ProductsAreFormedInLongDoubleAndRoundedPerAddition) {
  DataTable table;
  fillTable(table, {{0.1f, 0.3f, 0.7f}, {0.9f, 0.2f, 0.4f}, {0.5f, 0.8f, 0.6f}});
  ElasticMap map;
  map.setData(table);
  CircleGrid grid(7, 3);
  map.setGrid(grid);
  map.initStretch[0] = 0.7f;
  map.initStretch[1] = 0.9f;
  map.initStretch[2] = 1.1f;
  const std::vector<double> mean = {0.3, 0.1, 0.7};
  const std::vector<std::vector<double>> components = {
      {0.6, 0.8, 0.0}, {-0.8, 0.6, 0.0}, {0.0, 0.0, 1.0}};
  const std::vector<double> fractions = {0.7, 0.2, 0.1};
  map.placeGrid(mean, components, fractions, 3);

  ColumnStatistics statistics;
  statistics.computeStatistics(table);
  for (int i = 0; i < grid.nodeCount; ++i) {
    for (int k = 0; k < 3; ++k) {
      float expected = static_cast<float>(mean[k]);
      for (int j = 0; j < 3; ++j) {
        const double a = fractions[j] * statistics.totalVariance;
        const long double product = static_cast<long double>(grid.gridCoords[i][j]) *
                                    components[j][k] * a *
                                    static_cast<long double>(map.initStretch[j]);
        expected = static_cast<float>(static_cast<long double>(expected) + product);
      }
      EXPECT_EQ(grid.nodes[i][k], expected) << "node " << i << " coordinate " << k;
    }
  }
}

}  // namespace
}  // namespace manifit
