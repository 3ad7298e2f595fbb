#include "driver/training_run.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>

#include "common/atomic_output_file.h"
#include "common/output.h"
#include "config/configuration.h"
#include "data/message.h"
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

  std::unique_ptr<Grid> grid;
  const Status configured = readConfiguration(map, *options.ini, options.algorithm, grid);
  if (!configured.ok()) return configured;

  if (grid->type == kGraph) static_cast<GraphGrid&>(*grid).outputs = &prepared.outputs;

  std::unique_ptr<Grid> reference;
  if (options.gen) {
    reference = std::make_unique<Grid>();
    reference->dimension = grid->dimension;
    const Status read = reference->readNodes(*options.gen);
    if (!read.ok()) return read;
    map.setReferenceGrid(*reference);
  }

  SparseSystem system;
  map.setSystem(system);
  const PrincipalComponents& components = *prepared.components;
  map.placeGrid(components.mean, components.components, components.variances, 3);
  if (!map.placedWithinReach(components.mean)) {
    return Status::failure(formatMessage(
        "Configuration file %s, section #ALG%i: init.stretch1 %g, init.stretch2 %g and "
        "init.stretch3 %g place the grid so far out that its distances overflow; use "
        "smaller stretches.\n",
        options.ini->c_str(), options.algorithm, static_cast<double>(map.initStretch[0]),
        static_cast<double>(map.initStretch[1]), static_cast<double>(map.initStretch[2])));
  }

  print("Proceeding with %d points\n", working.pointCount);
  flushOutput();
  const clock_t start = clock();
  const Status trained = grid->type == kGraph ? map.runGraphSchedule() : map.runStrategy();
  if (!trained.ok()) return trained;
  print("Time spent: %ld\n", static_cast<long>(clock() - start));
  flushOutput();

  map.assignPoints();
  const double finalError = map.mse();
  if (!std::isfinite(finalError) || !allNodesFinite(*grid)) {
    return Status::failure(
        "Training stopped: the fitted grid has no finite node positions or error; no result "
        "written\n");
  }
  print("Final MSE: %s\n", streamDouble(finalError).c_str());
  flushOutput();

  // Each output is tried, whatever became of the one before; then every
  // output written is put in place, and any failure ends the run with
  // status 1.
  StagedOutputs& outputs = prepared.outputs;
  const bool manifold = grid->writeManifold(*options.output, options.dataName, &outputs);
  const bool projections =
      !options.projections || grid->writeProjections(*options.projections, working, &outputs);
  Status status = Status::success();
  if (options.normdat) status = writeNormalizedTable(*options.normdat, working, outputs);
  const std::vector<std::string> unplaced = outputs.placeAll();
  for (const std::string& path : unplaced) print("Can not write file %s\n", path.c_str());
  if (!status.ok()) return status;
  if (!manifold || !projections || prepared.outputFailed || !unplaced.empty()) {
    return Status::failure("");
  }
  return Status::success();
}

}  // namespace manifit
