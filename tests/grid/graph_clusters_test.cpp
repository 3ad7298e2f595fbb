// Clustering of the data into start nodes and the segments made from the
// clusters (the first two steps of growing an elastic graph).
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/output.h"
#include "common/random.h"
#include "data/data_table.h"
#include "grid/graph_test_support.h"
#include "grid/grid_types.h"

namespace manifit {
namespace {

// 60 points spread unevenly over [0, 59] in one coordinate.
void fillUnevenLine(DataTable& table) {
  std::vector<float> values;
  for (int i = 0; i < 60; i++) values.push_back(static_cast<float>(i * i) / 59.0f);
  fillTable(table, 1, values);
}

// Per node, the number of points nearest to it (ties to the lower node).
std::vector<int> bruteForceCounts(const std::vector<std::vector<float>>& nodes,
                                  const DataTable& table) {
  std::vector<int> counts(nodes.size(), 0);
  for (int p = 0; p < table.pointCount; p++) {
    size_t best = 0;
    float bestDistance = INFINITY;
    for (size_t j = 0; j < nodes.size(); j++) {
      float d = 0.0f;
      for (int k = 0; k < table.dimension; k++) {
        const float diff = nodes[j][k] - table.row(p)[k];
        d += diff * diff;
      }
      if (d < bestDistance) {
        bestDistance = d;
        best = j;
      }
    }
    counts[best]++;
  }
  return counts;
}

TEST(ScatterAndCluster, DrawsStartNodesNodeByNodeInsideTheDataRange) {
  DataTable table;
  fillTable(table, 2, {-1, 10, 3, 20, 0.5f, 12});
  GraphGrid graph(5, 2);
  graph.minclust = -1;  // keeps every node
  sharedRandom().state = 1;
  RandomGenerator expected = sharedRandom();
  CapturedOutput capture;
  ASSERT_TRUE(graph.scatterAndCluster(table, 0, 0.01).ok());
  EXPECT_EQ(capture.text(), "5 nodes left.\n");

  // The first draw from state 1 is 41: x = -1 + 4 * 41 / 32767.
  EXPECT_NEAR(graph.nodes[0][0], -1.0 + 4.0 * 41.0 / 32767.0, 1e-6);
  // Coordinates are drawn node by node, each one draw, nothing else drawn.
  const double low[2] = {-1, 10};
  const double high[2] = {3, 20};
  for (int s = 0; s < 5; s++) {
    for (int k = 0; k < 2; k++) {
      const float u = static_cast<float>(expected.next()) / 32767.0f;
      const float x = static_cast<float>(low[k] + (high[k] - low[k]) * u);
      EXPECT_EQ(graph.nodes[s][k], x) << s << " " << k;
      EXPECT_EQ(graph.gridCoords[s][k], x);
      EXPECT_GE(x, low[k]);
      EXPECT_LE(x, high[k]);
    }
    EXPECT_EQ(graph.gridCoords[s][2], 0.0f);
  }
  EXPECT_EQ(sharedRandom().state, expected.state);
  expectGridInvariants(graph);
}

TEST(ScatterAndCluster, RemovesEveryClusterOfAtMostMinclustPoints) {
  DataTable table;
  fillUnevenLine(table);

  // The start nodes, all kept.
  GraphGrid all(12, 1);
  all.minclust = -1;
  sharedRandom().state = 7;
  {
    CapturedOutput quiet;
    ASSERT_TRUE(all.scatterAndCluster(table, 0, 0.01).ok());
  }
  const std::vector<int> counts = bruteForceCounts(all.nodes, table);
  std::vector<std::vector<float>> survivors;
  bool boundaryKept = false;
  bool boundaryRemoved = false;
  for (size_t j = 0; j < counts.size(); j++) {
    if (counts[j] > 5) survivors.push_back(all.nodes[j]);
    boundaryKept = boundaryKept || counts[j] == 6;
    boundaryRemoved = boundaryRemoved || counts[j] == 5;
  }
  // The draws give clusters on both sides of the limit, so the test sees it.
  ASSERT_TRUE(boundaryKept && boundaryRemoved);
  ASSERT_GT(survivors.size(), 0u);
  ASSERT_LT(survivors.size(), counts.size());

  GraphGrid graph(12, 1);
  sharedRandom().state = 7;
  CapturedOutput capture;
  ASSERT_TRUE(graph.scatterAndCluster(table, 0, 0.01).ok());
  EXPECT_EQ(capture.text(), std::to_string(survivors.size()) + " nodes left.\n");
  EXPECT_EQ(graph.nodes, survivors);
  expectGridInvariants(graph);
  for (size_t j = 0; j < survivors.size(); j++) EXPECT_EQ(graph.gridCoords[j][0], survivors[j][0]);
}

TEST(ScatterAndCluster, OneRoundMovesEveryNodeWithPointsToTheirCentroid) {
  DataTable table;
  fillUnevenLine(table);
  GraphGrid start(8, 1);
  start.minclust = -1;
  sharedRandom().state = 3;
  CapturedOutput quiet;
  ASSERT_TRUE(start.scatterAndCluster(table, 0, 0.01).ok());

  GraphGrid moved(8, 1);
  moved.minclust = -1;
  sharedRandom().state = 3;
  ASSERT_TRUE(moved.scatterAndCluster(table, 1, 0.01).ok());

  for (size_t j = 0; j < start.nodes.size(); j++) {
    float sum = 0.0f;
    int count = 0;
    for (int p = 0; p < table.pointCount; p++) {
      float best = INFINITY;
      size_t nearest = 0;
      for (size_t i = 0; i < start.nodes.size(); i++) {
        const float d =
            (start.nodes[i][0] - table.row(p)[0]) * (start.nodes[i][0] - table.row(p)[0]);
        if (d < best) {
          best = d;
          nearest = i;
        }
      }
      if (nearest == j) {
        sum += table.row(p)[0];
        count++;
      }
    }
    if (count > 0) {
      EXPECT_EQ(moved.nodes[j][0], sum / static_cast<float>(count)) << j;
    } else {
      // Drawn afresh inside the range.
      EXPECT_GE(moved.nodes[j][0], 0.0f);
      EXPECT_LE(moved.nodes[j][0], 59.0f);
    }
    // The grid coordinates keep the start position.
    EXPECT_EQ(moved.gridCoords[j][0], start.nodes[j][0]);
  }
}

TEST(ScatterAndCluster, NoClusterLargeEnoughIsAnErrorNotAnEmptyGraph) {
  DataTable table;
  fillUnevenLine(table);
  GraphGrid graph(6, 1);
  graph.minclust = 1000;
  sharedRandom().state = 1;
  CapturedOutput capture;
  const Status status = graph.scatterAndCluster(table, 10, 0.01);
  EXPECT_EQ(capture.text(), "0 nodes left.\n");
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.message,
            "The elastic graph cannot be grown: no cluster holds more than 1000 points "
            "(grid.minclust).\n");
  EXPECT_EQ(graph.nodeCount, 0);
  expectGridInvariants(graph);
}

TEST(ScatterAndCluster, RefusesAnEmptyTableAndAWrongDimension) {
  DataTable empty;
  GraphGrid graph(3, 2);
  EXPECT_EQ(graph.scatterAndCluster(empty, 10, 0.01).exitCode, 1);
  DataTable table;
  fillTable(table, 1, {1, 2, 3});
  const Status status = graph.scatterAndCluster(table, 10, 0.01);
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.message,
            "The elastic graph cannot be grown: the table has 1 columns, the grid 2.\n");
  EXPECT_EQ(graph.nodeCount, 3);
}

