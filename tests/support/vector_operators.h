// The operations on fresh vectors that the plain conjugate-gradient iteration
// of the tests is written with (the solver itself works in place). Each walks
// the indices in ascending order; a length mismatch ends the run as the
// solver's own arithmetic does (linalg/vector_arithmetic.h).
#pragma once

#include "linalg/ic_preconditioner.h"
#include "linalg/mv_vector.h"
#include "linalg/vector_arithmetic.h"

namespace manifit {

// r[i] = x[i] * a
MV_Vector_double operator*(double a, const MV_Vector_double& x);
// r[i] = x[i] + y[i]
MV_Vector_double operator+(const MV_Vector_double& x, const MV_Vector_double& y);
// x[i] = x[i] + y[i]
MV_Vector_double& operator+=(MV_Vector_double& x, const MV_Vector_double& y);
// x[i] = x[i] - y[i]
MV_Vector_double& operator-=(MV_Vector_double& x, const MV_Vector_double& y);

// z = (L L')^-1 r as a fresh vector (M.applyInto).
MV_Vector_double preconditioned(const IcPreconditioner& M, const MV_Vector_double& r);

}  // namespace manifit
