// The CSV / TSV reader, from memory: any text either gives a table whose
// counts agree with its columns or a message ending with a line end.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/delimited_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (manifit::MissingValues missing :
       {manifit::MissingValues::Refuse, manifit::MissingValues::Drop}) {
    manifit::DataTable table;
    manifit::TableColumns columns;
    const manifit::Status status =
        manifit::parseDelimitedTable(text, "t.csv", missing, table, columns);
    if (!status.ok()) {
      if (status.message.empty() || status.message.back() != '\n') __builtin_trap();
      continue;
    }
    if (table.pointCount <= 0 || table.dimension <= 0) __builtin_trap();
    if (columns.rowNumbers.size() != static_cast<size_t>(table.pointCount)) __builtin_trap();
    if (columns.names.size() != static_cast<size_t>(table.dimension)) __builtin_trap();
    for (const auto& fields : columns.text)
      if (fields.size() != columns.textNames.size()) __builtin_trap();
  }
  return 0;
}
