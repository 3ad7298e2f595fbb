#include "files.h"

#include <pybind11/stl.h>

#include <utility>
#include <vector>

#include "manifit/files.h"
#include "manifit/schedule.h"
#include "records.h"

namespace manifit::python {

namespace {

// A section is read for the smallest table: the grid's size limits are
// checked again, for the table's dimension, when the fit runs.
constexpr int kAnyDimension = 1;

ModelInfo infoFromDict(const py::dict& in, int dimension) {
  ModelInfo info;
  info.columns = in["columns"].cast<std::vector<std::string>>();
  if (info.columns.size() != static_cast<size_t>(dimension)) {
    throw py::value_error("model: one column name per dimension is needed");
  }
  info.configurationFile = in["configuration_file"].cast<std::string>();
  info.algorithm = in["algorithm"].cast<int>();
  info.section = in["section"].cast<std::string>();
  info.fvu = in["fvu"].is_none() ? 0.0 : in["fvu"].cast<double>();
  return info;
}

}  // namespace

namespace {

py::dict sectionToDict(const Section& section) {
  if (!section.ok()) throw py::value_error(trimmed(section.failure.message));
  py::dict out;
  out["grid"] = gridToDict(section.grid);
  out["strategy"] = section.schedule.strategy;
  py::list stages;
  for (const Stage& stage : section.schedule.stages) stages.append(stageToDict(stage));
  out["stages"] = stages;
  out["text"] = section.text;
  py::list warnings;
  for (const std::string& warning : section.warnings) warnings.append(trimmed(warning));
  out["warnings"] = warnings;
  return out;
}

void checkNumber(int n) {
  if (n < 0) throw py::value_error("the algorithm number must be 0 or more");
}

}  // namespace

py::dict readConfiguration(const std::string& path, int n) {
  checkNumber(n);
  Section section;
  {
    py::gil_scoped_release release;
    section = readSection(path, n, kAnyDimension);
  }
  return sectionToDict(section);
}

py::dict readConfigurationText(const std::string& text, int n, const std::string& name) {
  checkNumber(n);
  Section section;
  {
    py::gil_scoped_release release;
    section = readSectionText(text, n, kAnyDimension, name);
  }
  return sectionToDict(section);
}

void writeManifold(const py::dict& mapValue, const std::string& path, const std::string& dataName) {
  const Map map = mapFromDict(mapValue);
  Failure written;
  {
    py::gil_scoped_release release;
    written = writeManifoldFile(map, path, dataName);
  }
  if (written.failed()) throw py::value_error(trimmed(written.message));
}

void writeModel(const py::dict& model, const std::string& path) {
  FitResult fit = fitFromDict(model);
  const ModelInfo info = infoFromDict(model, fit.map.dimension);
  fit.fitPoints = model["fit_points"].cast<int>();
  fit.testPoints = model["test_points"].cast<int>();
  fit.discardedPoints = model["discarded_points"].cast<int>();
  Failure written;
  {
    py::gil_scoped_release release;
    written = writeModelFile(fit, info, path);
  }
  if (written.failed()) throw py::value_error(trimmed(written.message));
}

py::dict readModel(const std::string& path) {
  ModelFile file;
  {
    py::gil_scoped_release release;
    file = readModelFile(path);
  }
  if (!file.ok()) throw py::value_error(trimmed(file.failure.message));
  py::dict out;
  fitToDict(file.fit, out);
  out["fvu"] = file.info.fvu;
  out["columns"] = file.info.columns;
  out["configuration_file"] = file.info.configurationFile;
  out["algorithm"] = file.info.algorithm;
  out["section"] = file.info.section;
  out["fit_points"] = file.fit.fitPoints;
  out["test_points"] = file.fit.testPoints;
  out["discarded_points"] = file.fit.discardedPoints;
  return out;
}

}  // namespace manifit::python
