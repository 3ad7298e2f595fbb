// Numeric colour scales: a value between the scale's ends maps to a colour of
// a perceptually even sequence (dark blue through green to yellow), and the
// scale bar carries round numbers.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace manifit {

struct ColourScale {
  double low = 0;
  double high = 1;
};

// The colour of a node or point without a value ("no points").
extern const char* const kNoValueColour;

// The smallest and largest of the present values; [0, 1] when there are none.
ColourScale scaleOf(const std::vector<std::optional<double>>& values);
ColourScale scaleOf(const std::vector<double>& values);

// Position of the value on the scale, clamped to [0, 1]; 0.5 for a scale of
// one value.
double scalePosition(const ColourScale& scale, double value);

// "#rrggbb" of the sequence at position t in [0, 1].
std::string sequenceColour(double t);

// The colour of a value on the scale.
std::string scaleColour(const ColourScale& scale, double value);

// Up to about `count` round values within the scale, the ends included when
// the scale is a single value.
std::vector<double> scaleTicks(const ColourScale& scale, int count);

// A value as a scale label: up to four significant digits, no "-0".
std::string scaleLabel(double value);

}  // namespace manifit
