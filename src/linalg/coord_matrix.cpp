#include "linalg/coord_matrix.h"

namespace manifit {

CoordMatrix::CoordMatrix(int rows, int columns, int nz, const double* entryValues,
                         const int* entryRows, const int* entryColumns, int indexBase)
    : values(entryValues, nz),
      row_index(entryRows, nz),
      col_index(entryColumns, nz),
      base(indexBase),
      nonzeros(nz),
      dims{rows, columns} {}

}  // namespace manifit
