// NumPy .npy arrays of 32- or 64-bit floats, in C or Fortran order: tables
// (two dimensions) and weights (one dimension, or one column). The header
// and the sizes are checked against the file's length before anything is
// allocated.
#pragma once

#include <string>
#include <vector>

#include "common/status.h"
#include "data/data_table.h"

namespace manifit {

// True when the file starts with the .npy magic string.
bool isNpyFile(const std::string& path);

// Reads a 2-D array into an empty table, one row per point.
Status readNpyTable(const std::string& path, DataTable& table);
Status parseNpyTable(const std::string& bytes, const std::string& name, DataTable& table);

// Reads one weight per point: `count` values, shape (count,) or (count, 1).
Status readNpyWeights(const std::string& path, int count, std::vector<float>& weights);
Status parseNpyWeights(const std::string& bytes, const std::string& name, int count,
                       std::vector<float>& weights);

}  // namespace manifit
