// The sums over the residual data that the component extraction repeats,
// formed in fast passes in which every single sum keeps the order written
// below (the tests hold the plain forms and demand the same bits).
#pragma once

#include <vector>

#include "components/line_fit.h"

namespace manifit {

// sx[i] = sum_j w_j R[i][j] and sxt[i] = sum_j (w_j R[i][j]) t_j, over the
// points j in order (w_j R[i][j] a float product; w_j = 1 without weights).
void regressionSums(const Residuals& R, const float* weights, const std::vector<double>& t,
                    std::vector<double>& sx, std::vector<double>& sxt);

// Deflation: for each point j, p_j = sum_i R[i][j] v_i over the coordinates
// in order, then R[i][j] = R[i][j] - p_j v_i (stored as float); W, S1 and S2
// sum w_j, w_j p_j and (w_j p_j) p_j over the points in order.
void deflateResiduals(Residuals& R, const float* weights, const std::vector<double>& v, double& W,
                      double& S1, double& S2);

// W, S1 and S2 sum w_j, w_j p_j and (w_j p_j) p_j over the points j of p in
// order (w_j = 1 without weights).
void weightedMoments(const float* weights, const std::vector<double>& p, double& W, double& S1,
                     double& S2);

}  // namespace manifit
