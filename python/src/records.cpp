#include "records.h"

#include <pybind11/stl.h>

#include <utility>

#include "arrays.h"

namespace manifit::python {

std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  size_t start = 0;
  while (start < text.size() && text[start] == '\n') ++start;
  return text.substr(start);
}

namespace {

py::ssize_t sizeOf(size_t n) {
  return static_cast<py::ssize_t>(n);
}

GridType typeFromName(const std::string& name) {
  GridType type = GridType::Rectangle;
  if (!gridTypeFromName(name, type)) throw py::value_error("No such grid type : " + name);
  return type;
}

// The nodes: a (nodes, dimension) float array of at least one node.
void readNodes(const py::handle& value, Map& map) {
  FloatArray nodes = FloatArray::ensure(value);
  if (!nodes || nodes.ndim() != 2 || nodes.shape(0) < 1 || nodes.shape(1) < 1) {
    throw py::value_error("map: nodes must be an array of shape (nodes, dimension)");
  }
  if (nodes.shape(0) > kMaxCount || nodes.shape(1) > kMaxCount) {
    throw py::value_error("map: more nodes or coordinates than a 32-bit count");
  }
  map.dimension = static_cast<int>(nodes.shape(1));
  map.nodes.assign(nodes.data(), nodes.data() + nodes.size());
}

}  // namespace

py::dict mapToDict(const Map& map) {
  const py::ssize_t n = map.nodeCount();
  py::dict out;
  out["type"] = gridTypeName(map.type);
  out["size1"] = map.size1;
  out["size2"] = map.size2;
  out["manifold_dimension"] = map.manifoldDimension;
  out["nodes"] = toArray(map.nodes, {n, map.dimension});
  out["grid_coordinates"] = toArray(map.gridCoordinates, {n, 3});
  out["edges"] = tuplesToArray(map.edges);
  out["ribs"] = tuplesToArray(map.ribs);
  out["triangles"] = tuplesToArray(map.triangles);
  out["edge_coefficients"] = toArray(map.edgeCoefficients, {sizeOf(map.edgeCoefficients.size())});
  out["rib_coefficients"] = toArray(map.ribCoefficients, {sizeOf(map.ribCoefficients.size())});
  return out;
}

Map mapFromDict(const py::dict& in) {
  Map map;
  map.type = typeFromName(in["type"].cast<std::string>());
  map.size1 = in["size1"].cast<int>();
  map.size2 = in["size2"].cast<int>();
  map.manifoldDimension = in["manifold_dimension"].cast<int>();
  readNodes(in["nodes"], map);
  const int count = map.nodeCount();
  FloatArray coordinates = FloatArray::ensure(in["grid_coordinates"]);
  if (!coordinates || coordinates.size() != sizeOf(count) * 3) {
    throw py::value_error("map: grid_coordinates must hold three values per node");
  }
  map.gridCoordinates.assign(coordinates.data(), coordinates.data() + coordinates.size());
  map.edges = arrayToTuples<2>(in["edges"], "edges", count);
  map.ribs = arrayToTuples<3>(in["ribs"], "ribs", count);
  map.triangles = arrayToTuples<3>(in["triangles"], "triangles", count);
  map.edgeCoefficients =
      toVector<float>(in["edge_coefficients"], "map: edge_coefficients", sizeOf(map.edges.size()));
  map.ribCoefficients =
      toVector<float>(in["rib_coefficients"], "map: rib_coefficients", sizeOf(map.ribs.size()));
  return map;
}

GridSpec gridFromDict(const py::dict& in) {
  GridSpec grid;
  grid.type = typeFromName(in["type"].cast<std::string>());
  grid.size1 = in["size1"].cast<int>();
  grid.size2 = in["size2"].cast<int>();
  grid.minclust = in["minclust"].cast<int>();
  const auto stretch = in["stretch"].cast<std::vector<double>>();
  if (stretch.size() != grid.stretch.size()) throw py::value_error("stretch: three values needed");
  for (size_t k = 0; k < stretch.size(); ++k) grid.stretch[k] = static_cast<float>(stretch[k]);
  return grid;
}

py::dict gridToDict(const GridSpec& grid) {
  py::dict out;
  out["type"] = gridTypeName(grid.type);
  out["size1"] = grid.size1;
  out["size2"] = grid.size2;
  out["minclust"] = grid.minclust;
  out["stretch"] = py::make_tuple(grid.stretch[0], grid.stretch[1], grid.stretch[2]);
  return out;
}

