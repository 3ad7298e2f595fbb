// The node-file reader of the generating manifold: the first byte gives the
// grid dimension (1 to 8), the rest is the node file.
#include <cstddef>
#include <cstdint>

#include "common/output.h"
#include "fuzz_files.h"
#include "grid/grid.h"
#include "grid/grid_types.h"

// The node limit is reached within a short input.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  manifit::limitGridSizes(500, 4000);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int dimension = 1 + data[0] % 8;
  const std::string path = manifit::fuzzFolder().write("nodes.txt", data + 1, size - 1);
  manifit::CapturedOutput capture;
  manifit::Grid grid;
  grid.dimension = dimension;
  if (!grid.readNodes(path).ok()) return 0;
  if (grid.nodeCount <= 0 || grid.nodeCount != static_cast<int>(grid.nodes.size())) {
    __builtin_trap();
  }
  for (const auto& node : grid.nodes) {
    if (static_cast<int>(node.size()) != dimension) __builtin_trap();
  }
  return 0;
}
