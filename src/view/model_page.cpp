#include "view/model_page.h"

#include <set>

#include "common/output.h"
#include "data/table_input.h"
#include "view/points_file.h"
#include "view/run_view.h"

namespace manifit {

PointTable normalizedRows(const DataTable& table, const ModelInput& model) {
  PointTable rows;
  rows.dimension = table.dimension;
  rows.rows.assign(static_cast<size_t>(table.pointCount), {});
  for (int i = 0; i < table.pointCount; ++i) {
    const float* x = table.row(i);
    std::vector<double>& row = rows.rows[static_cast<size_t>(i)];
    row.resize(static_cast<size_t>(table.dimension));
    for (int j = 0; j < table.dimension; ++j) {
      const size_t c = static_cast<size_t>(j);
      // Rounded to float as the fitting run's table was.
      row[c] =
          model.normalized ? static_cast<float>((x[j] - model.mean[c]) / model.deviation[c]) : x[j];
    }
  }
  return rows;
}

void textColumnRoles(const TableColumns& columns, std::vector<std::string>& ids,
                     std::vector<std::string>& labels, std::string& labelName) {
  ids.clear();
  labels.clear();
  labelName.clear();
  const size_t rows = columns.text.size();
  for (size_t c = 0; c < columns.textNames.size() && rows > 0; ++c) {
    std::set<std::string> distinct;
    for (const std::vector<std::string>& fields : columns.text) {
      if (c < fields.size()) distinct.insert(fields[c]);
    }
    std::vector<std::string> column;
    for (const std::vector<std::string>& fields : columns.text) {
      column.push_back(c < fields.size() ? fields[c] : std::string());
    }
    if (ids.empty() && distinct.size() == rows) {
      ids = std::move(column);
    } else if (labels.empty() && distinct.size() >= 2 && distinct.size() <= 12) {
      labels = std::move(column);
      labelName = columns.textNames[c];
    }
  }
}

namespace {

// "x1", "x2", ...: the names a model gives columns that had none.
bool defaultNames(const std::vector<std::string>& names) {
  for (size_t k = 0; k < names.size(); ++k) {
    if (names[k] != "x" + std::to_string(k + 1)) return false;
  }
  return true;
}

Status readTable(const ViewOptions& options, const ModelInput& model, PointTable& rows,
                 TableColumns& columns) {
  DataTable table;
  const MissingValues missing = options.missing ? MissingValues::Drop : MissingValues::Refuse;
  const Status status = readAnyTable(*options.data, missing, table, columns);
  for (const std::string& warning : columns.warnings) warn("%s", warning.c_str());
  if (!status.ok()) return status;
  const std::string& modelPath = *options.model;
  if (table.dimension != model.manifold.dimension) {
    return Status::failure("Table file " + *options.data + ": " + std::to_string(table.dimension) +
                           " coordinates, but the map of " + modelPath + " was fitted to " +
                           std::to_string(model.manifold.dimension) + "\n");
  }
  if (!columns.names.empty() && columns.names != model.columns && !defaultNames(model.columns)) {
    warn(
        "manifit-view: the columns of %s are not named as those of the map in %s (%s...); they "
        "are taken in order.\n",
        options.data->c_str(), modelPath.c_str(), model.columns[0].c_str());
  }
  const long long fitted = model.fitPoints + model.testPoints + model.discardedPoints;
  if (table.pointCount != fitted) {
    warn(
        "manifit-view: %s holds %d points, but the map in %s was fitted to a table of %lld; the "
        "page shows this table's points on the map.\n",
        options.data->c_str(), table.pointCount, modelPath.c_str(), fitted);
  }
  rows = normalizedRows(table, model);
  return Status::success();
}

GridShape modelShape(const ModelInput& model) {
  GridKind kind = GridKind::graph;
  GridShape shape;
  // A grown grid keeps its configured type but no longer matches it.
  if (parseGridKind(model.gridType, kind) && shapeOfKind(model.manifold, kind, "", shape).ok()) {
    return shape;
  }
  return recogniseShape(model.manifold);
}

// Where the points lie on the map: the projections file (-p), or the points
// file (-points) whose rows are matched to the table's; none without either.
Status readPlacements(const ViewOptions& options, const ModelInput& model,
                      const TableColumns& columns, size_t pointCount,
                      std::vector<Projection>& projections) {
  if (options.projections) {
    const Status status = readProjections(*options.projections, projections);
    if (!status.ok()) return status;
  }
  if (!options.points) return Status::success();
  std::vector<PointLine> lines;
  Status status = readPointsFile(*options.points, model.manifold.nodeCount, lines);
  // A form without text columns or dropped rows keeps no row numbers: point
  // p is row p + 1.
  std::vector<long long> rows = columns.rowNumbers;
  if (rows.empty()) {
    for (size_t p = 0; p < pointCount; ++p) rows.push_back(static_cast<long long>(p + 1));
  }
  if (status.ok()) {
    status = projectionsOfRows(lines, rows, *options.points, *options.data, projections);
  }
  return status;
}

// The columns and the nodes' values in the input's units, column by column.
void fillNodeValues(const ModelInput& model, PageData& page) {
  page.columns = model.columns;
  page.valueUnits = model.normalized ? "the input's units" : "the input's (unnormalized) units";
  page.nodeValues.assign(model.columns.size(), std::vector<double>(model.nodesInput.size(), 0.0));
  for (size_t j = 0; j < model.nodesInput.size(); ++j) {
    for (size_t k = 0; k < page.nodeValues.size(); ++k) {
      page.nodeValues[k][j] = model.nodesInput[j][k];
    }
  }
}

}  // namespace

Status buildModelPage(const ViewOptions& options, PageData& page) {
  GridKind kind = GridKind::graph;
  if (options.type && !parseGridKind(*options.type, kind)) {
    return Status::failure("manifit-view: unknown grid type " + *options.type + "\n" + viewUsage());
  }
  ModelInput model;
  Status status = readModelInput(*options.model, model);
  if (!status.ok()) return status;
  PointTable table;
  TableColumns columns;
  status = readTable(options, model, table, columns);
  if (!status.ok()) return status;
  if (table.rows.empty()) return Status::failure("Table file " + *options.data + ": no points\n");

  std::vector<Projection> projections;
  status = readPlacements(options, model, columns, table.rows.size(), projections);
  if (!status.ok()) return status;
  const bool placed = options.projections || options.points;
  std::vector<std::string> ids;
  std::vector<std::string> labels;
  std::string labelName;
  textColumnRoles(columns, ids, labels, labelName);
  if (options.labels) {
    status = readLabels(*options.labels, labels);
    if (!status.ok()) return status;
    labelName.clear();
  }
  const InputNames names{*options.model, *options.data,
                         options.points ? options.points : options.projections, options.labels};
  status = checkPointFiles(names, table, placed ? &projections : nullptr,
                           options.labels ? &labels : nullptr, model.manifold.dimension);
  if (!status.ok()) return status;

  GridShape shape;
  if (options.type) {
    status = shapeOfKind(model.manifold, kind, *options.model, shape);
    if (!status.ok()) return status;
  } else {
    shape = modelShape(model);
  }
  fillNodeValues(model, page);
  fillPage(model.manifold, model.summary, table, shape, placed ? &projections : nullptr, labels,
           page);
  page.pointIds = ids;
  page.colourName = labelName;
  page.history = model.history;
  page.mapName = baseName(*options.model);
  return Status::success();
}

}  // namespace manifit
