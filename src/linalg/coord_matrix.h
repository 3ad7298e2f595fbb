// Coordinate (triplet) sparse matrix: three parallel arrays of entries, kept
// in the order given, neither sorted nor merged.
#pragma once

#include "linalg/mv_vector.h"

namespace manifit {

class CoordMatrix {
 public:
  MV_Vector_double values;
  MV_Vector_int row_index;
  MV_Vector_int col_index;
  int base = 0;
  int nonzeros = 0;
  int dims[2] = {0, 0};

  // Copies nz entries from the caller's arrays; the caller keeps them.
  CoordMatrix(int rows, int columns, int nz, const double* entryValues, const int* entryRows,
              const int* entryColumns, int indexBase);

  double value(int p) const { return values[p]; }
  int row(int p) const { return row_index[p]; }
  int column(int p) const { return col_index[p]; }
};

}  // namespace manifit
