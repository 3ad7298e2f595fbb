// Tables handed to the library: a view on the caller's rows (never copied
// until needed) and an owning table that the library may take over.
#pragma once

#include <vector>

namespace manifit {

// pointCount rows of dimension 32-bit floats, row after row, and optionally
// one weight per point; the library only reads them.
struct TableView {
  const float* rows = nullptr;
  int pointCount = 0;
  int dimension = 0;
  const float* weights = nullptr;  // pointCount weights, or none
};

// A table that owns its rows; prepare() takes it over without a copy.
struct Table {
  std::vector<float> values;  // pointCount x dimension, row after row
  int pointCount = 0;
  int dimension = 0;
  std::vector<float> weights;  // empty, or one weight per point

  TableView view() const {
    return TableView{values.data(), pointCount, dimension,
                     weights.empty() ? nullptr : weights.data()};
  }
};

}  // namespace manifit
