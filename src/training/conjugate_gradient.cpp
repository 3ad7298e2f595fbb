// Preconditioned conjugate gradients on A x = b with the relative residual
// |r| / |b| as stopping measure (|b| taken as 1 when b = 0), the residual
// updated recursively. The vector updates run in place, each element
// receiving the same operations in the same order as the free-function
// form (p = z + beta * p, x += alpha * p, r -= alpha * q).
//
// A breakdown (r'z or beta or alpha not finite, rho_prev = 0, p'q = 0, or a
// step that would leave x non-finite) stops the iteration: x keeps its last
// finite iterate and the solve reports itself as not converged.
#include <cmath>

#include "linalg/comp_col_matrix.h"
#include "linalg/ic_preconditioner.h"
#include "linalg/mv_vector.h"
#include "linalg/vector_arithmetic.h"
#include "training/sparse_system.h"

namespace manifit {

namespace {

// True when x + alpha * p stays finite in every element.
bool stepStaysFinite(const MV_Vector_double& x, const MV_Vector_double& p, double alpha) {
  const int n = x.length();
  for (int k = 0; k < n; ++k) {
    if (!std::isfinite(x[k] + p[k] * alpha)) return false;
  }
  return true;
}

}  // namespace

int conjugateGradient(const CompColMatrix& A, MV_Vector_double& x, const MV_Vector_double& b,
                      const IcPreconditioner& M, int& limit, double& tol) {
  double normb = euclidean_norm(b);
  MV_Vector_double r = b - A * x;
  if (normb == 0.0) normb = 1.0;
  double resid = euclidean_norm(r) / normb;
  if (resid <= tol) {
    tol = resid;
    limit = 0;
    return 0;
  }
  const int n = r.length();
  MV_Vector_double z(n);
  MV_Vector_double p(n);
  MV_Vector_double q(n);
  double rhoPrev = 0.0;
  for (int i = 1; i <= limit; ++i) {
    M.applyInto(r, z);
    const double rho = dot(r, z);
    if (!std::isfinite(rho)) break;
    if (i == 1) {
      p = z;
    } else {
      if (rhoPrev == 0.0) break;
      const double beta = rho / rhoPrev;
      if (!std::isfinite(beta)) break;
      for (int k = 0; k < n; ++k) p[k] = z[k] + p[k] * beta;
    }
    multiplyInto(A, p, q);
    const double pq = dot(p, q);
    if (pq == 0.0) break;
    const double alpha = rho / pq;
    if (!std::isfinite(alpha) || !stepStaysFinite(x, p, alpha)) break;
    for (int k = 0; k < n; ++k) x[k] = x[k] + p[k] * alpha;
    for (int k = 0; k < n; ++k) r[k] = r[k] - q[k] * alpha;
    const double next = euclidean_norm(r) / normb;
    if (!std::isfinite(next)) break;
    resid = next;
    if (resid <= tol) {
      tol = resid;
      limit = i;
      return 0;
    }
    rhoPrev = rho;
  }
  tol = resid;
  return 1;
}

}  // namespace manifit
