#include "driver/prepare_data.h"

#include <cstdio>
#include <ctime>

#include "common/output.h"
#include "data/message.h"
#include "data/table_input.h"

namespace manifit {

namespace {

// Splits the loaded table with p = percent / 100 and makes the kept part the
// working table.
void splitLoaded(PreparedData& prepared, int percent) {
  const float p = static_cast<float>(percent / 100.0);
  prepared.loaded.split(prepared.kept, prepared.drawn, p, &prepared.drawnFlags);
  prepared.kept.statistics = &prepared.statistics;
  prepared.working = &prepared.kept;
}

bool canOpen(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

// The mean and deviation each column was normalized with.
void keepNormalization(const Options& options, PreparedData& prepared) {
  const size_t d = static_cast<size_t>(prepared.loaded.dimension);
  prepared.normalizationMean.assign(d, 0.0);
  prepared.normalizationDeviation.assign(d, 1.0);
  if (options.norm != 1) return;
  for (size_t j = 0; j < d; ++j) {
    prepared.normalizationMean[j] = prepared.statistics.mean[j];
    const double deviation = prepared.statistics.deviation[j];
    if (deviation != 0.0) prepared.normalizationDeviation[j] = deviation;
  }
}

// The first three principal components of the working table, as variance
// fractions, their summary file "temp" and the scores of -pcdat; refused
// when they are not finite numbers.
Status extractComponents(const Options& options, PreparedData& prepared) {
  prepared.components = std::make_unique<PrincipalComponents>(*prepared.working);
  const std::clock_t start = std::clock();
  prepared.components->computeComponents(3);
  print("Time spent for calc PC: %i\n", static_cast<int>(std::clock() - start));
  prepared.components->toVarianceFractions();
  // Nothing that is not a finite number is written: numbers too large for
  // the single-precision residuals and scores stop the run here.
  if (!prepared.components->resultsFinite()) {
    return Status::failure(formatMessage(
        "Table file %s: the principal components are not finite numbers (the coordinates are too "
        "large for single-precision arithmetic; normalize the table or scale it down).\n",
        options.data->c_str()));
  }
  const int badScore = options.pcdat ? prepared.components->firstNonFiniteScore() : -1;
  if (badScore >= 0) {
    return Status::failure(formatMessage(
        "Table file %s: the component score of point %i is not a finite number (the coordinates "
        "are too large for single-precision arithmetic; normalize the table or scale it down).\n",
        options.data->c_str(), badScore + 1));
  }
  if (!prepared.components->writeSummary("temp", &prepared.outputs)) {
    prepared.outputFailed = true;
    prepared.unwritten.push_back("temp (summary)");
  }
  if (options.pcdat && !prepared.components->writeScores(*options.pcdat, &prepared.outputs)) {
    prepared.outputFailed = true;
    prepared.unwritten.push_back(*options.pcdat + " (-pcdat)");
  }
  return Status::success();
}

}  // namespace

Status prepareData(const Options& options, PreparedData& prepared) {
  const MissingValues missing =
      options.missing == "drop" ? MissingValues::Drop : MissingValues::Refuse;
  const Status loaded = readAnyTable(*options.data, missing, prepared.loaded, prepared.columns);
  if (!loaded.ok()) return loaded;

  // The weights are not read yet, so these statistics are unweighted.
  prepared.statistics.computeStatistics(prepared.loaded);
  prepared.loaded.statistics = &prepared.statistics;
  keepNormalization(options, prepared);
  if (options.norm == 1) prepared.loaded.normalize();

  if (options.normdat && !prepared.loaded.writeTable(*options.normdat, &prepared.outputs)) {
    return Status::failure(
        formatMessage("Can not open file %s for writing. \n", options.normdat->c_str()));
  }
  if (options.weights) {
    if (!canOpen(*options.weights)) {
      warn("manifit: the weights file %s was not found; the run goes on without weights.\n",
           options.weights->c_str());
    }
    const Status weighted = readAnyWeights(*options.weights, prepared.loaded);
    if (!weighted.ok()) return weighted;
  }

  prepared.working = &prepared.loaded;
  if (options.testPercent >= 0) splitLoaded(prepared, options.testPercent);
  if (options.takePercent >= 0) splitLoaded(prepared, options.takePercent);
  if (prepared.working->pointCount == 0) {
    return Status::failure(formatMessage(
        "Table file %s: the random split drew all %i points, so none are left to fit.\n",
        options.data->c_str(), prepared.loaded.pointCount));
  }
  if (prepared.working->weighted && prepared.working->totalWeight == 0.0f) {
    return Status::failure(
        formatMessage("Weights file %s: the random split kept only points of weight 0, so there is "
                      "nothing to fit.\n",
                      options.weights->c_str()));
  }

  return extractComponents(options, prepared);
}

}  // namespace manifit
