// The public model file: a fit and its description, as the model file holds
// them, every number exactly.
#include "driver/library_call.h"
#include "driver/library_convert.h"
#include "driver/model_build.h"
#include "driver/model_file.h"
#include "driver/output_set.h"
#include "manifit/files.h"

namespace manifit {

namespace {

Model modelOf(const FitResult& fit, const ModelInfo& info) {
  Model m;
  m.gridType = gridTypeName(fit.map.type);
  m.size1 = fit.map.size1;
  m.size2 = fit.map.size2;
  m.columns = info.columns;
  m.normalized = fit.normalization.applied;
  m.mean = fit.normalization.mean;
  m.deviation = fit.normalization.deviation;
  describeGrid(*gridOf(fit.map), m);
  m.componentMean = fit.components.mean;
  m.componentVectors = fit.components.vectors;
  m.varianceFractions = fit.components.varianceFractions;
  m.configurationFile = info.configurationFile;
  m.algorithm = info.algorithm;
  m.section = info.section;
  for (const Iteration& it : fit.history) m.history.push_back(progressEntryOf(it));
  m.finalError = fit.finalError;
  m.fvu = info.fvu;
  m.fitPoints = fit.fitPoints;
  m.testPoints = fit.testPoints;
  m.discardedPoints = fit.discardedPoints;
  return m;
}

Map mapOfModel(const Model& m) {
  Map map;
  gridTypeFromName(m.gridType, map.type);
  map.size1 = m.size1;
  map.size2 = m.size2;
  map.dimension = m.dimension;
  map.manifoldDimension = m.manifoldDimension;
  for (const std::vector<float>& node : m.nodes)
    map.nodes.insert(map.nodes.end(), node.begin(), node.end());
  for (const std::array<float, 3>& c : m.gridCoordinates)
    map.gridCoordinates.insert(map.gridCoordinates.end(), c.begin(), c.end());
  map.edges = m.edges;
  map.ribs = m.ribs;
  map.triangles = m.triangles;
  map.edgeCoefficients = m.edgeCoefficients;
  map.ribCoefficients = m.ribCoefficients;
  return map;
}

void fitOfModel(const Model& m, FitResult& fit, ModelInfo& info) {
  fit.map = mapOfModel(m);
  fit.normalization.applied = m.normalized;
  fit.normalization.mean = m.mean;
  fit.normalization.deviation = m.deviation;
  fit.components.mean = m.componentMean;
  fit.components.vectors = m.componentVectors;
  fit.components.varianceFractions = m.varianceFractions;
  for (const ProgressEntry& entry : m.history) fit.history.push_back(iterationOf(entry));
  fit.finalError = m.finalError;
  fit.fitPoints = static_cast<int>(m.fitPoints);
  fit.testPoints = static_cast<int>(m.testPoints);
  fit.discardedPoints = static_cast<int>(m.discardedPoints);
  info.columns = m.columns;
  info.configurationFile = m.configurationFile;
  info.algorithm = m.algorithm;
  info.section = m.section;
  info.fvu = m.fvu;
}

}  // namespace

Failure writeModelFile(const FitResult& fit, const ModelInfo& info, const std::string& path,
                       OutputSet* set) {
  LibraryCall call(nullptr, -1);
  return call.run([&] {
    const Status usable = checkMap(fit.map);
    if (!usable.ok()) return usable;
    const size_t d = static_cast<size_t>(fit.map.dimension);
    if (fit.normalization.mean.size() != d || fit.normalization.deviation.size() != d ||
        info.columns.size() != d) {
      return Status::failure("The fit's normalization and columns do not match its " +
                             std::to_string(d) + " coordinates.\n");
    }
    return writeModelFile(path, modelOf(fit, info), stagedFiles(set));
  });
}

ModelFile readModelFile(const std::string& path) {
  ModelFile file;
  LibraryCall call(nullptr, -1);
  file.failure = call.run([&] {
    Model model;
    const Status read = readModelFile(path, model);
    if (!read.ok()) return read;
    fitOfModel(model, file.fit, file.info);
    return Status::success();
  });
  return file;
}

}  // namespace manifit
