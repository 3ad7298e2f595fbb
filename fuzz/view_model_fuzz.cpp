// The viewer's reader of the model file and the page drawn from it: a model
// that reads has consistent counts, indices below the node count and finite
// numbers, and the page of a small one renders (with the map's own nodes as
// the points).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "view/grid_shape.h"
#include "view/model_input.h"
#include "view/run_view.h"
#include "view/svg_page.h"

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

void checkModel(const manifit::ModelInput& model) {
  const manifit::ManifoldFile& map = model.manifold;
  const size_t n = static_cast<size_t>(map.dimension);
  if (map.nodeCount < 1 || map.dimension < 1) __builtin_trap();
  if (map.nodes.size() != static_cast<size_t>(map.nodeCount) ||
      model.nodesInput.size() != map.nodes.size() || map.gridCoords.size() != map.nodes.size()) {
    __builtin_trap();
  }
  for (size_t i = 0; i < map.nodes.size(); ++i) {
    if (map.nodes[i].size() != n || model.nodesInput[i].size() != n || !finite(map.nodes[i]) ||
        !finite(model.nodesInput[i])) {
      __builtin_trap();
    }
  }
  if (map.edges.size() != static_cast<size_t>(map.edgeCount) ||
      map.ribs.size() != static_cast<size_t>(map.ribCount) ||
      map.triangles.size() != static_cast<size_t>(map.triangleCount) ||
      !indicesBelow(map.edges, map.nodeCount) || !indicesBelow(map.ribs, map.nodeCount) ||
      !indicesBelow(map.triangles, map.nodeCount)) {
    __builtin_trap();
  }
  const manifit::ComponentSummary& s = model.summary;
  if (s.componentCount < 2 || s.componentCount > 3 || s.components.size() != s.fractions.size() ||
      s.components.size() != static_cast<size_t>(s.componentCount) || s.mean.size() != n ||
      !finite(s.mean) || !finite(s.fractions)) {
    __builtin_trap();
  }
  for (const auto& v : s.components) {
    if (v.size() != n || !finite(v)) __builtin_trap();
  }
  if (model.columns.size() != n || model.mean.size() != n || model.deviation.size() != n) {
    __builtin_trap();
  }
  for (double d : model.deviation) {
    if (!(d > 0) || !std::isfinite(d)) __builtin_trap();
  }
  for (const manifit::HistoryEntry& e : model.history) {
    if (!std::isfinite(e.error) || (e.testError && !std::isfinite(*e.testError))) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  manifit::ModelInput model;
  const manifit::Status status = manifit::modelFromJson(text, "m.json", model);
  if (!status.ok()) {
    if (status.message.empty() || status.message.back() != '\n') __builtin_trap();
    return 0;
  }
  checkModel(model);
  const manifit::ManifoldFile& map = model.manifold;
  if (map.nodeCount > 64 || map.dimension > 16 || map.edgeCount > 256 || map.triangleCount > 256) {
    return 0;
  }
  manifit::PointTable table;
  table.dimension = map.dimension;
  table.rows = map.nodes;
  manifit::PageData page;
  page.columns = model.columns;
  page.history = model.history;
  manifit::fillPage(map, model.summary, table, manifit::recogniseShape(map), nullptr, {}, page);
  if (manifit::renderPage(page).find("</html>") == std::string::npos) __builtin_trap();
  return 0;
}
