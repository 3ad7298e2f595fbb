#include "linalg/comp_col_matrix.h"

#include "linalg/csc_mult_add.h"
#include "linalg/fatal.h"

namespace manifit {

namespace {

// The conversion uses indices as array positions, so each must be in range.
void requireIndicesInside(const CoordMatrix& source) {
  if (source.dims[0] < 0 || source.dims[1] < 0 || source.nonzeros < 0) {
    fatalToStderr("Error in CompCol conversion -- entry index out of range.");
  }
  for (int p = 0; p < source.nonzeros; ++p) {
    const int r = source.row(p);
    const int c = source.column(p);
    if (r < 0 || r >= source.dims[0] || c < 0 || c >= source.dims[1]) {
      fatalToStderr("Error in CompCol conversion -- entry index out of range.");
    }
  }
}

}  // namespace

CompColMatrix::CompColMatrix(const CoordMatrix& source)
    : values(source.nonzeros),
      row_index(source.nonzeros),
      col_start(source.dims[1] + 1),
      base(source.base),
      nonzeros(source.nonzeros),
      dims{source.dims[0], source.dims[1]} {
  requireIndicesInside(source);
  const int columns = dims[1];
  MV_Vector_int tally(columns + 1, 0);
  for (int p = 0; p < nonzeros; ++p) tally[source.column(p)] += 1;
  col_start[0] = 0;
  for (int j = 0; j < columns; ++j) col_start[j + 1] = col_start[j] + tally[j];
  tally = col_start;  // tally[j]: next free position of column j
  for (int p = 0; p < nonzeros; ++p) {
    const int q = tally[source.column(p)];
    values[q] = source.value(p);
    row_index[q] = source.row(p);
    tally[source.column(p)] += 1;
  }
}

MV_Vector_double operator*(const CompColMatrix& A, const MV_Vector_double& x) {
  if (x.length() != A.dims[1]) {
    fatalToStderr("Error in CompCol Matvec -- incompatible dimensions.");
  }
  MV_Vector_double y(A.dims[0], 0.0);
  multiplyInto(A, x, y);
  return y;
}

void multiplyInto(const CompColMatrix& A, const MV_Vector_double& x, MV_Vector_double& y) {
  if (x.length() != A.dims[1] || y.length() != A.dims[0]) {
    fatalToStderr("Error in CompCol Matvec -- incompatible dimensions.");
  }
  for (int i = 0; i < y.length(); ++i) y[i] = 0.0;
  if (y.length() == 0) return;  // no row to write; y may hold no storage
  const int transa = 0;
  const int columnsOfB = 1;
  const double alpha = 1.0;
  const double beta = 1.0;
  const int descra[3] = {0, 0, 0};
  // One-based output addressing: row r goes to (address of y[1])[r - 1].
  csc_mult_add(&transa, &A.dims[0], &columnsOfB, &A.dims[1], &alpha, descra, A.values.data(),
               A.row_index.data(), A.col_start.data(), x.data(), &A.dims[1], &beta, y.data() + 1,
               &A.dims[0], y.data(), &A.dims[0]);
}

}  // namespace manifit
