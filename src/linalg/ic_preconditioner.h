// Incomplete Cholesky preconditioner: a factor L on the pattern of the
// lower triangle of a symmetric compressed-column matrix, with its own
// update rule (see factorize), applied as z = (L L')^-1 r.
#pragma once

#include "linalg/comp_col_matrix.h"
#include "linalg/mv_vector.h"

namespace manifit {

class IcPreconditioner {
 public:
  MV_Vector_double values;  // entries of L, column by column, diagonal first
  MV_Vector_int col_start;
  MV_Vector_int row_index;
  int nonzeros = 0;
  int dims[2] = {0, 0};

  // Copies the lower triangle of A, sorts each column by row, checks that
  // each column starts with its diagonal and factors in place. A missing
  // diagonal ends the run with status 1 (see fatal.h).
  explicit IcPreconditioner(const CompColMatrix& A);

  // z = (L L')^-1 r, written into z; r's length must equal the order and z
  // must have r's length (z may be r itself).
  void applyInto(const MV_Vector_double& r, MV_Vector_double& z) const;

 private:
  void copyLowerTriangle(const CompColMatrix& A);
  void sortColumns();
  void requireDiagonals() const;
  void factorize(const MV_Vector_double& originalDiagonal);
};

}  // namespace manifit
