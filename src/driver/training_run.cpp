#include "driver/training_run.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>

#include "common/atomic_output_file.h"
#include "common/output.h"
#include "config/configuration.h"
#include "config/section_check.h"
#include "data/column_statistics.h"
#include "data/message.h"
#include "driver/model_build.h"
#include "driver/model_file.h"
#include "driver/point_results.h"
#include "grid/grid.h"
#include "grid/grid_types.h"
#include "training/elastic_map.h"
#include "training/sparse_system.h"

namespace manifit {

namespace {

bool allNodesFinite(const Grid& grid) {
  for (const std::vector<float>& node : grid.nodes) {
    for (float x : node) {
      if (!std::isfinite(x)) return false;
    }
  }
  return true;
}

// The normalized table, "%10.10f\t" per value and a line end per point.
Status writeNormalizedTable(const std::string& path, const DataTable& table,
                            StagedOutputs& outputs) {
  AtomicOutputFile file(path, &outputs);
  if (!file.isOpen()) {
    return Status::failure("Can not open file " + path + " for writing. \n");
  }
  for (int p = 0; p < table.pointCount; ++p) {
    const float* row = table.row(p);
    for (int k = 0; k < table.dimension; ++k) std::fprintf(file.get(), "%10.10f\t", row[k]);
    std::fprintf(file.get(), "\n");
  }
  if (!file.commit()) return Status::failure("Can not write file " + path + "\n");
  return Status::success();
}

// The configured sizes of a grid, before any adaptation changed them.
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

// What a run knows besides its grid: the model file's other parts.
struct RunRecord {
  int size1 = 0;
  int size2 = 0;
  std::string section;
  double finalError = 0.0;
};

// The part of every loaded point: fit, or the drawn part of the last split.
std::vector<std::string> pointParts(const Options& options, const PreparedData& prepared) {
  const std::string drawnPart = options.testPercent >= 0 ? "test" : "discarded";
  std::vector<std::string> parts(static_cast<size_t>(prepared.loaded.pointCount), "fit");
  for (size_t p = 0; p < prepared.drawnFlags.size() && p < parts.size(); ++p) {
    if (prepared.drawnFlags[p]) parts[p] = drawnPart;
  }
  return parts;
}

// Fraction of variance unexplained: the (weighted) mean squared distance of
// the fitted points to their nearest nodes over their total variance.
double unexplainedFraction(const DataTable& working, const std::vector<std::string>& parts,
                           const std::vector<PointResult>& results) {
  ColumnStatistics statistics;
  statistics.computeStatistics(working);
  double sum = 0.0;
  double total = 0.0;
  int k = 0;
  for (size_t p = 0; p < results.size() && k < working.pointCount; ++p) {
    if (parts[p] != "fit") continue;
    const double w = working.weighted ? working.weights[static_cast<size_t>(k)] : 1.0;
    sum += w * results[p].squaredDistance;
    total += w;
    ++k;
  }
  if (!(total > 0.0) || !(statistics.totalVariance > 0.0)) return 0.0;
  return sum / total / statistics.totalVariance;
}

Model runModel(const Options& options, const PreparedData& prepared, const Grid& grid,
               const ElasticMap& map, const RunRecord& record, double fvu) {
  Model m;
  m.gridType = gridTypeName(grid.type);
  m.size1 = record.size1;
  m.size2 = record.size2;
  m.columns = prepared.columns.coordinateNames(prepared.loaded.dimension);
  m.normalized = options.norm == 1;
  m.mean = prepared.normalizationMean;
  m.deviation = prepared.normalizationDeviation;
  describeGrid(grid, m);
  const PrincipalComponents& pc = *prepared.components;
  m.componentMean = pc.mean;
  m.componentVectors = pc.components;
  m.varianceFractions = pc.variances;
  m.configurationFile = *options.ini;
  m.algorithm = options.algorithm;
  m.section = record.section;
  m.history = map.progress;
  m.finalError = record.finalError;
  m.fvu = fvu;
  m.fitPoints = prepared.working->pointCount;
  const bool split = !prepared.drawnFlags.empty();
  if (split && options.testPercent >= 0) m.testPoints = prepared.drawn.pointCount;
  if (split && options.testPercent < 0) m.discardedPoints = prepared.drawn.pointCount;
  return m;
}

// The per-point file and the model file, when asked for; a file that could
// not be written is added to unwritten.
void writeResultFiles(const Options& options, PreparedData& prepared, Grid& grid,
                      const ElasticMap& map, const RunRecord& record) {
  if (!options.points && !options.model) return;
  const std::vector<std::string> parts = pointParts(options, prepared);
  const std::vector<PointResult> results = projectTable(grid, prepared.loaded);
  if (options.points) {
    const Status written =
        writePointsFile(*options.points, prepared.columns, parts, results, &prepared.outputs);
    if (!written.ok()) {
      warn("manifit: %s", written.message.c_str());
      prepared.unwritten.push_back(*options.points + " (-points)");
    }
  }
  if (options.model) {
    const double fvu = unexplainedFraction(*prepared.working, parts, results);
    const Status written = writeModelFile(
        *options.model, runModel(options, prepared, grid, map, record, fvu), &prepared.outputs);
    if (!written.ok()) {
      warn("manifit: %s", written.message.c_str());
      prepared.unwritten.push_back(*options.model + " (-model)");
    }
  }
}

// The generating grid of -gen, whose nodes the progress lines measure the
// grid against.
Status readReferenceGrid(const std::string& path, int dimension, std::unique_ptr<Grid>& reference) {
  reference = std::make_unique<Grid>();
  reference->dimension = dimension;
  return reference->readNodes(path);
}

// Lays the grid out along the principal components; refused when the initial
// stretches put it so far out that the distances of training overflow.
Status placeGrid(const Options& options, const PrincipalComponents& components, ElasticMap& map) {
  map.placeGrid(components.mean, components.components, components.variances, 3);
  if (!map.placedWithinReach(components.mean)) {
    return Status::failure(formatMessage(
        "Configuration file %s, section #ALG%i: init.stretch1 %g, init.stretch2 %g and "
        "init.stretch3 %g place the grid so far out that its distances overflow; use "
        "smaller stretches.\n",
        options.ini->c_str(), options.algorithm, static_cast<double>(map.initStretch[0]),
        static_cast<double>(map.initStretch[1]), static_cast<double>(map.initStretch[2])));
  }
  return Status::success();
}

// Each output is tried, whatever became of the one before; then every output
// written is put in place together, and any failure ends the run with status
// 1, naming what is missing.
Status writeOutputs(const Options& options, PreparedData& prepared, Grid& grid,
                    const ElasticMap& map, const RunRecord& record) {
  DataTable& working = *prepared.working;
  StagedOutputs& outputs = prepared.outputs;
  std::vector<std::string>& unwritten = prepared.unwritten;
  if (!grid.writeManifold(*options.output, options.dataName, &outputs))
    unwritten.push_back(*options.output + " (-o)");
  // The map's final assignment holds every point's nearest node of the
  // fitted grid: the projections need no search of their own.
  if (options.projections &&
      !grid.writeProjections(*options.projections, working, &outputs, &map.assignment))
    unwritten.push_back(*options.projections + " (-p)");
  writeResultFiles(options, prepared, grid, map, record);
  Status status = Status::success();
  if (options.normdat) {
    status = writeNormalizedTable(*options.normdat, working, outputs);
    if (!status.ok()) unwritten.push_back(*options.normdat + " (-normdat)");
  }
  const std::vector<std::string> unplaced = outputs.placeAll();
  for (const std::string& path : unplaced) {
    print("Can not write file %s\n", path.c_str());
    unwritten.push_back(path);
  }
  if (!unwritten.empty()) {
    std::string list;
    for (const std::string& file : unwritten) list += (list.empty() ? "" : ", ") + file;
    warn("manifit: not written: %s\n", list.c_str());
  }
  if (!status.ok()) return status;
  if (!unwritten.empty() || prepared.outputFailed) return Status::failure("");
  return Status::success();
}

}  // namespace

Status runTraining(const Options& options, PreparedData& prepared) {
  DataTable& working = *prepared.working;
  if (working.pointCount <= 0) {
    return Status::failure("No points to train on: the working table is empty\n");
  }

  ElasticMap map;
  map.setData(working);
  map.fullSearch = options.fullSearch;
  if (options.testPercent >= 0 && prepared.drawn.pointCount > 0) map.setTestData(prepared.drawn);

  RunRecord record;
  const SectionReport section = examineSection(*options.ini, options.algorithm);
  for (const std::string& warning : section.warnings) warn("%s", warning.c_str());
  record.section = section.text;

  std::unique_ptr<Grid> grid;
  const Status configured = readConfiguration(map, *options.ini, options.algorithm, grid);
  if (!configured.ok()) return configured;
  configuredSizes(*grid, record.size1, record.size2);

  if (grid->type == kGraph) static_cast<GraphGrid&>(*grid).outputs = &prepared.outputs;

  std::unique_ptr<Grid> reference;
  if (options.gen) {
    const Status read = readReferenceGrid(*options.gen, grid->dimension, reference);
    if (!read.ok()) return read;
    map.setReferenceGrid(*reference);
  }

  SparseSystem system;
  map.setSystem(system);
  const Status placed = placeGrid(options, *prepared.components, map);
  if (!placed.ok()) return placed;

  print("Proceeding with %d points\n", working.pointCount);
  flushOutput();
  const clock_t start = clock();
  const Status trained = grid->type == kGraph ? map.runGraphSchedule() : map.runStrategy();
  if (!trained.ok()) return trained;
  print("Time spent: %ld\n", static_cast<long>(clock() - start));
  flushOutput();

  map.assignPoints();
  const double finalError = map.trainingRms();
  if (!std::isfinite(finalError) || !allNodesFinite(*grid)) {
    return Status::failure(
        "Training stopped: the fitted grid has no finite node positions or error; no result "
        "written\n");
  }
  print("Final MSE: %s\n", streamDouble(finalError).c_str());
  flushOutput();
  record.finalError = finalError;
  return writeOutputs(options, prepared, *grid, map, record);
}

}  // namespace manifit
