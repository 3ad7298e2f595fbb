#include <gtest/gtest.h>

#include <array>

#include "grid/grid_types.h"
#include "grid_invariants.h"
#include "test_table.h"

namespace manifit {
namespace {

using Pair = std::array<int, 2>;
using Triple = std::array<int, 3>;

// An assignment with the given number of (made-up) points per node.
NodeAssignment loads(const std::vector<int>& counts) {
  NodeAssignment assignment;
  int next = 0;
  for (int count : counts) {
    assignment.lists.emplace_back();
    for (int k = 0; k < count; ++k) assignment.lists.back().push_back(next++);
  }
  return assignment;
}

// A line of n 1-dimensional nodes at positions 0, 1, ..., n - 1.
LinearGrid placedLine(int n) {
  LinearGrid grid(n, 1);
  for (int i = 0; i < n; ++i) grid.nodes[i][0] = static_cast<float>(i);
  return grid;
}

TEST(Grow, SplitsTheBusiestEdgeOfALine) {
  LinearGrid grid = placedLine(5);
  grid.grow(loads({0, 3, 2, 0, 0}), 1);
  expectGridInvariants(grid);
  EXPECT_EQ(6, grid.nodeCount);
  EXPECT_EQ((std::vector<float>{1.5f}), grid.nodes[5]);
  EXPECT_EQ(static_cast<float>((-0.6f + -0.2f) * 0.5), grid.gridCoords[5][0]);
  EXPECT_EQ((std::vector<Triple>{{3, 2, 4}, {1, 0, 5}, {5, 1, 2}, {2, 5, 3}}), grid.ribs);
  EXPECT_EQ((std::vector<Pair>{{0, 1}, {2, 3}, {3, 4}, {1, 5}, {5, 2}}), grid.edges);
  EXPECT_EQ(std::vector<float>(5, 1.0f), grid.edgeCoefs);
  EXPECT_EQ(std::vector<float>(4, 1.0f), grid.ribCoefs);
}

TEST(Grow, LaterSlotsReadTheListAfterEarlierSplits) {
  // Loads 5, 0, 5, 5: the slots end with edges 0 and 2 (edge 3 only ties).
  LinearGrid grid = placedLine(5);
  grid.grow(loads({5, 0, 0, 5, 0}), 2);
  expectGridInvariants(grid);
  // After edge 0 is split, index 2 holds the edge that stood at 3: (3, 4).
  EXPECT_EQ(7, grid.nodeCount);
  EXPECT_EQ((std::vector<float>{0.5f}), grid.nodes[5]);
  EXPECT_EQ((std::vector<float>{3.5f}), grid.nodes[6]);
  EXPECT_EQ((std::vector<Pair>{{1, 2}, {2, 3}, {0, 5}, {5, 1}, {3, 6}, {6, 4}}), grid.edges);
}

TEST(Grow, CountAboveTheEdgeCountSplitsOncePerEdge) {
  LinearGrid grid = placedLine(3);
  grid.grow(loads({1, 1, 1}), 5);
  expectGridInvariants(grid);
  EXPECT_EQ(5, grid.nodeCount);  // two edges, two splits; the empty slots split nothing
  EXPECT_EQ(4, grid.edgeCount);

  CircleGrid circle(4, 2);
  circle.grow(loads({0, 0, 0, 0}), 100);
  expectGridInvariants(circle);
  EXPECT_EQ(8, circle.nodeCount);

  // The largest count allocates no slot beyond the edges and splits the same.
  LinearGrid huge = placedLine(3);
  huge.grow(loads({1, 1, 1}), 2147483647);
  EXPECT_EQ(grid.nodes, huge.nodes);
  EXPECT_EQ(grid.edges, huge.edges);
  EXPECT_EQ(grid.ribs, huge.ribs);

  GraphGrid loose(3, 2);  // no edges at all
  loose.grow(loads({4, 4, 4}), 3);
  expectGridInvariants(loose);
  EXPECT_EQ(3, loose.nodeCount);
}

TEST(Grow, KeepsTheInvariantsOfSurfaceGrids) {
  RectangularGrid rectangle(4, 3, 2);
  rectangle.grow(loads(std::vector<int>(12, 1)), 6);
  expectGridInvariants(rectangle);
  EXPECT_EQ(18, rectangle.nodeCount);
  EXPECT_EQ(rectangle.triangleCount, 12);  // triangles stay as they were

  SphereGrid sphere(4, 3, 3);
  sphere.grow(loads({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}), 4);
  expectGridInvariants(sphere);
  EXPECT_EQ(18, sphere.nodeCount);
}

TEST(SplitEdge, ShortGridCoordinateRowsAreReadAsZero) {
  // A graph grid of dimension 1 carries two grid coordinates per node.
  GraphGrid graph(2, 1);
  graph.nodes = {{2.0f}, {4.0f}};
  graph.gridCoords = {{2.0f, 0.0f}, {4.0f, 0.0f}};
  graph.edges = {{0, 1}};
  graph.edgeCoefs = {1.0f};
  graph.edgeCount = 1;
  graph.splitEdge(0);
  expectGridInvariants(graph);
  EXPECT_EQ((std::vector<float>{3.0f}), graph.nodes[2]);
  EXPECT_EQ((std::vector<float>{3.0f, 0.0f, 0.0f}), graph.gridCoords[2]);
  EXPECT_EQ((std::vector<Triple>{{2, 0, 1}}), graph.ribs);
  EXPECT_EQ((std::vector<Pair>{{0, 2}, {2, 1}}), graph.edges);
}

TEST(SplitEdge, OneCentredRibIsReplacedAroundTheNewNode) {
  // Splitting the last edge of a line: only the rib centred on node 3.
  LinearGrid grid = placedLine(5);
  grid.ribCoefs = {2.0f, 3.0f, 4.0f};
  grid.splitEdge(3);
  expectGridInvariants(grid);
  EXPECT_EQ((std::vector<Triple>{{1, 0, 2}, {2, 1, 3}, {3, 2, 5}, {5, 3, 4}}), grid.ribs);
  EXPECT_EQ((std::vector<float>{2.0f, 3.0f, 1.0f, 1.0f}), grid.ribCoefs);
}

TEST(NodeMisfit, FourthPowerOfTheDistanceToTheCentroid) {
  Grid grid;
  grid.dimension = 2;
  grid.nodeCount = 3;
  grid.allocate();
  grid.nodes = {{0, 0}, {1, 1}, {3, 0}};
  DataTable table = makeTable({{2, 0}, {0, 4}, {5, 5}});
  NodeAssignment assignment;
  assignment.lists = {{0, 1}, {2}, {}};
  std::vector<double> misfit;
  grid.nodeMisfit(table, assignment, misfit);
  // Centroids (1, 2), (5, 5) and the origin for the node without points.
  EXPECT_EQ((std::vector<double>{25.0, 1024.0, 81.0}), misfit);
}

TEST(BreakRibs, OnlyRibsCentredOnAnOutlyingNodeWeaken) {
  LinearGrid grid = placedLine(8);
  std::vector<std::vector<float>> points;
  for (int i = 0; i < 8; ++i) points.push_back({static_cast<float>(i)});
  points[3][0] = 5.0f;  // node 3's only point lies 2 away: misfit 16, the others 0
  DataTable table = makeTable(points);
  NodeAssignment assignment = loads({1, 1, 1, 1, 1, 1, 1, 1});
  grid.breakRibs(assignment, table);
  // Mean misfit 2; 16 > 2 + 2 sqrt(28): the rib centred on node 3 gets 2 / 16.
  std::vector<float> expected(6, 1.0f);
  expected[2] = 0.125f;
  EXPECT_EQ(expected, grid.ribCoefs);
  EXPECT_EQ(std::vector<float>(7, 1.0f), grid.edgeCoefs);
}

TEST(BreakRibs, EquallyFittingNodesChangeNothing) {
  for (float offset : {0.0f, 0.1f, 0.3f, 0.7f, 1.0f}) {
    LinearGrid grid = placedLine(7);
    grid.ribCoefs = {1.0f, 2.0f, 3.0f, 4.0f, 5.0f};
    std::vector<std::vector<float>> points;
    for (int i = 0; i < 7; ++i) points.push_back({static_cast<float>(i) + offset});
    DataTable table = makeTable(points);
    const std::vector<std::vector<float>> before = grid.nodes;
    grid.breakRibs(loads({1, 1, 1, 1, 1, 1, 1}), table);
    EXPECT_EQ((std::vector<float>{1.0f, 2.0f, 3.0f, 4.0f, 5.0f}), grid.ribCoefs) << offset;
    EXPECT_EQ(before, grid.nodes);
  }
}

TEST(BuildIncidence, ListsEachNodesEdgesInEdgeOrder) {
  CircleGrid grid(4, 1);
  grid.edges.push_back({2, 0});
  grid.edgeCoefs.push_back(1.0f);
  grid.edgeCount = 5;
  grid.nodeEdges = {{9}};
  grid.buildIncidence();
  EXPECT_EQ((std::vector<std::vector<int>>{{0, 3, 4}, {0, 1}, {1, 2, 4}, {2, 3}}), grid.nodeEdges);
}

}  // namespace
}  // namespace manifit
