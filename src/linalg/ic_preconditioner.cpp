#include "linalg/ic_preconditioner.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "linalg/csc_tri_solve.h"
#include "linalg/fatal.h"

namespace manifit {

namespace {

// A pivot under the square root that is not a positive finite number would
// turn the factor into NaN or infinities. Such a pivot is replaced by the
// column's original diagonal value of A when that is positive and finite,
// and by 1 otherwise, so the factor keeps a positive diagonal.
double usablePivot(double pivot, double originalDiagonal) {
  if (pivot > 0.0 && std::isfinite(pivot)) return pivot;
  if (originalDiagonal > 0.0 && std::isfinite(originalDiagonal)) return originalDiagonal;
  return 1.0;
}

}  // namespace

IcPreconditioner::IcPreconditioner(const CompColMatrix& A)
    : col_start(A.dims[1] + 1), dims{A.dims[0], A.dims[1]} {
  if (dims[0] != dims[1]) fatalToStderr("IC Preconditioner: matrix is not square!");
  copyLowerTriangle(A);
  sortColumns();
  requireDiagonals();
  const int n = dims[1];
  MV_Vector_double originalDiagonal(n);
  for (int j = 0; j < n; ++j) originalDiagonal[j] = values[col_start[j]];
  factorize(originalDiagonal);
}

void IcPreconditioner::copyLowerTriangle(const CompColMatrix& A) {
  const int n = dims[1];
  nonzeros = 0;
  for (int j = 0; j < n; ++j) {
    for (int p = A.col_start[j]; p < A.col_start[j + 1]; ++p) {
      if (A.row(p) >= j) nonzeros += 1;
    }
  }
  values.newsize(nonzeros);
  row_index.newsize(nonzeros);
  col_start[0] = 0;
  for (int j = 0; j < n; ++j) {
    col_start[j + 1] = col_start[j];
    for (int p = A.col_start[j]; p < A.col_start[j + 1]; ++p) {
      if (A.row(p) < j) continue;
      const int q = col_start[j + 1];
      col_start[j + 1] += 1;
      values[q] = A.value(p);
      row_index[q] = A.row(p);
    }
  }
}

void IcPreconditioner::sortColumns() {
  const int n = dims[1];
  std::vector<std::pair<int, double>> column;
  for (int j = 0; j < n; ++j) {
    column.clear();
    for (int p = col_start[j]; p < col_start[j + 1]; ++p) {
      column.emplace_back(row_index[p], values[p]);
    }
    std::stable_sort(column.begin(), column.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (int p = col_start[j]; p < col_start[j + 1]; ++p) {
      row_index[p] = column[p - col_start[j]].first;
      values[p] = column[p - col_start[j]].second;
    }
  }
}

void IcPreconditioner::requireDiagonals() const {
  const int n = dims[1];
  for (int j = 0; j < n; ++j) {
    if (col_start[j] == col_start[j + 1] || row_index[col_start[j]] != j) {
      const std::string message = "IC Preconditioner: diagonal not found!" + std::to_string(j);
      fatalToStderr(message.c_str());
    }
  }
}

// Factor in place. For each column k: take the square root of the diagonal,
// divide the entries below it by that root, then for each entry i below the
// diagonal (row h) walk column h with a cursor g over column k, comparing
// the row one position after the cursor. The walk only ever pairs entries
// with the last entry of column k, so updates subtract v[i] * v[last] from
// the entry of column h in the last row of column k.
void IcPreconditioner::factorize(const MV_Vector_double& originalDiagonal) {
  const int n = dims[1];
  if (n == 0) return;
  // The row one position after the cursor; past the last stored entry no
  // row follows, which compares as larger than any row.
  const auto rowAfter = [this](int g) {
    return g + 1 < nonzeros ? row_index[g + 1] : std::numeric_limits<int>::max();
  };
  for (int k = 0; k < n - 1; ++k) {
    const int d = col_start[k];
    const int end = col_start[k + 1];
    values[d] = std::sqrt(usablePivot(values[d], originalDiagonal[k]));
    double z = values[d];
    for (int i = d + 1; i < end; ++i) values[i] = values[i] / z;
    for (int i = d + 1; i < end; ++i) {
      z = values[i];
      const int h = row_index[i];
      int g = i;
      for (int j = col_start[h]; j < col_start[h + 1]; ++j) {
        while (g < end) {
          if (rowAfter(g) > row_index[j]) break;
          if (row_index[g] == row_index[j]) values[j] = values[j] - z * values[g];
          g = g + 1;
        }
      }
    }
  }
  const int d = col_start[n - 1];
  values[d] = std::sqrt(usablePivot(values[d], originalDiagonal[n - 1]));
}

void IcPreconditioner::applyInto(const MV_Vector_double& r, MV_Vector_double& z) const {
  const int m = r.length();
  if (m != dims[1] || z.length() != m) {
    fatalToStderr("IC Preconditioner: vector length does not match the matrix order!");
  }
  if (&z != &r) {
    for (int i = 0; i < m; ++i) z[i] = r[i];
  }
  if (m == 0) return;  // nothing to solve; z may hold no storage
  const int transpose = 1;
  const int plain = 0;
  const int columnsOfB = 1;
  const int unitd = 1;
  const double alpha = 1.0;
  const double beta = 0.0;
  const int descra[3] = {0, 1, 0};
  // b = address of t[0] and c = address of t[1]: the solves work in place.
  csc_tri_solve(&plain, &m, &columnsOfB, &unitd, nullptr, &alpha, descra, values.data(),
                row_index.data(), col_start.data(), z.data(), &m, &beta, z.data() + 1, &m, z.data(),
                &m);
  csc_tri_solve(&transpose, &m, &columnsOfB, &unitd, nullptr, &alpha, descra, values.data(),
                row_index.data(), col_start.data(), z.data(), &m, &beta, z.data() + 1, &m, z.data(),
                &m);
}

}  // namespace manifit
