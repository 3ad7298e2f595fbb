#include <algorithm>

#include "view/page_views.h"
#include "view/svg_text.h"

namespace manifit {

namespace {

const double kWidth = 560;
const double kLeft = 56;
const double kTop = 16;
const double kPlotWidth = 488;
const double kPlotHeight = 220;

std::string polyline(const std::vector<PlanePoint>& points, const PlotFrame& frame,
                     const std::string& cssClass) {
  std::string out = "<polyline class=\"" + cssClass + "\" points=\"";
  for (size_t i = 0; i < points.size(); ++i) {
    if (i > 0) out += " ";
    out += number(pixelX(frame, points[i].x)) + "," + number(pixelY(frame, points[i].y));
  }
  return out + "\"/>\n";
}

}  // namespace

void trainingCurve(std::string& out, const PageData& page) {
  const std::vector<HistoryEntry>& history = page.history;
  std::vector<PlanePoint> train;
  std::vector<PlanePoint> test;
  double yMax = 0;
  for (size_t i = 0; i < history.size(); ++i) {
    train.push_back({static_cast<double>(i), history[i].error});
    yMax = std::max(yMax, history[i].error);
    if (history[i].testError) {
      test.push_back({static_cast<double>(i), *history[i].testError});
      yMax = std::max(yMax, *history[i].testError);
    }
  }
  if (!(yMax > 0)) yMax = 1;
  const double xMax = std::max(1.0, static_cast<double>(history.size()) - 1);
  const PlotFrame frame{kLeft,        kTop,        kPlotWidth, kPlotHeight,
                        -0.02 * xMax, 1.02 * xMax, 0,          yMax * 1.05};
  openSvg(out, kWidth, kTop + kPlotHeight + 56, "view-curve");
  frameRect(out, frame);
  // Stage boundaries: a dashed line before the first iteration of each later stage.
  for (size_t i = 1; i < history.size(); ++i) {
    if (history[i].stage == history[i - 1].stage) continue;
    const double x = pixelX(frame, static_cast<double>(i) - 0.5);
    out += "<line class=\"stage\" x1=\"" + number(x) + "\" y1=\"" + number(frame.top) + "\" x2=\"" +
           number(x) + "\" y2=\"" + number(frame.top + frame.height) + "\"/>\n";
    out += "<text class=\"tick\" x=\"" + number(x + 3) + "\" y=\"" + number(frame.top + 12) +
           "\">stage " + std::to_string(history[i].stage) + "</text>\n";
  }
  for (double tick : scaleTicks(ColourScale{0, yMax}, 5)) {
    out += "<text class=\"tick\" x=\"" + number(frame.left - 6) + "\" y=\"" +
           number(pixelY(frame, tick) + 4) + "\" text-anchor=\"end\">" +
           escapeText(scaleLabel(tick)) + "</text>\n";
  }
  for (double tick : scaleTicks(ColourScale{0, xMax}, 6)) {
    out += "<text class=\"tick\" x=\"" + number(pixelX(frame, tick)) + "\" y=\"" +
           number(frame.top + frame.height + 16) + "\" text-anchor=\"middle\">" +
           escapeText(scaleLabel(tick)) + "</text>\n";
  }
  axisLabels(out, frame, "iteration, counted over all stages", "error");
  out += polyline(train, frame, "train-curve");
  if (!test.empty()) out += polyline(test, frame, "test-curve");
  out += "</svg>\n";
}

}  // namespace manifit
