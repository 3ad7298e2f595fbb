// The table reader: the input is the table file. A table that loads is also
// given statistics, normalized, written back and read again.
#include <cstddef>
#include <cstdint>

#include "common/output.h"
#include "data/column_statistics.h"
#include "data/data_table.h"
#include "fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  manifit::FuzzFolder& folder = manifit::fuzzFolder();
  const std::string path = folder.write("table.txt", data, size);
  manifit::CapturedOutput capture;
  manifit::DataTable table;
  if (!table.readTable(path).ok()) return 0;
  if (table.pointCount <= 0 || table.dimension <= 0) __builtin_trap();
  manifit::ColumnStatistics statistics;
  statistics.computeStatistics(table);
  table.statistics = &statistics;
  table.normalize();
  const std::string written = folder.write("written.txt", nullptr, 0);
  if (!table.writeTable(written)) __builtin_trap();
  manifit::DataTable again;
  again.readTable(written);
  return 0;
}
