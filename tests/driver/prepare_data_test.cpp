#include "driver/prepare_data.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "common/output.h"
#include "common/random.h"
#include "data/temp_files.h"

namespace manifit {

namespace {

// Runs the preparation inside a fresh folder (it writes "temp" into the
// working directory) on a table whose point i is (i, -i).
class Preparation : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = freshFolder();
    char buffer[4096];
    ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
    previous_ = buffer;
    ASSERT_EQ(chdir(folder_.c_str()), 0);
    std::string table = "40 2\n";
    for (int i = 0; i < 40; ++i) table += std::to_string(i) + " " + std::to_string(-i) + "\n";
    writeText("table.txt", table);
    options_.data = "table.txt";
    options_.ini = "x.ini";
    options_.output = "m.map";
    options_.algorithm = 1;
    options_.norm = 0;
  }
  void TearDown() override { ASSERT_EQ(chdir(previous_.c_str()), 0); }

  Status prepare(PreparedData& prepared) {
    sharedRandom().state = 1;
    CapturedOutput capture;
    const Status status = prepareData(options_, prepared);
    output_ = capture.text();
    return status;
  }

  std::string folder_;
  std::string previous_;
  Options options_;
  std::string output_;
};

std::vector<float> firstColumn(const DataTable& table) {
  std::vector<float> column;
  for (int i = 0; i < table.pointCount; ++i) column.push_back(table.row(i)[0]);
  return column;
}

}  // namespace

TEST_F(Preparation, WithoutSplitTheLoadedTableIsTheWorkingTable) {
  options_.norm = 1;
  PreparedData prepared;
  ASSERT_TRUE(prepare(prepared).ok());
  EXPECT_EQ(prepared.working, &prepared.loaded);
  EXPECT_EQ(prepared.loaded.statistics, &prepared.statistics);
  EXPECT_DOUBLE_EQ(prepared.statistics.mean[0], 19.5);  // statistics of the raw table
  EXPECT_NEAR(prepared.loaded.row(0)[0], -19.5 / prepared.statistics.deviation[0], 1e-6);
  ASSERT_TRUE(prepared.components);
  EXPECT_EQ(prepared.components->table, &prepared.loaded);
  EXPECT_NEAR(prepared.components->variances[0], 1.0, 1e-6);  // already fractions
  EXPECT_EQ(prepared.drawn.pointCount, 0);
  // The summary waits with the other outputs until the run is complete.
  std::remove("temp");
  EXPECT_FALSE(prepared.outputs.empty());
  EXPECT_FALSE(fileExists("temp"));
  EXPECT_TRUE(prepared.outputs.placeAll().empty());
  EXPECT_TRUE(fileExists("temp"));
}

TEST_F(Preparation, TestAndTakeSplitTheLoadedTableOneAfterTheOther) {
  options_.testPercent = 50;
  options_.takePercent = 30;
  PreparedData prepared;
  ASSERT_TRUE(prepare(prepared).ok());

  // The same two splits by hand, from the same start of the generator.
  DataTable loaded;
  ASSERT_TRUE(loaded.readTable("table.txt").ok());
  DataTable kept;
  DataTable drawn;
  sharedRandom().state = 1;
  loaded.split(kept, drawn, 0.5f);
  loaded.split(kept, drawn, static_cast<float>(30 / 100.0));
  EXPECT_EQ(firstColumn(prepared.kept), firstColumn(kept));
  EXPECT_EQ(firstColumn(prepared.drawn), firstColumn(drawn));
  EXPECT_GT(drawn.pointCount, 0);
  EXPECT_EQ(prepared.working, &prepared.kept);
  EXPECT_EQ(prepared.kept.statistics, &prepared.statistics);
  EXPECT_EQ(prepared.components->table, &prepared.kept);
  EXPECT_EQ(prepared.loaded.pointCount, 40);
}

TEST_F(Preparation, TestZeroKeepsEveryPoint) {
  options_.testPercent = 0;
  PreparedData prepared;
  ASSERT_TRUE(prepare(prepared).ok());
  EXPECT_EQ(prepared.working, &prepared.kept);
  EXPECT_EQ(prepared.kept.pointCount, 40);
  EXPECT_EQ(prepared.drawn.pointCount, 0);
}

TEST_F(Preparation, WeightsAreReadAfterTheStatisticsAndTravelWithTheSplit) {
  std::string weights;
  for (int i = 0; i < 40; ++i) weights += i < 20 ? "1\n" : "3\n";
  writeText("weights.txt", weights);
  options_.weights = "weights.txt";
  options_.testPercent = 25;
  PreparedData prepared;
  ASSERT_TRUE(prepare(prepared).ok());
  EXPECT_DOUBLE_EQ(prepared.statistics.mean[0], 19.5);  // unweighted
  EXPECT_TRUE(prepared.loaded.weighted);
  EXPECT_EQ(prepared.loaded.totalWeight, 80.0f);
  EXPECT_TRUE(prepared.kept.weighted);
  EXPECT_EQ(prepared.kept.totalWeight + prepared.drawn.totalWeight, 80.0f);
}

}  // namespace manifit
