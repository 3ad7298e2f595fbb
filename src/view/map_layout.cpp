#include "view/map_layout.h"

#include <algorithm>
#include <cmath>

namespace manifit {

namespace {

const double kPi = 3.14159265358979323846;

MapCell clippedCell(double x, double y, double halfX, double halfY, const MapLayout& layout) {
  return MapCell{std::max(x - halfX, layout.xMin), std::max(y - halfY, layout.yMin),
                 std::min(x + halfX, layout.xMax), std::min(y + halfY, layout.yMax)};
}

// Rectangle: node(i, j) = i·A + j has grid coordinates (2i/(B − 1) − 1, 2j/(A − 1) − 1).
void layoutRectangle(const GridShape& shape, MapLayout& layout) {
  const int a = shape.size1;
  const int b = shape.size2;
  layout.xMin = layout.yMin = -1;
  layout.xMax = layout.yMax = 1;
  layout.xLabel = "first grid coordinate";
  layout.yLabel = "second grid coordinate";
  layout.xTicks = layout.yTicks = {-1, 0, 1};
  const double halfX = 1.0 / (b - 1);
  const double halfY = 1.0 / (a - 1);
  for (int q = 0; q < a * b; ++q) {
    const double x = 2.0 * (q / a) / (b - 1) - 1;
    const double y = 2.0 * (q % a) / (a - 1) - 1;
    layout.nodes.push_back({x, y});
    layout.cells.push_back(clippedCell(x, y, halfX, halfY, layout));
  }
}

// Sphere: node(i, j) = i·B + j sits at longitude 360·i/A and latitude
// 90 − 180·(j + 1)/(B + 1); the poles follow at latitude 90 and −90.
void layoutSphere(const GridShape& shape, MapLayout& layout) {
  const int a = shape.size1;
  const int b = shape.size2;
  const double halfLon = 180.0 / a;
  const double halfLat = 90.0 / (b + 1);
  layout.xMin = -halfLon;
  layout.xMax = 360 - halfLon;
  layout.yMin = -90;
  layout.yMax = 90;
  layout.xLabel = "longitude (degrees)";
  layout.yLabel = "latitude (degrees)";
  layout.xTicks = {0, 90, 180, 270};
  layout.yTicks = {-90, 0, 90};
  for (int i = 0; i < a; ++i) {
    for (int j = 0; j < b; ++j) {
      const double lon = 360.0 * i / a;
      const double lat = 90 - 180.0 * (j + 1) / (b + 1);
      layout.nodes.push_back({lon, lat});
      layout.cells.push_back(clippedCell(lon, lat, halfLon, halfLat, layout));
    }
  }
  layout.nodes.push_back({0, 90});
  layout.cells.push_back({layout.xMin, 90 - halfLat, layout.xMax, 90});
  layout.nodes.push_back({0, -90});
  layout.cells.push_back({layout.xMin, -90, layout.xMax, -90 + halfLat});
}

// Line or circle: node k at k, its cell one node wide, across the strip.
void layoutChain(const GridShape& shape, MapLayout& layout) {
  const int n = shape.size1;
  layout.strip = true;
  layout.xMin = -0.5;
  layout.xMax = n - 0.5;
  layout.yMin = 0;
  layout.yMax = 1;
  layout.xLabel = shape.kind == GridKind::circle ? "node number around the circle"
                                                 : "node number along the line";
  layout.xTicks = {0, static_cast<double>(n - 1)};
  for (int k = 0; k < n; ++k) {
    layout.nodes.push_back({static_cast<double>(k), 0.5});
    layout.cells.push_back({k - 0.5, 0, k + 0.5, 1});
  }
}

// Longitude and latitude (degrees) of a projection's three grid coordinates.
PlanePoint sphereAngles(const Projection& p, const MapLayout& layout) {
  double lon = std::atan2(p[1], p[0]) * 180 / kPi;
  if (lon < layout.xMin) lon += 360;
  if (lon >= layout.xMax) lon -= 360;
  const double lat = std::atan2(p[2], std::hypot(p[0], p[1])) * 180 / kPi;
  return {lon, lat};
}

}  // namespace

double stripSpread(size_t p) {
  const double golden = 0.6180339887498949;
  const double spread = static_cast<double>(p + 1) * golden;
  return 0.1 + 0.8 * (spread - std::floor(spread));
}

MapLayout layoutMap(const GridShape& shape, const std::vector<int>& nearest,
                    const std::vector<Projection>* projections) {
  MapLayout layout;
  switch (shape.kind) {
    case GridKind::rectangle:
      layoutRectangle(shape, layout);
      break;
    case GridKind::sphere:
      layoutSphere(shape, layout);
      break;
    case GridKind::line:
    case GridKind::circle:
      layoutChain(shape, layout);
      break;
    case GridKind::graph:
      return layout;
  }
  layout.drawn = true;
  for (size_t p = 0; p < nearest.size(); ++p) {
    PlanePoint place = layout.nodes[static_cast<size_t>(nearest[p])];
    if (projections) {
      const Projection& projection = (*projections)[p];
      switch (shape.kind) {
        case GridKind::rectangle:
          place = {projection[0], projection[1]};
          break;
        case GridKind::sphere:
          place = sphereAngles(projection, layout);
          break;
        case GridKind::line:  // node k has the internal coordinate 2k/n − 1
          place.x = (projection[0] + 1) * shape.size1 / 2;
          break;
        default:  // circle: node k at the angle 2πk/n
          place.x = std::atan2(projection[1], projection[0]) * shape.size1 / (2 * kPi);
          if (place.x < layout.xMin) place.x += shape.size1;
          if (place.x >= layout.xMax) place.x -= shape.size1;
          break;
      }
    }
    if (layout.strip) place.y = stripSpread(p);
    layout.points.push_back(place);
  }
  layout.placement = projections ? "Each point sits at its projection from the projections file."
                                 : "Each point sits at its nearest node.";
  return layout;
}

}  // namespace manifit
