#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "grid/grid.h"
#include "test_table.h"

namespace manifit {
namespace {

Grid gridAt(const std::vector<std::vector<float>>& positions) {
  Grid grid;
  grid.dimension = static_cast<int>(positions[0].size());
  grid.nodeCount = static_cast<int>(positions.size());
  grid.allocate();
  grid.nodes = positions;
  grid.refreshNodeCache();
  return grid;
}

TEST(AssignToNodes, NearestNodeWinsAndTiesGoToTheLowerIndex) {
  Grid grid = gridAt({{0, 0}, {2, 0}, {0, 2}, {2, 0}});
  // Point 0 lies halfway between nodes 0 and 1; point 3 sits on the twin
  // nodes 1 and 3; point 4 is equally far from nodes 1, 2 and 3.
  DataTable table = makeTable({{1, 0}, {0.1f, 1.9f}, {-1, -1}, {2, 0}, {2, 2}});
  NodeAssignment assignment;
  assignment.lists = {{7, 8}, {9}};  // stale content is discarded
  grid.assignToNodes(assignment, table);
  ASSERT_EQ(4u, assignment.lists.size());
  EXPECT_EQ((std::vector<int>{0, 2}), assignment.lists[0]);
  EXPECT_EQ((std::vector<int>{3, 4}), assignment.lists[1]);
  EXPECT_EQ((std::vector<int>{1}), assignment.lists[2]);
  EXPECT_TRUE(assignment.lists[3].empty());
}

TEST(AssignToNodes, FarAwayPointsAreStillAssigned) {
  // Squared distances of 1e12 and more: beyond any finite start value.
  Grid grid = gridAt({{0.0f}, {1.0f}});
  DataTable table = makeTable({{1e6f}, {-3e18f}});
  NodeAssignment assignment;
  grid.assignToNodes(assignment, table);
  // -3e18 is 9e36 away from both nodes in single precision: the first wins.
  EXPECT_EQ((std::vector<int>{1}), assignment.lists[0]);
  EXPECT_EQ((std::vector<int>{0}), assignment.lists[1]);
}

TEST(AssignToNodes, SearchesTheCacheNotTheCurrentPositions) {
  Grid grid = gridAt({{0.0f}, {10.0f}});
  grid.nodes[1][0] = 1.0f;  // moved after the refresh
  DataTable table = makeTable({{2.0f}});
  NodeAssignment assignment;
  grid.assignToNodes(assignment, table);
  EXPECT_EQ((std::vector<int>{0}), assignment.lists[0]);
  grid.refreshNodeCache();
  grid.assignToNodes(assignment, table);
  EXPECT_EQ((std::vector<int>{0}), assignment.lists[1]);
}

TEST(AssignToNodes, DistancesAreSummedInSinglePrecision) {
  // Squared, node 0 is 2^24 + 1e-4 away from the point and node 1 2^24; in
  // single precision both are 2^24, so the tie keeps node 0 although node 1
  // is nearer in exact arithmetic.
  Grid grid = gridAt({{4096.0f, 0.01f}, {4096.0f, 0.0f}});
  DataTable table = makeTable({{0.0f, 0.0f}});
  NodeAssignment assignment;
  grid.assignToNodes(assignment, table);
  EXPECT_EQ((std::vector<int>{0}), assignment.lists[0]);
}

TEST(CentroidRms, SpreadAroundEachNodesCentroidOverAllPoints) {
  Grid grid = gridAt({{100, 100}, {-50, 0}, {7, 7}});  // positions are not read
  DataTable table = makeTable({{0, 0}, {2, 0}, {10, 10}, {10, 14}, {99, 99}});
  NodeAssignment assignment;
  // Point 4 belongs to no list but still counts in the divisor.
  assignment.lists = {{0, 1}, {2, 3}, {}};
  // Squared spreads: 1 + 1 around (1, 0) and 4 + 4 around (10, 12).
  EXPECT_DOUBLE_EQ(std::sqrt(10.0 / 5.0), grid.centroidRms(table, assignment));
  assignment.lists = {{}, {}, {}};
  EXPECT_EQ(0.0, grid.centroidRms(table, assignment));
}

TEST(Gmse, MeasuresCurrentPositionsAgainstTheRefreshedReference) {
  Grid grid = gridAt({{0, 0}, {3, 4}});
  Grid reference = gridAt({{0, 1}, {50, 50}});
  reference.nodes[1] = {3, 0};  // stale in the reference's cache: gmse refreshes it
  grid.nodes[0] = {0, 2};       // stale in this grid's cache: gmse reads the positions
  // Nearest squared distances: 1 (to (0, 1)) and 16 (to (3, 0)).
  EXPECT_DOUBLE_EQ(std::sqrt(17.0 / 2.0), grid.rmsDistanceTo(reference));
  EXPECT_EQ((std::vector<float>{0, 1, 3, 0}), reference.nodeCache);

  Grid far = gridAt({{1e6f, 0.0f}});
  // Far beyond a finite start value of 1e10, the nearest reference node counts.
  const float d = 1e6f - 3.0f;
  EXPECT_DOUBLE_EQ(std::sqrt(static_cast<double>(d * d)), far.rmsDistanceTo(reference));
}

}  // namespace
}  // namespace manifit

namespace manifit {
namespace {

// The plain search: every node row of the grid, float sums, first minimum.
int plainNearest(const Grid& grid, const float* x) {
  int index = -1;
  float best = 0.0f;
  for (int j = 0; j < grid.nodeCount; ++j) {
    float d = 0.0f;
    for (int k = 0; k < grid.dimension; ++k) {
      const float e = grid.nodes[j][k] - x[k];
      d += e * e;
    }
    if (index == -1 || d < best) {
      best = d;
      index = j;
    }
  }
  return index;
}

TEST(AssignToNodes, CacheSearchMatchesThePlainSearchOnRandomGrids) {
  std::mt19937 generator(7);
  // Coarse values make exact ties frequent.
  std::uniform_int_distribution<int> coordinate(-4, 4);
  for (int dimension : {1, 2, 5}) {
    for (int nodeCount : {1, 3, 17}) {
      Grid grid;
      grid.dimension = dimension;
      grid.nodeCount = nodeCount;
      grid.allocate();
      for (std::vector<float>& node : grid.nodes) {
        for (float& value : node) value = 0.5f * static_cast<float>(coordinate(generator));
      }
      grid.refreshNodeCache();
      std::vector<std::vector<float>> points(40, std::vector<float>(dimension));
      for (std::vector<float>& p : points) {
        for (float& value : p) value = 0.25f * static_cast<float>(coordinate(generator));
      }
      DataTable table = makeTable(points);
      NodeAssignment assignment;
      grid.assignToNodes(assignment, table);
      std::vector<std::vector<int>> expected(nodeCount);
      for (int p = 0; p < table.pointCount; ++p) {
        expected[plainNearest(grid, table.row(p))].push_back(p);
      }
      EXPECT_EQ(expected, assignment.lists) << dimension << " x " << nodeCount;
    }
  }
}

}  // namespace
}  // namespace manifit
