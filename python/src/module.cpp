// manifit._core: the fitting code for the Python package. Tables come in as
// C-ordered float32 arrays; results go out as dicts of numpy arrays.
#include <pybind11/functional.h>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "arrays.h"
#include "fit_bridge.h"
#include "geometry/nearest_node.h"
#include "model_io.h"

namespace py = pybind11;

namespace manifit::python {

namespace {

// A library message without its line ends, for an exception.
std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  while (!text.empty() && text.front() == '\n') text.erase(text.begin());
  return text;
}

py::dict mapToDict(const FittedMap& map) {
  const auto n = static_cast<py::ssize_t>(map.nodeCount());
  py::dict out;
  out["type"] = map.type;
  out["size1"] = map.size1;
  out["size2"] = map.size2;
  out["manifold_dimension"] = map.manifoldDimension;
  out["nodes"] = toArray(map.nodes, {n, map.dimension});
  out["grid_coordinates"] = toArray(map.gridCoordinates, {n, 3});
  out["edges"] = pairsToArray(map.edges);
  out["ribs"] = pairsToArray(map.ribs);
  out["triangles"] = pairsToArray(map.triangles);
  out["edge_coefficients"] =
      toArray(map.edgeCoefficients, {static_cast<py::ssize_t>(map.edgeCoefficients.size())});
  out["rib_coefficients"] =
      toArray(map.ribCoefficients, {static_cast<py::ssize_t>(map.ribCoefficients.size())});
  return out;
}

FittedMap dictToMap(const py::dict& in) {
  FittedMap map;
  map.type = in["type"].cast<std::string>();
  map.size1 = in["size1"].cast<int>();
  map.size2 = in["size2"].cast<int>();
  if (in.contains("manifold_dimension")) {
    map.manifoldDimension = in["manifold_dimension"].cast<int>();
  }
  FloatArray nodes = FloatArray::ensure(in["nodes"]);
  if (!nodes || nodes.ndim() != 2 || nodes.shape(0) < 1 || nodes.shape(1) < 1) {
    throw py::value_error("map: nodes must be an array of shape (nodes, dimension)");
  }
  map.dimension = static_cast<int>(nodes.shape(1));
  map.nodes.assign(nodes.data(), nodes.data() + nodes.size());
  const int count = map.nodeCount();
  map.gridCoordinates = floatVector(in["grid_coordinates"]);
  if (map.gridCoordinates.size() != static_cast<size_t>(count) * 3) {
    throw py::value_error("map: grid_coordinates must hold three values per node");
  }
  map.edges = arrayToItems<2>(in["edges"], "edges", count);
  map.ribs = arrayToItems<3>(in["ribs"], "ribs", count);
  map.triangles = arrayToItems<3>(in["triangles"], "triangles", count);
  map.edgeCoefficients = floatVector(in["edge_coefficients"]);
  map.ribCoefficients = floatVector(in["rib_coefficients"]);
  return map;
}

TrainingStage stageFromDict(const py::dict& in) {
  TrainingStage stage = in["kind"].cast<std::string>() == "adapt" ? TrainingStage::adaptation()
                                                                  : TrainingStage::epoch();
  stage.type = in["type"].cast<std::string>();
  stage.ep = static_cast<float>(in["ep"].cast<double>());
  stage.rp = static_cast<float>(in["rp"].cast<double>());
  stage.eps = static_cast<float>(in["eps"].cast<double>());
  stage.epsSLAU = static_cast<float>(in["epsSLAU"].cast<double>());
  stage.epsMSE = static_cast<float>(in["epsMSE"].cast<double>());
  stage.numiter = in["numiter"].cast<int>();
  stage.numstep = in["numstep"].cast<int>();
  stage.numiterSLAU = in["numiterSLAU"].cast<int>();
  stage.extrapolate = in["extrapolate"].cast<int>();
  stage.numevery = in["numevery"].cast<int>();
  stage.minimize = in["minimize"].cast<bool>();
  return stage;
}

py::dict stageToDict(const TrainingStage& stage) {
  py::dict out;
  out["kind"] = stage.kind == 1 ? "adapt" : "epoch";
  out["type"] = stage.type;
  out["ep"] = static_cast<double>(stage.ep);
  out["rp"] = static_cast<double>(stage.rp);
  out["eps"] = static_cast<double>(stage.eps);
  out["epsSLAU"] = static_cast<double>(stage.epsSLAU);
  out["epsMSE"] = static_cast<double>(stage.epsMSE);
  out["numiter"] = stage.numiter;
  out["numstep"] = stage.numstep;
  out["numiterSLAU"] = stage.numiterSLAU;
  out["extrapolate"] = stage.extrapolate;
  out["numevery"] = stage.numevery;
  out["minimize"] = stage.minimize;
  return out;
}

FloatArray checkedTable(const py::handle& value) {
  FloatArray table = FloatArray::ensure(value);
  if (!table || table.ndim() != 2) throw py::value_error("expected a 2-D float32 table");
  if (table.shape(0) > 0x7fffffff || table.shape(1) > 0x7fffffff) {
    throw py::value_error("the table has more rows or columns than a 32-bit count");
  }
  return table;
}

// The fit's messages reach Python here, with the interpreter lock held for
// the call only; a pending signal (Ctrl-C) or an exception in the callback
// stops the fit and is raised once it has returned.
class MessageRelay {
 public:
  explicit MessageRelay(py::object callback) : callback_(std::move(callback)) {}

