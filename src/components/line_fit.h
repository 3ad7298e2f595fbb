// The straight-line fit behind each principal component: an alternating
// least-squares iteration on the residual data.
#pragma once

#include <vector>

namespace manifit {

// The residual data, stored by coordinate: R[i][j] is coordinate i of point j.
using Residuals = std::vector<std::vector<float>>;

class ResidualData;

// One alternating least-squares step on the line b + t v:
//   t_j = sum_i (R[i][j] - b_i) v_i / |v|^2   (each point's place on the line)
//   v_i, b_i = slope and intercept of the weighted regression of R[i][.] on t
// then v is scaled to unit length. weights is null for an unweighted table.
// When the points give no slope (all t_j equal, no weight at all, or a
// result out of range) v is kept and b becomes the line through the weighted
// centroid along v, so every number stays finite.
void refineLine(const ResidualData& R, const float* weights, std::vector<double>& v,
                std::vector<double>& b);

// Repeats refineLine until neither v nor b moves by more than 0.01 in any
// coordinate (at most 1000 steps), then turns v so that its first entry is
// not negative. Prints the step count unless quiet. Returns the step count.
int fitLine(const ResidualData& R, const float* weights, std::vector<double>& v,
            std::vector<double>& b, bool quiet);

}  // namespace manifit
