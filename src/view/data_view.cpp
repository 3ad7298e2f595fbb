#include <algorithm>
#include <map>

#include "view/page_views.h"
#include "view/svg_text.h"

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

std::string percent(double fraction) {
  return number(100 * fraction, 2) + "%";
}

const char* const kOrdinals[] = {"first", "second", "third"};

}  // namespace

std::string pointTitle(const PageData& page, size_t p) {
  std::string title =
      page.pointIds.empty() ? "point " + std::to_string(p + 1) : escapeText(page.pointIds[p]);
  if (!page.labels.empty()) title += ": " + escapeText(page.labels[p]);
  if (!page.colourValues.empty()) title += ": " + scaleLabel(page.colourValues[p]);
  return title;
}

std::string pointEnd(const PageData& page, const PointStyle& style, size_t p) {
  if (style.step > 1) return "/>\n";
  return "><title>" + pointTitle(page, p) + "</title></circle>\n";
}

const char* categoryColour(size_t i) {
  return kPalette[i % kPaletteSize];
}

PointStyle pointStyle(const PageData& page) {
  PointStyle style;
  const size_t n = page.pointScores.size();
  style.step = n > kSvgPointLimit ? (n + kSvgPointLimit - 1) / kSvgPointLimit : 1;
  if (!page.colourValues.empty()) {
    style.numeric = true;
    style.scale = scaleOf(page.colourValues);
    for (double value : page.colourValues) style.colours.push_back(scaleColour(style.scale, value));
    return style;
  }
  if (page.labels.empty()) {
    style.colours.assign(n, kPalette[0]);
    return style;
  }
  std::map<std::string, int> seen;
  for (const std::string& label : page.labels) {
    auto found = seen.find(label);
    if (found == seen.end()) {
      found = seen.emplace(label, static_cast<int>(style.distinct.size())).first;
      style.distinct.push_back(label);
    }
    style.classes.push_back(found->second);
    style.colours.push_back(kPalette[static_cast<size_t>(found->second) % kPaletteSize]);
  }
  return style;
}

PlotFrame dataView(std::string& out, const PageData& page, const PointStyle& style, int first,
                   int second) {
  const size_t a = static_cast<size_t>(first);
  const size_t b = static_cast<size_t>(second);
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;  // the origin (the mean) is always shown
  for (const std::vector<std::array<double, 3>>* list : {&page.pointScores, &page.nodeScores}) {
    for (const std::array<double, 3>& p : *list) {
      xMin = std::min(xMin, p[a]);
      xMax = std::max(xMax, p[a]);
      yMin = std::min(yMin, p[b]);
      yMax = std::max(yMax, p[b]);
    }
  }
  const double plotWidth = kPanelWidth - kMarginLeft - kMarginRight;
  const double plotHeight = plotWidth;
  const PlotFrame frame =
      equalScaleFrame(xMin, xMax, yMin, yMax, kMarginLeft, kMarginTop, plotWidth, plotHeight);
  openSvg(out, kPanelWidth, kMarginTop + plotHeight + kMarginBottom,
          "view-data-" + std::to_string(first + 1) + std::to_string(second + 1));
  frameRect(out, frame);
  const double x0 = pixelX(frame, 0);
  const double y0 = pixelY(frame, 0);
  out += "<line class=\"axis\" x1=\"" + number(frame.left) + "\" y1=\"" + number(y0) + "\" x2=\"" +
         number(frame.left + frame.width) + "\" y2=\"" + number(y0) + "\"/>\n";
  out += "<line class=\"axis\" x1=\"" + number(x0) + "\" y1=\"" + number(frame.top) + "\" x2=\"" +
         number(x0) + "\" y2=\"" + number(frame.top + frame.height) + "\"/>\n";
  axisLabels(out, frame,
             std::string(kOrdinals[a]) + " principal component: " + percent(page.fractions[a]) +
                 " of variance",
             std::string(kOrdinals[b]) + " principal component: " + percent(page.fractions[b]) +
                 " of variance");
  for (const std::array<int, 2>& edge : page.edges) {
    const std::array<double, 3>& p = page.nodeScores[static_cast<size_t>(edge[0])];
    const std::array<double, 3>& q = page.nodeScores[static_cast<size_t>(edge[1])];
    out += "<line class=\"edge\" x1=\"" + number(pixelX(frame, p[a])) + "\" y1=\"" +
           number(pixelY(frame, p[b])) + "\" x2=\"" + number(pixelX(frame, q[a])) + "\" y2=\"" +
           number(pixelY(frame, q[b])) + "\"/>\n";
  }
  out += "<g class=\"points\">\n";
  for (size_t p = 0; p < page.pointScores.size(); p += style.step) {
    out += "<circle class=\"point\" data-p=\"" + std::to_string(p) + "\" cx=\"" +
           number(pixelX(frame, page.pointScores[p][a])) + "\" cy=\"" +
           number(pixelY(frame, page.pointScores[p][b])) + "\" r=\"3\" fill=\"" + style.colours[p] +
           "\"" + pointEnd(page, style, p);
  }
  out += "</g>\n";
  for (size_t j = 0; j < page.nodeScores.size(); ++j) {
    out += "<circle class=\"node\" data-n=\"" + std::to_string(j) + "\" cx=\"" +
           number(pixelX(frame, page.nodeScores[j][a])) + "\" cy=\"" +
           number(pixelY(frame, page.nodeScores[j][b])) + "\" r=\"2.5\"><title>node " +
           std::to_string(j) + ": " + std::to_string(page.nodeCounts[j]) +
           " points</title></circle>\n";
  }
  out += "</svg>\n";
  return frame;
}

}  // namespace manifit
