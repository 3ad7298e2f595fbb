#include "view/colour_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace manifit {

namespace {

// Nine evenly spaced colours of the sequence; colours in between are
// interpolated linearly in RGB.
const unsigned char kAnchors[9][3] = {{68, 1, 84},    {71, 45, 123},  {59, 82, 139},
                                      {44, 114, 142}, {33, 145, 140}, {40, 174, 128},
                                      {94, 201, 98},  {173, 220, 48}, {253, 231, 37}};

}  // namespace

const char* const kNoValueColour = "#e4e4e4";

ColourScale scaleOf(const std::vector<std::optional<double>>& values) {
  bool any = false;
  ColourScale scale{0, 1};
  for (const std::optional<double>& value : values) {
    if (!value) continue;
    if (!any) scale = {*value, *value};
    scale.low = std::min(scale.low, *value);
    scale.high = std::max(scale.high, *value);
    any = true;
  }
  return scale;
}

ColourScale scaleOf(const std::vector<double>& values) {
  std::vector<std::optional<double>> present(values.begin(), values.end());
  return scaleOf(present);
}

double scalePosition(const ColourScale& scale, double value) {
  if (!(scale.high > scale.low)) return 0.5;
  double t = (value - scale.low) / (scale.high - scale.low);
  // Ends of opposite sign near the largest doubles: their difference
  // overflows, their halves' does not.
  if (!std::isfinite(scale.high - scale.low)) {
    t = (value / 2 - scale.low / 2) / (scale.high / 2 - scale.low / 2);
  }
  if (std::isnan(t)) return 0.5;
  return std::clamp(t, 0.0, 1.0);
}

std::string sequenceColour(double t) {
  if (std::isnan(t)) t = 0.5;
  t = std::clamp(t, 0.0, 1.0) * 8;
  const int i = std::min(static_cast<int>(t), 7);
  const double f = t - i;
  char buffer[8];
  int rgb[3];
  for (int c = 0; c < 3; ++c) {
    rgb[c] = static_cast<int>(kAnchors[i][c] + (kAnchors[i + 1][c] - kAnchors[i][c]) * f + 0.5);
  }
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", rgb[0], rgb[1], rgb[2]);
  return buffer;
}

std::string scaleColour(const ColourScale& scale, double value) {
  return sequenceColour(scalePosition(scale, value));
}

std::vector<double> scaleTicks(const ColourScale& scale, int count) {
  if (!(scale.high > scale.low)) return {scale.low};
  const double span = scale.high - scale.low;
  // A span beyond the doubles: the ends and zero between them.
  if (!std::isfinite(span)) return {scale.low, 0.0, scale.high};
  const double rough = span / std::max(count - 1, 1);
  const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
  double step = magnitude;
  for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
    step = factor * magnitude;
    if (step >= rough) break;
  }
  std::vector<double> ticks;
  const double first = std::ceil(scale.low / step - 1e-9) * step;
  for (double tick = first; tick <= scale.high + step * 1e-9; tick += step) {
    ticks.push_back(std::fabs(tick) < step * 1e-9 ? 0.0 : tick);
    if (ticks.size() > 20) break;
  }
  return ticks;
}

std::string scaleLabel(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.4g", value);
  std::string text = buffer;
  if (text == "-0") text = "0";
  return text;
}

}  // namespace manifit
