// The page: one self-contained HTML document (XHTML syntax, so it is also
// well-formed XML) with the figures of the run and two inline SVG pictures,
// the data view and the map view. No script, no font and no image is fetched;
// the same data give the same bytes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "view/grid_shape.h"
#include "view/map_layout.h"
#include "view/view_geometry.h"

namespace manifit {

struct PageData {
  std::string mapName;  // the manifold file as the user named it
  GridShape shape;
  int nodeCount = 0;
  int edgeCount = 0;
  int ribCount = 0;
  int triangleCount = 0;
  double fraction1 = 0;  // variance fractions of the first two components
  double fraction2 = 0;
  std::optional<double> unexplainedByNodes;
  std::optional<double> unexplainedByPlane;
  std::vector<PlanePoint> dataPoints;  // on the plane of the first two components
  std::vector<PlanePoint> dataNodes;
  std::vector<std::array<int, 2>> edges;
  std::vector<std::string> labels;  // one per point, or none
  std::vector<int> nodeCounts;      // points per nearest node
  MapLayout map;
};

// SVG elements carry the classes "point", "node" and "edge" (data view) and
// "map-point", "map-node" and "cell" (map view), one element per item.
std::string renderPage(const PageData& page);

// Text with &, <, >, " and ' written as character references.
std::string escapeText(const std::string& text);

// The fill of a cell holding `count` of at most `maxCount` points: white for
// none, darkening towards grey.
std::string cellColour(int count, int maxCount);

}  // namespace manifit
