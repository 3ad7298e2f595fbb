#include "view/grid_shape.h"

#include <gtest/gtest.h>

namespace manifit {
namespace {

ManifoldFile mapWith(int nodes, int ribs, int triangles, std::vector<std::array<int, 2>> edges) {
  ManifoldFile map;
  map.dimension = 2;
  map.nodeCount = nodes;
  map.edgeCount = static_cast<int>(edges.size());
  map.ribCount = ribs;
  map.triangleCount = triangles;
  map.edges = std::move(edges);
  return map;
}

// The edge lists below are written out from the construction order of each
// grid type, not produced by the code under test.
const std::vector<std::array<int, 2>> kRectangle3x2 = {{0, 1}, {0, 3}, {1, 2}, {1, 4},
                                                       {2, 5}, {3, 4}, {4, 5}};
const std::vector<std::array<int, 2>> kSphere3x2 = {{0, 1}, {0, 2}, {1, 3}, {2, 3}, {2, 4},
                                                    {3, 5}, {4, 5}, {6, 0}, {7, 1}, {6, 2},
                                                    {7, 3}, {6, 4}, {7, 5}, {0, 4}, {1, 5}};
const std::vector<std::array<int, 2>> kLine4 = {{0, 1}, {1, 2}, {2, 3}};
const std::vector<std::array<int, 2>> kCircle4 = {{0, 1}, {1, 2}, {2, 3}, {3, 0}};

TEST(GridShapeTest, RecognisesEachRegularKindFromCountsAndEdges) {
  const GridShape rectangle = recogniseShape(mapWith(6, 2, 4, kRectangle3x2));
  EXPECT_EQ(rectangle.kind, GridKind::rectangle);
  EXPECT_EQ(rectangle.size1, 3);  // nodes per row
  EXPECT_EQ(rectangle.size2, 2);  // rows

  const GridShape sphere = recogniseShape(mapWith(8, 14, 12, kSphere3x2));
  EXPECT_EQ(sphere.kind, GridKind::sphere);
  EXPECT_EQ(sphere.size1, 3);
  EXPECT_EQ(sphere.size2, 2);

  const GridShape line = recogniseShape(mapWith(4, 2, 0, kLine4));
  EXPECT_EQ(line.kind, GridKind::line);
  EXPECT_EQ(line.size1, 4);

  const GridShape circle = recogniseShape(mapWith(4, 4, 0, kCircle4));
  EXPECT_EQ(circle.kind, GridKind::circle);
  EXPECT_EQ(circle.size1, 4);
}

TEST(GridShapeTest, AnythingElseIsAGraph) {
  // A rectangle's counts with one edge turned round; a line's edges with a
  // circle's rib count; a grown line whose new node was appended at the end.
  std::vector<std::array<int, 2>> turned = kRectangle3x2;
  turned[3] = {4, 1};
  EXPECT_EQ(recogniseShape(mapWith(6, 2, 4, turned)).kind, GridKind::graph);
  EXPECT_EQ(recogniseShape(mapWith(4, 4, 0, kLine4)).kind, GridKind::graph);
  EXPECT_EQ(recogniseShape(mapWith(5, 3, 0, {{0, 1}, {1, 4}, {4, 2}, {2, 3}})).kind,
            GridKind::graph);
  EXPECT_EQ(recogniseShape(mapWith(1, 0, 0, {})).kind, GridKind::graph);
}

TEST(GridShapeTest, AnExplicitTypeMustFitTheMap) {
  GridShape shape;
  EXPECT_TRUE(shapeOfKind(mapWith(4, 4, 0, kCircle4), GridKind::circle, "m", shape).ok());
  EXPECT_EQ(shape.kind, GridKind::circle);
  EXPECT_TRUE(shapeOfKind(mapWith(4, 4, 0, kCircle4), GridKind::graph, "m", shape).ok());
  EXPECT_EQ(shape.kind, GridKind::graph);
  const Status status = shapeOfKind(mapWith(4, 4, 0, kCircle4), GridKind::line, "run/m", shape);
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.message, "run/m: the nodes and edges do not form a grid of type linear\n");
}

TEST(GridShapeTest, TypeWordsAreTheConfigurationWords) {
  for (const char* word : {"simplerectangular", "sphere", "linear", "circle", "elgraph"}) {
    GridKind kind = GridKind::graph;
    ASSERT_TRUE(parseGridKind(word, kind)) << word;
    EXPECT_STREQ(gridKindWord(kind), word);
  }
  GridKind kind = GridKind::graph;
  EXPECT_FALSE(parseGridKind("rectangular", kind));
  EXPECT_FALSE(parseGridKind("Sphere", kind));
}

}  // namespace
}  // namespace manifit
