#include "linalg/csc_mult_add.h"

#include "linalg/fatal.h"

namespace manifit {

namespace {

// c[r - 1] = b[j] * alpha * A[r][j] + c[r - 1], columns ascending.
void multiplyPlain(int k, double alpha, const double* val, const int* indx, const int* pntr,
                   const double* b, double* c) {
  const int offset = pntr[0];
  for (int j = 0; j < k; ++j) {
    const double bj = alpha == 1.0 ? b[j] : alpha * b[j];
    for (int p = pntr[j]; p < pntr[j + 1]; ++p) {
      const int r = indx[p - offset];
      c[r - 1] = bj * val[p - offset] + c[r - 1];
    }
  }
}

// c[j - 1] = alpha * (sum over column j of A[r][j] * b[r]) + c[j - 1].
void multiplyTransposed(int k, double alpha, const double* val, const int* indx, const int* pntr,
                        const double* b, double* c) {
  const int offset = pntr[0];
  for (int j = 0; j < k; ++j) {
    double sum = 0.0;
    for (int p = pntr[j]; p < pntr[j + 1]; ++p) {
      sum = b[indx[p - offset]] * val[p - offset] + sum;
    }
    c[j - 1] = alpha * sum + c[j - 1];
  }
}

}  // namespace

void csc_mult_add(const int* transa, const int* m, const int* n, const int* k, const double* alpha,
                  const int* descra, const double* val, const int* indx, const int* pntr,
                  const double* b, const int* ldb, const double* beta, double* c, const int* ldc,
                  double* /*work*/, const int* /*lwork*/) {
  if (descra[0] != 0) fatalToStderr("Must have general matrix");
  if (*transa < 0 || *transa > 2) fatalToStderr("Bad transa");
  const int outputRows = *transa == 0 ? *m : *k;
  for (int column = 0; column < *n; ++column) {
    double* out = c + static_cast<long>(column) * *ldc;
    const double* in = b + static_cast<long>(column) * *ldb;
    if (*beta != 1.0) {
      for (int r = 0; r < outputRows; ++r) out[r - 1] = *beta == 0.0 ? 0.0 : *beta * out[r - 1];
    }
    if (*transa == 0) {
      multiplyPlain(*k, *alpha, val, indx, pntr, in, out);
    } else {
      multiplyTransposed(*k, *alpha, val, indx, pntr, in, out);
    }
  }
}

}  // namespace manifit
