#include "fitting.h"

#include <string>
#include <utility>
#include <vector>

#include "arrays.h"
#include "manifit/fit.h"
#include "progress.h"
#include "records.h"

namespace manifit::python {

namespace {

// A C-ordered float32 copy (or view) of a 2-D table with 32-bit counts.
FloatArray checkedTable(const py::handle& value) {
  FloatArray table = FloatArray::ensure(value);
  if (!table || table.ndim() != 2) throw py::value_error("expected a 2-D table of numbers");
  if (table.shape(0) > kMaxCount || table.shape(1) > kMaxCount) {
    throw py::value_error("the table has more rows or columns than a 32-bit count");
  }
  return table;
}

TableView viewOf(const FloatArray& table) {
  return TableView{table.data(), static_cast<int>(table.shape(0)), static_cast<int>(table.shape(1)),
                   nullptr};
}

Schedule scheduleOf(const py::list& stages) {
  Schedule schedule;
  for (const py::handle& stage : stages) {
    schedule.stages.push_back(stageFromDict(stage.cast<py::dict>()));
  }
  return schedule;
}

py::array_t<int> rowParts(const std::vector<RowPart>& parts) {
  std::vector<int> codes;
  codes.reserve(parts.size());
  for (RowPart part : parts) {
    codes.push_back(part == RowPart::Fit ? 0 : part == RowPart::Test ? 1 : 2);
  }
  return toArray(codes, {static_cast<py::ssize_t>(codes.size())});
}

}  // namespace

py::dict fit(const py::handle& tableValue, const py::object& weightsValue, const py::dict& grid,
             const py::list& stages, const py::dict& options, const py::object& progress) {
  const FloatArray table = checkedTable(tableValue);
  TableView view = viewOf(table);
  FloatArray weights;
  if (!weightsValue.is_none()) {
    weights = FloatArray::ensure(weightsValue);
    if (!weights || weights.ndim() != 1 || weights.shape(0) != table.shape(0)) {
      throw py::value_error("sample_weight must hold one weight per sample");
    }
    view.weights = weights.data();
  }
  const GridSpec shape = gridFromDict(grid);
  const Schedule schedule = scheduleOf(stages);
  ProgressRelay relay(progress);
  FitOptions run;
  run.normalize = options["normalize"].cast<bool>();
  run.testFraction = options["test_fraction"].cast<double>();
  run.threads = options["threads"].cast<int>();
  run.progress = relay.callback();

  FitResult result;
  {
    py::gil_scoped_release release;
    result = manifit::fit(view, shape, schedule, run);
  }
  relay.raisePending();
  if (!result.ok()) throw py::value_error(trimmed(result.failure.message));

  py::dict out;
  fitToDict(result, out);
  out["rows"] = rowParts(result.rowParts);
  return out;
}

py::dict project(const py::dict& mapValue, const py::handle& tableValue, int threads) {
  const Map map = mapFromDict(mapValue);
  const FloatArray table = checkedTable(tableValue);
  if (table.shape(1) != map.dimension) {
    throw py::value_error("the table has " + std::to_string(table.shape(1)) + " columns, the map " +
                          std::to_string(map.dimension));
  }
  ProjectResult result;
  {
    py::gil_scoped_release release;
    result = manifit::project(map, viewOf(table), threads);
  }
  if (!result.ok()) throw py::value_error(trimmed(result.failure.message));
  const Projection& projection = result.projection;
  const auto n = static_cast<py::ssize_t>(table.shape(0));
  // Node indices as numpy's default integers, like scikit-learn's predictions.
  const std::vector<long long> nearest(projection.nearestNode.begin(),
                                       projection.nearestNode.end());
  py::dict out;
  out["nearest"] = toArray(nearest, {n});
  out["coordinates"] = toArray(projection.coordinates, {n, 3});
  out["distance"] = toArray(projection.squaredDistance, {n});
  return out;
}

py::array_t<float> normalize(const py::handle& tableValue, const py::handle& mean,
                             const py::handle& deviation) {
  const FloatArray rows = checkedTable(tableValue);
  const auto d = static_cast<py::ssize_t>(rows.shape(1));
  Normalization normalization;
  normalization.applied = true;
  normalization.mean = toVector<double>(mean, "mean", d);
  normalization.deviation = toVector<double>(deviation, "scale", d);
  Table table;
  table.pointCount = static_cast<int>(rows.shape(0));
  table.dimension = static_cast<int>(d);
  table.values.assign(rows.data(), rows.data() + rows.size());
  {
    py::gil_scoped_release release;
    applyNormalization(table, normalization);
  }
  return toArray(table.values, {rows.shape(0), d});
}

double totalVariance(const py::handle& tableValue) {
  const FloatArray rows = checkedTable(tableValue);
  return computeNormalization(viewOf(rows)).totalVariance;
}

}  // namespace manifit::python
