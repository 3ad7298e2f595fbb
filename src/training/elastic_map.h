// The trainer: it refers to the tables, the grid and the linear system, owns
// the training schedule and the nearest-node assignment, and runs the
// schedule of epochs and adaptation stages.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/status.h"
#include "geometry/pruned_search.h"
#include "grid/node_assignment.h"
#include "training/progress_entry.h"
#include "training/training_stage.h"

namespace manifit {

struct DataTable;
class Grid;
class SparseSystem;

class ElasticMap {
 public:
  int dimension = 0;
  int currentStage = 0;
  int stageCount = 0;
  float initStretch[3] = {0.8f, 0.8f, 0.8f};
  float currentEp = 1.0f;
  float currentRp = 1.0f;
  std::vector<TrainingStage> stages;
  std::string algtype = "epoch";
  Grid* referenceGrid = nullptr;
  Grid* grid = nullptr;
  DataTable* data = nullptr;
  DataTable* testData = nullptr;
  SparseSystem* system = nullptr;
  NodeAssignment assignment;
  // Every progress line printed, as numbers, in order.
  std::vector<ProgressEntry> progress;
  // The training points' search: pruned by bounds kept between iterations,
  // or (fullSearch) every distance every time; both give the same nodes.
  PrunedSearch pointSearch;
  bool fullSearch = false;
  // When set, every assignment of the training points is appended here.
  std::vector<NodeAssignment>* assignmentLog = nullptr;
  // Nodes whose matrix row came out all zero at the last assembly (no points,
  // no elastic connection): they keep their positions through the solves.
  std::vector<char> isolatedNodes;
  // Told every iteration's numbers right after its progress line.
  std::function<void(const ProgressEntry&)> onProgress;
  // Asked after every iteration's progress line; false stops the run (the
  // epoch gives kEpochFailed with a "stopped on request" failure).
  std::function<bool()> keepGoing;
  // Why the last epoch stopped the run (runEpoch returned kEpochFailed).
  Status failure;

  // runEpoch's result when the linear system gave no finite node positions.
  static constexpr long kEpochFailed = -2;

  void setData(DataTable& table);
  void setTestData(DataTable& table);
  // Frees the search's bounds (the next assignment starts afresh).
  void releaseSearch();
  void setGrid(Grid& adopted);
  void setReferenceGrid(Grid& reference);
  void setSystem(SparseSystem& linearSystem);

  // Lays the grid out along the principal components.
  void placeGrid(const std::vector<double>& mean,
                 const std::vector<std::vector<double>>& components,
                 const std::vector<double>& fractions, int count);

  // Whether every placed node is near enough to the mean that the squared
  // distances of training stay finite in single precision (a huge initial
  // stretch puts the nodes beyond that).
  bool placedWithinReach(const std::vector<double>& mean) const;

  // The schedule. A failed status stops the run (a grid that cannot be
  // trained any further); the normal outcomes are all successes.
  Status runStrategy();
  Status runSchedule();
  Status runGraphSchedule();

  // One epoch and its parts.
  long runEpoch();
  long assignPoints();
  long assembleSystem();
  // Every coordinate's right-hand side in one pass over the points:
  // out[i * dimension + k] = b_i[k] = sum over the points p of node i, in list
  // order, of w_p x_p[k] (a float product, w_p = 1 without weights, summed in
  // double), divided by the total weight (or the point count).
  // With pointSums, the same pass also leaves there each node's plain sums of
  // its points' coordinates (unweighted, before the division), which is what
  // the error figure needs: trainingRms(pointSums) gives trainingRms() without
  // its own pass.
  void computeAllRhs(std::vector<double>& out, std::vector<double>* pointSums = nullptr);
  // The error figure printed as "MSE": the root mean square distance of the
  // training points to the centroid of their node's points (centroidRms).
  double trainingRms() const;
  double trainingRms(std::vector<double> pointSums) const;
  // The same figure for the test table, each point at its nearest node (0
  // without a test table).
  double testRms() const;

  // Parts of the schedule and the epoch.
  long runAdaptation(const TrainingStage& stage);
  bool runExtrapolation(const TrainingStage& stage);
  void markIsolatedNodes();
};

}  // namespace manifit
