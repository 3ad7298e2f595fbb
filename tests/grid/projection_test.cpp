#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/output.h"
#include "data/data_table.h"
#include "grid/grid.h"
#include "grid/grid_types.h"
#include "grid_file_paths.h"
#include "test_table.h"

namespace manifit {

namespace {

// A 3 x 3 rectangle laid out as a planar lattice: node(i, j) at
// (scale j, scale i), so grid coordinate 0 follows y and 1 follows x.
RectangularGrid planarRectangle(float scale) {
  RectangularGrid grid(3, 3, 2);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j)
      grid.nodes[i * 3 + j] = {scale * static_cast<float>(j), scale * static_cast<float>(i)};
  }
  grid.refreshNodeCache();
  return grid;
}

std::vector<float> project(const Grid& grid, std::vector<float> point) {
  std::vector<float> out = {99.0f, 99.0f, 99.0f};
  grid.projectPoint(point.data(), out.data());
  return out;
}

}  // namespace

TEST(Projection, PointOnANodeGetsThatNodesGridCoordinates) {
  const RectangularGrid grid = planarRectangle(1.0f);
  for (int node = 0; node < 9; ++node) {
    const std::vector<float> out = project(grid, grid.nodes[node]);
    EXPECT_FLOAT_EQ(out[0], grid.gridCoords[node][0]) << node;
    EXPECT_FLOAT_EQ(out[1], grid.gridCoords[node][1]) << node;
    EXPECT_FLOAT_EQ(out[2], 0.0f) << node;
  }
}

TEST(Projection, InsidePointsInterpolateTheTriangleCorners) {
  const RectangularGrid grid = planarRectangle(1.0f);
  // Nearest node 0, inside its only triangle (0, 1, 3).
  std::vector<float> out = project(grid, {0.25f, 0.25f});
  EXPECT_FLOAT_EQ(out[0], -0.75f);
  EXPECT_FLOAT_EQ(out[1], -0.75f);
  // Nearest node 4, inside triangle (4, 5, 7).
  out = project(grid, {1.25f, 1.5f});
  EXPECT_FLOAT_EQ(out[0], 0.5f);
  EXPECT_FLOAT_EQ(out[1], 0.25f);
}

TEST(Projection, CornerPointsAreMeasuredAgainstTheirOwnTriangles) {
  const RectangularGrid grid = planarRectangle(1.0f);
  // Outside the grid next to node 0: its one triangle's edge 0-3 holds the foot.
  std::vector<float> out = project(grid, {-0.3f, 0.4f});
  EXPECT_FLOAT_EQ(out[0], -0.6f);
  EXPECT_FLOAT_EQ(out[1], -1.0f);
  // Outside next to node 2, which has two triangles: the nearer one, (5, 2, 4),
  // holds the foot (2, 0.5) on its edge 5-2.
  out = project(grid, {2.2f, 0.5f});
  EXPECT_FLOAT_EQ(out[0], -0.5f);
  EXPECT_FLOAT_EQ(out[1], 1.0f);
  // Outside next to the last node, which has one triangle.
  out = project(grid, {2.5f, 2.5f});
  EXPECT_FLOAT_EQ(out[0], 1.0f);
  EXPECT_FLOAT_EQ(out[1], 1.0f);
}

TEST(Projection, FirstTriangleHoldingThePlaneProjectionWins) {
  // Two triangles around node 0 whose planes both hold the point's projection.
  Grid grid;
  grid.dimension = 3;
  grid.nodeCount = 5;
  grid.triangleCount = 2;
  grid.nodes = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 0, 0.5f}, {0, 1, 0.5f}};
  grid.gridCoords = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {5, 0, 0}, {0, 5, 0}};
  grid.triangles = {{0, 1, 2}, {0, 3, 4}};
  grid.refreshNodeCache();
  const std::vector<float> out = project(grid, {0.2f, 0.2f, -0.1f});
  EXPECT_FLOAT_EQ(out[0], 0.2f);
  EXPECT_FLOAT_EQ(out[1], 0.2f);
  EXPECT_FLOAT_EQ(out[2], 0.0f);
}

TEST(Projection, FarAwayPointsOfLargeMagnitudeAreStillProjected) {
  // Squared distances reach 1e8 here, beyond any finite start value of 1e7.
  const RectangularGrid grid = planarRectangle(1e4f);
  const std::vector<float> out = project(grid, {2e4f + 1e4f, 1e4f});
  EXPECT_FLOAT_EQ(out[0], 0.0f);
  EXPECT_FLOAT_EQ(out[1], 1.0f);
}

