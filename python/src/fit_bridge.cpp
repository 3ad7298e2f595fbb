#include "fit_bridge.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "common/output.h"
#include "common/parallel.h"
#include "common/random.h"
#include "components/principal_components.h"
#include "config/configuration.h"
#include "data/column_statistics.h"
#include "data/data_table.h"
#include "geometry/distance.h"
#include "grid/grid.h"
#include "grid/grid_types.h"
#include "training/elastic_map.h"
#include "training/sparse_system.h"

namespace manifit::python {

namespace {

const char* const kTypeNames[] = {"simplerectangular", "sphere", "linear", "circle", "elgraph"};

std::unique_ptr<Grid> createGrid(const GridRequest& request, int dimension) {
  const std::string& type = request.type;
  if (type == "simplerectangular") {
    return std::make_unique<RectangularGrid>(request.size1, request.size2, dimension);
  }
  if (type == "sphere")
    return std::make_unique<SphereGrid>(request.size1, request.size2, dimension);
  if (type == "linear") return std::make_unique<LinearGrid>(request.size1, dimension);
  if (type == "circle") return std::make_unique<CircleGrid>(request.size1, dimension);
  if (type == "elgraph") {
    auto graph = std::make_unique<GraphGrid>(request.size1, dimension);
    graph->minclust = request.minclust;
    return graph;
  }
  return nullptr;
}

void sizesOf(const Grid& grid, int& size1, int& size2) {
  size1 = size2 = 0;
  if (const auto* g = dynamic_cast<const RectangularGrid*>(&grid))
    size1 = g->size1, size2 = g->size2;
  if (const auto* g = dynamic_cast<const SphereGrid*>(&grid)) size1 = g->size1, size2 = g->size2;
  if (const auto* g = dynamic_cast<const LinearGrid*>(&grid)) size1 = g->size1;
  if (const auto* g = dynamic_cast<const CircleGrid*>(&grid)) size1 = g->size1;
  if (const auto* g = dynamic_cast<const GraphGrid*>(&grid)) size1 = g->size1;
}

FittedMap fittedMap(const Grid& grid, const std::string& type, int size1, int size2) {
  FittedMap map;
  map.type = type;
  map.size1 = size1;
  map.size2 = size2;
  map.dimension = grid.dimension;
  map.manifoldDimension = grid.manifoldDimension;
  for (const std::vector<float>& node : grid.nodes) {
    map.nodes.insert(map.nodes.end(), node.begin(), node.begin() + grid.dimension);
  }
  for (const std::vector<float>& coords : grid.gridCoords) {
    for (size_t q = 0; q < 3; ++q)
      map.gridCoordinates.push_back(q < coords.size() ? coords[q] : 0.0f);
  }
  map.edges = grid.edges;
  map.ribs = grid.ribs;
  map.triangles = grid.triangles;
  map.edgeCoefficients = grid.edgeCoefs;
  map.ribCoefficients = grid.ribCoefs;
  return map;
}

// The progress line "Ep: E It: I MSE: M[/T] ... Df: D ..." as a record.
bool parseProgress(const std::string& line, IterationRecord& record) {
  int stage = 0;
  int iteration = 0;
  if (std::sscanf(line.c_str(), "Ep: %d It: %d", &stage, &iteration) != 2) return false;
  const size_t errorField = line.find("MSE: ");
  const size_t df = line.find("Df: ");
  if (errorField == std::string::npos || df == std::string::npos) return false;
  record.stage = stage;
  record.iteration = iteration;
  char* end = nullptr;
  const char* text = line.c_str() + errorField + 5;
  record.error = std::strtod(text, &end);
  if (*end == '/') {
    record.hasTestError = true;
    record.testError = std::strtod(end + 1, nullptr);
  }
  record.df = std::strtod(line.c_str() + df + 4, nullptr);
  return true;
}

// The history: one record per progress line of the run's text.
void collectHistory(const std::string& text, FitResult& result) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    const std::string line = text.substr(start, end - start);
    IterationRecord record;
    if (parseProgress(line, record)) result.history.push_back(record);
    start = end;
  }
}

