#include "driver/library_convert.h"

#include <cmath>

#include "grid/grid_types.h"

namespace manifit {

int gridTypeCode(GridType type) {
  switch (type) {
    case GridType::Rectangle:
      return kRectangular;
    case GridType::Sphere:
      return kSphere;
    case GridType::Line:
      return kLinear;
    case GridType::Circle:
      return kCircle;
    case GridType::Graph:
      return kGraph;
  }
  return kRectangular;
}

GridType gridTypeOf(int code) {
  switch (code) {
    case kSphere:
      return GridType::Sphere;
    case kLinear:
      return GridType::Line;
    case kCircle:
      return GridType::Circle;
    case kGraph:
      return GridType::Graph;
    default:
      return GridType::Rectangle;
  }
}

void configuredSizes(const Grid& grid, int& size1, int& size2) {
  size1 = 0;
  size2 = 0;
  if (const auto* r = dynamic_cast<const RectangularGrid*>(&grid)) {
    size1 = r->size1;
    size2 = r->size2;
  } else if (const auto* s = dynamic_cast<const SphereGrid*>(&grid)) {
    size1 = s->size1;
    size2 = s->size2;
  } else if (const auto* l = dynamic_cast<const LinearGrid*>(&grid)) {
    size1 = l->size1;
  } else if (const auto* c = dynamic_cast<const CircleGrid*>(&grid)) {
    size1 = c->size1;
  } else if (const auto* g = dynamic_cast<const GraphGrid*>(&grid)) {
    size1 = g->size1;
  }
}

Map mapOf(const Grid& grid, int size1, int size2) {
  Map map;
  map.type = gridTypeOf(grid.type);
  map.size1 = size1;
  map.size2 = size2;
  map.dimension = grid.dimension;
  map.manifoldDimension = grid.manifoldDimension;
  const size_t d = static_cast<size_t>(std::max(grid.dimension, 0));
  map.nodes.reserve(grid.nodes.size() * d);
  for (const std::vector<float>& node : grid.nodes) {
    for (size_t k = 0; k < d; ++k) map.nodes.push_back(k < node.size() ? node[k] : 0.0f);
  }
  map.gridCoordinates.reserve(grid.gridCoords.size() * 3);
  for (const std::vector<float>& coordinates : grid.gridCoords) {
    for (size_t q = 0; q < 3; ++q)
      map.gridCoordinates.push_back(q < coordinates.size() ? coordinates[q] : 0.0f);
  }
  map.edges = grid.edges;
  map.ribs = grid.ribs;
  map.triangles = grid.triangles;
  map.edgeCoefficients = grid.edgeCoefs;
  map.ribCoefficients = grid.ribCoefs;
  return map;
}

namespace {

template <size_t N>
bool indicesBelow(const std::vector<std::array<int, N>>& lists, int nodes) {
  for (const std::array<int, N>& list : lists) {
    for (int i : list) {
      if (i < 0 || i >= nodes) return false;
    }
  }
  return true;
}

}  // namespace

Status checkMap(const Map& map) {
  if (map.dimension < 1) return Status::failure("The map has no dimension.\n");
  const size_t d = static_cast<size_t>(map.dimension);
  const size_t n = map.nodes.size() / d;
  if (map.nodes.size() % d != 0 || n == 0 || n > static_cast<size_t>(gridNodeLimit()) ||
      map.nodes.size() > static_cast<size_t>(gridValueLimit())) {
    return Status::failure("The map's nodes are not a whole number of rows of " +
                           std::to_string(map.dimension) + " values, from 1 to " +
                           std::to_string(gridNodeLimit()) + " nodes and at most " +
                           std::to_string(gridValueLimit()) + " values.\n");
  }
  if (map.gridCoordinates.size() != 3 * n) {
    return Status::failure("The map has " + std::to_string(map.gridCoordinates.size()) +
                           " grid coordinates for " + std::to_string(n) + " nodes (3 each).\n");
  }
  const int nodes = static_cast<int>(n);
  if (!indicesBelow(map.edges, nodes) || !indicesBelow(map.ribs, nodes) ||
      !indicesBelow(map.triangles, nodes)) {
    return Status::failure("The map's edges, ribs or triangles name nodes it does not have.\n");
  }
  if (map.edgeCoefficients.size() != map.edges.size() ||
      map.ribCoefficients.size() != map.ribs.size()) {
    return Status::failure("The map's coefficients do not match its edges and ribs.\n");
  }
  for (float x : map.nodes) {
    if (!std::isfinite(x)) return Status::failure("The map's nodes are not all finite.\n");
  }
  return Status::success();
}

std::unique_ptr<Grid> gridOf(const Map& map) {
  auto grid = std::make_unique<Grid>();
  grid->type = gridTypeCode(map.type);
  grid->dimension = map.dimension;
  grid->manifoldDimension = map.manifoldDimension;
  const size_t d = static_cast<size_t>(std::max(map.dimension, 1));
  const size_t n = map.nodes.size() / d;
  for (size_t i = 0; i < n; ++i) {
    grid->nodes.emplace_back(map.nodes.begin() + static_cast<long>(i * d),
                             map.nodes.begin() + static_cast<long>((i + 1) * d));
    std::vector<float> coordinates(3, 0.0f);
    for (size_t q = 0; q < 3 && 3 * i + q < map.gridCoordinates.size(); ++q)
      coordinates[q] = map.gridCoordinates[3 * i + q];
    grid->gridCoords.push_back(std::move(coordinates));
  }
  grid->edges = map.edges;
  grid->ribs = map.ribs;
  grid->triangles = map.triangles;
  grid->edgeCoefs = map.edgeCoefficients;
  grid->ribCoefs = map.ribCoefficients;
  grid->nodeCount = static_cast<int>(n);
  grid->edgeCount = static_cast<int>(map.edges.size());
  grid->ribCount = static_cast<int>(map.ribs.size());
  grid->triangleCount = static_cast<int>(map.triangles.size());
  grid->buildIncidence();
  return grid;
}

Stage stageOf(const TrainingStage& t) {
  Stage s;
  s.kind = t.kind == 0 ? Stage::Kind::Epoch : Stage::Kind::Adaptation;
  s.type = t.type;
  s.ep = t.ep;
  s.rp = t.rp;
  s.eps = t.eps;
  s.epsSLAU = t.epsSLAU;
  s.epsMSE = t.epsMSE;
  s.numiter = t.numiter;
  s.numstep = t.numstep;
  s.numiterSLAU = t.numiterSLAU;
  s.extrapolate = t.extrapolate;
  s.numevery = t.numevery;
  s.minimize = t.minimize;
  return s;
}

TrainingStage trainingStageOf(const Stage& s) {
  TrainingStage t;
  t.kind = s.kind == Stage::Kind::Epoch ? 0 : 1;
  t.type = s.type;
  t.ep = s.ep;
  t.rp = s.rp;
  t.eps = s.eps;
  t.epsSLAU = s.epsSLAU;
  t.epsMSE = s.epsMSE;
  t.numiter = s.numiter;
  t.numstep = s.numstep;
  t.numiterSLAU = s.numiterSLAU;
  t.extrapolate = s.extrapolate;
  t.numevery = s.numevery;
  t.minimize = s.minimize;
  return t;
}

GridSpec gridSpecOf(const SectionSettings& settings) {
  GridSpec shape;
  gridTypeFromName(settings.gridType, shape.type);
  shape.size1 = settings.size1;
  shape.size2 = settings.size2;
  shape.stretch = settings.initStretch;
  shape.minclust = settings.minclust;
  return shape;
}

SectionSettings settingsOf(const GridSpec& grid) {
  SectionSettings settings;
  settings.gridType = gridTypeName(grid.type);
  settings.size1 = grid.size1;
  settings.size2 = grid.size2;
  settings.initStretch = grid.stretch;
  settings.minclust = grid.minclust;
  return settings;
}

Iteration iterationOf(const ProgressEntry& entry) {
  Iteration it;
  it.stage = entry.stage;
  it.iteration = entry.iteration;
  it.error = entry.error;
  it.hasTestError = entry.hasTestError;
  it.testError = entry.testError;
  it.hasGeneratingDistance = entry.hasGmse;
  it.generatingDistance = entry.gmse;
  it.df = entry.df;
  it.clockTicks = entry.solveTicks + entry.assignTicks + entry.assemblyTicks;
  return it;
}

ProgressEntry progressEntryOf(const Iteration& it) {
  ProgressEntry entry;
  entry.stage = it.stage;
  entry.iteration = it.iteration;
  entry.error = it.error;
  entry.hasTestError = it.hasTestError;
  entry.testError = it.testError;
  entry.hasGmse = it.hasGeneratingDistance;
  entry.gmse = it.generatingDistance;
  entry.df = it.df;
  entry.solveTicks = it.clockTicks;
  return entry;
}

DataTable viewTable(const TableView& view) {
  DataTable table;
  table.pointCount = view.pointCount;
  table.dimension = view.dimension;
  table.rows.resize(static_cast<size_t>(std::max(view.pointCount, 0)));
  // The table only reads its rows; DataTable keeps them as plain pointers.
  float* first = const_cast<float*>(view.rows);
  for (size_t i = 0; i < table.rows.size(); ++i)
    table.rows[i] = first + i * static_cast<size_t>(view.dimension);
  return table;
}

Table tableOf(DataTable&& loaded) {
  Table table;
  table.pointCount = loaded.pointCount;
  table.dimension = loaded.dimension;
  const size_t d = static_cast<size_t>(std::max(loaded.dimension, 0));
  bool contiguous = loaded.storage.size() == static_cast<size_t>(loaded.pointCount) * d;
  for (size_t i = 0; contiguous && i < loaded.rows.size(); ++i)
    contiguous = loaded.rows[i] == loaded.storage.data() + i * d;
  if (contiguous) {
    table.values = std::move(loaded.storage);
  } else {
    table.values.reserve(static_cast<size_t>(loaded.pointCount) * d);
    for (int i = 0; i < loaded.pointCount; ++i)
      table.values.insert(table.values.end(), loaded.row(i), loaded.row(i) + d);
  }
  if (loaded.weighted) table.weights = std::move(loaded.weights);
  loaded = DataTable();
  return table;
}

}  // namespace manifit
