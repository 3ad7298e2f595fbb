#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "grid/grid.h"

namespace manifit {
namespace {

// A device of NUL bytes is refused at its first byte; a node file whose
// first line never ends is refused once the line passes the length limit,
// instead of being read for ever.
TEST(ReadNodesEndless, NulBytesAndLinesWithoutEndAreRefused) {
  Grid grid;
  grid.dimension = 2;
  Status status = grid.readNodes("/dev/zero");
  EXPECT_EQ(1, status.exitCode);
  EXPECT_EQ("Node file /dev/zero, line 1: the file holds a NUL byte, so it is not a text file.\n",
            status.message);
  EXPECT_EQ(0, grid.nodeCount);

  const std::string path = ::testing::TempDir() + "manifit_nodes_nul.txt";
  {
    std::ofstream file(path, std::ios::binary);
    file << "1 2\n3 4" << '\0' << "\n";
  }
  status = grid.readNodes(path);
  EXPECT_EQ(
      "Node file " + path + ", line 2: the file holds a NUL byte, so it is not a text file.\n",
      status.message);
  EXPECT_EQ(0, grid.nodeCount);

  {
    std::ofstream file(path, std::ios::binary);
    file << "1 2\n" << std::string(20000, '7');
  }
  status = grid.readNodes(path);
  EXPECT_EQ("Node file " + path + ", line 2: the line is longer than 9999 characters.\n",
            status.message);
  std::remove(path.c_str());
}

// More nodes than a grid can hold are refused at the first node too many.
TEST(ReadNodesEndless, MoreNodesThanAGridHoldsAreRefused) {
  const std::string path = ::testing::TempDir() + "manifit_many_nodes.txt";
  {
    std::ofstream file(path, std::ios::binary);
    file << "\n";
    for (int i = 0; i < 1000001; ++i) file << "0\n";
  }
  Grid grid;
  grid.dimension = 1;
  const Status status = grid.readNodes(path);
  EXPECT_EQ(1, status.exitCode);
  EXPECT_EQ("Node file " + path +
                " up to line 1000002 means 1000001 nodes, more than the 1000000 a grid can hold\n",
            status.message);
  EXPECT_EQ(0, grid.nodeCount);

  std::remove(path.c_str());
}

}  // namespace
}  // namespace manifit
