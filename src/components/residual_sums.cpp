#include "components/residual_sums.h"

#include <algorithm>

#include "common/parallel.h"

namespace manifit {

namespace {

constexpr size_t kSideBySide = 8;  // coordinates summed together

float weightOf(const float* weights, size_t j) {
  return weights != nullptr ? weights[j] : 1.0f;
}

size_t pointsOf(const Residuals& R) {
  return R.empty() ? 0 : R[0].size();
}

}  // namespace

// Up to eight coordinates at once: sixteen independent sums per point.
void regressionSums(const Residuals& R, const float* weights, const std::vector<double>& t,
                    std::vector<double>& sx, std::vector<double>& sxt) {
  const size_t n = R.size();
  const size_t m = pointsOf(R);
  sx.assign(n, 0.0);
  sxt.assign(n, 0.0);
  const long groups = static_cast<long>((n + kSideBySide - 1) / kSideBySide);
  const double perGroup = 4.0 * static_cast<double>(m * kSideBySide);
  parallelFor(groups, perGroup, [&](long first, long last) {
    for (size_t i0 = static_cast<size_t>(first) * kSideBySide;
         i0 < std::min(n, static_cast<size_t>(last) * kSideBySide); i0 += kSideBySide) {
      const size_t width = std::min(kSideBySide, n - i0);
      const float* x[kSideBySide];
      for (size_t c = 0; c < kSideBySide; ++c) x[c] = R[i0 + std::min(c, width - 1)].data();
      double Sx[kSideBySide] = {};
      double Sxt[kSideBySide] = {};
      for (size_t j = 0; j < m; ++j) {
        const float w = weightOf(weights, j);
        const double tj = t[j];
        for (size_t c = 0; c < kSideBySide; ++c) {
          const float wx = w * x[c][j];
          Sx[c] += wx;
          Sxt[c] += wx * tj;
        }
      }
      for (size_t c = 0; c < width; ++c) {
        sx[i0 + c] = Sx[c];
        sxt[i0 + c] = Sxt[c];
      }
    }
  });
}

// The projections of all points first, coordinate after coordinate (each
// p_j still sums its coordinates in order), so every pass runs along one
// contiguous array.
void deflateResiduals(Residuals& R, const float* weights, const std::vector<double>& v, double& W,
                      double& S1, double& S2) {
  const size_t n = v.size();
  const size_t m = pointsOf(R);
  std::vector<double> p(m, 0.0);
  parallelFor(static_cast<long>(m), 5.0 * static_cast<double>(n), [&](long begin, long end) {
    const size_t from = static_cast<size_t>(begin);
    const size_t to = static_cast<size_t>(end);
    for (size_t i = 0; i < n; ++i) {
      const float* x = R[i].data();
      const double vi = v[i];
      for (size_t j = from; j < to; ++j) p[j] += x[j] * vi;
    }
    for (size_t i = 0; i < n; ++i) {
      float* x = R[i].data();
      const double vi = v[i];
      for (size_t j = from; j < to; ++j) x[j] = static_cast<float>(x[j] - p[j] * vi);
    }
  });
  weightedMoments(weights, p, W, S1, S2);
}

void weightedMoments(const float* weights, const std::vector<double>& p, double& W, double& S1,
                     double& S2) {
  W = 0.0;
  S1 = 0.0;
  S2 = 0.0;
  for (size_t j = 0; j < p.size(); ++j) {
    const float w = weightOf(weights, j);
    W += w;
    S1 += w * p[j];
    S2 += w * p[j] * p[j];
  }
}

}  // namespace manifit
