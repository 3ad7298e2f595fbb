// Configurations that ask for more than a grid can hold are refused with a
// message before anything is allocated.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "config/configuration.h"
#include "grid/grid.h"
#include "training/elastic_map.h"

namespace manifit {
namespace {

class SizeLimits : public ::testing::Test {
 protected:
  Status read(const std::string& text, int dimension = 4) {
    map.dimension = dimension;
    path = ::testing::TempDir() + "manifit_limits_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
    std::ofstream(path, std::ios::binary) << text;
    return readConfiguration(map, path, 1, grid);
  }

  ElasticMap map;
  std::unique_ptr<Grid> grid;
  std::string path;
};

TEST_F(SizeLimits, HugeRectangleIsRefused) {
  const Status status = read("#ALG1\ngrid.size1 100000\ngrid.size2 100000\n");
  EXPECT_EQ(1, status.exitCode);
  EXPECT_EQ(
      "Grid type simplerectangular: grid.size1 100000 and grid.size2 100000 means 10000000000 "
      "nodes, more than the 1000000 a grid can hold\n",
      status.message);
  EXPECT_EQ(nullptr, grid);
  EXPECT_EQ(nullptr, map.grid);
}

TEST_F(SizeLimits, ManyStartNodesInManyDimensionsAreRefused) {
  const Status status = read("#ALG1\ngrid.type elgraph\ngrid.size1 200000\n", 300);
  EXPECT_EQ(1, status.exitCode);
  EXPECT_EQ(
      "Grid type elgraph: grid.size1 200000 means 200000 nodes of 300 coordinates, more than the "
      "50000000 node coordinates a grid can hold\n",
      status.message);
  EXPECT_EQ(nullptr, grid);

  ASSERT_TRUE(read("#ALG1\ngrid.type elgraph\ngrid.size1 200\n", 300).ok());
  EXPECT_EQ(200, grid->nodeCount);
}

TEST_F(SizeLimits, NumeveryAboveTheNodeLimitIsRefused) {
  const Status status =
      read("#ALG1\ngrid.type linear\nadapt.id 1\nadapt.type grow\nadapt.numevery 2000000000\n");
  EXPECT_EQ(1, status.exitCode);
  EXPECT_EQ("Configuration file " + path +
                ", section #ALG1: adapt.numevery 2000000000 asks for more new nodes per step than "
                "the 1000000 a grid can hold.\n",
            status.message);
  EXPECT_EQ(nullptr, grid);

  ASSERT_TRUE(read("#ALG1\nadapt.id 1\nadapt.numevery 1000000\n").ok());
  EXPECT_EQ(1000000, map.stages.at(0).numevery);
}

}  // namespace
}  // namespace manifit
