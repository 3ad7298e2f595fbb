#include "data/column_statistics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "data/data_table.h"

namespace manifit {

namespace {

DataTable makeTable(int points, int columns, const std::vector<float>& values) {
  DataTable table;
  table.allocateRows(points, columns);
  table.storage = values;
  for (int i = 0; i < points; ++i)
    table.rows[static_cast<size_t>(i)] = table.storage.data() + i * columns;
  return table;
}

void setWeights(DataTable& table, const std::vector<float>& weights) {
  table.weighted = true;
  table.weights = weights;
  table.totalWeight = 0.0f;
  for (float w : weights) table.totalWeight += w;
}

}  // namespace

TEST(ColumnStatistics, UnweightedMeanDeviationAndRange) {
  const DataTable table = makeTable(3, 2, {1, 2, 3, 4, 5, 9});
  ColumnStatistics s;
  s.computeStatistics(table);
  EXPECT_DOUBLE_EQ(s.mean[0], 3.0);
  EXPECT_DOUBLE_EQ(s.mean[1], 5.0);
  // variance = mean of squares - squared mean
  EXPECT_DOUBLE_EQ(s.deviation[0], std::sqrt(35.0 / 3.0 - 9.0));
  EXPECT_DOUBLE_EQ(s.deviation[1], std::sqrt(101.0 / 3.0 - 25.0));
  EXPECT_DOUBLE_EQ(s.totalVariance, 35.0 / 3.0 - 9.0 + 101.0 / 3.0 - 25.0);
  EXPECT_EQ(s.minimum[0], 1.0);
  EXPECT_EQ(s.maximum[0], 5.0);
  EXPECT_EQ(s.minimum[1], 2.0);
  EXPECT_EQ(s.maximum[1], 9.0);
}

TEST(ColumnStatistics, WeightsScaleEveryPoint) {
  DataTable table = makeTable(3, 1, {1, 5, 100});
  setWeights(table, {3, 1, 0});
  ColumnStatistics s;
  s.computeStatistics(table);
  EXPECT_DOUBLE_EQ(s.mean[0], 2.0);                        // (3*1 + 5) / 4
  EXPECT_DOUBLE_EQ(s.deviation[0], std::sqrt(7.0 - 4.0));  // (3*1 + 25) / 4 - 2^2
  EXPECT_EQ(s.maximum[0], 100.0);                          // the range ignores weights

  DataTable plain = makeTable(3, 1, {0.3f, 1.7f, 2.9f});
  DataTable equal = makeTable(3, 1, {0.3f, 1.7f, 2.9f});
  setWeights(equal, {0.25f, 0.25f, 0.25f});
  ColumnStatistics a;
  ColumnStatistics b;
  a.computeStatistics(plain);
  b.computeStatistics(equal);
  EXPECT_NEAR(a.mean[0], b.mean[0], 1e-6);
  EXPECT_NEAR(a.deviation[0], b.deviation[0], 1e-6);
}

TEST(ColumnStatistics, ConstantColumnsHaveNoNegativeVariance) {
  // x*x is a float product, so for this value the mean of squares comes out
  // just below the squared mean; the variance is taken as 0.
  const float x = 0.352275521f;
  const DataTable table = makeTable(2, 2, {0, x, 0, x});
  ColumnStatistics s;
  s.computeStatistics(table);
  EXPECT_EQ(s.mean[0], 0.0);
  EXPECT_EQ(s.deviation[0], 0.0);
  EXPECT_EQ(s.mean[1], static_cast<double>(x));
  EXPECT_EQ(s.deviation[1], 0.0);
  EXPECT_EQ(s.totalVariance, 0.0);
}

TEST(ColumnStatistics, RangeStartsAtPlusMinusTenToTheTen) {
  const DataTable table = makeTable(2, 2, {2e10f, -2e10f, 3e10f, -3e10f});
  ColumnStatistics s;
  s.computeStatistics(table);
  EXPECT_EQ(s.minimum[0], 1e10);
  EXPECT_EQ(s.maximum[0], static_cast<double>(3e10f));
  EXPECT_EQ(s.minimum[1], static_cast<double>(-3e10f));
  EXPECT_EQ(s.maximum[1], -1e10);
}

TEST(ColumnStatistics, TableWithoutPointsOrWeightGivesZeros) {
  DataTable empty;
  empty.allocateRows(0, 2);
  DataTable weightless = makeTable(2, 2, {1, 2, 3, 4});
  setWeights(weightless, {0, 0});
  for (const DataTable* table : {&empty, &weightless}) {
    ColumnStatistics s;
    s.computeStatistics(*table);
    ASSERT_EQ(s.mean.size(), 2u);
    for (size_t j = 0; j < 2; ++j) {
      EXPECT_EQ(s.mean[j], 0.0);
      EXPECT_EQ(s.deviation[j], 0.0);
    }
    EXPECT_EQ(s.totalVariance, 0.0);
  }
  ColumnStatistics s;
  s.computeStatistics(empty);
  EXPECT_EQ(s.minimum[0], 1e10);
  EXPECT_EQ(s.maximum[0], -1e10);
}

}  // namespace manifit
