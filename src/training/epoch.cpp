#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "common/output.h"
#include "grid/grid.h"
#include "grid/grid_types.h"
#include "training/elastic_map.h"
#include "training/sparse_system.h"

namespace manifit {

namespace {

bool isIsolated(const std::vector<char>& isolated, int i) {
  return i < static_cast<int>(isolated.size()) && isolated[static_cast<size_t>(i)] != 0;
}

// The node positions, node after node, dimension floats each.
std::vector<float> nodePositions(const Grid& grid) {
  const int n = grid.nodeCount;
  const int dim = grid.dimension;
  std::vector<float> positions(static_cast<size_t>(n) * static_cast<size_t>(dim));
  for (int i = 0; i < n; ++i) {
    for (int k = 0; k < dim; ++k) {
      positions[static_cast<size_t>(i) * dim + k] = grid.nodes[static_cast<size_t>(i)][k];
    }
  }
  return positions;
}

// The vectors of the solves, kept over the iterations of an epoch.
struct SolveBuffers {
  std::vector<double> rhs;
  std::vector<double> solution;
  std::vector<float> solved;
  std::vector<double> allRhs;
  std::vector<double> pointSums;  // the points' coordinate sums of the error figure

  explicit SolveBuffers(int n)
      : rhs(static_cast<size_t>(n)),
        solution(static_cast<size_t>(n)),
        solved(static_cast<size_t>(n)) {}
};

// Solves A x = b_k for coordinate k from the node positions, into
// buffers.solved; false when a node that is not isolated gets no finite value.
bool solveCoordinate(ElasticMap& map, const TrainingStage& stage, int k, SolveBuffers& buffers) {
  const int n = map.grid->nodeCount;
  const int dim = map.grid->dimension;
  for (int i = 0; i < n; ++i) {
    buffers.solution[static_cast<size_t>(i)] =
        isIsolated(map.isolatedNodes, i) ? 0.0 : map.grid->nodes[static_cast<size_t>(i)][k];
  }
  for (int i = 0; i < n; ++i)
    buffers.rhs[static_cast<size_t>(i)] = buffers.allRhs[static_cast<size_t>(i) * dim + k];
  map.system->setInitialGuess(buffers.solution.data());
  map.system->setRhs(buffers.rhs.data());
  map.system->solve(static_cast<double>(stage.epsSLAU), stage.numiterSLAU);
  for (int i = 0; i < n; ++i) {
    buffers.solved[static_cast<size_t>(i)] = static_cast<float>(map.system->solutionAt(i));
    if (!isIsolated(map.isolatedNodes, i) && !std::isfinite(buffers.solved[static_cast<size_t>(i)]))
      return false;
  }
  return true;
}

// One solve per coordinate, each checked whole before it is written into the
// grid (isolated nodes keep their positions). False, with map.failure set,
// when a coordinate has no finite solution.
bool solveAllCoordinates(ElasticMap& map, const TrainingStage& stage, int it,
                         SolveBuffers& buffers) {
  map.computeAllRhs(buffers.allRhs, &buffers.pointSums);
  const int n = map.grid->nodeCount;
  for (int k = 0; k < map.grid->dimension; ++k) {
    if (!solveCoordinate(map, stage, k, buffers)) {
      map.failure =
          Status::failure("Training stopped: the linear system of epoch " +
                          std::to_string(map.currentStage) + ", iteration " + std::to_string(it) +
                          " has no finite solution (is a part of the grid left without points?)\n");
      return false;
    }
    for (int i = 0; i < n; ++i) {
      if (!isIsolated(map.isolatedNodes, i)) {
        map.grid->nodes[static_cast<size_t>(i)][k] = buffers.solved[static_cast<size_t>(i)];
      }
    }
  }
  return true;
}

// Df = sum |previous - new| / dimension / n, the sum kept in single
// precision; previous becomes the new positions.
float nodeMovement(const Grid& grid, std::vector<float>& previous) {
  const int n = grid.nodeCount;
  const int dim = grid.dimension;
  float df = 0.0f;
  for (int i = 0; i < n; ++i) {
    for (int k = 0; k < dim; ++k) {
      float& old = previous[static_cast<size_t>(i) * dim + k];
      const float now = grid.nodes[static_cast<size_t>(i)][k];
      df = static_cast<float>(df + std::fabs(static_cast<double>(old) - static_cast<double>(now)));
      old = now;
    }
  }
  df = df / static_cast<float>(dim);
  df = df / static_cast<float>(n);
  return df;
}

// The clock ticks of an iteration's parts, for its progress line.
struct IterationTicks {
  long assignment = 0;
  long assembly = 0;
  clock_t solveStart = 0;
};

// Records and prints the progress line of iteration it: the training error
// (and the test error), the distance to the reference grid, Df and the clock
// figures; then hands the record to the map's onProgress.
void reportIteration(ElasticMap& map, int it, float df, const IterationTicks& ticks,
                     std::vector<double> pointSums) {
  ProgressEntry entry;
  entry.stage = map.currentStage;
  entry.iteration = it;
  entry.df = df;
  std::string gmseText;
  if (map.referenceGrid != nullptr) {
    entry.hasGmse = true;
    entry.gmse = map.grid->rmsDistanceTo(*map.referenceGrid);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, " GMSE %5.4f ", entry.gmse);
    gmseText = buffer;
  }
  const long solveTicks = static_cast<long>(clock() - ticks.solveStart);
  std::string errors;
  if (map.testData != nullptr) {
    entry.testError = map.testRms();
    entry.hasTestError = true;
    entry.error = map.trainingRms(std::move(pointSums));
    errors = streamDouble(entry.error) + "/" + streamDouble(entry.testError);
  } else {
    entry.error = map.trainingRms(std::move(pointSums));
    errors = streamDouble(entry.error);
  }
  entry.solveTicks = solveTicks;
  entry.assignTicks = ticks.assignment;
  entry.assemblyTicks = ticks.assembly;
  map.progress.push_back(entry);
  print("Ep: %d It: %d MSE: %s%s Df: %s Time: %ld+(%ld,%ld)\n", map.currentStage, it,
        errors.c_str(), gmseText.c_str(), streamDouble(df).c_str(), solveTicks, ticks.assignment,
        ticks.assembly);
  flushOutput();
  if (map.onProgress) map.onProgress(entry);
}

}  // namespace

