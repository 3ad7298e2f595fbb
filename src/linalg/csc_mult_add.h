// Compressed-column multiply kernel: c = beta*c + alpha*op(A)*b, every
// argument by address. The output is addressed one-based (row r lands in
// c[r - 1]), so a caller with zero-based rows passes the address of its
// element 1. Values and row indices are read at position p - pntr[0].
#pragma once

namespace manifit {

// transa: 0 uses A, 1 or 2 its transpose. descra[0] must be 0 (general).
// A has m rows and k columns; b and c have n columns with leading
// dimensions ldb and ldc. work and lwork are not read.
void csc_mult_add(const int* transa, const int* m, const int* n, const int* k, const double* alpha,
                  const int* descra, const double* val, const int* indx, const int* pntr,
                  const double* b, const int* ldb, const double* beta, double* c, const int* ldc,
                  double* work, const int* lwork);

}  // namespace manifit