  bool operator()(const std::string& text) {
    py::gil_scoped_acquire acquire;
    if (failure_) return false;
    try {
      if (!callback_.is_none()) callback_(text);
      if (PyErr_CheckSignals() != 0) throw py::error_already_set();
    } catch (py::error_already_set& error) {
      failure_.emplace(std::move(error));
      return false;
    }
    return true;
  }

  void raiseFailure() {
    if (failure_) {
      py::error_already_set error = std::move(*failure_);
      failure_.reset();
      throw error;
    }
  }

 private:
  py::object callback_;
  std::optional<py::error_already_set> failure_;
};

py::dict fit(const py::handle& tableValue, const py::object& weightsValue, const py::dict& grid,
             const py::list& stages, const py::dict& options, py::object progress) {
  FloatArray table = checkedTable(tableValue);
  FloatArray weights;
  FitRequest request;
  request.rows = table.data();
  request.count = static_cast<int>(table.shape(0));
  request.dimension = static_cast<int>(table.shape(1));
  if (!weightsValue.is_none()) {
    weights = FloatArray::ensure(weightsValue);
    if (!weights || weights.ndim() != 1 || weights.shape(0) != table.shape(0)) {
      throw py::value_error("sample_weight must hold one weight per sample");
    }
    request.weights = weights.data();
  }
  request.section.grid.type = grid["type"].cast<std::string>();
  request.section.grid.size1 = grid["size1"].cast<int>();
  request.section.grid.size2 = grid["size2"].cast<int>();
  request.section.grid.minclust = grid["minclust"].cast<int>();
  const auto stretch = grid["stretch"].cast<std::vector<double>>();
  for (size_t k = 0; k < 3 && k < stretch.size(); ++k) {
    request.section.grid.stretch[k] = static_cast<float>(stretch[k]);
  }
  for (const py::handle& stage : stages)
    request.section.stages.push_back(stageFromDict(stage.cast<py::dict>()));
  request.normalize = options["normalize"].cast<bool>();
  request.testFraction = options["test_fraction"].cast<double>();
  request.threads = options["threads"].cast<int>();
  MessageRelay relay(std::move(progress));
  request.message = [&relay](const std::string& text) { return relay(text); };

  FitResult result;
  {
    py::gil_scoped_release release;
    result = fitMap(request);
  }
  relay.raiseFailure();
  if (result.stopped) throw std::runtime_error(result.error);
  if (!result.ok) throw py::value_error(trimmed(result.error));

  const auto d = static_cast<py::ssize_t>(request.dimension);
  py::dict out;
  out["map"] = mapToDict(result.map);
  out["normalized"] = request.normalize;
  out["mean"] = toArray(result.mean, {d});
  out["scale"] = toArray(result.scale, {d});
  out["components_mean"] = toArray(result.componentsMean, {d});
  out["components"] = toArray(
      result.components,
      {static_cast<py::ssize_t>(result.components.size()) / std::max<py::ssize_t>(d, 1), d});
  out["variance_fractions"] = toArray(result.varianceFractions,
                                      {static_cast<py::ssize_t>(result.varianceFractions.size())});
  py::list history;
  for (const IterationRecord& record : result.history) {
    py::dict item;
    item["stage"] = record.stage;
    item["iteration"] = record.iteration;
    item["error"] = record.error;
    item["test_error"] =
        record.hasTestError ? py::object(py::float_(record.testError)) : py::object(py::none());
    item["df"] = record.df;
    history.append(item);
  }
  out["history"] = history;
  out["final_error"] = result.finalError;
  out["rows"] = toArray(result.rowPart, {static_cast<py::ssize_t>(result.rowPart.size())});
  return out;
}

py::dict project(const py::dict& mapValue, const py::handle& tableValue, int threads) {
  const FittedMap map = dictToMap(mapValue);
  FloatArray table = checkedTable(tableValue);
  if (table.shape(1) != map.dimension) {
    throw py::value_error("the table has " + std::to_string(table.shape(1)) + " columns, the map " +
                          std::to_string(map.dimension));
  }
  Projection projection;
  {
    py::gil_scoped_release release;
    projection = projectPoints(map, table.data(), static_cast<int>(table.shape(0)), threads);
  }
  const auto n = static_cast<py::ssize_t>(table.shape(0));
  py::dict out;
  std::vector<long long> nearest(projection.nearest.begin(), projection.nearest.end());
  out["nearest"] = toArray(nearest, {n});
  out["coordinates"] = toArray(projection.coordinates, {n, 3});
  out["distance"] = toArray(projection.distance, {n});
  return out;
}

py::dict readConfiguration(const std::string& path, int n) {
  if (n < 0) throw py::value_error("the algorithm number must be 0 or more");
  Section section;
  std::string error;
  if (!readSection(path, n, section, error)) throw py::value_error(trimmed(error));
  py::dict out;
  out["type"] = section.grid.type;
  out["size1"] = section.grid.size1;
  out["size2"] = section.grid.size2;
  out["minclust"] = section.grid.minclust;
  out["stretch"] =
      py::make_tuple(section.grid.stretch[0], section.grid.stretch[1], section.grid.stretch[2]);
  out["strategy"] = section.strategy;
  py::list stages;
  for (const TrainingStage& stage : section.stages) stages.append(stageToDict(stage));
  out["stages"] = stages;
  return out;
}

void writeManifoldFile(const py::dict& model, const std::string& path,
                       const std::string& dataName) {
  const FittedMap map = dictToMap(model["map"].cast<py::dict>());
  std::string error;
  if (!writeManifold(map, path, dataName, error)) throw py::value_error(trimmed(error));
}

}  // namespace

}  // namespace manifit::python

