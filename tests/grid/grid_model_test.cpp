#include <gtest/gtest.h>

#include <cmath>

#include "grid/grid.h"
#include "grid_invariants.h"

namespace manifit {
namespace {

// A bare grid of 1-dimensional nodes at the given positions, with the given
// grid coordinates (rows of any length).
Grid bareGrid(const std::vector<float>& positions) {
  Grid grid;
  grid.dimension = 1;
  grid.nodeCount = static_cast<int>(positions.size());
  grid.allocate();
  for (size_t i = 0; i < positions.size(); ++i) grid.nodes[i][0] = positions[i];
  return grid;
}

TEST(GridModel, FreshAndZeroCountGridsAreEmpty) {
  Grid grid;
  EXPECT_EQ("Noname", grid.name);
  EXPECT_EQ(-1, grid.type);
  EXPECT_TRUE(grid.nodes.empty() && grid.edges.empty() && grid.ribs.empty());
  EXPECT_TRUE(grid.nodeCache.empty());
  EXPECT_EQ(0, grid.cachedRowCount);
  grid.refreshNodeCache();
  EXPECT_TRUE(grid.nodeCache.empty());
  EXPECT_TRUE(grid.nodeRows.empty());
  grid.dimension = 3;
  grid.allocate();
  expectGridInvariants(grid);
  EXPECT_TRUE(grid.nodeCache.empty());
}

TEST(GridModel, AllocateFillsZerosAndUnitCoefficients) {
  Grid grid;
  grid.dimension = 2;
  grid.nodeCount = 3;
  grid.edgeCount = 2;
  grid.ribCount = 1;
  grid.triangleCount = 1;
  grid.allocate();
  expectGridInvariants(grid);
  EXPECT_EQ((std::vector<float>{0.0f, 0.0f, 0.0f}), grid.gridCoords[2]);
  EXPECT_EQ((std::vector<float>{1.0f, 1.0f}), grid.edgeCoefs);
  EXPECT_EQ((std::vector<float>{1.0f}), grid.ribCoefs);
  EXPECT_EQ(6u, grid.nodeCache.size());
  EXPECT_EQ(3, grid.cachedRowCount);
}

TEST(GridModel, NodeCacheIsRowMajorAndFollowsOnlyRefreshes) {
  Grid grid;
  grid.dimension = 2;
  grid.nodeCount = 3;
  grid.allocate();
  grid.nodes = {{1, 2}, {3, 4}, {5, 6}};
  EXPECT_EQ(0.0f, grid.nodeCache[2]);  // stale until refreshed
  grid.refreshNodeCache();
  EXPECT_EQ((std::vector<float>{1, 2, 3, 4, 5, 6}), grid.nodeCache);
  EXPECT_EQ(grid.nodes, grid.nodeRows);
  EXPECT_EQ(3, grid.cachedRowCount);
  // A grown grid gets a longer cache at the next refresh.
  grid.nodes.push_back({7, 8});
  grid.gridCoords.push_back({0, 0, 0});
  grid.nodeCount = 4;
  grid.refreshNodeCache();
  EXPECT_EQ(8u, grid.nodeCache.size());
  EXPECT_EQ(8.0f, grid.nodeCache[7]);
  EXPECT_EQ(4, grid.cachedRowCount);
}

TEST(GridModel, ClearAllEmptiesListsButKeepsCounts) {
  Grid grid = bareGrid({0, 1, 2});
  grid.edgeCount = 2;
  grid.edges = {{0, 1}, {1, 2}};
  grid.edgeCoefs = {1, 1};
  grid.clearAll();
  EXPECT_EQ(3, grid.nodeCount);
  EXPECT_EQ(2, grid.edgeCount);
  EXPECT_TRUE(grid.nodes.empty() && grid.gridCoords.empty() && grid.edges.empty());
  EXPECT_TRUE(grid.edgeCoefs.empty() && grid.nodeCache.empty() && grid.nodeRows.empty());
  EXPECT_EQ(0, grid.cachedRowCount);
}

TEST(GridModel, CopyTopologyFromCopiesEveryEntry) {
  Grid source = bareGrid({4, 5, 6});
  source.gridCoords[1] = {0.5f, 0.25f, -1.0f};
  source.edgeCount = 1;
  source.edges = {{2, 1}};
  source.edgeCoefs = {0.75f};
  source.ribCount = 1;
  source.ribs = {{1, 0, 2}};
  source.ribCoefs = {3.0f};
  source.triangleCount = 1;
  source.triangles = {{0, 1, 2}};

  Grid copy;
  copy.dimension = 1;
  copy.nodeCount = 3;
  copy.edgeCount = 1;
  copy.ribCount = 1;
  copy.triangleCount = 1;
  copy.allocate();
  copy.copyTopologyFrom(source);
  expectGridInvariants(copy);
  EXPECT_EQ(source.nodes, copy.nodes);
  EXPECT_EQ(source.gridCoords, copy.gridCoords);
  EXPECT_EQ(source.edges, copy.edges);
  EXPECT_EQ(source.edgeCoefs, copy.edgeCoefs);
  EXPECT_EQ(source.ribs, copy.ribs);
  EXPECT_EQ(source.ribCoefs, copy.ribCoefs);
  EXPECT_EQ(source.triangles, copy.triangles);
}

TEST(NormalizeCoefs, EdgesCarryTheMeanSquaredLength) {
  Grid grid = bareGrid({0, 1, 2, 5});
  grid.edgeCount = 3;
  grid.edges = {{0, 1}, {1, 2}, {2, 1}};
  grid.edgeCoefs = {7, 7, 7};
  grid.normalizeEdgeCoefs(1);
  EXPECT_EQ((std::vector<float>{1.0f, 1.0f, 1.0f}), grid.edgeCoefs);  // equal lengths
  grid.edges = {{0, 1}, {1, 3}, {2, 0}};  // squared lengths 1, 16, 4: mean 7
  grid.normalizeEdgeCoefs(1);
  EXPECT_EQ((std::vector<float>{7.0f, 7.0f / 16.0f, 7.0f / 4.0f}), grid.edgeCoefs);
}

TEST(NormalizeCoefs, ModeZeroMeasuresGridCoordinatesUpToTheDimension) {
  Grid grid;
  grid.dimension = 4;
  grid.nodeCount = 3;
  grid.edgeCount = 2;
  grid.allocate();
  grid.nodes[2] = {100, 100, 100, 100};  // positions do not count in mode 0
  grid.gridCoords = {{0, 0, 0}, {1, 0, 0}, {0, 0, 2}};
  grid.edges = {{0, 1}, {0, 2}};  // squared lengths 1 and 4: mean 2.5
  grid.normalizeEdgeCoefs(0);
  EXPECT_EQ((std::vector<float>{2.5f, 0.625f}), grid.edgeCoefs);

  // With two data coordinates only the first two grid coordinates count.
  grid.dimension = 2;
  grid.nodes = {{0, 0}, {0, 0}, {9, 9}};
  grid.gridCoords[2] = {0, 1, 5};
  grid.normalizeEdgeCoefs(0);
  EXPECT_EQ((std::vector<float>{1.0f, 1.0f}), grid.edgeCoefs);
}

TEST(NormalizeCoefs, DegenerateEntriesStayFinite) {
  Grid grid = bareGrid({0, 1, 2, 4});
  grid.edgeCount = 2;
  grid.edges = {{0, 1}, {2, 2}};
  grid.edgeCoefs = {5, 5};
  grid.ribCount = 2;
  grid.ribs = {{1, 0, 2}, {1, 0, 3}};  // straight (second difference 0), then bent
  grid.ribCoefs = {5, 5};
  grid.normalizeEdgeCoefs(1);
  grid.normalizeRibCoefs(1);
  // Mean edge length 0.5: the zero-length edge gets 1.0, not infinity.
  EXPECT_EQ((std::vector<float>{0.5f, 1.0f}), grid.edgeCoefs);
  EXPECT_EQ((std::vector<float>{1.0f, 0.5f}), grid.ribCoefs);

  Grid still = bareGrid({3, 3});
  still.edgeCount = 1;
  still.edges = {{0, 1}};
  still.edgeCoefs = {2};
  still.normalizeEdgeCoefs(1);  // every length 0: mean 0 / 0
  EXPECT_EQ(1.0f, still.edgeCoefs[0]);

  Grid empty = bareGrid({1, 2});
  empty.normalizeEdgeCoefs(1);
  empty.normalizeRibCoefs(0);
  expectGridInvariants(empty);
}

TEST(NormalizeCoefs, RibsCountEveryRibOfTheList) {
  // The rib count may lag behind the list; every rib in the list counts.
  Grid grid = bareGrid({0, 1, 3, 6});
  grid.ribs = {{1, 0, 3}, {2, 0, 3}};  // squared second differences 16 and 0
  grid.ribCoefs = {1, 1};
  grid.normalizeRibCoefs(1);
  EXPECT_EQ((std::vector<float>{0.5f, 1.0f}), grid.ribCoefs);
}

TEST(NormalizeCoefs, ShortGridCoordinateRowsReadAsZero) {
  // Graph grids of dimension 1 carry two grid coordinates per node.
  Grid grid = bareGrid({0, 0, 0});
  grid.gridCoords = {{0, 0}, {1, 0}, {3, 0}};
  grid.edgeCount = 2;
  grid.edges = {{0, 1}, {1, 2}};
  grid.edgeCoefs = {1, 1};
  grid.normalizeEdgeCoefs(0);
  EXPECT_EQ((std::vector<float>{2.5f, 2.5f / 4.0f}), grid.edgeCoefs);
}

}  // namespace
}  // namespace manifit