TEST(BuildClusterSegments, LaysASegmentAlongTheMainDirectionOfEachCluster) {
  DataTable table;
  // Cluster A along the x axis, cluster B along the diagonal, C one point.
  fillTable(table, 2, {0, 0, 1, 0, 3, 0, 4, 0, 9, 9, 11, 11, -20, -20});
  GraphGrid graph(3, 2);
  graph.nodes = {{2, 0}, {10, 10}, {-20, -20}};
  sharedRandom().state = 1;
  graph.buildClusterSegments(table);

  // T: total variance of the whole table.
  const double meanX = 8.0 / 7.0;
  const double total = (628.0 / 7.0 - meanX * meanX) + 602.0 / 7.0;
  const double hA = 1.5 * std::sqrt(2.5 / total);
  const double hB = 1.5 * std::sqrt(2.0 / total);
  const double diagonal = std::sqrt(0.5);

  ASSERT_EQ(graph.subgrids.size(), 3u);
  const Grid& a = graph.subgrids[0];
  ASSERT_EQ(a.nodeCount, 2);
  EXPECT_NEAR(a.nodes[0][0], 2.0 + hA, 1e-4);
  EXPECT_NEAR(a.nodes[0][1], 0.0, 1e-4);
  EXPECT_NEAR(a.nodes[1][0], 2.0 - hA, 1e-4);
  EXPECT_NEAR(a.nodes[1][1], 0.0, 1e-4);
  // Grid coordinates: the positions, padded with 0 to three values.
  EXPECT_EQ(a.gridCoords[0], std::vector<float>({a.nodes[0][0], a.nodes[0][1], 0.0f}));
  EXPECT_EQ(a.gridCoords[1], std::vector<float>({a.nodes[1][0], a.nodes[1][1], 0.0f}));
  EXPECT_EQ(a.edgeCount, 1);
  ASSERT_EQ(a.edges.size(), 1u);
  EXPECT_EQ(a.edges[0][0], 0);
  EXPECT_EQ(a.edges[0][1], 1);
  EXPECT_EQ(a.edgeCoefs, std::vector<float>({1.0f}));
  EXPECT_EQ(a.ribCount, 0);
  EXPECT_EQ(a.triangleCount, 0);
  expectGridInvariants(a);

  const Grid& b = graph.subgrids[1];
  ASSERT_EQ(b.nodeCount, 2);
  EXPECT_NEAR(b.nodes[0][0], 10.0 + hB * diagonal, 1e-4);
  EXPECT_NEAR(b.nodes[0][1], 10.0 + hB * diagonal, 1e-4);
  EXPECT_NEAR(b.nodes[1][0], 10.0 - hB * diagonal, 1e-4);
  EXPECT_NEAR(b.nodes[1][1], 10.0 - hB * diagonal, 1e-4);

  // A cluster of one point makes no segment.
  const Grid& c = graph.subgrids[2];
  EXPECT_EQ(c.nodeCount, 0);
  EXPECT_TRUE(c.nodes.empty());
  EXPECT_TRUE(c.edges.empty());
}

