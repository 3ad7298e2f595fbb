#include <algorithm>
#include <cmath>

#include "view/page_views.h"
#include "view/png_writer.h"
#include "view/svg_text.h"

namespace manifit {

namespace {

const double kPanelWidth = 560;
const double kMarginLeft = 56;
const double kMarginTop = 16;
const double kPlotWidth = 488;
const double kSmallWidth = 150;
const double kBarSpace = 44;  // below the plot: the colour bar with its numbers

int largestCount(const std::vector<int>& counts) {
  return counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
}

// One shape per node, cells or discs, filled with the node's colour; a title
// per node when `titles` is not empty.
void nodeShapes(std::string& out, const PageData& page, const PlotFrame& frame,
                const std::vector<std::string>& fills, const std::vector<std::string>& titles) {
  const MapLayout& map = page.map;
  if (map.discs) {
    for (const std::array<int, 2>& link : map.links) {
      const PlanePoint& a = map.nodes[static_cast<size_t>(link[0])];
      const PlanePoint& b = map.nodes[static_cast<size_t>(link[1])];
      out += "<line class=\"link\" x1=\"" + number(pixelX(frame, a.x)) + "\" y1=\"" +
             number(pixelY(frame, a.y)) + "\" x2=\"" + number(pixelX(frame, b.x)) + "\" y2=\"" +
             number(pixelY(frame, b.y)) + "\"/>\n";
    }
  }
  const double radius = std::max(1.5, map.nodeRadius / (frame.xMax - frame.xMin) * frame.width);
  for (size_t j = 0; j < map.nodes.size(); ++j) {
    const std::string node = std::to_string(j);
    if (map.discs) {
      out += "<circle class=\"cell\" data-n=\"" + node + "\" cx=\"" +
             number(pixelX(frame, map.nodes[j].x)) + "\" cy=\"" +
             number(pixelY(frame, map.nodes[j].y)) + "\" r=\"" + number(radius) + "\" fill=\"" +
             fills[j] + "\"";
    } else {
      const MapCell& cell = map.cells[j];
      const double left = pixelX(frame, cell.x0);
      const double top = pixelY(frame, cell.y1);
      out += "<rect class=\"cell\" data-n=\"" + node + "\" x=\"" + number(left) + "\" y=\"" +
             number(top) + "\" width=\"" + number(pixelX(frame, cell.x1) - left) + "\" height=\"" +
             number(pixelY(frame, cell.y0) - top) + "\" fill=\"" + fills[j] + "\"";
    }
    if (titles.empty()) {
      out += "/>\n";
    } else {
      out += "><title>" + titles[j] + "</title></" + std::string(map.discs ? "circle" : "rect") +
             ">\n";
    }
  }
}

// The cells (or the links and discs) as one PNG picture over the frame: a
// component plane holds no element per node, so a page of many variables
// stays light.
void nodePicture(std::string& out, const PageData& page, const PlotFrame& frame,
                 const std::vector<std::string>& fills) {
  const MapLayout& map = page.map;
  const int width = static_cast<int>(std::ceil(frame.width));
  const int height = static_cast<int>(std::ceil(frame.height));
  RgbImage image = blankImage(width, height, 0xFFFFFF);
  auto x = [&](double v) { return pixelX(frame, v) - frame.left; };
  auto y = [&](double v) { return pixelY(frame, v) - frame.top; };
  if (map.discs) {
    for (const std::array<int, 2>& link : map.links) {
      const PlanePoint& a = map.nodes[static_cast<size_t>(link[0])];
      const PlanePoint& b = map.nodes[static_cast<size_t>(link[1])];
      drawLine(image, x(a.x), y(a.y), x(b.x), y(b.y), 0x888888);
    }
  }
  const double radius = std::max(1.5, map.nodeRadius / (frame.xMax - frame.xMin) * frame.width);
  for (size_t j = 0; j < map.nodes.size(); ++j) {
    const uint32_t colour = colourValue(fills[j]);
    if (map.discs) {
      fillDisc(image, x(map.nodes[j].x), y(map.nodes[j].y), radius, colour);
    } else {
      const MapCell& cell = map.cells[j];
      fillBox(image, x(cell.x0), y(cell.y1), x(cell.x1), y(cell.y0), colour);
    }
  }
  out += "<image class=\"cells-picture\" x=\"" + number(frame.left) + "\" y=\"" +
         number(frame.top) + "\" width=\"" + std::to_string(width) + "\" height=\"" +
         std::to_string(height) + "\" href=\"data:image/png;base64," + base64(encodePng(image)) +
         "\"/>\n";
}

void ticksAndLabels(std::string& out, const PageData& page, const PlotFrame& frame) {
  const MapLayout& map = page.map;
  for (double tick : map.xTicks) {
    out += "<text class=\"tick\" x=\"" + number(pixelX(frame, tick)) + "\" y=\"" +
           number(frame.top + frame.height + 16) + "\" text-anchor=\"middle\">" +
           escapeText(scaleLabel(tick)) + "</text>\n";
  }
  for (double tick : map.yTicks) {
    out += "<text class=\"tick\" x=\"" + number(frame.left - 6) + "\" y=\"" +
           number(pixelY(frame, tick) + 4) + "\" text-anchor=\"end\">" +
           escapeText(scaleLabel(tick)) + "</text>\n";
  }
  axisLabels(out, frame, map.xLabel, map.yLabel);
}

}  // namespace

PlotFrame mapFrame(const PageData& page, double left, double top, double plotWidth) {
  const MapLayout& map = page.map;
  double plotHeight = plotWidth;  // a rectangle's square, a graph's drawing
  if (page.shape.kind == GridKind::sphere && !map.strip && !map.discs) plotHeight = plotWidth / 2;
  if (map.strip) plotHeight = std::max(30.0, plotWidth / 4);
  return PlotFrame{left, top, plotWidth, plotHeight, map.xMin, map.xMax, map.yMin, map.yMax};
}

PlotFrame mapView(std::string& out, const PageData& page, const PointStyle& style) {
  const PlotFrame frame = mapFrame(page, kMarginLeft, kMarginTop, kPlotWidth);
  const double barTop = frame.top + frame.height + 64;
  openSvg(out, kPanelWidth, barTop + kBarSpace, "view-map");
  const int maxCount = largestCount(page.nodeCounts);
  std::vector<std::string> fills;
  std::vector<std::string> titles;
  for (size_t j = 0; j < page.nodeCounts.size(); ++j) {
    fills.push_back(cellColour(page.nodeCounts[j], maxCount));
    titles.push_back("node " + std::to_string(j) + ": " + std::to_string(page.nodeCounts[j]) +
                     " points");
  }
  out += "<g class=\"cells\">\n";
  nodeShapes(out, page, frame, fills, titles);
  out += "</g>\n";
  frameRect(out, frame);
  ticksAndLabels(out, page, frame);
  const MapLayout& map = page.map;
  if (!map.discs) {
    for (size_t j = 0; j < map.nodes.size(); ++j) {
      out += "<circle class=\"map-node\" data-n=\"" + std::to_string(j) + "\" cx=\"" +
             number(pixelX(frame, map.nodes[j].x)) + "\" cy=\"" +
             number(pixelY(frame, map.nodes[j].y)) + "\" r=\"1.5\"/>\n";
    }
  }
  out += "<g class=\"points\">\n";
  for (size_t p = 0; p < map.points.size(); p += style.step) {
    out += "<circle class=\"map-point\" data-p=\"" + std::to_string(p) + "\" cx=\"" +
           number(pixelX(frame, map.points[p].x)) + "\" cy=\"" +
           number(pixelY(frame, map.points[p].y)) + "\" r=\"3\" fill=\"" + style.colours[p] + "\"" +
           pointEnd(page, style, p);
  }
  out += "</g>\n";
  ColourScale counts{0, static_cast<double>(maxCount)};
  colourBar(out, frame.left, barTop, std::min(frame.width, 300.0), counts, true,
            "points per node (hit count)", "map-scale");
  out += "</svg>\n";
  return frame;
}

PlotFrame planeFrame(const PageData& page) {
  return mapFrame(page, 8, 4, kSmallWidth);
}

std::vector<std::array<double, 4>> nodeShapesInPixels(const PageData& page,
                                                      const PlotFrame& frame) {
  const MapLayout& map = page.map;
  const double radius = std::max(1.5, map.nodeRadius / (frame.xMax - frame.xMin) * frame.width);
  std::vector<std::array<double, 4>> shapes;
  for (size_t j = 0; j < map.nodes.size(); ++j) {
    if (map.discs) {
      shapes.push_back({pixelX(frame, map.nodes[j].x), pixelY(frame, map.nodes[j].y), radius, 0});
    } else {
      const MapCell& cell = map.cells[j];
      const double left = pixelX(frame, cell.x0);
      const double top = pixelY(frame, cell.y1);
      shapes.push_back({left, top, pixelX(frame, cell.x1) - left, pixelY(frame, cell.y0) - top});
    }
  }
  return shapes;
}

void valueMapView(std::string& out, const PageData& page,
                  const std::vector<std::optional<double>>& values, const std::string& id,
                  const std::string& scaleTitle, bool small) {
  const double left = small ? 8 : kMarginLeft;
  const PlotFrame frame = small ? planeFrame(page) : mapFrame(page, left, kMarginTop, kPlotWidth);
  const double barTop = frame.top + frame.height + (small ? 18 : 64);
  openSvg(out, small ? kSmallWidth + 16 : kPanelWidth, barTop + (small ? 30 : kBarSpace), id);
  const ColourScale scale = scaleOf(values);
  std::vector<std::string> fills;
  std::vector<std::string> titles;
  for (size_t j = 0; j < values.size(); ++j) {
    fills.push_back(values[j] ? scaleColour(scale, *values[j]) : kNoValueColour);
    if (!small) {
      titles.push_back("node " + std::to_string(j) + ": " +
                       (values[j] ? scaleLabel(*values[j]) : std::string("no points")));
    }
  }
  if (small) {
    nodePicture(out, page, frame, fills);
  } else {
    out += "<g class=\"cells\">\n";
    nodeShapes(out, page, frame, fills, titles);
    out += "</g>\n";
  }
  frameRect(out, frame);
  if (!small) ticksAndLabels(out, page, frame);
  colourBar(out, frame.left, barTop, small ? frame.width : std::min(frame.width, 300.0), scale,
            false, scaleTitle);
  out += "</svg>\n";
}

}  // namespace manifit
