#include "grid/grid.h"

#include <algorithm>
#include <cmath>

namespace manifit {

namespace {

// Coordinate j of a row, 0 where the row is shorter (graph grids of
// dimension 1 or 2 carry fewer than three grid coordinates).
float valueAt(const std::vector<float>& row, int j) {
  return static_cast<size_t>(j) < row.size() ? row[static_cast<size_t>(j)] : 0.0f;
}

// The rows the coefficients are measured on: node positions (mode 1) or grid
// coordinates (mode 0), and how many coordinates count.
const std::vector<std::vector<float>>& referenceRows(const Grid& grid, int mode, int& count) {
  if (mode == 1) {
    count = grid.dimension;
    return grid.nodes;
  }
  count = std::min(grid.dimension, 3);
  return grid.gridCoords;
}

// coefficient = mean / measure; a zero (or overflowing) quotient's entry keeps 1.0.
float normalizedCoef(float mean, float measure) {
  if (!(measure > 0.0f)) return 1.0f;
  const float coef = mean / measure;
  return std::isfinite(coef) ? coef : 1.0f;
}

}  // namespace

void Grid::allocate() {
  for (int i = 0; i < nodeCount; ++i) {
    nodes.emplace_back(static_cast<size_t>(dimension), 0.0f);
    gridCoords.emplace_back(3, 0.0f);
  }
  for (int i = 0; i < edgeCount; ++i) {
    edges.push_back({0, 0});
    edgeCoefs.push_back(1.0f);
  }
  for (int i = 0; i < ribCount; ++i) {
    ribs.push_back({0, 0, 0});
    ribCoefs.push_back(1.0f);
  }
  for (int i = 0; i < triangleCount; ++i) triangles.push_back({0, 0, 0});
  refreshNodeCache();
}

void Grid::clearAll() {
  nodes.clear();
  gridCoords.clear();
  edges.clear();
  edgeCoefs.clear();
  ribs.clear();
  ribCoefs.clear();
  triangles.clear();
  nodeCache.clear();
  nodeRows.clear();
  cachedRowCount = 0;
}

void Grid::copyTopologyFrom(const Grid& source) {
  const auto copyRow = [](std::vector<float>& to, const std::vector<float>& from) {
    std::copy_n(from.begin(), std::min(to.size(), from.size()), to.begin());
  };
  for (size_t i = 0; i < static_cast<size_t>(std::max(nodeCount, 0)); ++i) {
    if (i >= nodes.size() || i >= source.nodes.size()) break;
    copyRow(nodes[i], source.nodes[i]);
    if (i < gridCoords.size() && i < source.gridCoords.size()) {
      copyRow(gridCoords[i], source.gridCoords[i]);
    }
  }
  for (size_t i = 0; i < static_cast<size_t>(std::max(edgeCount, 0)); ++i) {
    if (i >= edges.size() || i >= source.edges.size()) break;
    edges[i] = source.edges[i];
    edgeCoefs[i] = source.edgeCoefs[i];
  }
  for (size_t i = 0; i < static_cast<size_t>(std::max(ribCount, 0)); ++i) {
    if (i >= ribs.size() || i >= source.ribs.size()) break;
    ribs[i] = source.ribs[i];
    ribCoefs[i] = source.ribCoefs[i];
  }
  for (size_t i = 0; i < static_cast<size_t>(std::max(triangleCount, 0)); ++i) {
    if (i >= triangles.size() || i >= source.triangles.size()) break;
    triangles[i] = source.triangles[i];
  }
}

// nodeCache[i * dimension + j] = node i, coordinate j; nodeRows[i] = node i.
void Grid::refreshNodeCache() {
  const size_t count = std::min(static_cast<size_t>(std::max(nodeCount, 0)), nodes.size());
  const size_t width = static_cast<size_t>(std::max(dimension, 0));
  nodeCache.assign(count * width, 0.0f);
  nodeRows.assign(count, std::vector<float>(width, 0.0f));
  for (size_t i = 0; i < count; ++i) {
    const std::vector<float>& row = nodes[i];
    const size_t filled = std::min(width, row.size());
    std::copy_n(row.begin(), filled, nodeCache.begin() + static_cast<long>(i * width));
    std::copy_n(row.begin(), filled, nodeRows[i].begin());
  }
  cachedRowCount = static_cast<int>(count);
}

// L_e = |a - b|^2 (float); coefficient_e = mean(L) / L_e.
void Grid::normalizeEdgeCoefs(int mode) {
  int count = 0;
  const std::vector<std::vector<float>>& rows = referenceRows(*this, mode, count);
  const size_t total = edges.size();
  if (total == 0) return;
  edgeCoefs.resize(total, 1.0f);
  std::vector<float> lengths(total, 0.0f);
  float sum = 0.0f;
  for (size_t i = 0; i < total; ++i) {
    const std::vector<float>& a = rows[static_cast<size_t>(edges[i][0])];
    const std::vector<float>& b = rows[static_cast<size_t>(edges[i][1])];
    float length = 0.0f;
    for (int j = 0; j < count; ++j) {
      const float d = valueAt(a, j) - valueAt(b, j);
      length += d * d;
    }
    lengths[i] = length;
    sum += length;
  }
  const float mean = sum / static_cast<float>(total);
  for (size_t i = 0; i < total; ++i) edgeCoefs[i] = normalizedCoef(mean, lengths[i]);
}

// S_r = |p + q - 2 m|^2 (float); coefficient_r = mean(S) / S_r.
void Grid::normalizeRibCoefs(int mode) {
  int count = 0;
  const std::vector<std::vector<float>>& rows = referenceRows(*this, mode, count);
  const size_t total = ribs.size();
  if (total == 0) return;
  ribCoefs.resize(total, 1.0f);
  std::vector<float> bends(total, 0.0f);
  float sum = 0.0f;
  for (size_t i = 0; i < total; ++i) {
    const std::vector<float>& m = rows[static_cast<size_t>(ribs[i][0])];
    const std::vector<float>& p = rows[static_cast<size_t>(ribs[i][1])];
    const std::vector<float>& q = rows[static_cast<size_t>(ribs[i][2])];
    float bend = 0.0f;
    for (int j = 0; j < count; ++j) {
      const float d = valueAt(p, j) + valueAt(q, j) - 2.0f * valueAt(m, j);
      bend += d * d;
    }
    bends[i] = bend;
    sum += bend;
  }
  const float mean = sum / static_cast<float>(total);
  for (size_t i = 0; i < total; ++i) ribCoefs[i] = normalizedCoef(mean, bends[i]);
}

}  // namespace manifit
