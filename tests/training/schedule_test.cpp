#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "training_fixture.h"

namespace manifit {
namespace {

// The "Ep:" field of every progress line and the adaptation step lines, in order.
std::vector<std::string> scheduleTrace(const std::string& text) {
  std::vector<std::string> trace;
  std::istringstream in(text);
  const std::regex progress(R"(Ep: (\d+) It: \d+ MSE: .*)");
  for (std::string line; std::getline(in, line);) {
    std::smatch match;
    if (std::regex_match(line, match, progress)) {
      trace.push_back("E" + match[1].str());
    } else {
      trace.push_back(line);
    }
  }
  return trace;
}

class ScheduleTest : public ::testing::Test {
 protected:
  ScheduleTest() : grid(6, 6, 4) {
    map.setData(iris.table);
    map.setGrid(grid);
    map.setSystem(system);
    map.placeGrid(iris.components->mean, iris.components->components, iris.components->variances,
                  3);
  }

  TrainingStage& addStage(TrainingStage stage, int numiter) {
    stage.numiter = numiter;
    stage.eps = 0.0f;  // every iteration runs
    map.stages.push_back(stage);
    map.stageCount = static_cast<int>(map.stages.size());
    return map.stages.back();
  }

  IrisData iris;
  RectangularGrid grid;
  ElasticMap map;
  SparseSystem system;
};

TEST_F(ScheduleTest, EpochStagesAndAnAdaptationStageInThirdPosition) {
  addStage(TrainingStage::epoch(), 2);
  addStage(TrainingStage::epoch(), 1);
  TrainingStage& adapt = addStage(TrainingStage::adaptation(), 1);
  adapt.numstep = 3;
  adapt.epsMSE = 0.0f;  // never close enough: all steps run
  adapt.type = "none";
  addStage(TrainingStage::epoch(), 1);

  CapturedOutput capture;
  ASSERT_TRUE(map.runStrategy().ok());
  EXPECT_EQ(
      scheduleTrace(capture.text()),
      (std::vector<std::string>{"Strategy: epoch", "E1", "E1", "E2", "Adaptation step: 1", "E3",
                                "Adaptation step: 2", "E3", "Adaptation step: 3", "E3", "E4"}));
  EXPECT_EQ(map.currentStage, 4);
}

TEST_F(ScheduleTest, KeepGoingStopsTheRunAfterAnIteration) {
  addStage(TrainingStage::epoch(), 5);
  TrainingStage& adapt = addStage(TrainingStage::adaptation(), 5);
  adapt.numstep = 3;
  int asked = 0;
  map.keepGoing = [&asked] { return ++asked < 7; };

  CapturedOutput capture;
  const Status stopped = map.runStrategy();
  EXPECT_FALSE(stopped.ok());
  EXPECT_EQ(stopped.message, "Training stopped on request\n");
  // Five iterations of the epoch, then two of the adaptation's first step.
  EXPECT_EQ(asked, 7);
  EXPECT_EQ(scheduleTrace(capture.text()),
            (std::vector<std::string>{"Strategy: epoch", "E1", "E1", "E1", "E1", "E1",
                                      "Adaptation step: 1", "E2", "E2"}));
}

TEST_F(ScheduleTest, AdaptationStopsOnceTheErrorSettles) {
  TrainingStage& adapt = addStage(TrainingStage::adaptation(), 2);
  adapt.numstep = 5;
  adapt.epsMSE = 1e6f;  // any change is small enough
  addStage(TrainingStage::epoch(), 1);
  CapturedOutput capture;
  ASSERT_TRUE(map.runSchedule().ok());
  EXPECT_EQ(scheduleTrace(capture.text()),
            (std::vector<std::string>{"Adaptation step: 1", "E1", "E1", "E2"}));
}

TEST_F(ScheduleTest, AdaptationWithoutStepsOnlyAssignsThePoints) {
  TrainingStage& adapt = addStage(TrainingStage::adaptation(), 2);
  adapt.numstep = 0;
  addStage(TrainingStage::epoch(), 1);
  map.assignment.lists.clear();
  CapturedOutput capture;
  ASSERT_TRUE(map.runSchedule().ok());
  EXPECT_EQ(scheduleTrace(capture.text()), (std::vector<std::string>{"E2"}));
}

TEST_F(ScheduleTest, GrowAdaptationInsertsNodesBetweenEpochs) {
  TrainingStage& adapt = addStage(TrainingStage::adaptation(), 1);
  adapt.type = "grow";
  adapt.numstep = 2;
  adapt.numevery = 1;
  adapt.epsMSE = 0.0f;
  LinearGrid line(6, 4);
  map.setGrid(line);
  map.placeGrid(iris.components->mean, iris.components->components, iris.components->variances, 3);
  CapturedOutput capture;
  ASSERT_TRUE(map.runSchedule().ok());
  EXPECT_GT(line.nodeCount, 6);
  EXPECT_EQ(map.assignment.lists.size(), static_cast<size_t>(line.nodeCount));
  EXPECT_EQ(system.size, line.nodeCount);
}

TEST_F(ScheduleTest, OtherStrategyLeavesThePlacedGrid) {
  addStage(TrainingStage::epoch(), 3);
  map.algtype = "annealing";
  const auto placed = copyNodes(grid);
  CapturedOutput capture;
  ASSERT_TRUE(map.runStrategy().ok());
  EXPECT_EQ(capture.text(), "Strategy: annealing\n");
  EXPECT_EQ(grid.nodes, placed);
  EXPECT_EQ(map.currentStage, 0);
}

TEST_F(ScheduleTest, EmptyScheduleRunsNothing) {
  CapturedOutput capture;
  ASSERT_TRUE(map.runStrategy().ok());
  EXPECT_EQ(capture.text(), "Strategy: epoch\n");
}

}  // namespace
}  // namespace manifit
