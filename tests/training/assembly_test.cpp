#include <gtest/gtest.h>

#include <cmath>

#include "training_fixture.h"

namespace manifit {
namespace {

// A line of 4 nodes at x = 0, 1, 2, 3 on the first axis and 5 points in 2-D;
// the fifth point is far away from every node but still assigned.
class AssemblyTest : public ::testing::Test {
 protected:
  AssemblyTest() : line(4, 2) {
    fillTable(table, {{0.1f, 0.2f}, {0.9f, -0.3f}, {1.2f, 0.4f}, {2.9f, 0.1f}, {0.2f, 0.0f}});
    map.setData(table);
    map.setGrid(line);
    map.setSystem(system);
    for (int i = 0; i < 4; ++i) line.nodes[i] = {static_cast<float>(i), 0.0f};
    line.edgeCoefs = {1.0f, 0.7f, 1.3f};
    line.ribCoefs = {0.3f, 1.9f};
  }

  // The right-hand side of one coordinate, from the all-coordinates pass.
  std::vector<double> rhsOf(int coordinate) {
    std::vector<double> all;
    map.computeAllRhs(all);
    std::vector<double> rhs;
    for (size_t i = static_cast<size_t>(coordinate); i < all.size(); i += 2) rhs.push_back(all[i]);
    return rhs;
  }

  double entry(int row, int column) const {
    return system.entries.contains({row, column}) ? system.entries.at({row, column}) : NAN;
  }