// Minimizes the energy for the next stage of the schedule: assign points,
// assemble, solve per coordinate, until the mean node movement Df is at most
// eps or numiter iterations have run; then the extrapolation passes.
long ElasticMap::runEpoch() {
  clock_t mark = clock();
  if (currentStage >= stageCount) return -1;
  const TrainingStage& stage = stages[static_cast<size_t>(currentStage)];
  ++currentStage;
  currentEp = stage.ep;
  currentRp = stage.rp;

  const int n = grid->nodeCount;
  const int dim = grid->dimension;
  if (stage.minimize && stage.numiter > 0 && (n <= 0 || dim <= 0)) {
    failure = Status::failure("Training stopped: the grid of epoch " +
                              std::to_string(currentStage) + " has no nodes to fit\n");
    return kEpochFailed;
  }
  std::vector<float> previous = nodePositions(*grid);
  SolveBuffers buffers(n);
  for (int it = 0; stage.minimize && it < stage.numiter; ++it) {
    IterationTicks ticks;
    ticks.assignment = assignPoints();
    ticks.assembly = assembleSystem();
    mark = clock();
    ticks.solveStart = mark;
    if (!solveAllCoordinates(*this, stage, it, buffers)) {
      system->solutionArray = nullptr;
      return kEpochFailed;
    }
    const float df = nodeMovement(*grid, previous);
    reportIteration(*this, it, df, ticks, std::move(buffers.pointSums));
    if (keepGoing && !keepGoing()) {
      system->solutionArray = nullptr;
      failure = Status::failure("Training stopped on request\n");
      return kEpochFailed;
    }
    if (!(df > stage.eps)) break;
  }

  system->solutionArray = nullptr;
  if (!runExtrapolation(stage)) return kEpochFailed;
  return static_cast<long>(clock() - mark);
}

// Extrapolation passes: a rectangle grows by one ring of nodes per pass; a
// line is left as it is; other types make no pass. A pass that would grow the
// rectangle beyond what a grid can hold stops the run instead (false).
bool ElasticMap::runExtrapolation(const TrainingStage& stage) {
  if (grid->type != kRectangular) return true;
  auto* rectangle = dynamic_cast<RectangularGrid*>(grid);
  if (rectangle == nullptr) return true;
  for (int pass = 0; pass < stage.extrapolate; ++pass) {
    const long long s1 = rectangle->size1;
    const long long s2 = rectangle->size2;
    if (rectangle->nodeCount == s1 * s2 && s1 >= 2 && s2 >= 2) {
      const Status room =
          checkGridCapacity("Extrapolation step: a rectangle of " + std::to_string(s1 + 2) + " x " +
                                std::to_string(s2 + 2),
                            (s1 + 2) * (s2 + 2), rectangle->dimension);
      if (!room.ok()) {
        failure = room;
        return false;
      }
    }
    rectangle->extrapolationStep();
  }
  return true;
}

}  // namespace manifit
