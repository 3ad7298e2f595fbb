#include "view/svg_page.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "view/plot_frame.h"

namespace manifit {

namespace {

const char* const kPalette[] = {"#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd",
                                "#8c564b", "#e377c2", "#7f7f7f", "#bcbd22", "#17becf"};
const size_t kPaletteSize = sizeof(kPalette) / sizeof(kPalette[0]);

const double kPanelWidth = 560;
const double kMarginLeft = 56;
const double kMarginRight = 16;
const double kMarginTop = 16;
const double kMarginBottom = 48;

std::string number(double value, int decimals = 2) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  // "-0.00" reads oddly and makes equal pictures differ.
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

int largestCount(const std::vector<int>& counts) {
  return counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
}

std::string percent(double fraction) {
  return number(100 * fraction, 2) + "%";
}

// Per point, the index of its label in order of first appearance.
std::vector<size_t> labelIndices(const std::vector<std::string>& labels,
                                 std::vector<std::string>& distinct) {
  std::map<std::string, size_t> seen;
  std::vector<size_t> indices;
  for (const std::string& label : labels) {
    auto found = seen.find(label);
    if (found == seen.end()) {
      found = seen.emplace(label, distinct.size()).first;
      distinct.push_back(label);
    }
    indices.push_back(found->second);
  }
  return indices;
}

std::string pointColour(const std::vector<size_t>& indices, size_t p) {
  return indices.empty() ? kPalette[0] : kPalette[indices[p] % kPaletteSize];
}

std::string pointTitle(const PageData& page, size_t p) {
  std::string title = "point " + std::to_string(p + 1);
  if (!page.labels.empty()) title += ": " + escapeText(page.labels[p]);
  return title;
}

void openSvg(std::string& out, double width, double height) {
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(width, 0) + "\" height=\"" +
         number(height, 0) + "\" viewBox=\"0 0 " + number(width, 0) + " " + number(height, 0) +
         "\">\n";
}

void axisLabels(std::string& out, const PlotFrame& frame, const std::string& xLabel,
                const std::string& yLabel) {
  const double xMid = frame.left + frame.width / 2;
  const double yMid = frame.top + frame.height / 2;
  out += "<text class=\"label\" x=\"" + number(xMid) + "\" y=\"" +
         number(frame.top + frame.height + 38) + "\" text-anchor=\"middle\">" + escapeText(xLabel) +
         "</text>\n";
  if (!yLabel.empty()) {
    out += "<text class=\"label\" x=\"" + number(frame.left - 40) + "\" y=\"" + number(yMid) +
           "\" text-anchor=\"middle\" transform=\"rotate(-90 " + number(frame.left - 40) + " " +
           number(yMid) + ")\">" + escapeText(yLabel) + "</text>\n";
  }
}

void dataView(std::string& out, const PageData& page, const std::vector<size_t>& labelIndex) {
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;  // the origin (the mean) is always shown
  for (const std::vector<PlanePoint>* list : {&page.dataPoints, &page.dataNodes}) {
    for (const PlanePoint& p : *list) {
      xMin = std::min(xMin, p.x);
      xMax = std::max(xMax, p.x);
      yMin = std::min(yMin, p.y);
      yMax = std::max(yMax, p.y);
    }
  }
  const double plotWidth = kPanelWidth - kMarginLeft - kMarginRight;
  const double plotHeight = plotWidth;
  const PlotFrame frame =
      equalScaleFrame(xMin, xMax, yMin, yMax, kMarginLeft, kMarginTop, plotWidth, plotHeight);
  openSvg(out, kPanelWidth, kMarginTop + plotHeight + kMarginBottom);
  out += "<rect class=\"frame\" x=\"" + number(frame.left) + "\" y=\"" + number(frame.top) +
         "\" width=\"" + number(frame.width) + "\" height=\"" + number(frame.height) + "\"/>\n";
  const double x0 = pixelX(frame, 0);
  const double y0 = pixelY(frame, 0);
  out += "<line class=\"axis\" x1=\"" + number(frame.left) + "\" y1=\"" + number(y0) + "\" x2=\"" +
         number(frame.left + frame.width) + "\" y2=\"" + number(y0) + "\"/>\n";
  out += "<line class=\"axis\" x1=\"" + number(x0) + "\" y1=\"" + number(frame.top) + "\" x2=\"" +
         number(x0) + "\" y2=\"" + number(frame.top + frame.height) + "\"/>\n";
  axisLabels(out, frame, "first principal component: " + percent(page.fraction1) + " of variance",
             "second principal component: " + percent(page.fraction2) + " of variance");
  for (const std::array<int, 2>& edge : page.edges) {
    const PlanePoint& a = page.dataNodes[static_cast<size_t>(edge[0])];
    const PlanePoint& b = page.dataNodes[static_cast<size_t>(edge[1])];
    out += "<line class=\"edge\" x1=\"" + number(pixelX(frame, a.x)) + "\" y1=\"" +
           number(pixelY(frame, a.y)) + "\" x2=\"" + number(pixelX(frame, b.x)) + "\" y2=\"" +
           number(pixelY(frame, b.y)) + "\"/>\n";
  }
  for (size_t j = 0; j < page.dataNodes.size(); ++j) {
    out += "<circle class=\"node\" cx=\"" + number(pixelX(frame, page.dataNodes[j].x)) +
           "\" cy=\"" + number(pixelY(frame, page.dataNodes[j].y)) + "\" r=\"2\"><title>node " +
           std::to_string(j) + ": " + std::to_string(page.nodeCounts[j]) +
           " points</title></circle>\n";
  }
  for (size_t p = 0; p < page.dataPoints.size(); ++p) {
    out += "<circle class=\"point\" cx=\"" + number(pixelX(frame, page.dataPoints[p].x)) +
           "\" cy=\"" + number(pixelY(frame, page.dataPoints[p].y)) + "\" r=\"3\" fill=\"" +
           pointColour(labelIndex, p) + "\"><title>" + pointTitle(page, p) + "</title></circle>\n";
  }
  out += "</svg>\n";
}

void mapView(std::string& out, const PageData& page, const std::vector<size_t>& labelIndex) {
  const MapLayout& map = page.map;
  const double plotWidth = kPanelWidth - kMarginLeft - kMarginRight;
  double plotHeight = plotWidth;  // a rectangle's square
  if (page.shape.kind == GridKind::sphere) plotHeight = plotWidth / 2;
  if (map.strip) plotHeight = 120;
  const PlotFrame frame{kMarginLeft, kMarginTop, plotWidth, plotHeight,
                        map.xMin,    map.xMax,   map.yMin,  map.yMax};
  openSvg(out, kPanelWidth, kMarginTop + plotHeight + kMarginBottom);
  const int maxCount = largestCount(page.nodeCounts);
  for (size_t j = 0; j < map.cells.size(); ++j) {
    const MapCell& cell = map.cells[j];
    const double left = pixelX(frame, cell.x0);
    const double top = pixelY(frame, cell.y1);
    out += "<rect class=\"cell\" x=\"" + number(left) + "\" y=\"" + number(top) + "\" width=\"" +
           number(pixelX(frame, cell.x1) - left) + "\" height=\"" +
           number(pixelY(frame, cell.y0) - top) + "\" fill=\"" +
           cellColour(page.nodeCounts[j], maxCount) + "\"><title>node " + std::to_string(j) + ": " +
           std::to_string(page.nodeCounts[j]) + " points</title></rect>\n";
  }
  out += "<rect class=\"frame\" x=\"" + number(frame.left) + "\" y=\"" + number(frame.top) +
         "\" width=\"" + number(frame.width) + "\" height=\"" + number(frame.height) + "\"/>\n";
  for (double tick : map.xTicks) {
    out += "<text class=\"tick\" x=\"" + number(pixelX(frame, tick)) + "\" y=\"" +
           number(frame.top + frame.height + 16) + "\" text-anchor=\"middle\">" + number(tick, 0) +
           "</text>\n";
  }
  for (double tick : map.yTicks) {
    out += "<text class=\"tick\" x=\"" + number(frame.left - 6) + "\" y=\"" +
           number(pixelY(frame, tick) + 4) + "\" text-anchor=\"end\">" + number(tick, 0) +
           "</text>\n";
  }
  axisLabels(out, frame, map.xLabel, map.yLabel);
  for (size_t j = 0; j < map.nodes.size(); ++j) {
    out += "<circle class=\"map-node\" cx=\"" + number(pixelX(frame, map.nodes[j].x)) + "\" cy=\"" +
           number(pixelY(frame, map.nodes[j].y)) + "\" r=\"1.5\"/>\n";
  }
  for (size_t p = 0; p < map.points.size(); ++p) {
    out += "<circle class=\"map-point\" cx=\"" + number(pixelX(frame, map.points[p].x)) +
           "\" cy=\"" + number(pixelY(frame, map.points[p].y)) + "\" r=\"3\" fill=\"" +
           pointColour(labelIndex, p) + "\"><title>" + pointTitle(page, p) + "</title></circle>\n";
  }
  out += "</svg>\n";
}

const char* const kStyle =
    "body{font-family:sans-serif;margin:16px;color:#222;background:#fff}\n"
    "h1{font-size:20px;margin:0 0 8px}\n"
    "table.figures{border-collapse:collapse;margin-bottom:12px}\n"
    "table.figures th{text-align:left;padding:2px 12px 2px 0;font-weight:normal;color:#555}\n"
    "table.figures td{padding:2px 0}\n"
    ".views{display:flex;flex-wrap:wrap;gap:16px}\n"
    "figure{margin:0}\n"
    "figcaption{font-size:14px;margin-bottom:4px;max-width:560px}\n"
    ".legend{font-size:13px;margin:8px 0}\n"
    ".swatch{display:inline-block;width:10px;height:10px;margin:0 4px 0 12px}\n"
    "svg text{font-size:12px;fill:#333}\n"
    "svg .frame{fill:none;stroke:#999;stroke-width:1}\n"
    "svg .axis{stroke:#bbb;stroke-width:1;stroke-dasharray:4 3}\n"
    "svg .point,svg .map-point{fill-opacity:0.75;stroke:#fff;stroke-width:0.5}\n"
    "svg .edge{stroke:#333;stroke-width:0.8;stroke-opacity:0.7}\n"
    "svg .node,svg .map-node{fill:#111}\n"
    "svg .cell{stroke:#ddd;stroke-width:0.5}\n";

std::string fraction(const std::optional<double>& value) {
  return value ? number(*value, 4) : std::string("undefined (the points do not vary)");
}

std::string gridDescription(const PageData& page) {
  const GridShape& shape = page.shape;
  switch (shape.kind) {
    case GridKind::rectangle:
      return "rectangle (simplerectangular), " + std::to_string(shape.size1) + " &#215; " +
             std::to_string(shape.size2) + " nodes";
    case GridKind::sphere:
      return "sphere, " + std::to_string(shape.size1) + " meridians &#215; " +
             std::to_string(shape.size2) + " rings and two poles";
    case GridKind::line:
      return "line (linear), " + std::to_string(shape.size1) + " nodes";
    case GridKind::circle:
      return "circle, " + std::to_string(shape.size1) + " nodes";
    case GridKind::graph:
      break;
  }
  return "graph (elgraph or a grown grid), " + std::to_string(page.nodeCount) + " nodes";
}

void header(std::string& out, const PageData& page) {
  out += "<h1>" + escapeText(page.mapName) + "</h1>\n<table class=\"figures\">\n";
  out += "<tr><th>Grid</th><td>" + gridDescription(page) + "</td></tr>\n";
  out += "<tr><th>Nodes, edges, ribs, triangles</th><td>" + std::to_string(page.nodeCount) + ", " +
         std::to_string(page.edgeCount) + ", " + std::to_string(page.ribCount) + ", " +
         std::to_string(page.triangleCount) + "</td></tr>\n";
  out += "<tr><th>Points</th><td>" + std::to_string(page.dataPoints.size()) + "</td></tr>\n";
  out += "<tr><th>Fraction of variance unexplained</th><td>" + fraction(page.unexplainedByNodes) +
         " by the nearest nodes; " + fraction(page.unexplainedByPlane) +
         " by the plane of the first two principal components</td></tr>\n";
  out += "</table>\n";
}

void legend(std::string& out, const std::vector<std::string>& distinct) {
  if (distinct.empty()) return;
  out += "<p class=\"legend\">Labels:";
  for (size_t i = 0; i < distinct.size(); ++i) {
    out += "<span class=\"swatch\" style=\"background:" + std::string(kPalette[i % kPaletteSize]) +
           "\"></span>" + escapeText(distinct[i]);
  }
  out += "</p>\n";
}

}  // namespace

std::string escapeText(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string cellColour(int count, int maxCount) {
  // From white to grey #7a7a7a in proportion to the count; grey does not
  // compete with the label colours of the points.
  const double share = maxCount > 0 ? static_cast<double>(count) / maxCount : 0;
  const int level = static_cast<int>(255 + (122 - 255) * share + 0.5);
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", level, level, level);
  return buffer;
}

std::string renderPage(const PageData& page) {
  std::vector<std::string> distinct;
  const std::vector<size_t> labelIndex = labelIndices(page.labels, distinct);
  std::string out;
  out += "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n";
  out += "<meta charset=\"utf-8\"/>\n<title>" + escapeText(page.mapName) + "</title>\n";
  out += "<style>\n" + std::string(kStyle) + "</style>\n</head>\n<body>\n";
  header(out, page);
  legend(out, distinct);
  out +=
      "<div class=\"views\">\n<figure>\n<figcaption>Data: every point and the map's nodes "
      "and edges on the plane of the first two principal components.</figcaption>\n";
  dataView(out, page, labelIndex);
  out += "</figure>\n<figure>\n";
  if (page.map.drawn) {
    const int maxCount = largestCount(page.nodeCounts);
    out += "<figcaption>Map: the grid in its own coordinates. " + escapeText(page.map.placement) +
           " A cell is shaded by how many points have its node as their nearest (white: none, "
           "darkest: " +
           std::to_string(maxCount) + ").</figcaption>\n";
    mapView(out, page, labelIndex);
  } else {
    out +=
        "<figcaption>Map: a graph has no regular layout of its own, so no map view is "
        "drawn.</figcaption>\n";
  }
  out += "</figure>\n</div>\n</body>\n</html>\n";
  return out;
}

}  // namespace manifit