TEST(Projection, NodeOutsideEveryTriangleGivesItsOwnGridCoordinates) {
  Grid grid;
  grid.dimension = 2;
  grid.nodeCount = 4;
  grid.triangleCount = 1;
  grid.nodes = {{0, 0}, {1, 0}, {0, 1}, {5, 5}};
  grid.gridCoords = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0.5f, 0.5f, 0.25f}};
  grid.triangles = {{0, 1, 2}};
  grid.refreshNodeCache();
  const std::vector<float> out = project(grid, {5.5f, 4.0f});
  EXPECT_EQ(out, (std::vector<float>{0.5f, 0.5f, 0.25f}));

  // A node inserted by grow belongs to no triangle.
  RectangularGrid grown = planarRectangle(1.0f);
  NodeAssignment assignment;
  assignment.lists.assign(9, {});
  assignment.lists[0] = {0, 1};
  grown.grow(assignment, 1);
  ASSERT_EQ(grown.nodeCount, 10);
  grown.refreshNodeCache();
  EXPECT_EQ(project(grown, grown.nodes[9]), grown.gridCoords[9]);
}

TEST(Projection, GridsWithoutTrianglesProjectOntoTheNearestEdge) {
  LinearGrid line(5, 2);  // grid coordinates -1, -0.6, -0.2, 0.2, 0.6
  for (int i = 0; i < 5; ++i) line.nodes[i] = {static_cast<float>(i), 0.0f};
  line.refreshNodeCache();
  // Between nodes 1 and 2, a quarter of the way.
  std::vector<float> out = project(line, {1.25f, 0.3f});
  EXPECT_FLOAT_EQ(out[0], -0.5f);
  EXPECT_FLOAT_EQ(out[1], 0.0f);
  EXPECT_FLOAT_EQ(out[2], 0.0f);
  // Beyond the first node the foot stays on it.
  out = project(line, {-1.0f, 0.0f});
  EXPECT_FLOAT_EQ(out[0], -1.0f);
  // Between the last two nodes, nearer to the last.
  out = project(line, {3.75f, -1.0f});
  EXPECT_FLOAT_EQ(out[0], 0.5f);
}

TEST(Projection, GridWithoutEdgesGivesTheNearestNodesGridCoordinates) {
  Grid grid;
  grid.dimension = 2;
  grid.nodeCount = 2;
  grid.nodes = {{0, 0}, {4, 4}};
  grid.gridCoords = {{0, 0, 0}, {7}};  // a short row: missing coordinates read as 0
  grid.refreshNodeCache();
  EXPECT_EQ(project(grid, {3, 3}), (std::vector<float>{7.0f, 0.0f, 0.0f}));
}

TEST(ProjectionsFile, OneLinePerPointWithFreshValuesForEachPoint) {
  RectangularGrid grid = planarRectangle(1.0f);
  // Moving the nodes after the last refresh: writing refreshes the cache.
  for (std::vector<float>& node : grid.nodes) node = {node[0] * 2.0f, node[1] * 2.0f};
  // The last point has no nearest node: it must not repeat the one before.
  const DataTable table = makeTable({{4.0f, 2.0f}, {0.5f, 0.5f}, {std::nanf(""), 0.0f}});
  const std::string path = gridFilesTempFolder() + "projections.txt";
  ASSERT_TRUE(grid.writeProjections(path, table));
  EXPECT_EQ(readTextFile(path),
            "0.000000\t1.000000\t0.000000\n"
            "-0.750000\t-0.750000\t0.000000\n"
            "0.000000\t0.000000\t0.000000\n");
}

TEST(ProjectionsFile, RefusalsAreReported) {
  RectangularGrid grid = planarRectangle(1.0f);
  const DataTable table = makeTable({{0.0f, 0.0f}});
  const std::string path = gridFilesTempFolder() + "missing/projections.txt";
  {
    CapturedOutput capture;
    EXPECT_FALSE(grid.writeProjections(path, table));
    EXPECT_EQ(capture.text(), "Can not open file for writing " + path + "\n");
  }
  const DataTable narrow = makeTable({{0.0f}});
  {
    CapturedOutput capture;
    EXPECT_FALSE(grid.writeProjections(path, narrow));
    EXPECT_EQ(capture.text(),
              "Can not write projections to " + path + ": the table has 1 columns, the grid 2\n");
  }
  if (access("/dev/full", W_OK) == 0) {
    CapturedOutput capture;
    EXPECT_FALSE(grid.writeProjections("/dev/full", table));
    EXPECT_EQ(capture.text(), "Can not write file /dev/full\n");
  }
}

}  // namespace manifit
