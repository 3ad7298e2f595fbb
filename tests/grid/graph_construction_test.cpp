// The four steps of growing an elastic graph, run in order on the iris data.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "common/output.h"
#include "common/random.h"
#include "data/column_statistics.h"
#include "data/data_table.h"
#include "grid/graph_test_support.h"
#include "grid/grid_types.h"

namespace manifit {
namespace {

TEST(GraphConstruction, IrisGraphHasTwoNodesPerClusterAndKeepsTheInvariants) {
  DataTable table;
  ASSERT_TRUE(table.readTable(std::string(MANIFIT_SOURCE_DIR) + "/examples/iris.txt").ok());
  ColumnStatistics statistics;
  statistics.computeStatistics(table);
  table.statistics = &statistics;
  table.normalize();

  ScopedWorkingDirectory directory("iris_graph");
  GraphGrid graph(20, table.dimension);
  sharedRandom().state = 1;
  CapturedOutput capture;
  ASSERT_TRUE(graph.scatterAndCluster(table, 10, 0.01).ok());
  int clusters = -1;
  ASSERT_EQ(std::sscanf(capture.text().c_str(), "%i nodes left.\n", &clusters), 1);
  EXPECT_EQ(capture.text(), std::to_string(clusters) + " nodes left.\n");
  EXPECT_EQ(graph.nodeCount, clusters);
  ASSERT_GT(clusters, 1);
  expectGridInvariants(graph);

  graph.buildClusterSegments(table);
  graph.mergeSubgrids();
  ASSERT_TRUE(graph.connectComponents().ok());
  expectGridInvariants(graph);

  // Every surviving cluster holds more than minclust points, so each one
  // became a segment of two nodes.
  EXPECT_EQ(graph.nodeCount, 2 * clusters);
  EXPECT_GE(graph.edgeCount, clusters);
  for (int k = 0; k < clusters; k++) {
    EXPECT_EQ(graph.edges[k][0], 2 * k);
    EXPECT_EQ(graph.edges[k][1], 2 * k + 1);
  }
  EXPECT_EQ(graph.triangleCount, 0);
  for (int i = 0; i < graph.nodeCount; i++) {
    // Grid coordinates are the positions the segments were made at.
    EXPECT_EQ(graph.gridCoords[i], graph.nodes[i]);
    for (float x : graph.nodes[i]) EXPECT_TRUE(std::isfinite(x));
  }
  for (float coef : graph.edgeCoefs) EXPECT_EQ(coef, 1.0f);
  for (float coef : graph.ribCoefs) EXPECT_TRUE(std::isfinite(coef) && coef > 0.0f) << coef;

  // The diagnostics: a header, then one distance per node.
  const std::string mas = readWholeFile("mas");
  EXPECT_EQ(mas.rfind("Mean = ", 0), 0u);
  int lines = 0;
  for (char c : mas) lines += c == '\n' ? 1 : 0;
  EXPECT_EQ(lines, 1 + graph.nodeCount);
}

}  // namespace
}  // namespace manifit
