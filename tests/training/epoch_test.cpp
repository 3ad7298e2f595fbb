#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>

#include "training_fixture.h"

namespace manifit {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The iris data and a placed grid of the given kind.
class EpochTest : public ::testing::Test {
 protected:
  void setUp(std::unique_ptr<Grid> trained) {
    grid = std::move(trained);
    map.setData(iris.table);
    map.setGrid(*grid);
    map.setSystem(system);
    map.placeGrid(iris.components->mean, iris.components->components, iris.components->variances,
                  3);
  }

  void addEpoch(int numiter, float ep = 1.0f, float rp = 1.0f) {
    TrainingStage stage = TrainingStage::epoch();
    stage.numiter = numiter;
    stage.ep = ep;
    stage.rp = rp;
    map.stages.push_back(stage);
    map.stageCount = static_cast<int>(map.stages.size());
  }

  IrisData iris;
  std::unique_ptr<Grid> grid;
  ElasticMap map;
  SparseSystem system;
};

TEST_F(EpochTest, NoStageLeftReturnsMinusOne) {
  setUp(std::make_unique<LinearGrid>(5, 4));
  EXPECT_EQ(map.runEpoch(), -1);
  EXPECT_EQ(map.currentStage, 0);
}

TEST_F(EpochTest, ProgressLinesAndWhatTheyReport) {
  setUp(std::make_unique<RectangularGrid>(5, 5, 4));
  addEpoch(3);
  CapturedOutput capture;
  const long ticks = map.runEpoch();
  EXPECT_GE(ticks, 0);
  EXPECT_EQ(map.currentStage, 1);
  const std::vector<std::string> lines = linesOf(capture.text());
  ASSERT_EQ(lines.size(), 3u);
  const std::regex format(
      R"(Ep: 1 It: (\d) MSE: ([0-9.e+-]+) Df: ([0-9.e+-]+) Time: \d+\+\(\d+,\d+\))");
  for (size_t i = 0; i < lines.size(); ++i) {
    std::smatch match;
    ASSERT_TRUE(std::regex_match(lines[i], match, format)) << lines[i];
    EXPECT_EQ(match[1].str(), std::to_string(i));
  }
  // The last line reports the error of the assignment it was computed on.
  std::smatch match;
  ASSERT_TRUE(std::regex_match(lines[2], match, format));
  EXPECT_EQ(match[2].str(), streamDouble(map.trainingRms()));
}

TEST_F(EpochTest, TestTableAndReferenceGridExtendTheLine) {
  setUp(std::make_unique<LinearGrid>(6, 4));
  DataTable test;
  fillTable(test, {{0.1f, 0.2f, 0.3f, 0.4f}, {-1.0f, 0.5f, -0.5f, 0.0f}});
  map.setTestData(test);
  Grid reference;
  reference.dimension = 4;
  reference.nodes = {{0.0f, 0.0f, 0.0f, 0.0f}};
  reference.gridCoords = {{0.0f, 0.0f, 0.0f}};
  reference.nodeCount = 1;
  map.setReferenceGrid(reference);
  addEpoch(1);
  CapturedOutput capture;
  map.runEpoch();
  const std::regex format(
      R"(Ep: 1 It: 0 MSE: [0-9.e+-]+/([0-9.e+-]+) GMSE (\d+\.\d{4})  Df: [0-9.e+-]+ )"
      R"(Time: \d+\+\(\d+,\d+\)\n)");
  std::smatch match;
  ASSERT_TRUE(std::regex_match(capture.text(), match, format)) << capture.text();
  char gmse[32];
  std::snprintf(gmse, sizeof gmse, "%5.4f", grid->rmsDistanceTo(reference));
  EXPECT_EQ(match[2].str(), gmse);
}

TEST_F(EpochTest, NoMinimizationStillSetsTheStageAndExtrapolates) {
  setUp(std::make_unique<RectangularGrid>(4, 4, 4));
  addEpoch(0, 0.25f, 0.5f);
  map.stages[0].extrapolate = 1;
  addEpoch(10, 0.125f, 2.0f);
  map.stages[1].minimize = false;
  map.stages[1].extrapolate = 1;
  const auto placed = copyNodes(*grid);

  CapturedOutput capture;
  map.runEpoch();
  EXPECT_EQ(map.currentEp, 0.25f);
  EXPECT_EQ(map.currentRp, 0.5f);
  EXPECT_EQ(grid->nodeCount, 36);
  // The old nodes keep their places inside the bigger lattice.
  EXPECT_EQ(grid->nodes[7], placed[0]);
  map.runEpoch();
  EXPECT_EQ(map.currentEp, 0.125f);
  EXPECT_EQ(map.currentRp, 2.0f);
  EXPECT_EQ(grid->nodeCount, 64);
  EXPECT_EQ(capture.text(), "Extrapolation step... \nExtrapolation step... \n");
  EXPECT_EQ(map.currentStage, 2);
}

TEST_F(EpochTest, LineExtrapolationChangesNothing) {
  setUp(std::make_unique<LinearGrid>(5, 4));
  addEpoch(0);
  map.stages[0].extrapolate = 3;
  const auto placed = copyNodes(*grid);
  CapturedOutput capture;
  map.runEpoch();
  EXPECT_EQ(grid->nodes, placed);
  EXPECT_EQ(capture.text(), "");
}

// Df = sum |previous - new| / dimension / n as the epoch forms it.
float movement(const std::vector<std::vector<float>>& before, const Grid& grid) {
  float sum = 0.0f;
  for (int i = 0; i < grid.nodeCount; ++i) {
    for (int k = 0; k < grid.dimension; ++k) {
      sum = static_cast<float>(sum + std::fabs(static_cast<double>(before[i][k]) -
                                               static_cast<double>(grid.nodes[i][k])));
    }
  }
  return sum / static_cast<float>(grid.dimension) / static_cast<float>(grid.nodeCount);
}

TEST_F(EpochTest, DfEqualToEpsEndsTheLoop) {
  setUp(std::make_unique<LinearGrid>(8, 4));
  const auto placed = copyNodes(*grid);
  addEpoch(1);
  {
    CapturedOutput quiet;
    map.runEpoch();
  }
  const float df = movement(placed, *grid);
  ASSERT_GT(df, 0.0f);

  // The same first iteration again, now with eps equal to its Df: one line.
  grid->nodes = placed;
  addEpoch(5);
  map.stages[1].eps = df;
  {
    CapturedOutput capture;
    map.runEpoch();
    EXPECT_EQ(linesOf(capture.text()).size(), 1u);
    EXPECT_NE(capture.text().find(" Df: " + streamDouble(df) + " "), std::string::npos);
  }
  // Just below it the loop goes on.
  grid->nodes = placed;
  addEpoch(5);
  map.stages[2].eps = std::nextafter(df, 0.0f);
  {
    CapturedOutput capture;
    map.runEpoch();
    EXPECT_GT(linesOf(capture.text()).size(), 1u);
  }
}

TEST_F(EpochTest, TrainingLowersTheDistanceToTheNodes) {
  setUp(std::make_unique<RectangularGrid>(8, 8, 4));
  const double untrained = meanSquaredDistance(*grid, iris.table);
  addEpoch(20, 0.1f, 0.1f);
  CapturedOutput quiet;
  map.runEpoch();
  const double trained = meanSquaredDistance(*grid, iris.table);
  EXPECT_LT(trained, 0.6 * untrained) << untrained << " -> " << trained;
}

// Every iteration first reassigns the points (which cannot raise U) and then
// solves for the minimum of U under that assignment, so U measured with a
// fresh assignment after each iteration does not increase.
TEST_F(EpochTest, EnergyDoesNotIncreaseFromOneIterationToTheNext) {
  for (int type = 0; type < 2; ++type) {
    SCOPED_TRACE(type);
    if (type == 0) {
      setUp(std::make_unique<RectangularGrid>(6, 6, 4));
    } else {
      setUp(std::make_unique<LinearGrid>(12, 4));
    }
    map.stages.clear();
    map.currentStage = 0;
    for (int it = 0; it < 12; ++it) addEpoch(1, 0.5f, 0.2f);
    for (TrainingStage& stage : map.stages) {
      stage.epsSLAU = 1e-9f;
      stage.numiterSLAU = 1000;
    }
    map.assignPoints();
    double previous = energy(*grid, iris.table, map.assignment, 0.5f, 0.2f);
    CapturedOutput quiet;
    for (int it = 0; it < 12; ++it) {
      map.runEpoch();
      map.assignPoints();
      const double now = energy(*grid, iris.table, map.assignment, 0.5f, 0.2f);
      EXPECT_LE(now, previous * (1 + 1e-5)) << "iteration " << it;
      previous = now;
    }
  }
}

TEST_F(EpochTest, IsolatedNodeKeepsItsPlace) {
  setUp(std::make_unique<GraphGrid>(3, 4));
  grid->nodes = {{-1, 0, 0, 0}, {1, 0, 0, 0}, {40, 40, 40, 40}};
  addEpoch(1);
  map.stages[0].epsSLAU = 1e-9f;
  CapturedOutput quiet;
  map.runEpoch();
  EXPECT_EQ(grid->nodes[2], (std::vector<float>{40, 40, 40, 40}));
  // Without elastic terms the other nodes move to the centroids of their points.
  for (int i = 0; i < 2; ++i) {
    const std::vector<int>& points = map.assignment.lists[i];
    ASSERT_FALSE(points.empty());
    for (int k = 0; k < 4; ++k) {
      double sum = 0.0;
      for (int p : points) sum += iris.table.row(p)[k];
      EXPECT_NEAR(grid->nodes[i][k], sum / static_cast<double>(points.size()), 1e-4);
    }
  }
}

TEST_F(EpochTest, BrokenSystemLeavesTheNodesFinite) {
  setUp(std::make_unique<LinearGrid>(200, 4));
  addEpoch(2, 3e38f, 1.0f);  // EP = ep n / 100 overflows single precision
  CapturedOutput capture;
  EXPECT_GE(map.runEpoch(), 0);
  for (const auto& node : grid->nodes) {
    for (float x : node) ASSERT_TRUE(std::isfinite(x));
  }
}

TEST_F(EpochTest, GridWithoutNodesCannotBeFitted) {
  setUp(std::make_unique<GraphGrid>(0, 4));
  addEpoch(0);
  addEpoch(5);
  EXPECT_GE(map.runEpoch(), 0);  // nothing to iterate: fine
  CapturedOutput capture;
  EXPECT_EQ(map.runEpoch(), ElasticMap::kEpochFailed);
  EXPECT_EQ(map.failure.message, "Training stopped: the grid of epoch 2 has no nodes to fit\n");
  EXPECT_EQ(capture.text(), "");
}

// Points at 0 and 3e38 pin the two middle nodes of a line; the bending term
// extrapolates the end nodes to -3e38 and 6e38, beyond single precision.
TEST(EpochOverflow, SolutionBeyondSinglePrecisionStopsTheRun) {
  DataTable table;
  fillTable(table, {{0.0f}, {3e38f}});
  LinearGrid line(4, 1);
  line.nodes = {{-1.0f}, {0.0f}, {3e38f}, {3.3e38f}};
  ElasticMap map;
  SparseSystem system;
  map.setData(table);
  map.setGrid(line);
  map.setSystem(system);
  TrainingStage stage = TrainingStage::epoch();
  stage.ep = 0.0f;
  stage.numiterSLAU = 1000;
  stage.epsSLAU = 1e-12f;
  map.stages = {stage, stage};
  map.stageCount = 2;
  const auto placed = line.nodes;
  CapturedOutput capture;
  EXPECT_EQ(map.runEpoch(), ElasticMap::kEpochFailed);
  EXPECT_EQ(map.failure.exitCode, 1);
  EXPECT_NE(map.failure.message.find("epoch 1, iteration 0"), std::string::npos);
  EXPECT_EQ(line.nodes, placed);
  EXPECT_EQ(system.solutionArray, nullptr);
  EXPECT_EQ(capture.text().find("Ep: "), std::string::npos);

  // The schedule hands the failure on and runs nothing after it.
  map.currentStage = 0;
  const Status status = map.runSchedule();
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.message, map.failure.message);
  EXPECT_EQ(map.currentStage, 1);
}

}  // namespace
}  // namespace manifit
