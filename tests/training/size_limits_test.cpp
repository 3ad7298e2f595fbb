// Training steps that would grow a grid beyond what it can hold stop the run
// with a message before they allocate.
#include <gtest/gtest.h>

#include "common/output.h"
#include "grid/grid_types.h"
#include "training/elastic_map.h"
#include "training/training_stage.h"

namespace manifit {
namespace {

TEST(SizeLimits, ExtrapolationBeyondTheNodeLimitStopsBeforeAllocating) {
  // The size fields claim a 999 x 1000 rectangle; the step must refuse from
  // them alone, since the grid holds only the four nodes actually built.
  RectangularGrid grid(2, 2, 1);
  grid.size1 = 999;
  grid.size2 = 1000;
  grid.nodeCount = 999000;
  ElasticMap map;
  map.grid = &grid;
  TrainingStage stage = TrainingStage::epoch();
  stage.extrapolate = 3;
  EXPECT_FALSE(map.runExtrapolation(stage));
  EXPECT_EQ(1, map.failure.exitCode);
  EXPECT_EQ(
      "Extrapolation step: a rectangle of 1001 x 1002 means 1003002 nodes, more than the 1000000 "
      "a grid can hold\n",
      map.failure.message);
  EXPECT_EQ(4u, grid.nodes.size());
  EXPECT_EQ(999, grid.size1);
}

TEST(SizeLimits, ExtrapolationWithinTheLimitRuns) {
  RectangularGrid grid(3, 3, 2);
  ElasticMap map;
  map.grid = &grid;
  TrainingStage stage = TrainingStage::epoch();
  stage.extrapolate = 2;
  CapturedOutput capture;
  EXPECT_TRUE(map.runExtrapolation(stage));
  EXPECT_EQ("Extrapolation step... \nExtrapolation step... \n", capture.text());
  EXPECT_EQ(7, grid.size1);
  EXPECT_EQ(49, grid.nodeCount);
}

}  // namespace
}  // namespace manifit
