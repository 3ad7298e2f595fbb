// Small builders for the linear-algebra tests.
#pragma once

#include <initializer_list>
#include <vector>

#include "linalg/comp_col_matrix.h"
#include "linalg/coord_matrix.h"

namespace manifit {

struct Entry {
  int row;
  int column;
  double value;
};

// A compressed-column matrix converted from entries given in this order.
inline CompColMatrix convert(int rows, int columns, const std::vector<Entry>& entries) {
  std::vector<int> r;
  std::vector<int> c;
  std::vector<double> v;
  for (const Entry& e : entries) {
    r.push_back(e.row);
    c.push_back(e.column);
    v.push_back(e.value);
  }
  const CoordMatrix coordinates(rows, columns, static_cast<int>(entries.size()), v.data(), r.data(),
                                c.data(), 0);
  return CompColMatrix(coordinates);
}

// Every nonzero of a dense square matrix, row by row.
inline std::vector<Entry> entriesOf(const std::vector<std::vector<double>>& dense) {
  std::vector<Entry> entries;
  for (int i = 0; i < static_cast<int>(dense.size()); ++i) {
    for (int j = 0; j < static_cast<int>(dense[i].size()); ++j) {
      if (dense[i][j] != 0.0) entries.push_back({i, j, dense[i][j]});
    }
  }
  return entries;
}

inline std::vector<int> intsOf(const MV_Vector_int& v) {
  return std::vector<int>(v.data(), v.data() + v.length());
}

inline std::vector<double> doublesOf(const MV_Vector_double& v) {
  return std::vector<double>(v.data(), v.data() + v.length());
}

inline MV_Vector_double vectorOf(std::initializer_list<double> values) {
  return MV_Vector_double(values.begin(), static_cast<int>(values.size()));
}

inline MV_Vector_double vectorOf(const std::vector<double>& values) {
  return MV_Vector_double(values.data(), static_cast<int>(values.size()));
}

}  // namespace manifit