TEST(BuildClusterSegments, OneCoordinateGivesThreeGridCoordinates) {
  DataTable table;
  fillTable(table, 1, {0, 1, 2, 3, 4, 10, 11, 12});
  GraphGrid graph(2, 1);
  graph.nodes = {{2}, {11}};
  sharedRandom().state = 1;
  graph.buildClusterSegments(table);
  ASSERT_EQ(graph.subgrids.size(), 2u);
  for (const Grid& segment : graph.subgrids) {
    ASSERT_EQ(segment.nodeCount, 2);
    for (int i = 0; i < 2; i++) {
      EXPECT_EQ(segment.gridCoords[i], std::vector<float>({segment.nodes[i][0], 0.0f, 0.0f}));
    }
    // The segment runs along the line, one end on each side of the mean.
    EXPECT_GT(segment.nodes[0][0], segment.nodes[1][0]);
  }
}

TEST(BuildClusterSegments, ClusterWithoutSpreadGivesAFiniteSegment) {
  DataTable table;
  fillTable(table, 2, {1, 1, 1, 1, 1, 1});
  GraphGrid graph(1, 2);
  graph.nodes = {{0, 0}};
  graph.buildClusterSegments(table);
  ASSERT_EQ(graph.subgrids.size(), 1u);
  ASSERT_EQ(graph.subgrids[0].nodeCount, 2);
  for (const std::vector<float>& node : graph.subgrids[0].nodes) {
    EXPECT_EQ(node, std::vector<float>({1.0f, 1.0f}));
  }
}

}  // namespace
}  // namespace manifit
