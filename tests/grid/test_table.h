// Builds small owning data tables for the grid tests.
#pragma once

#include <vector>

#include "data/data_table.h"

namespace manifit {

inline DataTable makeTable(const std::vector<std::vector<float>>& points) {
  DataTable table;
  table.pointCount = static_cast<int>(points.size());
  table.dimension = points.empty() ? 0 : static_cast<int>(points[0].size());
  const size_t width = static_cast<size_t>(table.dimension);
  table.storage.assign(points.size() * width, 0.0f);
  for (size_t i = 0; i < points.size(); ++i) {
    for (size_t k = 0; k < width; ++k) table.storage[i * width + k] = points[i][k];
  }
  for (size_t i = 0; i < points.size(); ++i) table.rows.push_back(table.storage.data() + i * width);
  table.ownsRows = true;
  return table;
}

}  // namespace manifit
