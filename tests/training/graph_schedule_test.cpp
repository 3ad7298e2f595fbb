// The schedule of an elastic graph (grown from the data, then trained) and
// the adaptation stages, both through the trainer and through the built
// program on the bundled iris data.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/output.h"
#include "common/random.h"
#include "data/column_statistics.h"
#include "data/data_table.h"
#include "grid/graph_test_support.h"
#include "grid/grid_types.h"
#include "training/elastic_map.h"
#include "training/sparse_system.h"

namespace manifit {
namespace {

const std::string kIris = std::string(MANIFIT_SOURCE_DIR) + "/examples/iris.txt";

// The iris table, normalized as the driver does by default.
struct IrisTable {
  DataTable table;
  ColumnStatistics statistics;
  IrisTable() {
    EXPECT_TRUE(table.readTable(kIris).ok());
    statistics.computeStatistics(table);
    table.statistics = &statistics;
    table.normalize();
  }
};

TrainingStage shortEpoch() {
  TrainingStage stage = TrainingStage::epoch();
  stage.numiter = 3;
  stage.eps = 0.0f;  // every iteration runs
  return stage;
}

int countOf(const std::string& text, const std::string& piece) {
  int count = 0;
  for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) {
    count++;
  }
  return count;
}

TEST(RunGraphSchedule, GrowsTheGraphThenRunsTheStagesWithoutAStrategyLine) {
  IrisTable iris;
  ScopedWorkingDirectory directory("graph_schedule");
  ElasticMap map;
  map.setData(iris.table);
  GraphGrid graph(20, iris.table.dimension);
  map.setGrid(graph);
  map.stages = {shortEpoch(), shortEpoch()};
  map.stageCount = 2;
  SparseSystem system;
  map.setSystem(system);
  sharedRandom().state = 1;

  CapturedOutput capture;
  ASSERT_TRUE(map.runGraphSchedule().ok()) << capture.text();
  const std::string& text = capture.text();
  int clusters = 0;
  ASSERT_EQ(std::sscanf(text.c_str(), "%i nodes left.\n", &clusters), 1);
  EXPECT_EQ(text.find("Strategy"), std::string::npos);
  EXPECT_EQ(countOf(text, "Ep: 1 It: "), 3);
  EXPECT_EQ(countOf(text, "Ep: 2 It: "), 3);
  EXPECT_EQ(map.currentStage, 2);

  EXPECT_EQ(graph.nodeCount, 2 * clusters);
  expectGridInvariants(graph);
  for (const std::vector<float>& node : graph.nodes) {
    for (float x : node) EXPECT_TRUE(std::isfinite(x));
  }
  map.assignPoints();
  EXPECT_TRUE(std::isfinite(map.trainingRms()));
  EXPECT_NE(readWholeFile("mas"), "<missing>");
}

TEST(RunGraphSchedule, StopsWithAMessageWhenNoClusterIsLargeEnough) {
  IrisTable iris;
  ScopedWorkingDirectory directory("graph_small");
  ElasticMap map;
  map.setData(iris.table);
  GraphGrid graph(4, iris.table.dimension);
  graph.minclust = 150;
  map.setGrid(graph);
  map.stages = {shortEpoch()};
  map.stageCount = 1;
  SparseSystem system;
  map.setSystem(system);

  CapturedOutput capture;
  const Status status = map.runGraphSchedule();
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.message,
            "The elastic graph cannot be grown: no cluster holds more than 150 points "
            "(grid.minclust).\n");
  EXPECT_EQ(capture.text(), "0 nodes left.\n");
  EXPECT_EQ(map.currentStage, 0);
}

TEST(RunGraphSchedule, RefusesAGridOfAnotherType) {
  IrisTable iris;
  ElasticMap map;
  map.setData(iris.table);
  LinearGrid line(5, iris.table.dimension);
  map.setGrid(line);
  const Status status = map.runGraphSchedule();
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.message,
            "The elastic graph cannot be grown: the grid is not of type elgraph.\n");
}

// A line of 5 nodes laid through the data, with one adaptation stage.
struct GrowingLine {
  IrisTable iris;
  ElasticMap map;
  LinearGrid line{5, 4};
  SparseSystem system;
  explicit GrowingLine(float epsMSE) {
    map.setData(iris.table);
    map.setGrid(line);
    for (int i = 0; i < 5; i++)
      line.nodes[i] = std::vector<float>(iris.table.row(30 * i), iris.table.row(30 * i) + 4);
    TrainingStage grow = TrainingStage::adaptation();
    grow.type = "grow";
    grow.numstep = 4;
    grow.numevery = 1;
    grow.numiter = 2;
    grow.eps = 0.0f;
    grow.epsMSE = epsMSE;
    map.stages = {shortEpoch(), grow};
    map.stageCount = 2;
    map.setSystem(system);
  }
};

TEST(AdaptationStage, EpsMSEZeroRunsEveryStep) {
  GrowingLine fixture(0.0f);
  CapturedOutput capture;
  ASSERT_TRUE(fixture.map.runSchedule().ok());
  const std::string& text = capture.text();
  EXPECT_EQ(countOf(text, "Adaptation step: "), 4);
  EXPECT_NE(text.find("Adaptation step: 4\n"), std::string::npos);
  // Every epoch of the stage reports the stage's own place in the schedule.
  EXPECT_EQ(countOf(text, "Ep: 2 It: "), 8);
  EXPECT_EQ(countOf(text, "Ep: 3 "), 0);
  EXPECT_EQ(fixture.line.nodeCount, 5 + 4);
  EXPECT_EQ(fixture.map.currentStage, 2);
  expectGridInvariants(fixture.line);
}

