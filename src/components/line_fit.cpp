#include "components/line_fit.h"

#include <algorithm>
#include <cmath>

#include "common/output.h"
#include "components/residual_data.h"
#include "components/unit_vectors.h"

namespace manifit {

namespace {

float weightOf(const float* weights, size_t j) {
  return weights != nullptr ? weights[j] : 1.0f;
}

// The line through the weighted centroid along the unchanged v:
// b_i = (Sx_i - St v_i) / W.
void keepDirection(const std::vector<double>& sx, double W, double St, const std::vector<double>& v,
                   std::vector<double>& b) {
  if (W == 0.0) return;
  for (size_t i = 0; i < b.size(); ++i) b[i] = (sx[i] - St * v[i]) / W;
}

}  // namespace

void refineLine(const ResidualData& R, const float* weights, std::vector<double>& v,
                std::vector<double>& b) {
  const size_t n = v.size();
  const double norm = vectorNorm(v);
  const double vv = norm * norm;

  std::vector<double> t;
  std::vector<double> sx;
  std::vector<double> sxt;
  R.lineSums(weights, v, b, vv, t, sx, sxt);
  const size_t m = t.size();

  double W = 0.0;
  double St = 0.0;
  double Stt = 0.0;
  for (size_t j = 0; j < m; ++j) {
    const float w = weightOf(weights, j);
    W += w;
    St += w * t[j];
    Stt += w * t[j] * t[j];
  }
  const double den = W * Stt - St * St;

  std::vector<double> newV(n, 0.0);
  std::vector<double> newB(n, 0.0);
  bool finite = true;
  for (size_t i = 0; i < n; ++i) {
    if (W == 0.0 || den == 0.0) continue;
    const double Sx = sx[i];
    const double Sxt = sxt[i];
    newV[i] = (W * Sxt - Sx * St) / den;
    newB[i] = (Stt * Sx - St * Sxt) / den;
    finite = finite && std::isfinite(newV[i]) && std::isfinite(newB[i]);
  }

  const double newNorm = finite && W != 0.0 && den != 0.0 ? vectorNorm(newV) : 0.0;
  if (newNorm == 0.0 || !std::isfinite(newNorm)) {
    keepDirection(sx, W, St, v, b);
    return;
  }
  for (size_t i = 0; i < n; ++i) v[i] = newV[i] / newNorm;
  b = newB;
}

int fitLine(const ResidualData& R, const float* weights, std::vector<double>& v,
            std::vector<double>& b, bool quiet) {
  std::vector<double> previousV = v;
  std::vector<double> previousB = b;
  double D = 1.0e10;
  int steps = 0;
  while (D > 0.01) {
    refineLine(R, weights, v, b);
    double dV = 0.0;
    double dB = 0.0;
    for (size_t i = 0; i < v.size(); ++i) {
      dV = std::max(dV, std::fabs(previousV[i] - v[i]));
      dB = std::max(dB, std::fabs(previousB[i] - b[i]));
    }
    D = std::max(dV, dB);
    previousV = v;
    previousB = b;
    ++steps;
    if (steps > 1000) {
      D = 0.0;
      if (!quiet) print("The process did not converge\n");
    }
  }
  if (!v.empty() && v[0] < 0.0) {
    for (double& x : v) x = -x;
  }
  if (!quiet) print("%i iterations\n", steps);
  return steps;
}

}  // namespace manifit
