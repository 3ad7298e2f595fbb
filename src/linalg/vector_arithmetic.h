// Arithmetic on dense double vectors, as the conjugate-gradient solve uses
// it. Every element-wise operation walks the indices in ascending order; the
// difference returns a fresh vector. A length mismatch ends the run with a
// fixed message for standard output and status 1 before any element is
// touched (see fatal.h).
#pragma once

#include "linalg/mv_vector.h"

namespace manifit {

// r[i] = x[i] - y[i]
MV_Vector_double operator-(const MV_Vector_double& x, const MV_Vector_double& y);
// sum of x[i] * y[i], from 0.0, ascending i
double dot(const MV_Vector_double& x, const MV_Vector_double& y);
// sqrt(dot(x, x)), without scaling against overflow
double euclidean_norm(const MV_Vector_double& x);

}  // namespace manifit
