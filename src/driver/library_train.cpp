// The library's training: the grid a caller describes, placed along the
// principal components and trained by the schedule.
#include "driver/library_train.h"

#include <cmath>
#include <ctime>
#include <memory>

#include "common/output.h"
#include "common/random.h"
#include "common/run_failure.h"
#include "config/configuration.h"
#include "data/message.h"
#include "driver/library_call.h"
#include "driver/library_convert.h"
#include "driver/output_set.h"
#include "grid/grid.h"
#include "grid/grid_types.h"
#include "training/elastic_map.h"
#include "training/sparse_system.h"

namespace manifit {

namespace {

bool finite(float x) {
  return std::isfinite(x);
}

// Refuses a schedule the configuration reader would not give: a real value
// that is not finite, or more new nodes per step than a grid can hold.
Status checkSchedule(const GridSpec& grid, const Schedule& schedule) {
  for (float s : grid.stretch) {
    if (!finite(s)) return Status::failure("The grid's stretches are not all finite numbers.\n");
  }
  for (size_t i = 0; i < schedule.stages.size(); ++i) {
    const Stage& s = schedule.stages[i];
    if (!finite(s.ep) || !finite(s.rp) || !finite(s.eps) || !finite(s.epsSLAU) ||
        !finite(s.epsMSE)) {
      return Status::failure(formatMessage(
          "Stage %zu of the schedule holds a value that is not a finite number.\n", i + 1));
    }
    if (s.kind == Stage::Kind::Adaptation && s.numevery > gridNodeLimit()) {
      return Status::failure("adapt.numevery " + std::to_string(s.numevery) +
                             " asks for more new nodes per step than the " +
                             std::to_string(gridNodeLimit()) + " a grid can hold.\n");
    }
  }
  return Status::success();
}

// The generating manifold as a grid of nodes, refused unless it is whole
// rows of finite values within the grid limits.
Status generatingGrid(const std::vector<float>& values, int dimension, Grid& reference) {
  const size_t d = static_cast<size_t>(dimension);
  const size_t n = values.size() / d;
  if (values.size() % d != 0 || n > static_cast<size_t>(gridNodeLimit()) ||
      values.size() > static_cast<size_t>(gridValueLimit())) {
    return Status::failure("The generating manifold is not whole nodes of " +
                           std::to_string(dimension) + " values within the grid limits.\n");
  }
  std::vector<std::vector<float>> rows;
  for (size_t i = 0; i < n; ++i) {
    rows.emplace_back(values.begin() + static_cast<long>(i * d),
                      values.begin() + static_cast<long>((i + 1) * d));
    for (float x : rows.back()) {
      if (!finite(x)) return Status::failure("The generating manifold's nodes are not finite.\n");
    }
  }
  reference.dimension = dimension;
  reference.addNodes(std::move(rows));
  return Status::success();
}

bool allNodesFinite(const Grid& grid) {
  for (const std::vector<float>& node : grid.nodes) {
    for (float x : node) {
      if (!std::isfinite(x)) return false;
    }
  }
  return true;
}

// The trainer set up with the grid and the schedule.
void configure(ElasticMap& map, Grid& grid, const GridSpec& shape, const Schedule& schedule) {
  map.currentEp = 1.0f;
  map.currentRp = 1.0f;
  map.setGrid(grid);
  for (size_t k = 0; k < 3; ++k) map.initStretch[k] = shape.stretch[k];
  map.algtype = schedule.strategy;
  map.stages.clear();
  for (const Stage& stage : schedule.stages) map.stages.push_back(trainingStageOf(stage));
  map.stageCount = static_cast<int>(map.stages.size());
  map.currentStage = 0;
}

// The run of one training: everything it needs lives here until the result
// is taken from it.
struct Training {
  Training(PreparedData& data, const TrainOptions& settings, LibraryCall& caller)
      : prepared(data), options(settings), call(caller) {}

  PreparedData& prepared;
  const TrainOptions& options;
  LibraryCall& call;
  ElasticMap map;
  std::unique_ptr<Grid> grid;
  Grid reference;
  SparseSystem system;

  Status setUp(const GridSpec& shape, const Schedule& schedule) {
    DataTable& working = *prepared.working;
    if (working.pointCount <= 0) {
      return Status::failure("No points to train on: the working table is empty\n");
    }
    map.setData(working);
    map.fullSearch = options.fullSearch;
    if (prepared.drawnIsTest && prepared.drawn.pointCount > 0) map.setTestData(prepared.drawn);
    Status status = checkSchedule(shape, schedule);
    const SectionSettings settings = settingsOf(shape);
    if (status.ok()) status = checkSectionGrid(settings, working.dimension);
    if (!status.ok()) return status;
    grid = allocating("the grid (" + options.sectionName + ")",
                      [&] { return createSectionGrid(settings, working.dimension); });
    configure(map, *grid, shape, schedule);
    if (auto* graph = dynamic_cast<GraphGrid*>(grid.get())) {
      graph->diagnosticsPath = options.graphDiagnosticsFile;
      graph->outputs = stagedFiles(options.outputs);
    }
    if (!options.generatingNodes.empty()) {
      status = generatingGrid(options.generatingNodes, grid->dimension, reference);
      if (!status.ok()) return status;
      map.setReferenceGrid(reference);
    }
    map.setSystem(system);
    return Status::success();
  }

