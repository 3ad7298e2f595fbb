#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "grid/grid.h"
#include "grid_file_paths.h"

namespace manifit {

namespace {

Grid bareGrid(int dimension) {
  Grid grid;
  grid.dimension = dimension;
  return grid;
}

}  // namespace

TEST(NodeFile, BlankLinesAndUncheckedExtraValuesDoNotChangeTheNodes) {
  const std::string folder = gridFilesTempFolder();
  writeTextFile(folder + "plain.txt", "1 2 3\n4\t5\t6\n");
  writeTextFile(folder + "spaced.txt", "\n1 2 3 99 nan\n\n  \t \n4\t5\t6\tinf\r\n\n");
  Grid plain = bareGrid(3);
  Grid spaced = bareGrid(3);
  ASSERT_TRUE(plain.readNodes(folder + "plain.txt").ok());
  ASSERT_TRUE(spaced.readNodes(folder + "spaced.txt").ok());
  const std::vector<std::vector<float>> expected = {{1, 2, 3}, {4, 5, 6}};
  EXPECT_EQ(plain.nodes, expected);
  EXPECT_EQ(spaced.nodes, expected);
  EXPECT_EQ(spaced.gridCoords, expected);
  EXPECT_EQ(spaced.nodeCount, 2);
  EXPECT_EQ(spaced.edgeCount, 0);
  EXPECT_EQ(spaced.ribCount, 0);
  EXPECT_EQ(spaced.triangleCount, 0);
}

TEST(NodeFile, GridCoordinatesAreTheFirstThreeValuesPaddedWithZero) {
  const std::string folder = gridFilesTempFolder();
  writeTextFile(folder + "nodes.txt", "1.5 -2.5 9 8\n");
  Grid two = bareGrid(2);
  ASSERT_TRUE(two.readNodes(folder + "nodes.txt").ok());
  EXPECT_EQ(two.nodes[0], (std::vector<float>{1.5f, -2.5f}));
  EXPECT_EQ(two.gridCoords[0], (std::vector<float>{1.5f, -2.5f, 0.0f}));

  Grid one = bareGrid(1);
  ASSERT_TRUE(one.readNodes(folder + "nodes.txt").ok());
  EXPECT_EQ(one.gridCoords[0], (std::vector<float>{1.5f, 0.0f, 0.0f}));

  Grid four = bareGrid(4);
  ASSERT_TRUE(four.readNodes(folder + "nodes.txt").ok());
  EXPECT_EQ(four.nodes[0], (std::vector<float>{1.5f, -2.5f, 9.0f, 8.0f}));
  EXPECT_EQ(four.gridCoords[0], (std::vector<float>{1.5f, -2.5f, 9.0f}));
}

TEST(NodeFile, TokensFollowTheNumericPrefixRuleAndRoundOnceToFloat) {
  const std::string folder = gridFilesTempFolder();
  // 1 + 2^-24 + 1e-17 lies just above the midpoint of two floats; through a
  // double it would land on the midpoint and round down to 1.
  writeTextFile(folder + "nodes.txt", "1.5abc 2x -3e1q foo 1.00000005960464478539\n");
  Grid grid = bareGrid(5);
  ASSERT_TRUE(grid.readNodes(folder + "nodes.txt").ok());
  EXPECT_EQ(grid.nodes[0][0], 1.5f);
  EXPECT_EQ(grid.nodes[0][1], 2.0f);
  EXPECT_EQ(grid.nodes[0][2], -30.0f);
  EXPECT_EQ(grid.nodes[0][3], 0.0f);
  EXPECT_EQ(grid.nodes[0][4], std::nextafter(1.0f, 2.0f));
}

TEST(NodeFile, NodesAreAppendedAfterThoseTheGridHolds) {
  const std::string folder = gridFilesTempFolder();
  writeTextFile(folder + "a.txt", "1 1\n");
  writeTextFile(folder + "b.txt", "2 2\n3 3\n");
  Grid grid = bareGrid(2);
  ASSERT_TRUE(grid.readNodes(folder + "a.txt").ok());
  ASSERT_TRUE(grid.readNodes(folder + "b.txt").ok());
  EXPECT_EQ(grid.nodeCount, 3);
  EXPECT_EQ(grid.nodes[2], (std::vector<float>{3, 3}));
}

TEST(NodeFile, LinesUpTo9999CharactersAreRead) {
  const std::string folder = gridFilesTempFolder();
  std::string line = "1 2";
  line.resize(9999, ' ');
  writeTextFile(folder + "nodes.txt", line + "\n" + line);
  Grid grid = bareGrid(2);
  ASSERT_TRUE(grid.readNodes(folder + "nodes.txt").ok());
  EXPECT_EQ(grid.nodeCount, 2);
}

TEST(NodeFile, RefusalsNameTheFileAndLineAndLeaveTheGridUnchanged) {
  const std::string folder = gridFilesTempFolder();
  std::string longLine = "1 2";
  longLine.resize(10000, ' ');
  struct Case {
    std::string text;
    std::string message;
  };
  const std::string path = folder + "nodes.txt";
  const std::vector<Case> cases = {
      {"1 2\n\n3\n", "Node file " + path + ", line 3: the node has 1 of 2 coordinates.\n"},
      {"1 nan\n",
       "Node file " + path + ", line 1: coordinate 2 is not a finite number: \"nan\".\n"},
      {"1 2\n-inf 0\n",
       "Node file " + path + ", line 2: coordinate 1 is not a finite number: \"-inf\".\n"},
      {"1e39 0\n",
       "Node file " + path + ", line 1: coordinate 1 is not a finite number: \"1e39\".\n"},
      {"0 information\n",
       "Node file " + path + ", line 1: coordinate 2 is not a finite number: \"information\".\n"},
      {"1 1\n" + longLine + "\n",
       "Node file " + path + ", line 2: the line is longer than 9999 characters.\n"},
      {"\n \n", "Node file " + path + " holds no nodes.\n"},
      {"", "Node file " + path + " holds no nodes.\n"},
  };
  for (const Case& c : cases) {
    writeTextFile(path, c.text);
    Grid grid = bareGrid(2);
    const Status status = grid.readNodes(path);
    EXPECT_EQ(status.exitCode, 1) << c.text;
    EXPECT_EQ(status.message, c.message);
    EXPECT_EQ(grid.nodeCount, 0);
    EXPECT_TRUE(grid.nodes.empty());
    EXPECT_TRUE(grid.gridCoords.empty());
  }
}

TEST(NodeFile, UnreadableFileAndUnsetDimensionAreRefused) {
  const std::string folder = gridFilesTempFolder();
  Grid grid = bareGrid(2);
  const Status missing = grid.readNodes(folder + "missing.txt");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.message, "Can not open file " + folder + "missing.txt\n");

  writeTextFile(folder + "nodes.txt", "1 2\n");
  Grid unset;
  const Status noDimension = unset.readNodes(folder + "nodes.txt");
  EXPECT_EQ(noDimension.exitCode, 1);
  EXPECT_EQ(noDimension.message,
            "Node file " + folder + "nodes.txt: the grid dimension is not set.\n");
}

}  // namespace manifit
