#include "view/view_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "common/random.h"
#include "view/map_layout.h"
#include "view/plot_frame.h"

namespace manifit {
namespace {

ComponentSummary tiltedSummary() {
  ComponentSummary summary;
  summary.componentCount = 2;
  summary.dimension = 3;
  summary.mean = {1, 2, 3};
  summary.components = {{0.6, 0.8, 0}, {-0.8, 0.6, 0}};
  summary.fractions = {0.7, 0.2};
  return summary;
}

ManifoldFile nodesAt(std::vector<std::vector<double>> nodes) {
  ManifoldFile map;
  map.dimension = static_cast<int>(nodes[0].size());
  map.nodeCount = static_cast<int>(nodes.size());
  map.nodes = std::move(nodes);
  return map;
}

TEST(ViewGeometryTest, ANodeOnTheFirstComponentLandsOnTheXAxis) {
  const ComponentSummary summary = tiltedSummary();
  // mean + 2.5·c1 + 4·e3 (e3 is orthogonal to the plane).
  const PlanePoint p = projectOnPlane(summary, {1 + 2.5 * 0.6, 2 + 2.5 * 0.8, 3 + 4});
  EXPECT_NEAR(p.x, 2.5, 1e-12);
  EXPECT_NEAR(p.y, 0, 1e-12);
  const PlanePoint q = projectOnPlane(summary, {1 - 0.8, 2 + 0.6, 3});
  EXPECT_NEAR(q.x, 0, 1e-12);
  EXPECT_NEAR(q.y, 1, 1e-12);

  // The picture keeps it on the axis line: y = 0 maps to the axis's pixel row.
  const PlotFrame frame = equalScaleFrame(-3, 2.5, -1, 1, 56, 16, 488, 488);
  EXPECT_DOUBLE_EQ(pixelY(frame, p.y), pixelY(frame, 0.0));
  EXPECT_GT(pixelX(frame, p.x), pixelX(frame, 0.0));
  EXPECT_LT(pixelY(frame, q.y), pixelY(frame, 0.0));  // up is up
}

TEST(ViewGeometryTest, FramesUseOneScaleAndShowTheWholeRange) {
  const PlotFrame frame = equalScaleFrame(-10, 10, -1, 1, 0, 0, 400, 200);
  const double xScale = (pixelX(frame, 1) - pixelX(frame, 0));
  const double yScale = (pixelY(frame, 0) - pixelY(frame, 1));
  EXPECT_NEAR(xScale, yScale, 1e-9);
  EXPECT_GT(pixelX(frame, -10), 0);
  EXPECT_LT(pixelX(frame, 10), 400);
  EXPECT_NEAR(pixelY(frame, 0), 100, 1e-9);
  // A single point still gives a usable frame.
  const PlotFrame point = equalScaleFrame(3, 3, 3, 3, 0, 0, 100, 100);
  EXPECT_NEAR(pixelX(point, 3), 50, 1e-9);
}

TEST(ViewGeometryTest, CellCountsAddUpToThePointCount) {
  sharedRandom().state = 1;
  for (int nodes : {1, 3, 40}) {
    std::vector<std::vector<double>> positions;
    for (int j = 0; j < nodes; ++j) {
      positions.push_back({sharedRandom().next() / 32767.0, sharedRandom().next() / 32767.0});
    }
    const ManifoldFile map = nodesAt(positions);
    PointTable table;
    table.dimension = 2;
    for (int p = 0; p < 257; ++p) {
      table.rows.push_back({sharedRandom().next() / 32767.0, sharedRandom().next() / 32767.0});
    }
    const std::vector<int> nearest = nearestNodes(table, map);
    const std::vector<int> counts = nodePointCounts(nearest, map.nodeCount);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 257);
    for (size_t p = 0; p < table.rows.size(); ++p) {
      const auto& x = table.rows[p];
      const auto& best = map.nodes[static_cast<size_t>(nearest[p])];
      for (const auto& node : map.nodes) {
        EXPECT_LE((x[0] - best[0]) * (x[0] - best[0]) + (x[1] - best[1]) * (x[1] - best[1]),
                  (x[0] - node[0]) * (x[0] - node[0]) + (x[1] - node[1]) * (x[1] - node[1]));
      }
    }
  }
}

TEST(ViewGeometryTest, TiesGoToTheLowerNode) {
  const ManifoldFile map = nodesAt({{-1, 0}, {1, 0}, {0, 1}});
  PointTable table{2, {{0, 0}, {0, -5}, {0, 1}}};
  EXPECT_EQ(nearestNodes(table, map), (std::vector<int>{0, 0, 2}));
}

TEST(ViewGeometryTest, UnexplainedVarianceOfNodesAndPlane) {
  PointTable table{3, {{1, 0, 0}, {-1, 0, 0}, {0, 0, 1}, {0, 0, -1}}};
  const ManifoldFile map = nodesAt({{1, 0, 0}, {-1, 0, 0}});
  const std::vector<int> nearest = nearestNodes(table, map);
  EXPECT_EQ(nearest, (std::vector<int>{0, 1, 0, 0}));
  // The two points on the nodes leave nothing; the others leave 2 each of 4 in total.
  EXPECT_DOUBLE_EQ(*unexplainedByNodes(table, map, nearest), 1.0);
  ComponentSummary summary;
  summary.mean = {0, 0, 0};
  summary.components = {{1, 0, 0}, {0, 1, 0}};
  EXPECT_DOUBLE_EQ(*unexplainedByPlane(table, summary), 0.5);
  summary.components = {{1, 0, 0}, {0, 0, 1}};
  EXPECT_DOUBLE_EQ(*unexplainedByPlane(table, summary), 0.0);

  PointTable still{3, {{2, 2, 2}, {2, 2, 2}}};
  EXPECT_FALSE(unexplainedByNodes(still, map, nearestNodes(still, map)).has_value());
  EXPECT_FALSE(unexplainedByPlane(still, summary).has_value());
}

TEST(ViewGeometryTest, RectangleMapPlacesCellsNodesAndProjections) {
  const GridShape shape{GridKind::rectangle, 3, 2};  // 3 nodes per row, 2 rows
  const std::vector<Projection> projections = {{0.25, -0.5, 0}, {1, 1, 0}};
  const ManifoldFile grid = nodesAt(std::vector<std::vector<double>>(6, {0.0, 0.0}));
  const MapLayout layout = layoutMap(shape, grid, {5, 1}, &projections);
  ASSERT_TRUE(layout.drawn);
  ASSERT_EQ(layout.nodes.size(), 6u);
  // node(i, j) = 3i + j at (2i/(B − 1) − 1, 2j/(A − 1) − 1).
  EXPECT_DOUBLE_EQ(layout.nodes[4].x, 1);
  EXPECT_DOUBLE_EQ(layout.nodes[4].y, 0);
  EXPECT_DOUBLE_EQ(layout.cells[4].x0, 0);
  EXPECT_DOUBLE_EQ(layout.cells[4].x1, 1);
  EXPECT_DOUBLE_EQ(layout.cells[4].y0, -0.5);
  EXPECT_DOUBLE_EQ(layout.cells[4].y1, 0.5);
  EXPECT_DOUBLE_EQ(layout.cells[0].y0, -1);  // clipped to the square
  EXPECT_DOUBLE_EQ(layout.points[0].x, 0.25);
  EXPECT_DOUBLE_EQ(layout.points[0].y, -0.5);

  const MapLayout atNodes = layoutMap(shape, grid, {5, 1}, nullptr);
  EXPECT_DOUBLE_EQ(atNodes.points[0].x, 1);
  EXPECT_DOUBLE_EQ(atNodes.points[0].y, 1);
  EXPECT_DOUBLE_EQ(atNodes.points[1].x, -1);
  EXPECT_DOUBLE_EQ(atNodes.points[1].y, 0);
}

TEST(ViewGeometryTest, SphereMapIsALongitudeLatitudeSheet) {
  const GridShape shape{GridKind::sphere, 4, 3};  // 4 meridians, 3 rings, 2 poles
  const std::vector<Projection> projections = {
      {0, 1, 0}, {0, 0, -0.5}, {-0.5, -0.001, 0.5}, {0.5, -0.01, 0}};
  const ManifoldFile grid = nodesAt(std::vector<std::vector<double>>(14, {0.0, 0.0, 0.0}));
  const MapLayout layout = layoutMap(shape, grid, {0, 0, 0, 0}, &projections);
  ASSERT_EQ(layout.nodes.size(), 14u);
  EXPECT_DOUBLE_EQ(layout.nodes[1 * 3 + 0].x, 90);  // meridian 1
  EXPECT_DOUBLE_EQ(layout.nodes[1 * 3 + 0].y, 45);  // first ring
  EXPECT_DOUBLE_EQ(layout.nodes[12].y, 90);         // north pole
  EXPECT_DOUBLE_EQ(layout.nodes[13].y, -90);
  EXPECT_DOUBLE_EQ(layout.cells[12].x0, layout.xMin);  // pole cells span all longitudes
  EXPECT_DOUBLE_EQ(layout.cells[12].x1, layout.xMax);
  EXPECT_DOUBLE_EQ(layout.cells[12].y0, 67.5);
  EXPECT_NEAR(layout.points[0].x, 90, 1e-12);
  EXPECT_NEAR(layout.points[0].y, 0, 1e-12);
  EXPECT_NEAR(layout.points[1].y, -90, 1e-12);
  EXPECT_NEAR(layout.points[2].x, 180.1146, 1e-4);  // just past 180, below the sheet's end
  EXPECT_NEAR(layout.points[2].y, 45, 0.01);
  EXPECT_NEAR(layout.points[3].x, -1.1458, 1e-4);  // just west of meridian 0, inside its cell
  for (const PlanePoint& p : layout.points) {
    EXPECT_GE(p.x, layout.xMin);
    EXPECT_LT(p.x, layout.xMax);
  }
}

TEST(ViewGeometryTest, LineAndCircleMapsAreStripsAlongTheirLength) {
  // Circle of 4 nodes on the unit square's corners: every edge has length 1.
  const ManifoldFile square = nodesAt({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  // Node k at angle 90k degrees; the file interpolates cos and sin.
  const std::vector<Projection> onCircle = {{0, -1, 0}, {0.5, 0.5, 0}, {0.9, -0.1, 0}};
  const MapLayout circle = layoutMap({GridKind::circle, 4, 0}, square, {0, 0, 0}, &onCircle);
  EXPECT_TRUE(circle.strip);
  EXPECT_NEAR(circle.points[0].x, 3, 1e-12);    // node 3
  EXPECT_NEAR(circle.points[1].x, 0.5, 1e-12);  // half way from node 0 to node 1
  EXPECT_LT(circle.points[2].x, 0);             // just before node 0, over the closing edge
  EXPECT_GT(circle.points[2].x, -0.5);
  EXPECT_DOUBLE_EQ(circle.xMin, -0.5);
  EXPECT_DOUBLE_EQ(circle.xMax, 3.5);

  // Line of 4 with edges of lengths 1, 3 and 0.5: node k has the internal
  // coordinate 2k/4 − 1 and sits at its length from node 0.
  const ManifoldFile uneven = nodesAt({{0, 0}, {1, 0}, {1, 3}, {1, 3.5}});
  const std::vector<Projection> onLine = {{-1, 0, 0}, {-0.25, 0, 0}, {0.5, 0, 0}, {0.25, 0, 0}};
  const MapLayout line = layoutMap({GridKind::line, 4, 0}, uneven, {0, 0, 0, 0}, &onLine);
  EXPECT_DOUBLE_EQ(line.points[0].x, 0);
  EXPECT_DOUBLE_EQ(line.points[1].x, 2.5);  // half way along the long middle edge
  EXPECT_DOUBLE_EQ(line.points[2].x, 4.5);  // the last node
  EXPECT_DOUBLE_EQ(line.points[3].x, 4.25);
  EXPECT_DOUBLE_EQ(line.nodes[2].x, 4);
  // Cells reach half way to each neighbour; the ends mirror their only one.
  EXPECT_DOUBLE_EQ(line.cells[1].x0, 0.5);
  EXPECT_DOUBLE_EQ(line.cells[1].x1, 2.5);
  EXPECT_DOUBLE_EQ(line.cells[0].x0, -0.5);
  EXPECT_DOUBLE_EQ(line.cells[3].x1, 4.75);
  const MapLayout atNodes = layoutMap({GridKind::line, 4, 0}, uneven, {3, 1, 2}, nullptr);
  EXPECT_DOUBLE_EQ(atNodes.points[0].x, 4.5);
  EXPECT_DOUBLE_EQ(atNodes.points[1].x, 1);
  for (size_t p = 0; p < 1000; ++p) {
    EXPECT_GT(stripSpread(p), 0.1);
    EXPECT_LT(stripSpread(p), 0.9);
  }
  // Nodes in one place: the node numbers count instead, never a NaN.
  const ManifoldFile still = nodesAt({{1, 1}, {1, 1}, {1, 1}});
  const MapLayout flat = layoutMap({GridKind::line, 3, 0}, still, {0, 1, 2}, nullptr);
  EXPECT_DOUBLE_EQ(flat.nodes[2].x, 2);
  const MapLayout ring = layoutMap({GridKind::circle, 3, 0}, still, {0, 1, 2}, nullptr);
  EXPECT_DOUBLE_EQ(ring.xMax, 2.5);
}

TEST(ViewGeometryTest, AGrownChainIsLaidOutByItsLengthNotItsNumbers) {
  // A line grown by inserting nodes 3 and 4: the chain runs 0-3-1-4-2.
  ManifoldFile grown = nodesAt({{0, 0}, {2, 0}, {4, 0}, {1, 0}, {3, 0}});
  grown.edges = {{0, 3}, {3, 1}, {1, 4}, {4, 2}};
  const MapLayout layout = layoutMap({GridKind::graph, 5, 0}, grown, {4, 2}, nullptr);
  ASSERT_TRUE(layout.strip);
  EXPECT_FALSE(layout.discs);
  for (int k = 0; k < 5; ++k)
    EXPECT_DOUBLE_EQ(layout.nodes[static_cast<size_t>(k)].x, grown.nodes[static_cast<size_t>(k)][0])
        << k;
  EXPECT_DOUBLE_EQ(layout.points[0].x, 3);
  EXPECT_DOUBLE_EQ(layout.points[1].x, 4);
}

TEST(ViewGeometryTest, AnyOtherGraphIsDrawnAsDiscsWithPointsBesideTheirNode) {
  // A star: node 0 joined to four others; not a chain.
  ManifoldFile star = nodesAt({{0, 0}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}});
  star.edges = {{0, 1}, {0, 2}, {0, 3}, {0, 4}};
  const MapLayout layout = layoutMap({GridKind::graph, 5, 0}, star, {1, 1, 0}, nullptr);
  ASSERT_TRUE(layout.drawn);
  EXPECT_TRUE(layout.discs);
  EXPECT_TRUE(layout.cells.empty());
  EXPECT_EQ(layout.links, star.edges);
  ASSERT_EQ(layout.points.size(), 3u);
  for (size_t p = 0; p < 3; ++p) {
    const PlanePoint& node = layout.nodes[p < 2 ? 1 : 0];
    const double d = std::hypot(layout.points[p].x - node.x, layout.points[p].y - node.y);
    EXPECT_GT(d, layout.nodeRadius);
    EXPECT_LT(d, 2.5 * layout.nodeRadius);
  }
  EXPECT_NE(layout.points[0].x, layout.points[1].x);  // two points of one node do not overlap
}

}  // namespace
}  // namespace manifit
