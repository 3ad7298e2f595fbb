#include <gtest/gtest.h>

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

}  // namespace
}  // namespace manifit