  DataTable table;
  ElasticMap map;
  LinearGrid line;
  SparseSystem system;
};

TEST_F(AssemblyTest, AssignmentGoesToTheNearestNode) {
  map.assignPoints();
  ASSERT_EQ(map.assignment.lists.size(), 4u);
  EXPECT_EQ(map.assignment.lists[0], (std::vector<int>{0, 4}));
  EXPECT_EQ(map.assignment.lists[1], (std::vector<int>{1, 2}));
  EXPECT_TRUE(map.assignment.lists[2].empty());
  EXPECT_EQ(map.assignment.lists[3], (std::vector<int>{3}));
}

TEST_F(AssemblyTest, EntriesFollowTheScaledCoefficientsAndTheOrderOfAdditions) {
  map.currentEp = 0.7f;
  map.currentRp = 0.3f;
  map.assignPoints();
  map.assembleSystem();
  EXPECT_EQ(system.size, 4);

  // A curve: EP = ep n / 100, RP = rp n / 10, rounded to float.
  const float EP = static_cast<float>(0.7f * 4.0 / 100.0);
  const float RP = static_cast<float>(0.3f * 4.0 / 10.0);
  const float RP4 = 4.0f * RP;
  const float RPm2 = -2.0f * RP;
  const double c0 = line.edgeCoefs[0], c1 = line.edgeCoefs[1], c2 = line.edgeCoefs[2];
  const double r0 = line.ribCoefs[0], r1 = line.ribCoefs[1];
  // Ribs: (1, 0, 2) and (2, 1, 3).
  double d0 = 2.0 / 5;
  d0 += EP * c0;
  d0 += RP * r0;
  double d1 = 2.0 / 5;
  d1 += EP * c0;
  d1 += EP * c1;
  d1 += RP4 * r0;
  d1 += RP * r1;
  double d2 = 0.0 / 5;
  d2 += EP * c1;
  d2 += EP * c2;
  d2 += RP * r0;
  d2 += RP4 * r1;
  double d3 = 1.0 / 5;
  d3 += EP * c2;
  d3 += RP * r1;
  EXPECT_EQ(entry(0, 0), d0);
  EXPECT_EQ(entry(1, 1), d1);
  EXPECT_EQ(entry(2, 2), d2);
  EXPECT_EQ(entry(3, 3), d3);
  double e01 = -EP * c0;
  e01 += RPm2 * r0;
  EXPECT_EQ(entry(0, 1), e01);
  EXPECT_EQ(entry(1, 0), e01);
  double e12 = -EP * c1;
  e12 += RPm2 * r0;
  e12 += RPm2 * r1;
  EXPECT_EQ(entry(1, 2), e12);
  EXPECT_EQ(entry(2, 1), e12);
  EXPECT_EQ(entry(0, 2), RP * r0);
  EXPECT_EQ(entry(1, 3), RP * r1);
  EXPECT_EQ(entry(3, 1), RP * r1);
  EXPECT_FALSE(system.entries.contains({0, 3}));
  EXPECT_EQ(system.entries.size(), 14u);
  EXPECT_TRUE(map.isolatedNodes == std::vector<char>(4, 0));
}

TEST_F(AssemblyTest, SurfaceCoefficientsAndNegativeStretchFlipTheDataTerm) {
  RectangularGrid rectangle(2, 2, 2);
  map.setGrid(rectangle);
  map.currentEp = -1.0f;
  map.currentRp = 1.0f;
  map.assignPoints();
  map.assembleSystem();
  // A surface: EP = ep / 100; no ribs in a 2 x 2 rectangle.
  const float EP = static_cast<float>(-1.0f / 100.0);
  double d0 = -5.0 / 5;  // every point is nearest to node 0 at the origin
  d0 += static_cast<double>(EP) * 1.0;
  d0 += static_cast<double>(EP) * 1.0;
  EXPECT_EQ(entry(0, 0), d0);
  EXPECT_EQ(entry(0, 1), -static_cast<double>(EP));
}

TEST_F(AssemblyTest, WeightedDataTermAndRightHandSide) {
  table.weighted = true;
  table.weights = {0.5f, 2.0f, 0.25f, 1.5f, 0.75f};
  table.totalWeight = 5.0f;
  map.assignPoints();
  map.assembleSystem();
  const std::vector<double> rhs = rhsOf(0);
  ASSERT_EQ(4u, rhs.size());
  double expected0 = 0.0;
  expected0 += 0.1f * 0.5f;
  expected0 += 0.2f * 0.75f;
  EXPECT_EQ(rhs[0], expected0 / 5.0f);
  double expected1 = 0.0;
  expected1 += 0.9f * 2.0f;
  expected1 += 1.2f * 0.25f;
  EXPECT_EQ(rhs[1], expected1 / 5.0);
  EXPECT_EQ(rhs[2], 0.0);

  // a_0 = (0.5 + 0.75) / 5 plus the elastic terms of node 0.
  const float EP = static_cast<float>(1.0f * 4.0 / 100.0);
  const float RP = static_cast<float>(1.0f * 4.0 / 10.0);
  double d0 = (0.5 + 0.75) / 5.0;
  d0 += static_cast<double>(EP) * line.edgeCoefs[0];
  d0 += static_cast<double>(RP) * line.ribCoefs[0];
  EXPECT_EQ(entry(0, 0), d0);
}

TEST_F(AssemblyTest, RightHandSideDividesByThePointCountEvenForUnassignedPoints) {
  map.assignPoints();
  map.assignment.lists[0] = {0};  // point 4 left out
  const std::vector<double> rhs = rhsOf(1);
  ASSERT_EQ(4u, rhs.size());
  EXPECT_EQ(rhs[0], static_cast<double>(0.2f) / 5);
  double expected1 = 0.0;
  expected1 += -0.3f;
  expected1 += 0.4f;
  EXPECT_EQ(rhs[1], expected1 / 5);
  EXPECT_EQ(rhs[3], static_cast<double>(0.1f) / 5);
}

TEST_F(AssemblyTest, ANodeWithoutPointsOrConnectionsGetsAUnitRow) {
  GraphGrid graph(3, 2);  // three nodes, no edges, no ribs
  graph.nodes = {{0.0f, 0.0f}, {3.0f, 0.0f}, {50.0f, 50.0f}};
  map.setGrid(graph);
  map.assignPoints();
  map.assembleSystem();
  EXPECT_EQ(map.isolatedNodes, (std::vector<char>{0, 0, 1}));
  EXPECT_EQ(entry(2, 2), 1.0);
  EXPECT_EQ(entry(0, 0), 4.0 / 5);
  EXPECT_EQ(entry(1, 1), 1.0 / 5);
}

TEST_F(AssemblyTest, ErrorFiguresOfTrainingAndTestTables) {
  map.assignPoints();
  EXPECT_DOUBLE_EQ(map.trainingRms(), line.centroidRms(table, map.assignment));
  EXPECT_EQ(map.testRms(), 0.0);
  DataTable test;
  fillTable(test, {{2.2f, 0.0f}, {2.4f, 0.2f}});
  map.setTestData(test);
  // Both test points go to node 2: their spread about their centroid.
  const double expected = std::sqrt((0.01 + 0.01 + 0.01 + 0.01) / 2);
  EXPECT_NEAR(map.testRms(), expected, 1e-6);
}

}  // namespace
}  // namespace manifit
