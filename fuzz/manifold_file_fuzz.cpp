// The manifold-file reader of the library: a map read from any bytes is
// either refused or one that project() accepts.
#include <cstddef>
#include <cstdint>

#include "fuzz_files.h"
#include "grid/grid_types.h"
#include "manifit/files.h"
#include "manifit/fit.h"

// The node limit is reached within a short input.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  manifit::limitGridSizes(500, 4000);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = manifit::fuzzFolder().write("grid.map", data, size);
  const manifit::MapFile read = manifit::readManifoldFile(path);
  if (!read.ok()) return 0;
  const manifit::Map& map = read.map;
  const size_t nodes = static_cast<size_t>(map.nodeCount());
  if (nodes < 1 || map.gridCoordinates.size() != 3 * nodes) __builtin_trap();
  // Every node of the map can be projected onto it.
  const manifit::TableView points{map.nodes.data(), map.nodeCount(), map.dimension, nullptr};
  const manifit::ProjectResult projected = manifit::project(map, points, 1);
  if (!projected.ok()) __builtin_trap();
  for (int node : projected.projection.nearestNode) {
    if (node < 0 || node >= map.nodeCount()) __builtin_trap();
  }
  return 0;
}
