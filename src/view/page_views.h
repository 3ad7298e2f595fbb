// The pictures of the page, each written as one inline SVG, and the figures
// the page's script needs to redraw them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "view/colour_scale.h"
#include "view/plot_frame.h"
#include "view/svg_page.h"

namespace manifit {

// How the points are coloured: by category (a legend of the distinct labels in
// order of first appearance), by a number (a continuous scale), or plainly.
struct PointStyle {
  std::vector<std::string> colours;  // per point
  std::vector<int> classes;          // per point, the index into `distinct`; empty otherwise
  std::vector<std::string> distinct;
  bool numeric = false;
  ColourScale scale;
  size_t step = 1;  // the SVG views draw every step-th point
};

PointStyle pointStyle(const PageData& page);

// "point 5: label" (or the point's id) for the point's title, escaped.
std::string pointTitle(const PageData& page, size_t p);

// The end of a point's circle element: its title, or nothing on a page
// whose pictures hold a sample of a large table (the script tells about
// every point there).
std::string pointEnd(const PageData& page, const PointStyle& style, size_t p);

// The colour of the i-th category.
const char* categoryColour(size_t i);

// The data on the plane of components `first` and `second` (0-based); returns
// its frame.
PlotFrame dataView(std::string& out, const PageData& page, const PointStyle& style, int first,
                   int second);

// The frame of a map view whose plot is `plotWidth` wide, at (left, top).
PlotFrame mapFrame(const PageData& page, double left, double top, double plotWidth);

// The map with its cells shaded by hit counts and the points on it; returns
// its frame.
PlotFrame mapView(std::string& out, const PageData& page, const PointStyle& style);

// The frame of a component plane's picture.
PlotFrame planeFrame(const PageData& page);

// Each node's shape on a map drawn in the frame, in pixels: a cell's box
// {left, top, width, height}, or a disc {x, y, radius, 0} on a graph.
std::vector<std::array<double, 4>> nodeShapesInPixels(const PageData& page, const PlotFrame& frame);

// A map of one value per node (none: no value), coloured on the value's scale,
// with a colour bar. `small` draws a component plane: no axes, a narrow plot,
// the nodes painted into one picture instead of one element each.
void valueMapView(std::string& out, const PageData& page,
                  const std::vector<std::optional<double>>& values, const std::string& id,
                  const std::string& scaleTitle, bool small);

// The training error (and the test error) per iteration, stages marked.
void trainingCurve(std::string& out, const PageData& page);

// The inline script's data: nodes, variables, points and frames, as a
// JavaScript statement.
std::string pagePayload(const PageData& page, const PointStyle& style,
                        const std::vector<PlotFrame>& dataFrames, const PlotFrame& map);

// The bytes in base64 (RFC 4648, with padding).
std::string base64(const uint8_t* bytes, size_t size);
std::string base64(const std::string& bytes);

// The inline script itself.
const char* pageScript();

// The page's style sheet.
const char* pageStyle();

}  // namespace manifit
