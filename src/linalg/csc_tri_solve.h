// Compressed-column triangular-solve kernel: c = alpha * op(T)^-1 * b for a
// triangle T stored with its diagonal first in each column. Every argument
// except the diagonal-scaling vector is passed by address. As in
// csc_mult_add, the output is addressed one-based (row r lands in c[r - 1])
// and values and row indices are read at position p - pntr[0]; b and the
// output may be the same array (c = b + 1).
#pragma once

namespace manifit {

// transa: 0 solves with T, 1 or 2 with its transpose. descra: [0] 0 =
// general, [1] 1 = lower triangle, [2] 0 = diagonal stored. unitd must be 1
// and beta 0.0. dv, work and lwork are not read. Only the lower triangle
// with a stored diagonal is implemented.
void csc_tri_solve(const int* transa, const int* m, const int* n, const int* unitd,
                   const double* dv, const double* alpha, const int* descra, const double* val,
                   const int* indx, const int* pntr, const double* b, const int* ldb,
                   const double* beta, double* c, const int* ldc, double* work, const int* lwork);

}  // namespace manifit
