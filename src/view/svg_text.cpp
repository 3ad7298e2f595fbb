#include "view/svg_text.h"

#include <cstdio>

#include "view/svg_page.h"

namespace manifit {

std::string number(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  // "-0.00" reads oddly and makes equal pictures differ.
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

void openSvg(std::string& out, double width, double height, const std::string& id) {
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\"";
  if (!id.empty()) out += " id=\"" + id + "\"";
  out += " width=\"" + number(width, 0) + "\" height=\"" + number(height, 0) + "\" viewBox=\"0 0 " +
         number(width, 0) + " " + number(height, 0) + "\">\n";
}

void frameRect(std::string& out, const PlotFrame& frame) {
  out += "<rect class=\"frame\" x=\"" + number(frame.left) + "\" y=\"" + number(frame.top) +
         "\" width=\"" + number(frame.width) + "\" height=\"" + number(frame.height) + "\"/>\n";
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

void colourBar(std::string& out, double left, double top, double width, const ColourScale& scale,
               bool grey, const std::string& title, const std::string& id) {
  const int steps = 40;
  const double height = 10;
  out += "<g class=\"scale\"";
  if (!id.empty()) out += " id=\"" + id + "\"";
  out += ">\n<text class=\"scale-title\" x=\"" + number(left) + "\" y=\"" + number(top - 4) +
         "\">" + escapeText(title) + "</text>\n";
  for (int i = 0; i < steps; ++i) {
    const double t = (i + 0.5) / steps;
    const std::string fill =
        grey ? cellColour(static_cast<int>(t * 1000 + 0.5), 1000) : sequenceColour(t);
    out += "<rect class=\"bar\" x=\"" + number(left + width * i / steps) + "\" y=\"" + number(top) +
           "\" width=\"" + number(width / steps + 0.3) + "\" height=\"" + number(height) +
           "\" fill=\"" + fill + "\"/>\n";
  }
  for (double tick : scaleTicks(scale, width < 200 ? 3 : 5)) {
    const double x = left + width * scalePosition(scale, tick);
    out += "<line class=\"tick-mark\" x1=\"" + number(x) + "\" y1=\"" + number(top + height) +
           "\" x2=\"" + number(x) + "\" y2=\"" + number(top + height + 3) + "\"/>\n";
    out += "<text class=\"tick\" x=\"" + number(x) + "\" y=\"" + number(top + height + 14) +
           "\" text-anchor=\"middle\">" + escapeText(scaleLabel(tick)) + "</text>\n";
  }
  out += "</g>\n";
}

}  // namespace manifit
