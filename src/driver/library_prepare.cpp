// The library's preparation of a table: normalization, weights, random split
// and principal components.
#include <cmath>
#include <ctime>

#include "common/output.h"
#include "common/random.h"
#include "common/run_failure.h"
#include "data/message.h"
#include "driver/library_call.h"
#include "driver/library_convert.h"
#include "driver/prepare_data.h"

namespace manifit {

namespace {

// Total weight as the weights file reader forms it: a float sum, carried in
// double for a large table.
float totalWeightOf(const std::vector<float>& weights) {
  float total = 0.0f;
  double wide = 0.0;
  for (float w : weights) {
    total += w;
    wide += w;
  }
  return largeTable(static_cast<int>(weights.size())) ? static_cast<float>(wide) : total;
}

}  // namespace

Status checkTable(const Table& table) {
  if (table.dimension < 1 || table.pointCount < 1) {
    return Status::failure(
        formatMessage("The table has %i points of %i coordinates; it needs at "
                      "least one point of one coordinate.\n",
                      table.pointCount, table.dimension));
  }
  const size_t d = static_cast<size_t>(table.dimension);
  if (table.values.size() / d != static_cast<size_t>(table.pointCount) ||
      table.values.size() % d != 0) {
    return Status::failure(formatMessage("The table holds %zu values, not %i points of %i.\n",
                                         table.values.size(), table.pointCount, table.dimension));
  }
  for (size_t i = 0; i < table.values.size(); ++i) {
    if (!std::isfinite(table.values[i])) {
      return Status::failure(formatMessage(
          "The table's point %zu, coordinate %zu is not a finite number.\n", i / d + 1, i % d + 1));
    }
  }
  if (table.weights.empty()) return Status::success();
  if (table.weights.size() != static_cast<size_t>(table.pointCount)) {
    return Status::failure(formatMessage("The table has %zu weights for %i points.\n",
                                         table.weights.size(), table.pointCount));
  }
  for (size_t i = 0; i < table.weights.size(); ++i) {
    if (!std::isfinite(table.weights[i]) || table.weights[i] < 0.0f) {
      return Status::failure(
          formatMessage("The weight of point %zu is not a finite number of at least 0.\n", i + 1));
    }
  }
  const float total = totalWeightOf(table.weights);
  if (!(total > 0.0f) || !std::isfinite(total)) {
    return Status::failure(
        formatMessage("The weights add up to %g; their total must be a finite number above 0.\n",
                      static_cast<double>(total)));
  }
  return Status::success();
}

namespace {

// The normalization a prepared table keeps: one mean and deviation per
// column (mean 0 and deviation 1 where the caller gave none).
Normalization keptNormalization(const Normalization& given, int dimension) {
  Normalization n = given;
  const size_t d = static_cast<size_t>(dimension);
  if (n.mean.size() != d || n.deviation.size() != d) {
    n.applied = false;
    n.mean.assign(d, 0.0);
    n.deviation.assign(d, 1.0);
  }
  return n;
}

ColumnStatistics rawStatistics(const Normalization& n) {
  ColumnStatistics statistics;
  statistics.mean = n.rawMean;
  statistics.deviation = n.rawDeviation;
  statistics.minimum = n.minimum;
  statistics.maximum = n.maximum;
  statistics.totalVariance = n.totalVariance;
  return statistics;
}

// The loaded table: the rows taken over, the weights attached.
void takeTable(Table& table, PreparedData& prepared) {
  DataTable& loaded = prepared.loaded;
  const size_t d = static_cast<size_t>(table.dimension);
  loaded.pointCount = table.pointCount;
  loaded.dimension = table.dimension;
  loaded.storage = std::move(table.values);
  loaded.rows.resize(static_cast<size_t>(table.pointCount));
  for (size_t i = 0; i < loaded.rows.size(); ++i) loaded.rows[i] = loaded.storage.data() + i * d;
  loaded.ownsRows = true;
  if (!table.weights.empty()) {
    loaded.weighted = true;
    loaded.totalWeight = totalWeightOf(table.weights);
    loaded.weights = std::move(table.weights);
  }
  loaded.statistics = &prepared.statistics;
}

// Splits the loaded table with p = fraction (as a float) and makes the kept
// part the working table.
void splitLoaded(PreparedData& prepared, double fraction) {
  const float p = static_cast<float>(fraction);
  prepared.loaded.split(prepared.kept, prepared.drawn, p, &prepared.drawnFlags);
  prepared.kept.statistics = &prepared.statistics;
  prepared.working = &prepared.kept;
}

Status splitAndCheck(const PrepareOptions& options, PreparedData& prepared) {
  prepared.working = &prepared.loaded;
  if (options.testFraction >= 0.0) {
    splitLoaded(prepared, options.testFraction);
    prepared.drawnIsTest = true;
  }
  if (options.discardFraction >= 0.0) splitLoaded(prepared, options.discardFraction);
  if (prepared.working->pointCount == 0) {
    return Status::failure(formatMessage(
        "Table file %s: the random split drew all %i points, so none are left to fit.\n",
        options.tableName.c_str(), prepared.loaded.pointCount));
  }
  if (prepared.working->weighted && prepared.working->totalWeight == 0.0f) {
    return Status::failure(
        formatMessage("Weights file %s: the random split kept only points of weight 0, so there is "
                      "nothing to fit.\n",
                      options.weightsName.c_str()));
  }
  return Status::success();
}

Status computeComponents(const PrepareOptions& options, PreparedData& prepared) {
  prepared.components = std::make_unique<PrincipalComponents>(*prepared.working);
  const std::clock_t start = std::clock();
  allocating("the principal components of " + options.tableName,
             [&] { prepared.components->computeComponents(3); });
  print("Time spent for calc PC: %i\n", static_cast<int>(std::clock() - start));
  prepared.components->toVarianceFractions();
  // Nothing that is not a finite number goes further: numbers too large for
  // the single-precision residuals stop the preparation here.
  if (!prepared.components->resultsFinite()) {
    return Status::failure(formatMessage(
        "Table file %s: the principal components are not finite numbers (the coordinates are too "
        "large for single-precision arithmetic; normalize the table or scale it down).\n",
        options.tableName.c_str()));
  }
  return Status::success();
}

std::vector<RowPart> rowPartsOf(const PreparedData& prepared) {
  std::vector<RowPart> parts(static_cast<size_t>(prepared.loaded.pointCount), RowPart::Fit);
  const RowPart drawn = prepared.drawnIsTest ? RowPart::Test : RowPart::Discarded;
  for (size_t p = 0; p < prepared.drawnFlags.size() && p < parts.size(); ++p) {
    if (prepared.drawnFlags[p]) parts[p] = drawn;
  }
  return parts;
}

}  // namespace

Normalization computeNormalization(const TableView& table) {
  Normalization n;
  if (table.rows == nullptr || table.pointCount < 1 || table.dimension < 1) return n;
  TableView unweighted = table;
  unweighted.weights = nullptr;
  ColumnStatistics statistics;
  statistics.computeStatistics(viewTable(unweighted));
  n.applied = true;
  n.mean = statistics.mean;
  n.deviation = statistics.deviation;
  for (double& deviation : n.deviation) {
    if (deviation == 0.0) deviation = 1.0;
  }
  n.minimum = statistics.minimum;
  n.maximum = statistics.maximum;
  n.rawMean = statistics.mean;
  n.rawDeviation = statistics.deviation;
  n.totalVariance = statistics.totalVariance;
  return n;
}

void applyNormalization(Table& table, const Normalization& normalization) {
  const size_t d = static_cast<size_t>(std::max(table.dimension, 0));
  if (d == 0 || normalization.mean.size() != d || normalization.deviation.size() != d) return;
  for (size_t i = 0; i + d <= table.values.size(); i += d) {
    float* x = &table.values[i];
    for (size_t j = 0; j < d; ++j) {
      x[j] = static_cast<float>((x[j] - normalization.mean[j]) / normalization.deviation[j]);
    }
  }
}

Normalization withoutNormalization(Normalization statistics) {
  statistics.applied = false;
  statistics.mean.assign(statistics.rawMean.size(), 0.0);
  statistics.deviation.assign(statistics.rawMean.size(), 1.0);
  return statistics;
}

PreparedTable describePrepared(const PreparedData& prepared) {
  PreparedTable table;
  table.dimension = prepared.loaded.dimension;
  table.normalization = prepared.normalization;
  if (prepared.components) {
    table.components.mean = prepared.components->mean;
    table.components.vectors = prepared.components->components;
    table.components.varianceFractions = prepared.components->variances;
  }
  table.rowParts = rowPartsOf(prepared);
  table.fitPoints = prepared.working != nullptr ? prepared.working->pointCount : 0;
  const bool split = !prepared.drawnFlags.empty();
  if (split && prepared.drawnIsTest) table.testPoints = prepared.drawn.pointCount;
  if (split && !prepared.drawnIsTest) table.discardedPoints = prepared.drawn.pointCount;
  return table;
}

PreparedTable prepareTables(Table table, const Normalization& normalization,
                            const PrepareOptions& options, PreparedData& prepared) {
  LibraryCall call(options.progress, options.threads);
  const Failure failure = call.run([&] {
    const Status usable = checkTable(table);
    if (!usable.ok()) return usable;
    sharedRandom().state = RandomGenerator::kStartState;
    prepared.tableName = options.tableName;
    prepared.weightsName = options.weightsName;
    prepared.normalization = keptNormalization(normalization, table.dimension);
    prepared.statistics = rawStatistics(normalization);
    takeTable(table, prepared);
    Status status = splitAndCheck(options, prepared);
    if (status.ok()) status = computeComponents(options, prepared);
    prepared.randomState = sharedRandom().state;
    if (status.ok() && call.stopRequested()) return statusOf(stoppedFailure());
    return status;
  });
  if (failure.failed()) {
    PreparedTable failed;
    failed.failure = failure;
    return failed;
  }
  return describePrepared(prepared);
}

PreparedTable prepare(Table table, const Normalization& normalization,
                      const PrepareOptions& options) {
  auto data = std::make_shared<PreparedData>();
  PreparedTable prepared = prepareTables(std::move(table), normalization, options, *data);
  if (prepared.ok()) prepared.data = std::move(data);
  return prepared;
}

}  // namespace manifit
