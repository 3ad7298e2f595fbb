// The command-line run's training, on the library: the configuration
// section, the generating manifold, the training and the output files.
#include "driver/training_run.h"

#include <string>
#include <vector>

#include "common/output.h"
#include "data/column_statistics.h"
#include "data/message.h"
#include "driver/library_call.h"
#include "driver/library_convert.h"
#include "driver/library_files.h"
#include "driver/library_train.h"
#include "driver/output_set.h"
#include "driver/point_results.h"
#include "manifit/files.h"
#include "manifit/schedule.h"

namespace manifit {

namespace {

// The part of every loaded point: fit, test or discarded.
std::vector<std::string> pointParts(const FitResult& fit) {
  std::vector<std::string> parts;
  for (RowPart part : fit.rowParts) {
    parts.push_back(part == RowPart::Fit ? "fit" : part == RowPart::Test ? "test" : "discarded");
  }
  return parts;
}

// Fraction of variance unexplained: the (weighted) mean squared distance of
// the fitted points to their nearest nodes over their total variance.
double unexplainedFraction(const DataTable& working, const std::vector<std::string>& parts,
                           const std::vector<PointResult>& results) {
  ColumnStatistics statistics;
  statistics.computeStatistics(working);
  double sum = 0.0;
  double total = 0.0;
  int k = 0;
  for (size_t p = 0; p < results.size() && k < working.pointCount; ++p) {
    if (parts[p] != "fit") continue;
    const double w = working.weighted ? working.weights[static_cast<size_t>(k)] : 1.0;
    sum += w * results[p].squaredDistance;
    total += w;
    ++k;
  }
  if (!(total > 0.0) || !(statistics.totalVariance > 0.0)) return 0.0;
  return sum / total / statistics.totalVariance;
}

// The per-point file and the model file, when asked for; a file that could
// not be written is added to unwritten.
void writeResultFiles(const Options& options, PreparedData& prepared, const FitResult& fit,
                      const std::string& section) {
  if (!options.points && !options.model) return;
  const std::vector<std::string> parts = pointParts(fit);
  const std::vector<PointResult> results = projectTable(*gridOf(fit.map), prepared.loaded);
  if (options.points) {
    const Status written = writePointsFile(*options.points, prepared.columns, parts, results,
                                           stagedFiles(&prepared.outputs));
    if (!written.ok()) {
      warn("manifit: %s", written.message.c_str());
      prepared.unwritten.push_back(*options.points + " (-points)");
    }
  }
  if (options.model) {
    ModelInfo info;
    info.columns = prepared.columns.coordinateNames(prepared.loaded.dimension);
    info.configurationFile = *options.ini;
    info.algorithm = options.algorithm;
    info.section = section;
    info.fvu = unexplainedFraction(*prepared.working, parts, results);
    const Failure written = writeModelFile(fit, info, *options.model, &prepared.outputs);
    if (written.failed()) {
      warn("manifit: %s", written.message.c_str());
      prepared.unwritten.push_back(*options.model + " (-model)");
    }
  }
}

TrainOptions trainOptions(const Options& options, PreparedData& prepared) {
  TrainOptions train;
  train.threads = options.threads;
  train.fullSearch = options.fullSearch;
  train.projectFittedPoints = options.projections.has_value();
  train.progress = printEvent;
  train.graphDiagnosticsFile = "mas";
  train.outputs = &prepared.outputs;
  train.sectionName = formatMessage("Configuration file %s, section #ALG%i", options.ini->c_str(),
                                    options.algorithm);
  return train;
}

// A written file that failed: its message printed, its name remembered.
void reportUnwritten(const Failure& written, const std::string& name, PreparedData& prepared) {
  if (!written.failed()) return;
  print("%s", written.message.c_str());
  prepared.unwritten.push_back(name);
}

}  // namespace

Status runTraining(const Options& options, PreparedData& prepared) {
  const int dimension = prepared.loaded.dimension;
  const Section section = readSection(*options.ini, options.algorithm, dimension);
  for (const std::string& warning : section.warnings) warn("%s", warning.c_str());
  if (!section.ok()) return statusOf(section.failure);

  TrainOptions train = trainOptions(options, prepared);
  if (options.gen) {
    NodeFile generating = readNodeFile(*options.gen, dimension);
    if (!generating.ok()) return statusOf(generating.failure);
    train.generatingNodes = std::move(generating.nodes);
  }
  const FitResult fit = trainPrepared(prepared, section.grid, section.schedule, train);
  if (!fit.ok()) return statusOf(fit.failure);

  // Each output is tried, whatever became of the one before; then every
  // output written is put in place together, and any failure ends the run
  // with status 1, naming what is missing.
  OutputSet& outputs = prepared.outputs;
  std::vector<std::string>& unwritten = prepared.unwritten;
  reportUnwritten(writeManifoldFile(fit.map, *options.output, options.dataName, &outputs),
                  *options.output + " (-o)", prepared);
  if (options.projections) {
    reportUnwritten(writeProjectionsFile(fit.projection, *options.projections, &outputs),
                    *options.projections + " (-p)", prepared);
  }
  writeResultFiles(options, prepared, fit, section.text);
  Status status = Status::success();
  if (options.normdat) {
    status = statusOf(writeNormalizedOf(prepared, *options.normdat, &outputs));
    if (!status.ok()) unwritten.push_back(*options.normdat + " (-normdat)");
  }
  const std::vector<std::string> unplaced = outputs.placeAll();
  for (const std::string& path : unplaced) {
    print("Can not write file %s\n", path.c_str());
    unwritten.push_back(path);
  }
  if (!unwritten.empty()) {
    std::string list;
    for (const std::string& file : unwritten) list += (list.empty() ? "" : ", ") + file;
    warn("manifit: not written: %s\n", list.c_str());
  }
  if (!status.ok()) return status;
  if (!unwritten.empty() || prepared.outputFailed) return Status::failure("");
  return Status::success();
}

}  // namespace manifit
