// The viewer's readers: the first byte picks the reader ('A' manifold file,
// 'B' component summary, 'C' point table, 'D' projections, 'E' labels, 'F'
// the per-point file of manifit -points; other bytes in turn), the rest is
// the file. Labels that read as numbers colour a small page on a continuous
// scale, which must render with finite ends.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz_files.h"
#include "view/grid_shape.h"
#include "view/label_kind.h"
#include "view/points_file.h"
#include "view/run_view.h"
#include "view/svg_page.h"
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

// A page of one point per label on a line of two nodes, coloured by the
// labels (numeric or not).
void renderLabels(const std::vector<std::string>& labels) {
  manifit::ManifoldFile map;
  map.dimension = 2;
  map.nodeCount = 2;
  map.nodes = {{0, 0}, {1, 0}};
  map.edgeCount = 1;
  map.edges = {{0, 1}};
  map.gridCoords = {{0, 0}, {1, 0}};
  manifit::ComponentSummary summary;
  summary.componentCount = 2;
  summary.dimension = 2;
  summary.mean = {0.5, 0};
  summary.components = {{1, 0}, {0, 1}};
  summary.fractions = {0.9, 0.1};
  manifit::PointTable table;
  table.dimension = 2;
  for (size_t i = 0; i < labels.size(); ++i) {
    table.rows.push_back({static_cast<double>(i) / static_cast<double>(labels.size()), 0});
  }
  manifit::PageData page;
  manifit::fillPage(map, summary, table, manifit::recogniseShape(map), nullptr, labels, page);
  const std::string html = manifit::renderPage(page);
  if (html.find("</html>") == std::string::npos) __builtin_trap();
  if (!page.colourValues.empty() && html.find("\"valueLow\":null") != std::string::npos)
    __builtin_trap();
}

void checkLabels(const std::string& path) {
  std::vector<std::string> labels;
  if (!manifit::readLabels(path, labels).ok()) return;
  for (const std::string& label : labels) {
    if (label.empty() || label.front() == ' ' || label.back() == ' ') __builtin_trap();
  }
  std::vector<double> values;
  if (labels.size() <= 64 && manifit::numericLabels(labels, values)) renderLabels(labels);
}

void checkPointsFile(const std::string& path) {
  std::vector<manifit::PointLine> lines;
  if (!manifit::readPointsFile(path, 5, lines).ok()) return;
  long long last = 0;
  for (const manifit::PointLine& line : lines) {
    if (line.row <= last || line.node < 0 || line.node >= 5 ||
        !std::isfinite(line.coordinates[0]) || !std::isfinite(line.coordinates[1]) ||
        !std::isfinite(line.coordinates[2])) {
      __builtin_trap();
    }
    last = line.row;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::string path = manifit::fuzzFolder().write("view_input.txt", data + 1, size - 1);
  switch ((data[0] + 256 - 'A') % 6) {
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
    case 4:
      checkLabels(path);
      break;
    default:
      checkPointsFile(path);
      break;
  }
  return 0;
}
