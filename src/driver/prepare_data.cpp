// The command-line run's preparation, on the library: the table loaded,
// normalized and written early (-normdat), the weights read, the library's
// preparation, then the summary and the scores.
#include "driver/prepare_data.h"

#include <cstdio>

#include "common/output.h"
#include "common/run_failure.h"
#include "data/message.h"
#include "data/table_input.h"
#include "driver/library_call.h"
#include "driver/library_convert.h"
#include "driver/library_files.h"

namespace manifit {

namespace {

bool canOpen(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

// One weight per point of the table, from the -w file (none when the file
// holds none).
Status readWeights(const std::string& path, Table& table) {
  if (!canOpen(path)) {
    warn("manifit: the weights file %s was not found; the run goes on without weights.\n",
         path.c_str());
  }
  DataTable points;
  points.pointCount = table.pointCount;
  points.dimension = table.dimension;
  const Status read =
      allocating("the weights of " + path, [&] { return readAnyWeights(path, points); });
  if (read.ok() && points.weighted) table.weights = std::move(points.weights);
  return read;
}

PrepareOptions prepareOptions(const Options& options) {
  PrepareOptions p;
  if (options.testPercent >= 0) p.testFraction = options.testPercent / 100.0;
  if (options.takePercent >= 0) p.discardFraction = options.takePercent / 100.0;
  p.threads = options.threads;
  p.progress = printEvent;
  p.tableName = *options.data;
  if (options.weights) p.weightsName = *options.weights;
  return p;
}

// The summary ("temp") and the scores (-pcdat); a file that cannot be
// written is reported and remembered, and the run goes on.
void writeComponentFiles(const Options& options, const PreparedTable& described,
                         PreparedData& prepared) {
  Failure written = writeSummaryFile(described.components, "temp", &prepared.outputs);
  if (written.failed()) {
    print("%s", written.message.c_str());
    prepared.outputFailed = true;
    prepared.unwritten.push_back("temp (summary)");
  }
  if (!options.pcdat) return;
  written = writeScoresOf(prepared, *options.pcdat, &prepared.outputs);
  if (written.failed()) {
    print("%s", written.message.c_str());
    prepared.outputFailed = true;
    prepared.unwritten.push_back(*options.pcdat + " (-pcdat)");
  }
}

}  // namespace

bool printEvent(const Event& event) {
  if (event.kind == Event::Kind::Message) {
    print("%s", event.text.c_str());
    flushOutput();
  } else if (event.kind == Event::Kind::Warning) {
    warn("%s", event.text.c_str());
  }
  return true;
}

Status prepareData(const Options& options, PreparedData& prepared) {
  const MissingValues missing =
      options.missing == "drop" ? MissingValues::Drop : MissingValues::Refuse;
  DataTable loaded;
  const Status read = allocating("the table of " + *options.data, [&] {
    return readAnyTable(*options.data, missing, loaded, prepared.columns);
  });
  if (!read.ok()) return read;
  Table table = tableOf(std::move(loaded));

  // The weights are not read yet, so these statistics are unweighted.
  Normalization normalization = computeNormalization(table.view());
  if (options.norm == 1) {
    applyNormalization(table, normalization);
  } else {
    normalization = withoutNormalization(normalization);
  }
  if (options.normdat) {
    const Failure written = writeTableFile(table.view(), *options.normdat, &prepared.outputs);
    if (written.failed()) return statusOf(written);
  }
  if (options.weights) {
    const Status weighted = readWeights(*options.weights, table);
    if (!weighted.ok()) return weighted;
  }

  const PreparedTable described =
      prepareTables(std::move(table), normalization, prepareOptions(options), prepared);
  if (!described.ok()) return statusOf(described.failure);
  // Nothing that is not a finite number is written: a score too large for
  // single precision stops the run before any file.
  if (options.pcdat && prepared.components->firstNonFiniteScore() >= 0) {
    return statusOf(writeScoresOf(prepared, *options.pcdat, nullptr));
  }
  writeComponentFiles(options, described, prepared);
  return Status::success();
}

}  // namespace manifit
