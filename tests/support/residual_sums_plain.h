// The plain forms of the residual sums (components/residual_sums.h): one sum
// at a time, in the order that defines them. The fast forms must give the
// same bits.
#pragma once

#include <vector>

#include "components/line_fit.h"

namespace manifit {

// regressionSums, coordinate after coordinate, each over the points in order.
void regressionSumsPlain(const Residuals& R, const float* weights, const std::vector<double>& t,
                         std::vector<double>& sx, std::vector<double>& sxt);

// deflateResiduals, point after point.
void deflateResidualsPlain(Residuals& R, const float* weights, const std::vector<double>& v,
                           double& W, double& S1, double& S2);

}  // namespace manifit
