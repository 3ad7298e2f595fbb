#include "view/plot_frame.h"

#include <algorithm>

namespace manifit {

double pixelX(const PlotFrame& frame, double x) {
  return frame.left + (x - frame.xMin) / (frame.xMax - frame.xMin) * frame.width;
}

double pixelY(const PlotFrame& frame, double y) {
  return frame.top + (frame.yMax - y) / (frame.yMax - frame.yMin) * frame.height;
}

PlotFrame equalScaleFrame(double xMin, double xMax, double yMin, double yMax, double left,
                          double top, double width, double height) {
  double xRange = xMax - xMin;
  double yRange = yMax - yMin;
  if (!(xRange > 0)) xRange = 1;
  if (!(yRange > 0)) yRange = 1;
  // Units per pixel: the larger of the two needs, margin included.
  const double unit = std::max(xRange / width, yRange / height) * 1.1;
  const double xCentre = (xMin + xMax) / 2;
  const double yCentre = (yMin + yMax) / 2;
  PlotFrame frame{left, top, width, height, 0, 0, 0, 0};
  frame.xMin = xCentre - unit * width / 2;
  frame.xMax = xCentre + unit * width / 2;
  frame.yMin = yCentre - unit * height / 2;
  frame.yMax = yCentre + unit * height / 2;
  return frame;
}

}  // namespace manifit
