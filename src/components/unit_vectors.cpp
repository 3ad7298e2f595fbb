#include "components/unit_vectors.h"

#include <cmath>

#include "common/random.h"

namespace manifit {

double vectorNorm(const std::vector<double>& v) {
  double sum = 0.0;
  for (double x : v) sum += x * x;
  return std::sqrt(sum);
}

void randomUnitVector(std::vector<double>& v) {
  for (double& x : v) x = sharedRandom().next() * 1.0 / 33000;
  double norm = vectorNorm(v);
  if (norm == 0.0 && !v.empty()) {
    v[0] = 1.0;
    norm = 1.0;
  }
  for (double& x : v) x /= norm;
}

}  // namespace manifit