Stage stageFromDict(const py::dict& in) {
  Stage stage;
  const bool adaptation = in["kind"].cast<std::string>() == "adapt";
  stage.kind = adaptation ? Stage::Kind::Adaptation : Stage::Kind::Epoch;
  stage.type = in["type"].cast<std::string>();
  stage.ep = in["ep"].cast<float>();
  stage.rp = in["rp"].cast<float>();
  stage.eps = in["eps"].cast<float>();
  stage.epsSLAU = in["epsSLAU"].cast<float>();
  stage.epsMSE = in["epsMSE"].cast<float>();
  stage.numiter = in["numiter"].cast<int>();
  stage.numstep = in["numstep"].cast<int>();
  stage.numiterSLAU = in["numiterSLAU"].cast<int>();
  stage.extrapolate = in["extrapolate"].cast<int>();
  stage.numevery = in["numevery"].cast<int>();
  stage.minimize = in["minimize"].cast<bool>();
  return stage;
}

py::dict stageToDict(const Stage& stage) {
  py::dict out;
  out["kind"] = stage.kind == Stage::Kind::Adaptation ? "adapt" : "epoch";
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

py::list historyToList(const std::vector<Iteration>& history) {
  py::list out;
  for (const Iteration& record : history) {
    py::dict item;
    item["stage"] = record.stage;
    item["iteration"] = record.iteration;
    item["error"] = record.error;
    item["test_error"] =
        record.hasTestError ? py::object(py::float_(record.testError)) : py::object(py::none());
    if (record.hasGeneratingDistance) item["gmse"] = record.generatingDistance;
    item["df"] = record.df;
    out.append(item);
  }
  return out;
}

std::vector<Iteration> historyFromList(const py::handle& items) {
  std::vector<Iteration> history;
  for (const py::handle& value : items) {
    const auto item = value.cast<py::dict>();
    Iteration record;
    record.stage = item["stage"].cast<int>();
    record.iteration = item["iteration"].cast<int>();
    record.error = item["error"].cast<double>();
    record.hasTestError = item.contains("test_error") && !item["test_error"].is_none();
    if (record.hasTestError) record.testError = item["test_error"].cast<double>();
    record.hasGeneratingDistance = item.contains("gmse") && !item["gmse"].is_none();
    if (record.hasGeneratingDistance) record.generatingDistance = item["gmse"].cast<double>();
    record.df = item["df"].cast<double>();
    history.push_back(record);
  }
  return history;
}

void fitToDict(const FitResult& fit, py::dict& out) {
  const py::ssize_t d = fit.map.dimension;
  out["map"] = mapToDict(fit.map);
  out["normalized"] = fit.normalization.applied;
  out["mean"] = toArray(fit.normalization.mean, {d});
  out["scale"] = toArray(fit.normalization.deviation, {d});
  const Components& components = fit.components;
  out["components_mean"] = toArray(components.mean, {d});
  std::vector<double> vectors;
  for (const std::vector<double>& v : components.vectors) {
    vectors.insert(vectors.end(), v.begin(), v.end());
  }
  out["components"] = toArray(vectors, {sizeOf(components.vectors.size()), d});
  out["variance_fractions"] =
      toArray(components.varianceFractions, {sizeOf(components.varianceFractions.size())});
  out["history"] = historyToList(fit.history);
  out["final_error"] = fit.finalError;
}

FitResult fitFromDict(const py::dict& in) {
  FitResult fit;
  fit.map = mapFromDict(in["map"].cast<py::dict>());
  const py::ssize_t d = fit.map.dimension;
  fit.normalization.applied = in["normalized"].cast<bool>();
  fit.normalization.mean = toVector<double>(in["mean"], "mean", d);
  fit.normalization.deviation = toVector<double>(in["scale"], "scale", d);
  fit.components.mean = toVector<double>(in["components_mean"], "components_mean", d);
  DoubleArray vectors = DoubleArray::ensure(in["components"]);
  if (!vectors || vectors.ndim() != 2 || vectors.shape(1) != d) {
    throw py::value_error("components must be an array of shape (k, " + std::to_string(d) + ")");
  }
  for (py::ssize_t k = 0; k < vectors.shape(0); ++k) {
    fit.components.vectors.emplace_back(vectors.data(k, 0), vectors.data(k, 0) + d);
  }
  fit.components.varianceFractions =
      toVector<double>(in["variance_fractions"], "variance_fractions", vectors.shape(0));
  fit.history = historyFromList(in["history"]);
  fit.finalError = in["final_error"].cast<double>();
  return fit;
}

}  // namespace manifit::python