  Status place() {
    const PrincipalComponents& components = *prepared.components;
    map.placeGrid(components.mean, components.components, components.variances, 3);
    if (!map.placedWithinReach(components.mean)) {
      return Status::failure(formatMessage(
          "%s: init.stretch1 %g, init.stretch2 %g and init.stretch3 %g place the grid so far out "
          "that its distances overflow; use smaller stretches.\n",
          options.sectionName.c_str(), static_cast<double>(map.initStretch[0]),
          static_cast<double>(map.initStretch[1]), static_cast<double>(map.initStretch[2])));
    }
    return Status::success();
  }

  Status run() {
    print("Proceeding with %d points\n", prepared.working->pointCount);
    flushOutput();
    map.onProgress = [this](const ProgressEntry& entry) { call.iteration(iterationOf(entry)); };
    map.keepGoing = [this] { return !call.stopRequested(); };
    const clock_t start = clock();
    const Status trained = allocating(
        "the training of a grid of " + std::to_string(grid->nodeCount) + " nodes",
        [&] { return grid->type == kGraph ? map.runGraphSchedule() : map.runStrategy(); });
    if (call.stopRequested()) return statusOf(stoppedFailure());
    if (!trained.ok()) return trained;
    print("Time spent: %ld\n", static_cast<long>(clock() - start));
    flushOutput();
    return Status::success();
  }

  Status finish(FitResult& result) {
    map.assignPoints();
    // The search's bounds are of no further use: their memory goes back
    // before the outputs are formed.
    map.releaseSearch();
    const double finalError = map.trainingRms();
    if (!std::isfinite(finalError) || !allNodesFinite(*grid)) {
      return Status::failure(
          "Training stopped: the fitted grid has no finite node positions or error; no result "
          "written\n");
    }
    print("Final MSE: %s\n", streamDouble(finalError).c_str());
    flushOutput();
    result.finalError = finalError;
    int size1 = 0;
    int size2 = 0;
    configuredSizes(*grid, size1, size2);
    result.map = mapOf(*grid, size1, size2);
    for (const ProgressEntry& entry : map.progress) result.history.push_back(iterationOf(entry));
    // The final assignment holds every fitted point's nearest node: the
    // projections need no search of their own.
    if (options.projectFittedPoints) {
      PointProjections projected;
      grid->projectPoints(*prepared.working, &map.assignment, projected);
      result.projection.nearestNode = std::move(projected.nearestNode);
      result.projection.coordinates = std::move(projected.coordinates);
      result.projection.squaredDistance = std::move(projected.squaredDistance);
    }
    if (call.stopRequested()) return statusOf(stoppedFailure());
    return Status::success();
  }
};

// What the fit learned before training: the prepared table's description.
void describeInto(const PreparedData& prepared, FitResult& result) {
  const PreparedTable table = describePrepared(prepared);
  result.normalization = table.normalization;
  result.components = table.components;
  result.rowParts = table.rowParts;
  result.fitPoints = table.fitPoints;
  result.testPoints = table.testPoints;
  result.discardedPoints = table.discardedPoints;
}

}  // namespace

FitResult trainPrepared(PreparedData& prepared, const GridSpec& grid, const Schedule& schedule,
                        const TrainOptions& options) {
  FitResult result;
  LibraryCall call(options.progress, options.threads);
  const Failure failure = call.run([&] {
    if (prepared.working == nullptr || !prepared.components) {
      return Status::failure("The table was not prepared.\n");
    }
    describeInto(prepared, result);
    sharedRandom().state = prepared.randomState;
    Training training(prepared, options, call);
    Status status = training.setUp(grid, schedule);
    if (status.ok()) status = training.place();
    if (status.ok()) status = training.run();
    if (status.ok()) status = training.finish(result);
    return status;
  });
  if (!failure.failed()) return result;
  FitResult failed;
  failed.failure = failure;
  failed.stopped = call.stopRequested();
  if (prepared.working != nullptr && prepared.components) describeInto(prepared, failed);
  return failed;
}

FitResult train(PreparedTable& prepared, const GridSpec& grid, const Schedule& schedule,
                const TrainOptions& options) {
  if (!prepared.ok() || !prepared.data) {
    FitResult failed;
    failed.failure.exitStatus = 1;
    failed.failure.message = "The table was not prepared.\n";
    return failed;
  }
  return trainPrepared(*prepared.data, grid, schedule, options);
}

}  // namespace manifit
