// Fitting a map and projecting points onto it. Every function here returns
// its failures as values: nothing prints, nothing ends the process, nothing
// writes a file. Two fits may run at the same time in two threads; each
// owns its random generator, thread count, size limits and messages.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "manifit/failure.h"
#include "manifit/map.h"
#include "manifit/schedule.h"
#include "manifit/table.h"

namespace manifit {

class OutputSet;

// What a fit reports while it runs: every text the tool prints on standard
// output (Message), every warning it prints on standard error (Warning), and
// after each iteration's progress line its numbers (Iteration).
struct Event {
  enum class Kind { Message, Warning, Iteration };
  Kind kind = Kind::Message;
  std::string text;
  Iteration iteration;
};

// Receives the events in order; returning false stops the fit, which then
// fails with "the fit was stopped".
using ProgressCallback = std::function<bool(const Event&)>;

// The column statistics of a table (unweighted), as the tool normalizes with.
Normalization computeNormalization(const TableView& table);
// x = (x - mean) / deviation for every row, in place, with the tool's arithmetic.
void applyNormalization(Table& table, const Normalization& normalization);

// How prepare() treats a table: the fraction of points drawn as the test
// part and the fraction drawn and discarded (each one draw per point; below
// 0 no split; test first), the worker threads (0: the hardware's count), the
// progress callback, and the names that stand for the table and the weights
// in messages (as "Table file <name>: ...").
struct PrepareOptions {
  double testFraction = -1.0;
  double discardFraction = -1.0;
  int threads = 0;
  ProgressCallback progress;
  std::string tableName = "(in memory)";
  std::string weightsName = "(in memory)";
};

struct PreparedData;  // the tables of a prepared fit (opaque)

// A table made ready for training: split, with its principal components.
struct PreparedTable {
  Failure failure;
  int dimension = 0;
  Normalization normalization;
  Components components;
  std::vector<RowPart> rowParts;  // per input row
  int fitPoints = 0;
  int testPoints = 0;
  int discardedPoints = 0;
  std::shared_ptr<PreparedData> data;

  bool ok() const { return !failure.failed(); }
};

// Weights, split and principal components of a table that normalization
// describes (already applied to it, or not applied). Takes the table over.
PreparedTable prepare(Table table, const Normalization& normalization,
                      const PrepareOptions& options);

// How train() runs: a generating manifold (node rows of the table's
// dimension; training then reports its distance), the worker threads, the
// full search at every iteration instead of the pruned one (same result),
// whether to project the fitted points at the end (into FitResult::projection,
// from the final assignment), and the progress callback. A graph grid writes
// the distances of its joins to graphDiagnosticsFile when one is named (into
// outputs when given); sectionName stands for the grid's settings in
// messages (as "<sectionName>: init.stretch1 ...").
struct TrainOptions {
  std::vector<float> generatingNodes;
  int threads = 0;
  bool fullSearch = false;
  bool projectFittedPoints = false;
  ProgressCallback progress;
  std::string graphDiagnosticsFile;
  OutputSet* outputs = nullptr;
  std::string sectionName = "The grid settings";
};

// A fit's outcome. On failure only failure (and what was known before it) is set.
struct FitResult {
  Failure failure;
  bool stopped = false;  // the progress callback asked to stop
  Map map;
  std::vector<Iteration> history;
  double finalError = 0.0;  // the error of the progress line after the last reassignment
  Normalization normalization;
  Components components;
  std::vector<RowPart> rowParts;
  int fitPoints = 0;
  int testPoints = 0;
  int discardedPoints = 0;
  Projection projection;  // the fitted points, when asked for

  bool ok() const { return !failure.failed(); }
};

// Places the grid along the components and runs the schedule on a prepared table.
FitResult train(PreparedTable& prepared, const GridSpec& grid, const Schedule& schedule,
                const TrainOptions& options);

// Everything fit() needs besides the table, the grid and the schedule.
struct FitOptions {
  bool normalize = true;
  double testFraction = -1.0;
  double discardFraction = -1.0;
  std::vector<float> generatingNodes;
  int threads = 0;
  bool fullSearch = false;
  ProgressCallback progress;
};

// computeNormalization, applyNormalization, prepare and train in one call, on
// a copy of the caller's rows.
FitResult fit(const TableView& table, const GridSpec& grid, const Schedule& schedule,
              const FitOptions& options);

// Projects points (in the map's fitted units) onto the map: new points too.
struct ProjectResult {
  Failure failure;
  Projection projection;

  bool ok() const { return !failure.failed(); }
};
ProjectResult project(const Map& map, const TableView& points, int threads = 0);

// A line for standard error when the environment's MANIFIT_KERNEL (plain, avx2
// or avx512) names no kernel this processor and build can run, "" otherwise;
// the searches then use the fastest kernel they can.
std::string kernelWarning();

}  // namespace manifit
