// The configuration reader: section search, tokenizer, keys and the creation
// of the configured grid, and the run's second look at its section (the
// warnings). The first byte gives the data dimension (1 to 8),
// the second the algorithm number (0 to 15); the rest is the file.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "common/output.h"
#include "config/configuration.h"
#include "config/section_check.h"
#include "data/data_table.h"
#include "fuzz_files.h"
#include "grid/grid.h"
#include "grid/grid_types.h"
#include "training/elastic_map.h"

// Grids of up to 2000 nodes: building a million-node grid under the
// sanitizers takes seconds, and the size checks run the same either way.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  manifit::limitGridSizes(2000, 16000);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  manifit::DataTable table;
  table.allocateRows(3, 1 + data[0] % 8);
  const int n = data[1] % 16;
  const std::string path = manifit::fuzzFolder().write("config.ini", data + 2, size - 2);

  const manifit::SectionReport report = manifit::examineSection(path, n);
  if (report.text.empty() && !report.warnings.empty()) __builtin_trap();

  manifit::CapturedOutput capture;
  manifit::ElasticMap map;
  map.setData(table);
  std::unique_ptr<manifit::Grid> grid;
  const manifit::Status status = manifit::readConfiguration(map, path, n, grid);
  if (!status.ok()) return 0;
  if (!grid || map.stageCount != static_cast<int>(map.stages.size())) __builtin_trap();
  if (grid->nodeCount != static_cast<int>(grid->nodes.size()) ||
      grid->edgeCount != static_cast<int>(grid->edges.size()) ||
      grid->ribCount != static_cast<int>(grid->ribs.size())) {
    __builtin_trap();
  }
  return 0;
}
