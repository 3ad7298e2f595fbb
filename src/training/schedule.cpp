#include <algorithm>
#include <cmath>
#include <string>

#include "common/output.h"
#include "grid/grid.h"
#include "grid/grid_types.h"
#include "training/elastic_map.h"

namespace manifit {

Status ElasticMap::runStrategy() {
  print("Strategy: %s\n", algtype.c_str());
  if (algtype == "epoch") return runSchedule();
  return Status::success();
}

// Runs the stages from currentStage to the end; an epoch that cannot give
// finite node positions stops the schedule with its failure.
Status ElasticMap::runSchedule() {
  long result = 1;
  while (result >= 0 && currentStage < stageCount) {
    const TrainingStage& stage = stages[static_cast<size_t>(currentStage)];
    if (stage.kind == 0) {
      result = runEpoch();
    } else {
      result = runAdaptation(stage);
    }
    if (result == kEpochFailed) return failure;
  }
  return Status::success();
}

// Alternates the stage's grid change with an epoch of its own parameters
// until the error changes by less than epsMSE or numstep steps have run.
long ElasticMap::runAdaptation(const TrainingStage& stage) {
  long result = 1;
  assignPoints();
  for (int step = 1; step <= stage.numstep; ++step) {
    print("Adaptation step: %d\n", step);
    flushOutput();
    const double before = trainingRms();
    if (stage.type == "grow") {
      const long long added = std::min<long long>(std::max(stage.numevery, 0), grid->edgeCount);
      const Status room = checkGridCapacity(
          "Adaptation step " + std::to_string(step) + ": growing the grid of " +
              std::to_string(grid->nodeCount) + " nodes by " + std::to_string(added),
          grid->nodeCount + added, grid->dimension);
      if (!room.ok()) {
        failure = room;
        return kEpochFailed;
      }
      grid->grow(assignment, stage.numevery);
    } else if (stage.type == "break") {
      grid->breakRibs(assignment, *data);
    }
    result = runEpoch();
    if (result == kEpochFailed) return result;
    assignPoints();
    const double after = trainingRms();
    --currentStage;
    if (std::fabs(before - after) < static_cast<double>(stage.epsMSE)) break;
  }
  ++currentStage;
  return result;
}

}  // namespace manifit