// The request's rows as a table with its column statistics attached,
// normalized when asked, with the weights; the statistics go into result.
void loadRequestTable(const FitRequest& request, DataTable& loaded, ColumnStatistics& statistics,
                      FitResult& result) {
  loaded.allocateRows(request.count, request.dimension);
  for (int i = 0; i < request.count; ++i) {
    for (int j = 0; j < request.dimension; ++j) {
      loaded.row(i)[j] = request.rows[static_cast<size_t>(i) * request.dimension + j];
    }
  }
  statistics.computeStatistics(loaded);
  loaded.statistics = &statistics;
  for (size_t j = 0; j < statistics.mean.size(); ++j) {
    result.mean.push_back(request.normalize ? statistics.mean[j] : 0.0);
    const double d = statistics.deviation[j];
    result.scale.push_back(request.normalize && d != 0.0 ? d : 1.0);
  }
  if (request.normalize) loaded.normalize();
  if (request.weights != nullptr) {
    loaded.weighted = true;
    loaded.weights.assign(request.weights, request.weights + request.count);
    float total = 0.0f;
    for (float w : loaded.weights) total += w;
    loaded.totalWeight = total;
  }
}

// The section's grid for the request's dimension; null, with result.error
// set, when its sizes or its type are refused.
std::unique_ptr<Grid> requestGrid(const FitRequest& request, FitResult& result) {
  const Status sizes = checkGridSizes(request.section.grid.type, request.section.grid.size1,
                                      request.section.grid.size2, request.dimension);
  if (!sizes.ok()) {
    result.error = sizes.message;
    return nullptr;
  }
  std::unique_ptr<Grid> grid = createGrid(request.section.grid, request.dimension);
  if (!grid) result.error = "No such grid type : " + request.section.grid.type;
  return grid;
}

// The schedule of the request's section, on the grid.
void setUpTrainer(const FitRequest& request, Grid& grid, SparseSystem& system,
                  ElasticMap& trainer) {
  trainer.setGrid(grid);
  for (int k = 0; k < 3; ++k)
    trainer.initStretch[k] = request.section.grid.stretch[static_cast<size_t>(k)];
  trainer.algtype = request.section.strategy;
  trainer.stages = request.section.stages;
  trainer.stageCount = static_cast<int>(trainer.stages.size());
  trainer.setSystem(system);
}

// The fitted map, the principal components it was placed on and each row's
// part (1 when the split drew it for testing).
void fillFittedMap(const FitRequest& request, const Grid& grid,
                   const PrincipalComponents& components, FitResult& result) {
  int size1 = 0;
  int size2 = 0;
  sizesOf(grid, size1, size2);
  result.map = fittedMap(grid, request.section.grid.type, size1, size2);
  result.componentsMean = components.mean;
  for (const std::vector<double>& c : components.components) {
    result.components.insert(result.components.end(), c.begin(), c.end());
  }
  result.varianceFractions = components.variances;
  result.rowPart.assign(static_cast<size_t>(request.count), 0);
  if (request.testFraction >= 0.0) {
    RandomGenerator draws;
    const float p = static_cast<float>(request.testFraction);
    for (int& part : result.rowPart) part = static_cast<float>(draws.next() / 32767.0) < p ? 1 : 0;
  }
}

}  // namespace

FitResult fitMap(const FitRequest& request) {
  FitResult result;
  bool stop = false;
  CapturedOutput captured([&](const std::string& text) {
    if (!stop && request.message && !request.message(text)) stop = true;
  });
  sharedRandom().state = 1;
  setWorkerThreads(request.threads > 0 ? request.threads : hardwareThreads());

  DataTable loaded;
  ColumnStatistics statistics;
  loadRequestTable(request, loaded, statistics, result);
  DataTable kept;
  DataTable drawn;
  DataTable* working = &loaded;
  if (request.testFraction >= 0.0) {
    loaded.split(kept, drawn, static_cast<float>(request.testFraction));
    kept.statistics = &statistics;
    working = &kept;
  }
  if (working->pointCount == 0) {
    result.error = "the random split drew every point, so none are left to fit";
    return result;
  }
  PrincipalComponents components(*working);
  components.computeComponents(3);
  components.toVarianceFractions();

  ElasticMap trainer;
  trainer.setData(*working);
  if (request.testFraction >= 0.0 && drawn.pointCount > 0) trainer.setTestData(drawn);
  std::unique_ptr<Grid> grid = requestGrid(request, result);
  if (!grid) return result;
  SparseSystem system;
  setUpTrainer(request, *grid, system, trainer);
  trainer.keepGoing = [&stop] { return !stop; };
  trainer.placeGrid(components.mean, components.components, components.variances, 3);
  const Status trained = grid->type == kGraph ? trainer.runGraphSchedule() : trainer.runStrategy();
  collectHistory(captured.text(), result);
  if (stop) {
    result.stopped = true;
    result.error = "the fit was stopped";
    return result;
  }
  if (!trained.ok()) {
    result.error = trained.message;
    return result;
  }
  trainer.assignPoints();
  result.finalError = trainer.trainingRms();
  fillFittedMap(request, *grid, components, result);
  result.ok = std::isfinite(result.finalError);
  if (!result.ok) result.error = "the fitted map has no finite error";
  return result;
}

