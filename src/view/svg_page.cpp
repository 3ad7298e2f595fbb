#include "view/svg_page.h"

#include <cstdio>

#include "view/page_views.h"
#include "view/svg_text.h"

namespace manifit {

namespace {

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
  out += "<tr><th>Points</th><td>" + std::to_string(page.pointScores.size()) + "</td></tr>\n";
  out += "<tr><th>Fraction of variance unexplained</th><td>" + fraction(page.unexplainedByNodes) +
         " by the nearest nodes; " + fraction(page.unexplainedByPlane) +
         " by the plane of the first two principal components</td></tr>\n";
  if (!page.history.empty()) {
    out += "<tr><th>Final training error</th><td>" +
           escapeText(scaleLabel(page.history.back().error)) + " after " +
           std::to_string(page.history.size()) + " iterations</td></tr>\n";
  }
  out += "</table>\n";
}

void legend(std::string& out, const PageData& page, const PointStyle& style) {
  if (style.numeric) {
    out += "<div class=\"legend\">";
    openSvg(out, 340, 44);
    colourBar(
        out, 8, 16, 300, style.scale, false,
        "points coloured by " + (page.colourName.empty() ? std::string("value") : page.colourName));
    out += "</svg></div>\n";
    return;
  }
  if (style.distinct.empty()) return;
  out += "<p class=\"legend\">" + escapeText(page.colourName.empty() ? "Labels" : page.colourName) +
         ":";
  for (size_t i = 0; i < style.distinct.size(); ++i) {
    out += "<span class=\"entry\" data-class=\"" + std::to_string(i) +
           "\"><span class=\"swatch\" style=\"background:" + std::string(categoryColour(i)) +
           "\"></span>" + escapeText(style.distinct[i]) + "</span>";
  }
  out += " <span class=\"scripted note\">(click an entry to hide or show its points)</span></p>\n";
}

void sampleNote(std::string& out, const PageData& page, const PointStyle& style) {
  if (style.step <= 1) return;
  const size_t n = page.pointScores.size();
  const size_t drawn = (n + style.step - 1) / style.step;
  out += "<p class=\"note unscripted\">The pictures of points hold an even sample: " +
         std::to_string(drawn) + " of the " + std::to_string(n) + " points (one in every " +
         std::to_string(style.step) + "). With scripts on, the page draws all of them.</p>\n";
  out += "<p class=\"note scripted\">All " + std::to_string(n) +
         " points are drawn on canvases over the pictures.</p>\n";
}

const char* const kPairs[3][2] = {{"1", "2"}, {"1", "3"}, {"2", "3"}};

std::vector<PlotFrame> dataViews(std::string& out, const PageData& page, const PointStyle& style) {
  const int pairCount = page.thirdComponent ? 3 : 1;
  out += "<h2>Data</h2>\n";
  if (pairCount > 1) {
    out += "<div class=\"scripted\">Principal components: ";
    for (int i = 0; i < pairCount; ++i) {
      out += "<button type=\"button\" data-pair=\"" + std::string(kPairs[i][0]) + kPairs[i][1] +
             "\">" + kPairs[i][0] + " and " + kPairs[i][1] + "</button>";
    }
    out += "</div>\n";
  }
  out += "<div class=\"views\">\n";
  const int pairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
  std::vector<PlotFrame> frames;
  for (int i = 0; i < pairCount; ++i) {
    out += "<figure id=\"figure-data-" + std::string(kPairs[i][0]) + kPairs[i][1] +
           "\">\n<figcaption>Data: every point and the map's nodes and edges on the plane of "
           "principal components " +
           kPairs[i][0] + " and " + kPairs[i][1] + ".</figcaption>\n";
    frames.push_back(dataView(out, page, style, pairs[i][0], pairs[i][1]));
    out += "</figure>\n";
  }
  out += "</div>\n";
  return frames;
}

PlotFrame mapViews(std::string& out, const PageData& page, const PointStyle& style) {
  out += "<h2>Map</h2>\n<div class=\"views\">\n<figure id=\"figure-map\">\n";
  out += "<figcaption>Map: the grid in its own coordinates. " + escapeText(page.map.placement) +
         " A cell is shaded by how many points have its node as their nearest.</figcaption>\n";
  out +=
      "<div class=\"scripted\">Colour the map by: <button type=\"button\" data-var=\"-1\" "
      "class=\"chosen\">hit counts</button>";
  for (size_t i = 0; i < page.columns.size(); ++i) {
    out += "<button type=\"button\" data-var=\"" + std::to_string(i) + "\">" +
           escapeText(page.columns[i]) + "</button>";
  }
  out += "</div>\n";
  const PlotFrame frame = mapView(out, page, style);
  out +=
      "</figure>\n<figure id=\"figure-umatrix\">\n<figcaption>U-matrix: each node's mean "
      "distance to its grid neighbours in the data space the map was fitted in. High values "
      "mark borders between clusters.</figcaption>\n";
  valueMapView(out, page, page.uMatrix, "view-umatrix", "mean distance to grid neighbours", false);
  out +=
      "</figure>\n<figure id=\"figure-quality\">\n<figcaption>Quality: the mean squared "
      "distance of each node's points to the node (grey: a node without points)."
      "</figcaption>\n";
  valueMapView(out, page, page.quality, "view-quality",
               "mean squared distance of the node's points", false);
  out += "</figure>\n</div>\n";
  return frame;
}

void componentPlanes(std::string& out, const PageData& page) {
  if (page.columns.empty()) return;
  out +=
      "<h2>Component planes</h2>\n<p class=\"note\">One small map per variable: each node "
      "coloured by its value, in " +
      escapeText(page.valueUnits) +
      ". <span class=\"scripted\">Click a name to colour the map above by it.</span></p>\n";
  out += "<div class=\"planes\">\n";
  for (size_t i = 0; i < page.columns.size(); ++i) {
    out += "<figure class=\"plane\">\n<figcaption data-var=\"" + std::to_string(i) + "\">" +
           escapeText(page.columns[i]) + "</figcaption>\n";
    std::vector<std::optional<double>> values(page.nodeValues[i].begin(), page.nodeValues[i].end());
    valueMapView(out, page, values, "view-plane-" + std::to_string(i + 1), "", true);
    out += "</figure>\n";
  }
  out += "</div>\n";
}

void trainingSection(std::string& out, const PageData& page) {
  out += "<h2>Training</h2>\n";
  if (page.history.empty()) {
    out +=
        "<p class=\"note\">No training history: the model file (manifit -model, shown with "
        "manifit-view -model) carries it.</p>\n";
    return;
  }
  bool test = false;
  for (const HistoryEntry& entry : page.history) test = test || entry.testError.has_value();
  out +=
      "<figure id=\"figure-curve\">\n<figcaption>Training curve: the error of every iteration "
      "(blue)" +
      std::string(test ? " and the test error (orange)" : "") +
      "; dashed lines mark where a stage of the schedule begins.</figcaption>\n";
  trainingCurve(out, page);
  out += "</figure>\n";
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
  const PointStyle style = pointStyle(page);
  std::string out;
  out += "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n";
  out += "<meta charset=\"utf-8\"/>\n<title>" + escapeText(page.mapName) + "</title>\n";
  out += "<style>\n" + std::string(pageStyle()) + "</style>\n</head>\n<body>\n";
  header(out, page);
  out +=
      "<div id=\"info\" class=\"info scripted\">Hover a node or a point for its figures.</div>\n";
  legend(out, page, style);
  sampleNote(out, page, style);
  const std::vector<PlotFrame> dataFrames = dataViews(out, page, style);
  const PlotFrame map = mapViews(out, page, style);
  componentPlanes(out, page);
  trainingSection(out, page);
  out += "<script>//<![CDATA[\n" + pagePayload(page, style, dataFrames, map) + pageScript() +
         "//]]></script>\n";
  out += "</body>\n</html>\n";
  return out;
}

}  // namespace manifit
