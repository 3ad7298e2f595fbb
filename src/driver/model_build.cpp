#include "driver/model_build.h"

#include "grid/grid_types.h"

namespace manifit {

namespace {
const char* const kNames[] = {"simplerectangular", "sphere", "linear", "circle", "elgraph"};
}

std::string gridTypeName(int code) {
  return code >= 0 && code <= 4 ? kNames[code] : "";
}

int gridTypeCode(const std::string& name) {
  for (int code = 0; code <= 4; ++code) {
    if (name == kNames[code]) return code;
  }
  return -1;
}

// mean and deviation must hold the grid's dimension of values.
void describeGrid(const Grid& grid, Model& m) {
  m.dimension = grid.dimension;
  m.manifoldDimension = grid.manifoldDimension;
  m.nodes = grid.nodes;
  m.nodesInput = grid.nodes;
  for (std::vector<float>& node : m.nodesInput) {
    for (size_t k = 0; k < node.size() && k < m.mean.size(); ++k) {
      node[k] = static_cast<float>(node[k] * m.deviation[k] + m.mean[k]);
    }
  }
  m.gridCoordinates.clear();
  for (const std::vector<float>& c : grid.gridCoords) {
    std::array<float, 3> three{};
    for (size_t q = 0; q < 3 && q < c.size(); ++q) three[q] = c[q];
    m.gridCoordinates.push_back(three);
  }
  m.edges = grid.edges;
  m.ribs = grid.ribs;
  m.triangles = grid.triangles;
  m.edgeCoefficients = grid.edgeCoefs;
  m.ribCoefficients = grid.ribCoefs;
}

std::unique_ptr<Grid> gridFromModel(const Model& m) {
  auto grid = std::make_unique<Grid>();
  grid->type = gridTypeCode(m.gridType);
  grid->dimension = m.dimension;
  grid->manifoldDimension = m.manifoldDimension;
  grid->nodes = m.nodes;
  for (const std::array<float, 3>& c : m.gridCoordinates)
    grid->gridCoords.push_back({c[0], c[1], c[2]});
  grid->edges = m.edges;
  grid->ribs = m.ribs;
  grid->triangles = m.triangles;
  grid->edgeCoefs = m.edgeCoefficients;
  grid->ribCoefs = m.ribCoefficients;
  grid->nodeCount = static_cast<int>(m.nodes.size());
  grid->edgeCount = static_cast<int>(m.edges.size());
  grid->ribCount = static_cast<int>(m.ribs.size());
  grid->triangleCount = static_cast<int>(m.triangles.size());
  grid->buildIncidence();
  return grid;
}

}  // namespace manifit
