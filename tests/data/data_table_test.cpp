#include "data/data_table.h"

#include <gtest/gtest.h>

#include "common/random.h"
#include "data/column_statistics.h"

namespace manifit {

namespace {

// Point i has coordinates (i, 10 i) and weight i + 1.
DataTable numberedTable(int points, bool weighted) {
  DataTable table;
  table.allocateRows(points, 2);
  for (int i = 0; i < points; ++i) {
    table.row(i)[0] = static_cast<float>(i);
    table.row(i)[1] = static_cast<float>(10 * i);
  }
  if (weighted) {
    table.weighted = true;
    for (int i = 0; i < points; ++i) {
      table.weights.push_back(static_cast<float>(i + 1));
      table.totalWeight += static_cast<float>(i + 1);
    }
  }
  return table;
}

std::vector<int> pointNumbers(const DataTable& part) {
  std::vector<int> numbers;
  for (int i = 0; i < part.pointCount; ++i) numbers.push_back(static_cast<int>(part.row(i)[0]));
  return numbers;
}

}  // namespace

TEST(Normalize, CentresAndScalesWithTheAttachedStatistics) {
  DataTable table;
  table.allocateRows(2, 3);
  const float values[] = {1, 5, 0, 3, 5, 0};
  std::copy(values, values + 6, table.storage.begin());
  table.normalize();  // nothing attached: nothing happens
  EXPECT_EQ(table.row(0)[0], 1.0f);

  ColumnStatistics s;
  s.computeStatistics(table);
  table.statistics = &s;
  table.normalize();
  EXPECT_EQ(table.row(0)[0], -1.0f);
  EXPECT_EQ(table.row(1)[0], 1.0f);
  EXPECT_EQ(table.row(0)[1], 0.0f);  // constant column: only centred
  EXPECT_EQ(table.row(1)[2], 0.0f);  // column of zeros stays zeros
  EXPECT_EQ(s.mean[0], 2.0);         // the statistics still describe the raw table
}

TEST(Split, OneDrawPerPointInOrderDrawnWhenBelowP) {
  // The first draws from state 1 are 41, 18467, 6334, 26500, 19169, that is
  // r = 0.0013, 0.564, 0.193, 0.809, 0.585.
  const DataTable table = numberedTable(5, true);
  DataTable kept;
  DataTable drawn;
  sharedRandom().state = 1;
  table.split(kept, drawn, 0.5f);
  EXPECT_EQ(pointNumbers(kept), (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(pointNumbers(drawn), (std::vector<int>{0, 2}));
  EXPECT_EQ(kept.row(2)[1], 40.0f);
  EXPECT_TRUE(kept.ownsRows && drawn.ownsRows && kept.weighted && drawn.weighted);
  EXPECT_EQ(kept.weights, (std::vector<float>{2, 4, 5}));
  EXPECT_EQ(drawn.weights, (std::vector<float>{1, 3}));
  EXPECT_EQ(kept.totalWeight + drawn.totalWeight, table.totalWeight);
  EXPECT_EQ(kept.statistics, nullptr);

  // Splitting into the same tables again replaces their contents, with fresh draws.
  table.split(kept, drawn, 0.5f);
  EXPECT_EQ(kept.pointCount + drawn.pointCount, 5);
  EXPECT_EQ(kept.totalWeight + drawn.totalWeight, table.totalWeight);
  EXPECT_EQ(static_cast<int>(kept.weights.size()), kept.pointCount);
}

TEST(Split, ZeroDrawsNothingAndOneDrawsAllButTheTopDraw) {
  const DataTable table = numberedTable(50, false);
  DataTable kept;
  DataTable drawn;
  table.split(kept, drawn, 0.0f);
  EXPECT_EQ(kept.pointCount, 50);
  EXPECT_EQ(drawn.pointCount, 0);
  EXPECT_FALSE(kept.weighted);
  EXPECT_EQ(kept.weights.size(), 50u);  // allocated even without weights
  EXPECT_EQ(pointNumbers(kept)[49], 49);

  table.split(kept, drawn, 1.0f);
  EXPECT_EQ(kept.pointCount, 0);
  EXPECT_EQ(drawn.pointCount, 50);

  // A draw of exactly 32767 gives r = 1, which is not below 1: the point stays.
  RandomGenerator search;
  uint32_t before = search.state;
  while (search.next() != 32767) before = search.state;
  sharedRandom().state = before;
  const DataTable one = numberedTable(1, false);
  one.split(kept, drawn, 1.0f);
  EXPECT_EQ(kept.pointCount, 1);
  EXPECT_EQ(drawn.pointCount, 0);
}

}  // namespace manifit
