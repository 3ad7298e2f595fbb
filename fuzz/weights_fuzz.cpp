// The weights reader: the first byte gives the point count of a table of
// zeros (1 to 64 points), the rest is the weights file.
#include <cstddef>
#include <cstdint>

#include "common/output.h"
#include "data/column_statistics.h"
#include "data/data_table.h"
#include "fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  manifit::DataTable table;
  table.allocateRows(1 + data[0] % 64, 2);
  const std::string path = manifit::fuzzFolder().write("weights.txt", data + 1, size - 1);
  manifit::CapturedOutput capture;
  if (!table.readWeights(path).ok()) return 0;
  if (table.weighted && !(table.totalWeight > 0.0f)) __builtin_trap();
  manifit::ColumnStatistics statistics;
  statistics.computeStatistics(table);
  return 0;
}
