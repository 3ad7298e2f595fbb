// Small helpers on direction vectors of doubles.
#pragma once

#include <vector>

namespace manifit {

// Euclidean norm: sqrt(sum of v_i^2).
double vectorNorm(const std::vector<double>& v);

// Fills v with draws r / 33000 of the shared generator, one per entry in
// order, and scales it to unit length. When every draw is 0 the vector is the
// first axis (1, 0, ..., 0).
void randomUnitVector(std::vector<double>& v);

}  // namespace manifit
