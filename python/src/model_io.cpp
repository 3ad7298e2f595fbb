#include "model_io.h"

#include <pybind11/stl.h>

#include <cstddef>
#include <vector>

#include "arrays.h"
#include "driver/model_file.h"

namespace manifit::python {

namespace {

using DoubleArray = py::array_t<double, py::array::c_style | py::array::forcecast>;

std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

// A (rows, columns) float array as one vector per row.
std::vector<std::vector<float>> floatRows(const py::handle& value, const char* what,
                                          py::ssize_t rows, py::ssize_t columns) {
  FloatArray array = FloatArray::ensure(value);
  if (!array || array.ndim() != 2 || array.shape(0) != rows || array.shape(1) != columns) {
    throw py::value_error(std::string("model: ") + what + " must be an array of shape (" +
                          std::to_string(rows) + ", " + std::to_string(columns) + ")");
  }
  std::vector<std::vector<float>> out(static_cast<size_t>(rows));
  const float* in = array.data();
  for (std::vector<float>& row : out) {
    row.assign(in, in + columns);
    in += columns;
  }
  return out;
}

std::vector<double> doubles(const py::handle& value, const char* what, py::ssize_t count) {
  DoubleArray array = DoubleArray::ensure(value);
  if (!array || array.ndim() != 1 || (count >= 0 && array.shape(0) != count)) {
    throw py::value_error(std::string("model: ") + what + " must hold " + std::to_string(count) +
                          " numbers");
  }
  return std::vector<double>(array.data(), array.data() + array.size());
}

py::array_t<float> rowsToArray(const std::vector<std::vector<float>>& rows, int columns) {
  std::vector<float> flat;
  flat.reserve(rows.size() * static_cast<size_t>(columns));
  for (const std::vector<float>& row : rows) flat.insert(flat.end(), row.begin(), row.end());
  return toArray(flat, {static_cast<py::ssize_t>(rows.size()), columns});
}

void readMap(const py::dict& in, Model& m) {
  m.gridType = in["type"].cast<std::string>();
  m.size1 = in["size1"].cast<int>();
  m.size2 = in["size2"].cast<int>();
  m.manifoldDimension =
      in.contains("manifold_dimension") ? in["manifold_dimension"].cast<int>() : 0;
  FloatArray nodes = FloatArray::ensure(in["nodes"]);
  if (!nodes || nodes.ndim() != 2 || nodes.shape(0) < 1 || nodes.shape(1) < 1) {
    throw py::value_error("model: nodes must be an array of shape (nodes, dimension)");
  }
  const py::ssize_t count = nodes.shape(0);
  m.dimension = static_cast<int>(nodes.shape(1));
  m.nodes = floatRows(nodes, "nodes", count, m.dimension);
  const std::vector<std::vector<float>> coordinates =
      floatRows(in["grid_coordinates"], "grid_coordinates", count, 3);
  for (const std::vector<float>& c : coordinates) m.gridCoordinates.push_back({c[0], c[1], c[2]});
  const int nodeCount = static_cast<int>(count);
  m.edges = arrayToItems<2>(in["edges"], "edges", nodeCount);
  m.ribs = arrayToItems<3>(in["ribs"], "ribs", nodeCount);
  m.triangles = arrayToItems<3>(in["triangles"], "triangles", nodeCount);
  m.edgeCoefficients = floatVector(in["edge_coefficients"]);
  m.ribCoefficients = floatVector(in["rib_coefficients"]);
  if (m.edgeCoefficients.size() != m.edges.size() || m.ribCoefficients.size() != m.ribs.size()) {
    throw py::value_error("model: one coefficient per edge and per rib is needed");
  }
}

void readHistory(const py::handle& value, Model& m) {
  for (const py::handle& item : value) {
    const py::dict record = item.cast<py::dict>();
    ProgressEntry entry;
    entry.stage = record["stage"].cast<int>();
    entry.iteration = record["iteration"].cast<int>();
    entry.error = record["error"].cast<double>();
    entry.hasTestError = record.contains("test_error") && !record["test_error"].is_none();
    if (entry.hasTestError) entry.testError = record["test_error"].cast<double>();
    entry.hasGmse = record.contains("gmse") && !record["gmse"].is_none();
    if (entry.hasGmse) entry.gmse = record["gmse"].cast<double>();
    entry.df = record["df"].cast<double>();
    m.history.push_back(entry);
  }
}

Model modelFromDict(const py::dict& in) {
  Model m;
  readMap(in["map"].cast<py::dict>(), m);
  const py::ssize_t d = m.dimension;
  m.nodesInput =
      floatRows(in["nodes_input"], "nodes_input", static_cast<py::ssize_t>(m.nodes.size()), d);
  m.normalized = in["normalized"].cast<bool>();
  m.mean = doubles(in["mean"], "mean", d);
  m.deviation = doubles(in["scale"], "scale", d);
  m.componentMean = doubles(in["components_mean"], "components_mean", d);
  DoubleArray components = DoubleArray::ensure(in["components"]);
  if (!components || components.ndim() != 2 || components.shape(1) != d) {
    throw py::value_error("model: components must be an array of shape (k, " + std::to_string(d) +
                          ")");
  }
  for (py::ssize_t k = 0; k < components.shape(0); ++k) {
    m.componentVectors.emplace_back(components.data(k, 0), components.data(k, 0) + d);
  }
  m.varianceFractions =
      doubles(in["variance_fractions"], "variance_fractions", components.shape(0));
  readHistory(in["history"], m);
  m.finalError = in["final_error"].cast<double>();
  m.fvu = in["fvu"].is_none() ? 0.0 : in["fvu"].cast<double>();
  m.columns = in["columns"].cast<std::vector<std::string>>();
  if (m.columns.size() != static_cast<size_t>(d)) {
    throw py::value_error("model: one column name per dimension is needed");
  }
  m.configurationFile = in["configuration_file"].cast<std::string>();
  m.algorithm = in["algorithm"].cast<int>();
  m.section = in["section"].cast<std::string>();
  m.fitPoints = in["fit_points"].cast<long long>();
  m.testPoints = in["test_points"].cast<long long>();
  m.discardedPoints = in["discarded_points"].cast<long long>();
  return m;
}

py::dict mapOf(const Model& m) {
  const auto n = static_cast<py::ssize_t>(m.nodes.size());
  std::vector<float> coordinates;
  for (const std::array<float, 3>& c : m.gridCoordinates)
    coordinates.insert(coordinates.end(), c.begin(), c.end());
  py::dict out;
  out["type"] = m.gridType;
  out["size1"] = m.size1;
  out["size2"] = m.size2;
  out["manifold_dimension"] = m.manifoldDimension;
  out["nodes"] = rowsToArray(m.nodes, m.dimension);
  out["grid_coordinates"] = toArray(coordinates, {n, 3});
  out["edges"] = pairsToArray(m.edges);
  out["ribs"] = pairsToArray(m.ribs);
  out["triangles"] = pairsToArray(m.triangles);
  out["edge_coefficients"] =
      toArray(m.edgeCoefficients, {static_cast<py::ssize_t>(m.edgeCoefficients.size())});
  out["rib_coefficients"] =
      toArray(m.ribCoefficients, {static_cast<py::ssize_t>(m.ribCoefficients.size())});
  return out;
}

py::list historyOf(const Model& m) {
  py::list history;
  for (const ProgressEntry& entry : m.history) {
    py::dict item;
    item["stage"] = entry.stage;
    item["iteration"] = entry.iteration;
    item["error"] = entry.error;
    item["test_error"] =
        entry.hasTestError ? py::object(py::float_(entry.testError)) : py::object(py::none());
    if (entry.hasGmse) item["gmse"] = entry.gmse;
    item["df"] = entry.df;
    history.append(item);
  }
  return history;
}

py::dict dictOf(const Model& m) {
  const auto d = static_cast<py::ssize_t>(m.dimension);
  std::vector<double> components;
  for (const std::vector<double>& v : m.componentVectors)
    components.insert(components.end(), v.begin(), v.end());
  py::dict out;
  out["map"] = mapOf(m);
  out["nodes_input"] = rowsToArray(m.nodesInput, m.dimension);
  out["normalized"] = m.normalized;
  out["mean"] = toArray(m.mean, {d});
  out["scale"] = toArray(m.deviation, {d});
  out["components_mean"] = toArray(m.componentMean, {d});
  out["components"] = toArray(components, {static_cast<py::ssize_t>(m.componentVectors.size()), d});
  out["variance_fractions"] =
      toArray(m.varianceFractions, {static_cast<py::ssize_t>(m.varianceFractions.size())});
  out["history"] = historyOf(m);
  out["final_error"] = m.finalError;
  out["fvu"] = m.fvu;
  out["columns"] = m.columns;
  out["configuration_file"] = m.configurationFile;
  out["algorithm"] = m.algorithm;
  out["section"] = m.section;
  out["fit_points"] = m.fitPoints;
  out["test_points"] = m.testPoints;
  out["discarded_points"] = m.discardedPoints;
  return out;
}

}  // namespace

void writeModel(const py::dict& model, const std::string& path) {
  const Model m = modelFromDict(model);
  Status status;
  {
    py::gil_scoped_release release;
    status = writeModelFile(path, m);
  }
  if (!status.ok()) throw py::value_error(trimmed(status.message));
}

py::dict readModel(const std::string& path) {
  Model m;
  Status status;
  {
    py::gil_scoped_release release;
    status = readModelFile(path, m);
  }
  if (!status.ok()) throw py::value_error(trimmed(status.message));
  return dictOf(m);
}

}  // namespace manifit::python
