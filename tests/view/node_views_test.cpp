// The per-node figures, the colour scales, the graph drawings and the
// recognition of numeric labels.
#include <gtest/gtest.h>

#include <cmath>

#include "view/colour_scale.h"
#include "view/graph_layout.h"
#include "view/label_kind.h"
#include "view/node_measures.h"

namespace manifit {
namespace {

ManifoldFile mapOf(std::vector<std::vector<double>> nodes, std::vector<std::array<int, 2>> edges) {
  ManifoldFile map;
  map.dimension = static_cast<int>(nodes[0].size());
  map.nodeCount = static_cast<int>(nodes.size());
  map.nodes = std::move(nodes);
  map.edgeCount = static_cast<int>(edges.size());
  map.edges = std::move(edges);
  return map;
}

TEST(NodeMeasuresTest, UMatrixIsTheMeanDistanceToGridNeighbours) {
  // 0 -- 1 -- 2 with lengths 3 and 5 (a 3-4-5 step), node 3 alone.
  const ManifoldFile map = mapOf({{0, 0}, {3, 0}, {3, 4}, {9, 9}}, {{0, 1}, {1, 2}});
  const std::vector<std::optional<double>> u = uMatrix(map);
  ASSERT_EQ(u.size(), 4u);
  EXPECT_DOUBLE_EQ(*u[0], 3);
  EXPECT_DOUBLE_EQ(*u[1], 3.5);
  EXPECT_DOUBLE_EQ(*u[2], 4);
  EXPECT_FALSE(u[3].has_value());  // no neighbours: no value, never a NaN
}

TEST(NodeMeasuresTest, QualityIsTheMeanSquaredDistanceOfTheNodesPoints) {
  const ManifoldFile map = mapOf({{0, 0}, {10, 0}, {20, 0}}, {{0, 1}, {1, 2}});
  PointTable table;
  table.dimension = 2;
  table.rows = {{1, 0}, {0, 2}, {10, 3}};
  const std::vector<std::optional<double>> quality = nodeQuality(table, map, {0, 0, 1});
  EXPECT_DOUBLE_EQ(*quality[0], (1 + 4) / 2.0);
  EXPECT_DOUBLE_EQ(*quality[1], 9);
  EXPECT_FALSE(quality[2].has_value());
}

TEST(NodeMeasuresTest, ScoresUseTheThirdComponentOnlyWhenItIsFinite) {
  ComponentSummary summary;
  summary.componentCount = 3;
  summary.dimension = 3;
  summary.mean = {1, 1, 1};
  summary.components = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  summary.fractions = {0.5, 0.3, 0.2};
  EXPECT_TRUE(hasThirdComponent(summary));
  std::array<double, 3> s = componentScores(summary, {2, 3, 5});
  EXPECT_DOUBLE_EQ(s[0], 1);
  EXPECT_DOUBLE_EQ(s[1], 2);
  EXPECT_DOUBLE_EQ(s[2], 4);
  summary.components[2][1] = std::nan("");
  EXPECT_FALSE(hasThirdComponent(summary));
  s = componentScores(summary, {2, 3, 5});
  EXPECT_DOUBLE_EQ(s[2], 0);
  summary.components.pop_back();
  EXPECT_FALSE(hasThirdComponent(summary));
}

TEST(ColourScaleTest, ValuesMapOntoTheSequenceAndTicksAreRound) {
  const ColourScale scale = scaleOf(std::vector<std::optional<double>>{2.0, std::nullopt, 7.0});
  EXPECT_DOUBLE_EQ(scale.low, 2);
  EXPECT_DOUBLE_EQ(scale.high, 7);
  EXPECT_EQ(scaleColour(scale, 2), "#440154");  // the dark end
  EXPECT_EQ(scaleColour(scale, 7), "#fde725");  // the light end
  EXPECT_EQ(scaleColour(scale, 100), "#fde725");
  EXPECT_EQ(sequenceColour(0.5), "#21918c");
  EXPECT_NE(scaleColour(scale, 4), scaleColour(scale, 5));
  EXPECT_EQ(scaleTicks(scale, 5), (std::vector<double>{2, 4, 6}));
  EXPECT_EQ(scaleTicks(scale, 6), (std::vector<double>{2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(scaleTicks({0.013, 0.092}, 5), (std::vector<double>{0.02, 0.04, 0.06, 0.08}));
  // One value: a single tick, the middle colour, no division by zero.
  const ColourScale flat = scaleOf(std::vector<double>{3, 3});
  EXPECT_EQ(scaleTicks(flat, 5), std::vector<double>{3});
  EXPECT_DOUBLE_EQ(scalePosition(flat, 3), 0.5);
  // No values at all: a unit scale.
  const ColourScale none = scaleOf(std::vector<std::optional<double>>{std::nullopt});
  EXPECT_DOUBLE_EQ(none.high - none.low, 1);
  EXPECT_EQ(scaleLabel(-0.0), "0");
  EXPECT_EQ(scaleLabel(1234567), "1.235e+06");
}

TEST(ColourScaleTest, EndsWhoseSpanOverflowsStillGiveColoursAndTicks) {
  // Labels of -1e308 and 1e308: their difference is beyond the doubles.
  const ColourScale wide = scaleOf(std::vector<double>{-1e308, 0, 1e308});
  EXPECT_DOUBLE_EQ(scalePosition(wide, -1e308), 0);
  EXPECT_DOUBLE_EQ(scalePosition(wide, 0), 0.5);
  EXPECT_DOUBLE_EQ(scalePosition(wide, 1e308), 1);
  EXPECT_EQ(scaleColour(wide, 1e308), "#fde725");
  EXPECT_EQ(scaleTicks(wide, 5), (std::vector<double>{-1e308, 0, 1e308}));
  EXPECT_EQ(sequenceColour(std::nan("")), sequenceColour(0.5));
}

TEST(GraphLayoutTest, ChainsAreFoundWhateverTheirNumbering) {
  const std::optional<ChainOrder> line = chainOrder(5, {{0, 3}, {3, 1}, {1, 4}, {4, 2}});
  ASSERT_TRUE(line.has_value());
  EXPECT_FALSE(line->closed);
  EXPECT_EQ(line->nodes, (std::vector<int>{0, 3, 1, 4, 2}));
  const std::optional<ChainOrder> circle = chainOrder(4, {{0, 2}, {2, 1}, {1, 3}, {3, 0}});
  ASSERT_TRUE(circle.has_value());
  EXPECT_TRUE(circle->closed);
  EXPECT_EQ(circle->nodes, (std::vector<int>{0, 2, 1, 3}));
  EXPECT_FALSE(chainOrder(4, {{0, 1}, {0, 2}, {0, 3}}).has_value());  // a star
  EXPECT_FALSE(
      chainOrder(6, {{0, 1}, {1, 2}, {2, 0}, {3, 4}, {4, 5}, {5, 3}}).has_value());  // two circles
  EXPECT_FALSE(chainOrder(4, {{0, 1}, {2, 3}}).has_value());                         // two lines
  EXPECT_FALSE(chainOrder(3, {{0, 1}, {0, 1}, {1, 2}}).has_value());  // a doubled edge
  EXPECT_FALSE(chainOrder(3, {{0, 1}}).has_value());                  // a lone node
  EXPECT_FALSE(chainOrder(1, {}).has_value());
  EXPECT_FALSE(chainOrder(2, {{0, 1}, {1, 0}}).has_value());  // no circle of two
}

TEST(GraphLayoutTest, AGridGraphIsDrawnAsAGridDeterministically) {
  // A 4 × 4 lattice: neighbours end up close, opposite corners far apart.
  std::vector<std::array<int, 2>> edges;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      if (j < 3) edges.push_back({4 * i + j, 4 * i + j + 1});
      if (i < 3) edges.push_back({4 * i + j, 4 * (i + 1) + j});
    }
  }
  const std::vector<PlanePoint> points = graphLayout(16, edges);
  ASSERT_EQ(points.size(), 16u);
  auto distance = [&](int a, int b) {
    return std::hypot(points[static_cast<size_t>(a)].x - points[static_cast<size_t>(b)].x,
                      points[static_cast<size_t>(a)].y - points[static_cast<size_t>(b)].y);
  };
  double longestEdge = 0;
  for (const std::array<int, 2>& e : edges)
    longestEdge = std::max(longestEdge, distance(e[0], e[1]));
  EXPECT_GT(distance(0, 15), 2.5 * longestEdge);
  EXPECT_GT(distance(3, 12), 2.5 * longestEdge);
  for (const PlanePoint& p : points) {
    EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    EXPECT_LE(std::fabs(p.x), 1 + 1e-12);
    EXPECT_LE(std::fabs(p.y), 1 + 1e-12);
  }
  const std::vector<PlanePoint> again = graphLayout(16, edges);
  for (size_t i = 0; i < 16; ++i) {
    EXPECT_EQ(points[i].x, again[i].x);
    EXPECT_EQ(points[i].y, again[i].y);
  }
}

TEST(GraphLayoutTest, DegenerateGraphsGiveFinitePositions) {
  EXPECT_TRUE(graphLayout(0, {}).empty());
  ASSERT_EQ(graphLayout(1, {}).size(), 1u);
  for (const std::vector<PlanePoint>& points :
       {graphLayout(3, {}), graphLayout(4, {{0, 1}, {2, 3}}), graphLayout(2, {{0, 0}}),
        planeLayout({{1, 1}, {1, 1}}), planeLayout({{0}, {1}, {3}})}) {
    for (const PlanePoint& p : points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
  }
  // Two separate edges: the parts are kept apart.
  const std::vector<PlanePoint> parts = graphLayout(4, {{0, 1}, {2, 3}});
  const double within = std::hypot(parts[0].x - parts[1].x, parts[0].y - parts[1].y);
  const double across = std::hypot(parts[0].x - parts[2].x, parts[0].y - parts[2].y);
  EXPECT_GT(across, within);
  // The plane of a line of points along (1, 1, 0) spreads them along x.
  const std::vector<PlanePoint> plane = planeLayout({{0, 0, 5}, {1, 1, 5}, {3, 3, 5}});
  EXPECT_NEAR(std::fabs(plane[2].x - plane[0].x), 2, 1e-9);
  EXPECT_NEAR(plane[1].y, plane[0].y, 1e-9);
}

// The shortest distance between two nodes over the shortest drawn edge.
double crowding(const std::vector<PlanePoint>& points,
                const std::vector<std::array<int, 2>>& edges) {
  auto distance = [&](size_t a, size_t b) {
    return std::hypot(points[a].x - points[b].x, points[a].y - points[b].y);
  };
  double closest = 1e9;
  for (size_t a = 0; a < points.size(); ++a) {
    for (size_t b = a + 1; b < points.size(); ++b) closest = std::min(closest, distance(a, b));
  }
  double shortestEdge = 1e9;
  for (const std::array<int, 2>& e : edges) {
    if (e[0] != e[1]) {
      shortestEdge =
          std::min(shortestEdge, distance(static_cast<size_t>(e[0]), static_cast<size_t>(e[1])));
    }
  }
  return closest / shortestEdge;
}

TEST(GraphLayoutTest, EveryPartOfAGrownGraphIsSpreadOut) {
  // The elastic graph of the iris example: a chain of 14 nodes and a small
  // tangle of 6 (classical scaling of the whole drew the 6 on one spot).
  const std::vector<std::array<int, 2>> iris = {
      {0, 1},   {2, 3},   {4, 5},   {6, 7},   {8, 9},  {10, 11}, {12, 13}, {14, 15},
      {16, 17}, {18, 19}, {0, 11},  {1, 2},   {2, 1},  {3, 1},   {4, 15},  {5, 19},
      {6, 18},  {7, 19},  {8, 12},  {9, 13},  {10, 0}, {11, 0},  {12, 8},  {13, 16},
      {14, 17}, {15, 4},  {16, 13}, {17, 14}, {18, 6}, {19, 5}};
  const std::vector<PlanePoint> points = graphLayout(20, iris);
  EXPECT_GT(crowding(points, iris), 0.3);
  // A star: its leaves have equal distances to everything, yet each gets a
  // place of its own; lone nodes and pairs are laid beside it.
  std::vector<std::array<int, 2>> star;
  for (int leaf = 1; leaf <= 8; ++leaf) star.push_back({0, leaf});
  star.push_back({9, 10});
  const std::vector<PlanePoint> spread = graphLayout(13, star);
  EXPECT_GT(crowding(spread, star), 0.3);
  for (const PlanePoint& p : spread) {
    EXPECT_LE(std::fabs(p.x), 1 + 1e-12);
    EXPECT_LE(std::fabs(p.y), 1 + 1e-12);
  }
}

TEST(LabelKindTest, NumbersAreNumericUnlessTheyAreAFewClassCodes) {
  std::vector<double> values;
  EXPECT_TRUE(numericLabels({"1.5", "2", "-3e2"}, values));
  EXPECT_EQ(values, (std::vector<double>{1.5, 2, -300}));
  EXPECT_FALSE(numericLabels({"1", "2", "3", "1"}, values));  // class codes
  std::vector<std::string> many;
  for (int i = 0; i < 13; ++i) many.push_back(std::to_string(i));
  EXPECT_TRUE(numericLabels(many, values));  // more distinct whole numbers than classes
  many.pop_back();
  EXPECT_FALSE(numericLabels(many, values));
  EXPECT_FALSE(numericLabels({"1.5", "setosa"}, values));
  EXPECT_FALSE(numericLabels({"1.5", "nan"}, values));
  EXPECT_FALSE(numericLabels({"1.5", "inf"}, values));
  EXPECT_FALSE(numericLabels({}, values));
}

}  // namespace
}  // namespace manifit
