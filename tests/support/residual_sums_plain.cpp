#include "support/residual_sums_plain.h"

#include <cstddef>

namespace manifit {

namespace {

float weightOf(const float* weights, size_t j) {
  return weights != nullptr ? weights[j] : 1.0f;
}

size_t pointsOf(const Residuals& R) {
  return R.empty() ? 0 : R[0].size();
}

}  // namespace

void regressionSumsPlain(const Residuals& R, const float* weights, const std::vector<double>& t,
                         std::vector<double>& sx, std::vector<double>& sxt) {
  const size_t n = R.size();
  const size_t m = pointsOf(R);
  sx.assign(n, 0.0);
  sxt.assign(n, 0.0);
  for (size_t i = 0; i < n; ++i) {
    const float* x = R[i].data();
    double Sx = 0.0;
    double Sxt = 0.0;
    for (size_t j = 0; j < m; ++j) {
      const float w = weightOf(weights, j);
      Sx += w * x[j];
      Sxt += w * x[j] * t[j];
    }
    sx[i] = Sx;
    sxt[i] = Sxt;
  }
}

void deflateResidualsPlain(Residuals& R, const float* weights, const std::vector<double>& v,
                           double& W, double& S1, double& S2) {
  const size_t n = v.size();
  const size_t m = pointsOf(R);
  W = 0.0;
  S1 = 0.0;
  S2 = 0.0;
  for (size_t j = 0; j < m; ++j) {
    const float w = weightOf(weights, j);
    W += w;
    double p = 0.0;
    for (size_t i = 0; i < n; ++i) p += R[i][j] * v[i];
    for (size_t i = 0; i < n; ++i) R[i][j] = static_cast<float>(R[i][j] - p * v[i]);
    S1 += w * p;
    S2 += w * p * p;
  }
}

}  // namespace manifit
