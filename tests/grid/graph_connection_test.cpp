// Merging the cluster segments into one graph and joining its nodes to their
// nearest non-neighbours (the last two steps of growing an elastic graph).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "common/output.h"
#include "grid/graph_test_support.h"
#include "grid/grid_types.h"

namespace manifit {
namespace {

GraphGrid makeGraph(const std::vector<std::vector<float>>& positions,
                    const std::vector<std::array<int, 2>>& edges) {
  GraphGrid graph(0, static_cast<int>(positions[0].size()));
  graph.nodes = positions;
  for (const std::vector<float>& position : positions) {
    std::vector<float> coords = position;
    coords.resize(3, 0.0f);
    graph.gridCoords.push_back(coords);
  }
  graph.edges = edges;
  graph.edgeCoefs.assign(edges.size(), 1.0f);
  graph.nodeCount = static_cast<int>(positions.size());
  graph.edgeCount = static_cast<int>(edges.size());
  return graph;
}

using Edge = std::array<int, 2>;
using Rib = std::array<int, 3>;

TEST(MergeSubgrids, AppendsEverySubgridWithItsIndicesShifted) {
  GraphGrid graph(4, 2);  // the start nodes are replaced
  Grid first;
  first.dimension = 2;
  first.nodes = {{0, 0}, {1, 0}};
  first.gridCoords = {{0, 0, 0}, {1, 0, 0}};
  first.edges = {{0, 1}};
  first.edgeCoefs = {1.0f};
  first.nodeCount = 2;
  first.edgeCount = 1;
  Grid empty;
  Grid third;
  third.dimension = 2;
  third.nodes = {{5, 5}, {6, 5}, {7, 5}};
  third.gridCoords = {{5, 5, 0}, {6, 5, 0}, {7, 5, 0}};
  third.edges = {{0, 1}, {1, 2}};
  third.edgeCoefs = {2.0f, 3.0f};
  third.ribs = {{1, 0, 2}};
  third.ribCoefs = {0.5f};
  third.nodeCount = 3;
  third.edgeCount = 2;
  third.ribCount = 1;
  graph.subgrids = {first, empty, third};

  graph.mergeSubgrids();
  expectGridInvariants(graph);
  EXPECT_EQ(graph.nodeCount, 5);
  EXPECT_EQ(graph.nodes, std::vector<std::vector<float>>({{0, 0}, {1, 0}, {5, 5}, {6, 5}, {7, 5}}));
  EXPECT_EQ(graph.gridCoords[4], std::vector<float>({7, 5, 0}));
  EXPECT_EQ(graph.edges, std::vector<Edge>({{0, 1}, {2, 3}, {3, 4}}));
  EXPECT_EQ(graph.edgeCoefs, std::vector<float>({1.0f, 2.0f, 3.0f}));
  EXPECT_EQ(graph.ribs, std::vector<Rib>({{3, 2, 4}}));
  EXPECT_EQ(graph.ribCoefs, std::vector<float>({0.5f}));
  EXPECT_EQ(graph.triangleCount, 0);
  // The subgrids stay.
  EXPECT_EQ(graph.subgrids.size(), 3u);
}

// Two parallel segments one unit apart: every node's nearest non-neighbour is
// the node facing it, at distance exactly 1.
TEST(ConnectComponents, MutualNearestNodesGiveTwoParallelEdgesKeptAtTheLimit) {
  ScopedWorkingDirectory directory("ladder");
  GraphGrid graph = makeGraph({{0, 0}, {0, 3}, {1, 0}, {1, 3}}, {{0, 1}, {2, 3}});
  CapturedOutput capture;
  ASSERT_TRUE(graph.connectComponents().ok());
  EXPECT_EQ(capture.text(), "");
  expectGridInvariants(graph);

  // Mean 1 and deviation 0: every join lies exactly at 4 deviations above the
  // mean and stays.
  EXPECT_EQ(readWholeFile("mas"),
            "Mean = 1.000000  Std = 0.000000\n1.000000\n1.000000\n1.000000\n1.000000\n");
  EXPECT_EQ(graph.edges, std::vector<Edge>({{0, 1}, {2, 3}, {0, 2}, {1, 3}, {2, 0}, {3, 1}}));
  EXPECT_EQ(graph.edgeCoefs, std::vector<float>(6, 1.0f));
  EXPECT_EQ(graph.ribs, std::vector<Rib>({{0, 1, 2},
                                          {2, 3, 0},
                                          {1, 0, 3},
                                          {3, 2, 1},
                                          {2, 3, 0},
                                          {0, 1, 2},
                                          {3, 2, 1},
                                          {1, 0, 3}}));
  // Every rib bends by the same amount: normalized coefficients of 1.
  for (float coef : graph.ribCoefs) EXPECT_FLOAT_EQ(coef, 1.0f);
}

// Five ladders of four nodes whose joins are 1 long, a segment whose near
// end joins at 1.5, and its far end, whose nearest node is 100 away.
GraphGrid ladderWithOutlier() {
  std::vector<std::vector<float>> positions;
  std::vector<std::array<int, 2>> edges;
  for (int block = 0; block < 5; block++) {
    const float x = 10.0f * static_cast<float>(block);
    const int first = static_cast<int>(positions.size());
    positions.insert(positions.end(), {{x, 0}, {x, 3}, {x + 1, 0}, {x + 1, 3}});
    edges.push_back({first, first + 1});
    edges.push_back({first + 2, first + 3});
  }
  positions.push_back({-1.5f, 0});
  positions.push_back({-1.5f, -100});
  edges.push_back({20, 21});
  return makeGraph(positions, edges);
}

TEST(ConnectComponents, DropsAnOutlyingJoinAndNormalizesEveryRib) {
  ScopedWorkingDirectory directory("outlier");
  GraphGrid graph = ladderWithOutlier();
  ASSERT_TRUE(graph.connectComponents().ok());
  expectGridInvariants(graph);

  // 21 of the 22 candidates stay: node 21's join to node 0 is excluded.
  EXPECT_EQ(graph.edgeCount, 11 + 21);
  for (size_t e = 11; e < graph.edges.size(); e++) {
    EXPECT_NE(graph.edges[e][0], 21);
    EXPECT_NE(graph.edges[e][1], 21);
  }
  const std::string mas = readWholeFile("mas");
  char excluded[64];
  std::snprintf(excluded, sizeof excluded, "\nExcluded (r=%f) ", std::sqrt(10002.25));
  EXPECT_EQ(mas.substr(mas.size() - std::string(excluded).size()), excluded);
  std::vector<double> d(20, 1.0);
  d.push_back(1.5);
  d.push_back(std::sqrt(10002.25));
  double sum = 0.0;
  double squares = 0.0;
  for (double v : d) {
    sum += v;
    squares += v * v;
  }
  char header[80];
  std::snprintf(header, sizeof header, "Mean = %f  Std = %f\n", sum / 22,
                std::sqrt(squares / 22 - (sum / 22) * (sum / 22)));
  EXPECT_EQ(mas.substr(0, std::string(header).size()), header);

  // Ribs measured on the node positions all carry the same bending energy.
  ASSERT_GT(graph.ribCount, 0);
  std::vector<float> bends;
  float total = 0.0f;
  for (const auto& rib : graph.ribs) {
    float bend = 0.0f;
    for (int j = 0; j < 2; j++) {
      const float d2 =
          graph.nodes[rib[1]][j] + graph.nodes[rib[2]][j] - 2.0f * graph.nodes[rib[0]][j];
      bend += d2 * d2;
    }
    bends.push_back(bend);
    total += bend;
  }
  const float mean = total / static_cast<float>(bends.size());
  bool different = false;
  for (size_t r = 0; r < bends.size(); r++) {
    EXPECT_FLOAT_EQ(graph.ribCoefs[r], mean / bends[r]) << r;
    different = different || graph.ribCoefs[r] != graph.ribCoefs[0];
  }
  EXPECT_TRUE(different);
}

TEST(ConnectComponents, NodesThatAreAllNeighboursGetNoJoin) {
  ScopedWorkingDirectory directory("triangle");
  GraphGrid graph = makeGraph({{0, 0}, {1, 0}, {0, 1}}, {{0, 1}, {1, 2}, {2, 0}});
  ASSERT_TRUE(graph.connectComponents().ok());
  EXPECT_EQ(graph.edgeCount, 3);
  EXPECT_EQ(graph.ribCount, 0);
  EXPECT_EQ(readWholeFile("mas"),
            "Mean = 0.000000  Std = 0.000000\n0.000000\n0.000000\n0.000000\n");
}

TEST(ConnectComponents, FarAwayNodesStillFindTheirCandidate) {
  ScopedWorkingDirectory directory("far");
  // Squared distances beyond 1e10 between the segments.
  GraphGrid graph = makeGraph({{0, 0}, {1, 0}, {1e6f, 0}, {1e6f + 1, 0}}, {{0, 1}, {2, 3}});
  ASSERT_TRUE(graph.connectComponents().ok());
  expectGridInvariants(graph);
  EXPECT_EQ(graph.edgeCount, 6);
}

TEST(ConnectComponents, GoesOnWithoutTheDiagnosticsFile) {
  ScopedWorkingDirectory directory("nomas");
  ASSERT_EQ(mkdir("mas", 0700), 0);  // a folder where the file would go
  GraphGrid graph = makeGraph({{0, 0}, {0, 3}, {1, 0}, {1, 3}}, {{0, 1}, {2, 3}});
  CapturedOutput capture;
  ASSERT_TRUE(graph.connectComponents().ok());
  EXPECT_EQ(capture.text(),
            "Can not open file mas for writing: the graph diagnostics are not saved.\n");
  EXPECT_EQ(graph.edgeCount, 6);
  EXPECT_EQ(graph.ribCount, 8);
}

TEST(ConnectComponents, AGraphWithoutNodesIsAnError) {
  ScopedWorkingDirectory directory("empty");
  GraphGrid graph(3, 2);
  graph.subgrids = {Grid(), Grid(), Grid()};  // three clusters of one point each
  graph.mergeSubgrids();
  const Status status = graph.connectComponents();
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.message,
            "The elastic graph cannot be grown: no cluster holds two points or more.\n");
  EXPECT_EQ(readWholeFile("mas"), "<missing>");
  expectGridInvariants(graph);
}

}  // namespace
}  // namespace manifit
