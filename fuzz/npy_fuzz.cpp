// The .npy reader, from memory: tables and weights.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "data/npy_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  manifit::DataTable table;
  if (manifit::parseNpyTable(bytes, "a.npy", table).ok()) {
    if (table.pointCount <= 0 || table.dimension <= 0) __builtin_trap();
    for (int i = 0; i < table.pointCount; ++i)
      for (int j = 0; j < table.dimension; ++j)
        if (!std::isfinite(table.row(i)[j])) __builtin_trap();
  }
  std::vector<float> weights;
  for (int count : {1, 3, 100}) {
    if (manifit::parseNpyWeights(bytes, "w.npy", count, weights).ok() &&
        weights.size() != static_cast<size_t>(count)) {
      __builtin_trap();
    }
  }
  return 0;
}
