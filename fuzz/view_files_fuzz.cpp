// The viewer's readers: the first byte picks the reader (manifold file,
// component summary, point table, projections, labels), the rest is the file.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz_files.h"
#include "view/view_files.h"

namespace {

bool finite(const std::vector<double>& values) {
  for (double x : values) {
    if (!std::isfinite(x)) return false;
  }
  return true;
}

template <size_t N>
bool indicesBelow(const std::vector<std::array<int, N>>& rows, int count) {
  for (const auto& row : rows) {
    for (int index : row) {
      if (index < 0 || index >= count) return false;
    }
  }
  return true;
}

void checkManifold(const std::string& path) {
  manifit::ManifoldFile map;
  if (!manifit::readManifoldFile(path, map).ok()) return;
  if (map.nodeCount < 1 || map.dimension < 1) __builtin_trap();
  if (map.nodes.size() != static_cast<size_t>(map.nodeCount)) __builtin_trap();
  if (map.gridCoords.size() != map.nodes.size()) __builtin_trap();
  for (const auto& node : map.nodes) {
    if (node.size() != static_cast<size_t>(map.dimension) || !finite(node)) __builtin_trap();
  }
  if (map.edges.size() != static_cast<size_t>(map.edgeCount) ||
      !indicesBelow(map.edges, map.nodeCount) || !indicesBelow(map.ribs, map.nodeCount) ||
      !indicesBelow(map.triangles, map.nodeCount)) {
    __builtin_trap();
  }
}

void checkSummary(const std::string& path) {
  manifit::ComponentSummary summary;
  if (!manifit::readComponentSummary(path, summary).ok()) return;
  if (summary.componentCount < 2 || summary.mean.size() != static_cast<size_t>(summary.dimension) ||
      summary.components.size() != static_cast<size_t>(summary.componentCount) ||
      summary.fractions.size() != static_cast<size_t>(summary.componentCount) ||
      !finite(summary.mean) || !finite(summary.components[0]) || !finite(summary.components[1]) ||
      !std::isfinite(summary.fractions[0]) || !std::isfinite(summary.fractions[1])) {
    __builtin_trap();
  }
}

void checkPoints(const std::string& path) {
  manifit::PointTable table;
  if (!manifit::readPointTable(path, table).ok()) return;
  if (table.rows.empty()) __builtin_trap();
  for (const auto& row : table.rows) {
    if (row.size() != static_cast<size_t>(table.dimension) || !finite(row)) __builtin_trap();
  }
}

void checkProjections(const std::string& path) {
  std::vector<manifit::Projection> projections;
  if (!manifit::readProjections(path, projections).ok()) return;
  for (const auto& p : projections) {
    if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2])) __builtin_trap();
  }
}

void checkLabels(const std::string& path) {
  std::vector<std::string> labels;
  if (!manifit::readLabels(path, labels).ok()) return;
  for (const std::string& label : labels) {
    if (label.empty() || label.front() == ' ' || label.back() == ' ') __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::string path = manifit::fuzzFolder().write("view_input.txt", data + 1, size - 1);
  switch (data[0] % 5) {
    case 0:
      checkManifold(path);
      break;
    case 1:
      checkSummary(path);
      break;
    case 2:
      checkPoints(path);
      break;
    case 3:
      checkProjections(path);
      break;
    default:
      checkLabels(path);
      break;
  }
  return 0;
}