TEST(AdaptationStage, StopsAfterTheFirstStepThatChangesTheErrorLessThanEpsMSE) {
  GrowingLine fixture(1e9f);
  CapturedOutput capture;
  ASSERT_TRUE(fixture.map.runSchedule().ok());
  EXPECT_EQ(countOf(capture.text(), "Adaptation step: "), 1);
  EXPECT_EQ(fixture.line.nodeCount, 6);
  EXPECT_EQ(fixture.map.currentStage, 2);
}

// Runs the built program in a fresh folder; returns its standard output.
std::string runProgram(const ScopedWorkingDirectory& directory, const std::string& ini, int n,
                       int& exitStatus) {
  const std::string command = "cd '" + directory.path() + "' && '" + MANIFIT_BINARY + "' -d '" +
                              kIris + "' -i '" + ini + "' -n " + std::to_string(n) +
                              " -o out.map > stdout.txt 2>&1";
  const int status = std::system(command.c_str());
  exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return readWholeFile(directory.path() + "/stdout.txt");
}

// The value line that follows a "# KEY" line of the manifold file.
int manifoldCount(const std::string& map, const std::string& key) {
  const size_t at = map.find("# " + key + "\n");
  if (at == std::string::npos) return -1;
  return std::atoi(map.c_str() + at + key.size() + 3);
}

TEST(ElgraphRun, IrisGraphHasTwoNodesPerClusterAndFiniteOutputs) {
  ScopedWorkingDirectory directory("elgraph_run");
  const std::string ini = directory.path() + "/graph.ini";
  std::FILE* file = std::fopen(ini.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fprintf(file,
               "#ALG7\ngrid.type elgraph\ngrid.size1 16\ngrid.minclust 4\nalgtype epoch\n"
               "epoch.id 1\nepoch.numiter 10\nepoch.eps 0.001\n");
  std::fclose(file);

  int exitStatus = -1;
  const std::string out = runProgram(directory, ini, 7, exitStatus);
  ASSERT_EQ(exitStatus, 0) << out;
  EXPECT_EQ(out.find("Strategy"), std::string::npos);
  const size_t left = out.find(" nodes left.\n");
  ASSERT_NE(left, std::string::npos) << out;
  const size_t lineStart = out.rfind('\n', left) + 1;
  const int clusters = std::atoi(out.c_str() + lineStart);
  ASSERT_GT(clusters, 0);
  const size_t finalLine = out.find("Final MSE: ");
  ASSERT_NE(finalLine, std::string::npos);
  EXPECT_TRUE(std::isfinite(std::atof(out.c_str() + finalLine + 11)));
  EXPECT_EQ(out.find("nan"), std::string::npos);

  const std::string map = readWholeFile(directory.path() + "/out.map");
  EXPECT_EQ(manifoldCount(map, "NODES"), 2 * clusters);
  EXPECT_GE(manifoldCount(map, "EDGES"), clusters);
  EXPECT_EQ(manifoldCount(map, "TRIANGLES"), 0);
  EXPECT_EQ(map.find("nan"), std::string::npos);
  EXPECT_EQ(map.find("inf"), std::string::npos);
  EXPECT_NE(readWholeFile(directory.path() + "/mas"), "<missing>");
}

// Section 10 of the shipped example grows a line of 5 nodes by 10 steps.
TEST(ElgraphRun, ExampleGrowSectionEndsWithFifteenNodes) {
  const std::string ini = std::string(MANIFIT_SOURCE_DIR) + "/examples/manifit.ini";
  ScopedWorkingDirectory directory("example_grow");
  int exitStatus = -1;
  const std::string out = runProgram(directory, ini, 10, exitStatus);
  ASSERT_EQ(exitStatus, 0) << out;
  EXPECT_NE(out.find("Adaptation step: 10\n"), std::string::npos);
  EXPECT_EQ(manifoldCount(readWholeFile(directory.path() + "/out.map"), "NODES"), 15);
}

TEST(ElgraphRun, NoClusterLargeEnoughEndsTheRunWithStatusOne) {
  ScopedWorkingDirectory directory("elgraph_small");
  const std::string ini = directory.path() + "/graph.ini";
  std::FILE* file = std::fopen(ini.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fprintf(file, "#ALG0\ngrid.type elgraph\ngrid.size1 5\ngrid.minclust 500\nepoch.id 1\n");
  std::fclose(file);
  int exitStatus = -1;
  const std::string out = runProgram(directory, ini, 0, exitStatus);
  EXPECT_EQ(exitStatus, 1);
  EXPECT_NE(out.find("0 nodes left.\nThe elastic graph cannot be grown: no cluster holds more "
                     "than 500 points (grid.minclust).\n"),
            std::string::npos)
      << out;
  EXPECT_EQ(out.find("Ep: "), std::string::npos);
}

}  // namespace
}  // namespace manifit
