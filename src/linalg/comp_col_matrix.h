// Compressed-column sparse matrix, built from a coordinate matrix by a
// stable counting sort on the column, and its product with a dense vector.
#pragma once

#include "linalg/coord_matrix.h"
#include "linalg/mv_vector.h"

namespace manifit {

class CompColMatrix {
 public:
  MV_Vector_double values;
  MV_Vector_int row_index;
  MV_Vector_int col_start;  // column j: positions col_start[j] .. col_start[j+1]-1
  int base = 0;
  int nonzeros = 0;
  int dims[2] = {0, 0};

  // Entries of one column keep the order they had in the source. Every
  // source index must lie inside dims; otherwise the conversion ends the
  // run with a message (see fatal.h).
  explicit CompColMatrix(const CoordMatrix& source);

  double value(int p) const { return values[p]; }
  int row(int p) const { return row_index[p]; }
};

// y = A * x, a fresh vector of dims[0] elements.
MV_Vector_double operator*(const CompColMatrix& A, const MV_Vector_double& x);

// y = A * x into y, which must already have dims[0] elements; the same
// operations, in the same order, as the product above.
void multiplyInto(const CompColMatrix& A, const MV_Vector_double& x, MV_Vector_double& y);

}  // namespace manifit
