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
  std::vector<float> previous(static_cast<size_t>(n) * static_cast<size_t>(dim));
  for (int i = 0; i < n; ++i) {
    for (int k = 0; k < dim; ++k) {
      previous[static_cast<size_t>(i) * dim + k] = grid->nodes[static_cast<size_t>(i)][k];
    }
  }
  std::vector<double> rhs(static_cast<size_t>(n));
  std::vector<double> solution(static_cast<size_t>(n));
  std::vector<float> solved(static_cast<size_t>(n));
  std::vector<double> allRhs;
  std::vector<double> pointSums;

  for (int it = 0; stage.minimize && it < stage.numiter; ++it) {
    const long assignTicks = assignPoints();
    const long assemblyTicks = assembleSystem();
    mark = clock();

    computeAllRhs(allRhs, &pointSums);
    for (int k = 0; k < dim; ++k) {
      for (int i = 0; i < n; ++i) {
        solution[static_cast<size_t>(i)] =
            isIsolated(isolatedNodes, i) ? 0.0 : grid->nodes[static_cast<size_t>(i)][k];
      }
      for (int i = 0; i < n; ++i)
        rhs[static_cast<size_t>(i)] = allRhs[static_cast<size_t>(i) * dim + k];
      system->setInitialGuess(solution.data());
      system->setRhs(rhs.data());
      system->solve(static_cast<double>(stage.epsSLAU), stage.numiterSLAU);
      // Check the whole coordinate before writing any of it into the grid.
      for (int i = 0; i < n; ++i) {
        solved[static_cast<size_t>(i)] = static_cast<float>(system->solutionAt(i));
        if (!isIsolated(isolatedNodes, i) && !std::isfinite(solved[static_cast<size_t>(i)])) {
          system->solutionArray = nullptr;
          failure = Status::failure(
              "Training stopped: the linear system of epoch " + std::to_string(currentStage) +
              ", iteration " + std::to_string(it) +
              " has no finite solution (is a part of the grid left without points?)\n");
          return kEpochFailed;
        }
      }
      for (int i = 0; i < n; ++i) {
        if (!isIsolated(isolatedNodes, i)) {
          grid->nodes[static_cast<size_t>(i)][k] = solved[static_cast<size_t>(i)];
        }
      }
    }

    // Df = sum |previous - new| / dimension / n, the sum kept in single precision.
    float df = 0.0f;
    for (int i = 0; i < n; ++i) {
      for (int k = 0; k < dim; ++k) {
        float& old = previous[static_cast<size_t>(i) * dim + k];
        const float now = grid->nodes[static_cast<size_t>(i)][k];
        df += std::fabs(static_cast<double>(old) - static_cast<double>(now));
        old = now;
      }
    }
    df = df / static_cast<float>(dim);
    df = df / static_cast<float>(n);

    ProgressEntry entry;
    entry.stage = currentStage;
    entry.iteration = it;
    entry.df = df;
    std::string gmseText;
    if (referenceGrid != nullptr) {
      entry.hasGmse = true;
      entry.gmse = grid->gmse(*referenceGrid);
      char buffer[64];
      std::snprintf(buffer, sizeof buffer, " GMSE %5.4f ", entry.gmse);
      gmseText = buffer;
    }
    const long solveTicks = static_cast<long>(clock() - mark);
    std::string errors;
    if (testData != nullptr) {
      entry.testError = testMse();
      entry.hasTestError = true;
      entry.error = mse(std::move(pointSums));
      errors = streamDouble(entry.error) + "/" + streamDouble(entry.testError);
    } else {
      entry.error = mse(std::move(pointSums));
      errors = streamDouble(entry.error);
    }
    entry.solveTicks = solveTicks;
    entry.assignTicks = assignTicks;
    entry.assemblyTicks = assemblyTicks;
    progress.push_back(entry);
    print("Ep: %d It: %d MSE: %s%s Df: %s Time: %ld+(%ld,%ld)\n", currentStage, it, errors.c_str(),
          gmseText.c_str(), streamDouble(df).c_str(), solveTicks, assignTicks, assemblyTicks);
    flushOutput();
    if (onProgress) onProgress(entry);
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
