// Column statistics never silently zero or mis-scale a column: where the
// single-precision squares overflow or the one-pass variance cancels, the
// column is recomputed from its deviations; large tables count in double.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "data/column_statistics.h"
#include "data/data_table.h"
#include "data/npy_bytes.h"
#include "data/table_input.h"
#include "data/temp_files.h"

namespace manifit {

namespace {

DataTable columnTable(const std::vector<float>& values) {
  DataTable table;
  table.allocateRows(static_cast<int>(values.size()), 1);
  table.storage = values;
  for (size_t i = 0; i < values.size(); ++i) table.rows[i] = table.storage.data() + i;
  return table;
}

// The deviation of the column, two-pass in long double.
long double referenceDeviation(const std::vector<float>& values) {
  long double sum = 0.0L;
  for (float x : values) sum += x;
  const long double mean = sum / values.size();
  long double squares = 0.0L;
  for (float x : values) squares += (x - mean) * (x - mean);
  return std::sqrt(squares / values.size());
}

}  // namespace

TEST(StatisticsAccuracy, HugeValuesAreScaledNotZeroed) {
  // x * x overflows a float above about 1.8e19.
  const std::vector<float> values = {1e20f, -3e20f, 2e38f, -3.4e38f, 5e37f};
  DataTable table = columnTable(values);
  ColumnStatistics s;
  s.computeStatistics(table);
  ASSERT_TRUE(std::isfinite(s.deviation[0]));
  EXPECT_NEAR(s.deviation[0] / static_cast<double>(referenceDeviation(values)), 1.0, 1e-12);
  EXPECT_TRUE(std::isfinite(s.totalVariance));

  table.statistics = &s;
  table.normalize();
  double squares = 0.0;
  for (int i = 0; i < table.pointCount; ++i) {
    ASSERT_TRUE(std::isfinite(table.row(i)[0]));
    squares += static_cast<double>(table.row(i)[0]) * table.row(i)[0];
  }
  // Normalized values have unit variance (and mean 0).
  EXPECT_NEAR(squares / table.pointCount, 1.0, 1e-6);
}

TEST(StatisticsAccuracy, CancelledVarianceIsRecomputed) {
  std::vector<float> values;
  for (int i = 0; i < 1000; ++i) values.push_back(i % 2 == 0 ? 10000.01f : 9999.99f);
  ColumnStatistics s;
  s.computeStatistics(columnTable(values));
  EXPECT_NEAR(s.deviation[0] / static_cast<double>(referenceDeviation(values)), 1.0, 1e-9);
  EXPECT_NEAR(s.mean[0], 10000.0, 1e-3);

  // A constant column is only centred: its deviation is exactly 0.
  ColumnStatistics constant;
  constant.computeStatistics(columnTable(std::vector<float>(777, 0.1f)));
  EXPECT_EQ(constant.deviation[0], 0.0);
  EXPECT_EQ(constant.totalVariance, 0.0);
}

TEST(StatisticsAccuracy, WellConditionedColumnsKeepTheOnePassFigures) {
  // mean = sum x / W, variance = sum x*x / W - mean^2 with float squares and a
  // float W: the documented arithmetic, kept where it is accurate.
  const std::vector<float> values = {5.1f, 4.9f, 4.7f, 7.0f, 6.4f, 6.3f, 5.8f, 7.1f};
  float W = 0.0f;
  double sum = 0.0;
  double squares = 0.0;
  for (float x : values) {
    W += 1.0f;
    sum += x;
    squares += x * x;
  }
  const double mean = sum / W;
  ColumnStatistics s;
  s.computeStatistics(columnTable(values));
  EXPECT_EQ(s.mean[0], mean);
  EXPECT_EQ(s.deviation[0], std::sqrt(squares / W - mean * mean));
}

TEST(StatisticsAccuracy, MoreThanTwoToThe24PointsAreCountedInDouble) {
  // 20,000,000 points alternating 0.5 and 1.5: a float count stops at 2^24.
  const int points = 20000000;
  DataTable table;
  table.allocateRows(points, 1);
  for (int i = 0; i < points; ++i) table.storage[static_cast<size_t>(i)] = i % 2 == 0 ? 0.5f : 1.5f;
  ColumnStatistics s;
  s.computeStatistics(table);
  EXPECT_DOUBLE_EQ(s.mean[0], 1.0);
  EXPECT_DOUBLE_EQ(s.deviation[0], 0.5);

  // Weighted alike: weights of 1 give the same figures.
  table.weighted = true;
  table.weights.assign(static_cast<size_t>(points), 1.0f);
  ColumnStatistics weighted;
  weighted.computeStatistics(table);
  EXPECT_DOUBLE_EQ(weighted.mean[0], 1.0);
  EXPECT_DOUBLE_EQ(weighted.deviation[0], 0.5);

  // A split of the table carries its weight totals in double as well.
  DataTable kept;
  DataTable drawn;
  table.split(kept, drawn, 0.1f);
  ASSERT_GT(kept.pointCount, 1 << 24);
  EXPECT_EQ(kept.totalWeight, static_cast<float>(kept.pointCount));
  EXPECT_EQ(drawn.totalWeight, static_cast<float>(drawn.pointCount));
}

// A .npy weights file follows the weights file's rule: on a table of more
// than 2^24 points the total is carried in double (a float sum of 20,000,000
// weights of 1 stops at 16,777,216).
TEST(StatisticsAccuracy, NpyWeightsOfMoreThanTwoToThe24PointsAddUpInDouble) {
  const int points = 20000000;
  const std::string path = freshFolder() + "/w.npy";
  {
    std::string bytes = npyHeader("{'descr': '<f4', 'fortran_order': False, 'shape': (" +
                                  std::to_string(points) + ",), }");
    const std::vector<float> ones(static_cast<size_t>(points), 1.0f);
    const std::string values(reinterpret_cast<const char*>(ones.data()), ones.size() * 4);
    writeText(path, bytes + values);
  }
  DataTable table;
  table.allocateRows(points, 1);
  const Status read = readAnyWeights(path, table);
  ASSERT_TRUE(read.ok()) << read.message;
  EXPECT_EQ(table.totalWeight, 20000000.0f);
}

}  // namespace manifit
