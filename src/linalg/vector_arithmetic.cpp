#include "linalg/vector_arithmetic.h"

#include <cmath>

#include "linalg/fatal.h"

namespace manifit {

namespace {

void requireSameLengthForDifference(const MV_Vector_double& x, const MV_Vector_double& y) {
  if (x.length() != y.length()) fatalToStdout("Incompatible vector lengths in -.");
}

}  // namespace

MV_Vector_double operator-(const MV_Vector_double& x, const MV_Vector_double& y) {
  requireSameLengthForDifference(x, y);
  const int n = x.length();
  MV_Vector_double result(n);
  for (int i = 0; i < n; ++i) result[i] = x[i] - y[i];
  return result;
}

double dot(const MV_Vector_double& x, const MV_Vector_double& y) {
  if (x.length() != y.length()) fatalToStdout("Incompatible dimensions in dot(). ");
  double sum = 0.0;
  const int n = x.length();
  for (int i = 0; i < n; ++i) sum = sum + x[i] * y[i];
  return sum;
}

double euclidean_norm(const MV_Vector_double& x) {
  return std::sqrt(dot(x, x));
}

}  // namespace manifit
