#include "support/vector_operators.h"

#include "linalg/fatal.h"

namespace manifit {

namespace {

void requireSameLengthForSum(const MV_Vector_double& x, const MV_Vector_double& y) {
  if (x.length() != y.length()) fatalToStdout("Incompatible vector lengths in +.");
}

void requireSameLengthForDifference(const MV_Vector_double& x, const MV_Vector_double& y) {
  if (x.length() != y.length()) fatalToStdout("Incompatible vector lengths in -.");
}

}  // namespace

MV_Vector_double operator*(double a, const MV_Vector_double& x) {
  const int n = x.length();
  MV_Vector_double result(n);
  for (int i = 0; i < n; ++i) result[i] = x[i] * a;
  return result;
}

MV_Vector_double operator+(const MV_Vector_double& x, const MV_Vector_double& y) {
  requireSameLengthForSum(x, y);
  const int n = x.length();
  MV_Vector_double result(n);
  for (int i = 0; i < n; ++i) result[i] = x[i] + y[i];
  return result;
}

MV_Vector_double& operator+=(MV_Vector_double& x, const MV_Vector_double& y) {
  requireSameLengthForSum(x, y);
  const int n = x.length();
  for (int i = 0; i < n; ++i) x[i] = x[i] + y[i];
  return x;
}

MV_Vector_double& operator-=(MV_Vector_double& x, const MV_Vector_double& y) {
  requireSameLengthForDifference(x, y);
  const int n = x.length();
  for (int i = 0; i < n; ++i) x[i] = x[i] - y[i];
  return x;
}

MV_Vector_double preconditioned(const IcPreconditioner& M, const MV_Vector_double& r) {
  MV_Vector_double z(r);
  M.applyInto(r, z);
  return z;
}

}  // namespace manifit
