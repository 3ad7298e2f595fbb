#include "linalg/csc_tri_solve.h"

#include "linalg/fatal.h"

namespace manifit {

namespace {

// x = L \ x, where x[i] is stored at out[i - 1].
void solveLower(int m, const double* val, const int* indx, const int* pntr, double* out) {
  const int offset = pntr[0];
  for (int i = 0; i < m; ++i) {
    out[i - 1] = out[i - 1] / val[pntr[i] - offset];
    for (int p = pntr[i] + 1; p < pntr[i + 1]; ++p) {
      const int r = indx[p - offset];
      out[r - 1] = out[r - 1] - out[i - 1] * val[p - offset];
    }
  }
}

// x = L' \ x, where x[i] is stored at out[i - 1].
void solveLowerTransposed(int m, const double* val, const int* indx, const int* pntr, double* out) {
  const int offset = pntr[0];
  for (int i = m - 1; i >= 0; --i) {
    double s = 0.0;
    for (int p = pntr[i] + 1; p < pntr[i + 1]; ++p) {
      s = out[indx[p - offset] - 1] * val[p - offset] + s;
    }
    out[i - 1] = (out[i - 1] - s) / val[pntr[i] - offset];
  }
}

}  // namespace

void csc_tri_solve(const int* transa, const int* m, const int* n, const int* unitd,
                   const double* /*dv*/, const double* alpha, const int* descra, const double* val,
                   const int* indx, const int* pntr, const double* b, const int* ldb,
                   const double* beta, double* c, const int* ldc, double* /*work*/,
                   const int* /*lwork*/) {
  if (descra[0] != 0) fatalToStderr("Must have general matrix");
  if (*beta != 0.0) fatalToStderr("beta != 0 not implemented");
  if (*transa != 0 && *transa != 1 && *transa != 2) fatalToStderr("Bad transa");
  if (*transa != 0 && descra[1] != 1 && descra[1] != 2) fatalToStderr("Bad descra[1]");
  if (descra[2] != 0 && descra[2] != 1) fatalToStderr("Bad descra[2]");
  if (*unitd != 1) fatalToStderr("unitd != 1 not implemented");
  if (descra[1] != 1 || descra[2] != 0) {
    fatalToStderr("csc_tri_solve: only a lower triangle with stored diagonal is implemented");
  }
  for (int column = 0; column < *n; ++column) {
    double* out = c + static_cast<long>(column) * *ldc;
    const double* in = b + static_cast<long>(column) * *ldb;
    // The output starts as a copy of b, unless the two already coincide.
    if (out - 1 != in) {
      for (int i = 0; i < *m; ++i) out[i - 1] = in[i];
    }
    if (*transa == 0) {
      solveLower(*m, val, indx, pntr, out);
    } else {
      solveLowerTransposed(*m, val, indx, pntr, out);
    }
    if (*alpha != 1.0) {
      for (int i = 0; i < *m; ++i) out[i - 1] = *alpha * out[i - 1];
    }
  }
}

}  // namespace manifit