PYBIND11_MODULE(_core, module) {
  using namespace manifit::python;
  module.doc() = "The fitting code of the manifit package.";
  const std::string kernelWarning = trimmed(manifit::kernelRequestWarning());
  if (!kernelWarning.empty() && PyErr_WarnEx(PyExc_RuntimeWarning, kernelWarning.c_str(), 1) != 0) {
    throw py::error_already_set();
  }
  module.def("fit", &fit, py::arg("table"), py::arg("weights"), py::arg("grid"), py::arg("stages"),
             py::arg("options"), py::arg("progress"),
             "Fit a map to a float32 table; returns the fitted map and its statistics.");
  module.def("project", &project, py::arg("map"), py::arg("table"), py::arg("threads") = 0,
             "Nearest node, grid coordinates and squared distance of each point's projection.");
  module.def("write_manifold", &writeManifoldFile, py::arg("model"), py::arg("path"),
             py::arg("data_name"), "Write the manifold file of a fitted map.");
  module.def("read_configuration", &readConfiguration, py::arg("path"), py::arg("n"),
             "Grid settings, strategy and stages of one numbered section of a configuration file.");
  module.def("write_model", &writeModel, py::arg("model"), py::arg("path"),
             "Write a fitted map and its statistics to a model file.");
  module.def("read_model", &readModel, py::arg("path"),
             "The fitted map and statistics of a model file.");
}
