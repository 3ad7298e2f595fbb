#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "grid/grid.h"

namespace manifit {
namespace {

// A node file whose first line never ends is refused once the line passes
// the length limit, instead of being read for ever.
TEST(ReadNodesEndless, LineWithoutEndIsRefusedAtTheLimit) {
  Grid grid;
  grid.dimension = 2;
  const Status status = grid.readNodes("/dev/zero");
  EXPECT_EQ(1, status.exitCode);
  EXPECT_EQ("Node file /dev/zero, line 1: the line is longer than 9999 characters.\n",
            status.message);
  EXPECT_EQ(0, grid.nodeCount);
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