namespace {

// A grid holding the map's nodes, coordinates and lists.
Grid toGrid(const FittedMap& map) {
  Grid grid;
  for (int t = 0; t < 5; ++t) {
    if (map.type == kTypeNames[t]) grid.type = t;
  }
  grid.dimension = map.dimension;
  grid.manifoldDimension = map.manifoldDimension;
  grid.nodeCount = map.nodeCount();
  grid.edgeCount = static_cast<int>(map.edges.size());
  grid.ribCount = static_cast<int>(map.ribs.size());
  grid.triangleCount = static_cast<int>(map.triangles.size());
  grid.allocate();
  for (int i = 0; i < grid.nodeCount; ++i) {
    const size_t n = static_cast<size_t>(i);
    for (int j = 0; j < map.dimension; ++j) {
      grid.nodes[n][static_cast<size_t>(j)] = map.nodes[n * map.dimension + j];
    }
    for (size_t q = 0; q < 3; ++q) grid.gridCoords[n][q] = map.gridCoordinates[n * 3 + q];
  }
  grid.edges = map.edges;
  grid.ribs = map.ribs;
  grid.triangles = map.triangles;
  grid.edgeCoefs = map.edgeCoefficients;
  grid.ribCoefs = map.ribCoefficients;
  return grid;
}

}  // namespace

bool writeManifold(const FittedMap& map, const std::string& path, const std::string& dataName,
                   std::string& error) {
  CapturedOutput captured;
  const Grid grid = toGrid(map);
  if (!grid.writeManifold(path, dataName)) {
    error = captured.text();
    return false;
  }
  return true;
}

Projection projectPoints(const FittedMap& map, const float* rows, int count, int threads) {
  setWorkerThreads(threads > 0 ? threads : hardwareThreads());
  Grid grid = toGrid(map);
  grid.refreshNodeCache();
  Projection projection;
  for (int p = 0; p < count; ++p) {
    const float* x = rows + static_cast<size_t>(p) * map.dimension;
    int best = -1;
    float bestD = INFINITY;
    for (int k = 0; k < grid.nodeCount; ++k) {
      const float d = squaredDistanceToRow(grid.nodeCache.data(),
                                           static_cast<long>(k) * map.dimension, x, map.dimension);
      if (d < bestD) best = k, bestD = d;
    }
    float out[3] = {0.0f, 0.0f, 0.0f};
    grid.projectPoint(x, out);
    projection.nearest.push_back(best);
    projection.coordinates.insert(projection.coordinates.end(), out, out + 3);
    projection.distance.push_back(bestD);
  }
  return projection;
}

bool readSection(const std::string& path, int n, Section& section, std::string& error) {
  CapturedOutput captured;
  DataTable table;
  table.allocateRows(1, 1);
  ElasticMap trainer;
  trainer.setData(table);
  std::unique_ptr<Grid> grid;
  const Status read = readConfiguration(trainer, path, n, grid);
  if (!read.ok() || !grid) {
    error = captured.text() + read.message;
    return false;
  }
  section.grid.type = kTypeNames[grid->type];
  sizesOf(*grid, section.grid.size1, section.grid.size2);
  if (const auto* g = dynamic_cast<const GraphGrid*>(grid.get()))
    section.grid.minclust = g->minclust;
  for (int k = 0; k < 3; ++k) section.grid.stretch[static_cast<size_t>(k)] = trainer.initStretch[k];
  section.strategy = trainer.algtype;
  section.stages = trainer.stages;
  return true;
}

}  // namespace manifit::python
