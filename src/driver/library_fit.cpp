// fit(): the whole path from the caller's rows to a fitted map.
#include <new>
#include <stdexcept>

#include "common/run_failure.h"
#include "driver/library_call.h"
#include "driver/prepare_data.h"
#include "geometry/nearest_node.h"
#include "manifit/fit.h"

namespace manifit {

namespace {

FitResult failedFit(const Failure& failure) {
  FitResult result;
  result.failure = failure;
  result.stopped = failure.message == stoppedFailure().message;
  return result;
}

// A copy of the view's rows and weights, normalized as asked.
Status copyTable(const TableView& view, bool normalize, Table& table,
                 Normalization& normalization) {
  if (view.pointCount < 0 || view.dimension < 0 ||
      (view.rows == nullptr && view.pointCount > 0 && view.dimension > 0)) {
    return Status::failure("The table view has no rows or negative sizes.\n");
  }
  const size_t count = static_cast<size_t>(view.pointCount) * static_cast<size_t>(view.dimension);
  table.pointCount = view.pointCount;
  table.dimension = view.dimension;
  if (count > 0) table.values.assign(view.rows, view.rows + count);
  if (view.weights != nullptr && view.pointCount > 0)
    table.weights.assign(view.weights, view.weights + view.pointCount);
  // The rows as given are checked, before normalization mixes them.
  const Status usable = checkTable(table);
  if (!usable.ok()) return usable;
  normalization = computeNormalization(table.view());
  if (normalize) {
    applyNormalization(table, normalization);
  } else {
    normalization = withoutNormalization(normalization);
  }
  return Status::success();
}

}  // namespace

FitResult fit(const TableView& view, const GridSpec& grid, const Schedule& schedule,
              const FitOptions& options) {
  Table table;
  Normalization normalization;
  // Nothing prints here; only memory can run out.
  const Status copied =
      guardRun([&] { return copyTable(view, options.normalize, table, normalization); });
  if (!copied.ok()) return failedFit(failureOf(copied));

  PrepareOptions prepareOptions;
  prepareOptions.testFraction = options.testFraction;
  prepareOptions.discardFraction = options.discardFraction;
  prepareOptions.threads = options.threads;
  prepareOptions.progress = options.progress;
  PreparedTable prepared = prepare(std::move(table), normalization, prepareOptions);
  if (!prepared.ok()) return failedFit(prepared.failure);

  TrainOptions trainOptions;
  trainOptions.generatingNodes = options.generatingNodes;
  trainOptions.threads = options.threads;
  trainOptions.fullSearch = options.fullSearch;
  trainOptions.progress = options.progress;
  return train(prepared, grid, schedule, trainOptions);
}

std::string kernelWarning() {
  return kernelRequestWarning();
}

}  // namespace manifit
