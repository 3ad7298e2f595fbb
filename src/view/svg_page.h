// The page: one self-contained HTML document (XHTML syntax, so it is also
// well-formed XML) with the figures of the run and inline SVG pictures: the
// data on pairs of principal components, the map coloured by hit counts with
// the points on it, the U-matrix, the per-node quality, one component plane
// per variable and the training curve. An inline script adds interaction;
// without it every picture still shows. Nothing is fetched; the same data
// give the same bytes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "view/grid_shape.h"
#include "view/map_layout.h"
#include "view/view_geometry.h"

namespace manifit {

// One progress line of the training.
struct HistoryEntry {
  int stage = 0;
  int iteration = 0;
  double error = 0;
  std::optional<double> testError;
};

struct PageData {
  std::string mapName;  // the map as the user named it
  GridShape shape;
  int nodeCount = 0;
  int edgeCount = 0;
  int ribCount = 0;
  int triangleCount = 0;
  std::array<double, 3> fractions = {0, 0, 0};  // variance fractions of the components
  bool thirdComponent = false;                  // the third one can be drawn
  std::optional<double> unexplainedByNodes;
  std::optional<double> unexplainedByPlane;
  std::vector<std::array<double, 3>> pointScores;  // on the first three components
  std::vector<std::array<double, 3>> nodeScores;
  std::vector<std::array<int, 2>> edges;
  std::vector<std::string> pointIds;  // one per point, or none (then the row number counts)
  std::vector<std::string> labels;    // a category per point, or none
  std::vector<double> colourValues;   // a number per point, or none
  std::string colourName;             // what the labels or values are
  std::vector<int> nearest;           // per point
  std::vector<int> nodeCounts;        // points per nearest node
  std::vector<std::optional<double>> uMatrix;
  std::vector<std::optional<double>> quality;
  std::vector<std::string> columns;             // one name per variable
  std::string valueUnits;                       // the units of nodeValues
  std::vector<std::vector<double>> nodeValues;  // per variable, one value per node
  std::vector<HistoryEntry> history;
  MapLayout map;
};

// Data views draw at most this many points as SVG elements; beyond it the
// SVG holds an even sample and the script draws every point on a canvas.
constexpr size_t kSvgPointLimit = 2000;

// SVG elements carry the classes "point", "node" and "edge" (data views),
// "map-point", "map-node" and "cell" (map view) and "cell" again on the
// U-matrix, quality and component-plane views, one element per item; nodes
// and cells name their node in data-n, points their index in data-p.
std::string renderPage(const PageData& page);

// Text with &, <, >, " and ' written as character references.
std::string escapeText(const std::string& text);

// The fill of a cell holding `count` of at most `maxCount` points: white for
// none, darkening towards grey.
std::string cellColour(int count, int maxCount);

}  // namespace manifit
