// The mapping from a picture's own coordinates (y pointing up) to the pixels
// of its SVG panel (y pointing down).
#pragma once

namespace manifit {

struct PlotFrame {
  double left = 0;  // pixel box
  double top = 0;
  double width = 1;
  double height = 1;
  double xMin = 0;  // shown range
  double xMax = 1;
  double yMin = 0;
  double yMax = 1;
};

double pixelX(const PlotFrame& frame, double x);
double pixelY(const PlotFrame& frame, double y);

// A frame that shows at least [xMin, xMax] × [yMin, yMax] with a margin of
// 5% and one scale on both axes (so distances are not distorted), centred in
// the pixel box. An empty range counts as one unit wide.
PlotFrame equalScaleFrame(double xMin, double xMax, double yMin, double yMax, double left,
                          double top, double width, double height);

}  // namespace manifit
