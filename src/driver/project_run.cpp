#include "driver/project_run.h"

#include <cstring>
#include <optional>

#include "common/output.h"
#include "common/run_failure.h"
#include "common/status.h"
#include "common/suggest.h"
#include "common/version.h"
#include "data/table_input.h"
#include "driver/library_call.h"
#include "driver/library_convert.h"
#include "driver/point_results.h"
#include "manifit/files.h"

namespace manifit {

namespace {

struct ProjectOptions {
  std::optional<std::string> model;
  std::optional<std::string> data;
  std::optional<std::string> points;
  std::string missing = "refuse";
  bool help = false;
  bool version = false;
};

Status scanProjectOptions(int argc, const char* const* argv, ProjectOptions& options) {
  const std::vector<std::string> names = {"-model", "-d", "-points", "-na"};
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-help" || a == "-h" || a == "--help") {
      options.help = true;
      continue;
    }
    if (a == "-version" || a == "--version") {
      options.version = true;
      continue;
    }
    std::optional<std::string>* slot = nullptr;
    if (a == "-model") slot = &options.model;
    if (a == "-d") slot = &options.data;
    if (a == "-points") slot = &options.points;
    if (slot == nullptr && a != "-na") {
      const std::string guess = closestName(a, names);
      return Status::failure("manifit-project: " + a + " is not an option" +
                             (guess.empty() ? std::string() : "; did you mean " + guess + "?") +
                             "\n");
    }
    if (i + 1 >= argc) return Status::failure("manifit-project: " + a + " needs a value\n");
    const std::string value = argv[++i];
    if (slot != nullptr) {
      *slot = value;
    } else if (value == "drop" || value == "refuse") {
      options.missing = value;
    } else {
      return Status::failure("manifit-project: -na takes drop or refuse, not \"" + value + "\"\n");
    }
  }
  if (options.help || options.version) return Status::success();
  if (!options.model) return Status::failure("manifit-project: -model is missing\n");
  if (!options.data) return Status::failure("manifit-project: -d is missing\n");
  if (!options.points) return Status::failure("manifit-project: -points is missing\n");
  return Status::success();
}

// x = (x - mean) / deviation per column, as the fitting run normalized.
void normalizeWith(const Normalization& normalization, DataTable& table) {
  for (int i = 0; i < table.pointCount; ++i) {
    float* x = table.row(i);
    for (int j = 0; j < table.dimension; ++j) {
      const size_t c = static_cast<size_t>(j);
      x[j] = static_cast<float>((x[j] - normalization.mean[c]) / normalization.deviation[c]);
    }
  }
}

Status projectPoints(const ProjectOptions& options) {
  const ModelFile model = readModelFile(*options.model);
  if (!model.ok()) return statusOf(model.failure);
  const Map& map = model.fit.map;
  DataTable table;
  TableColumns columns;
  const MissingValues missing =
      options.missing == "drop" ? MissingValues::Drop : MissingValues::Refuse;
  Status status = readAnyTable(*options.data, missing, table, columns);
  if (!status.ok()) return status;
  if (table.dimension != map.dimension) {
    return Status::failure("Table file " + *options.data + ": " + std::to_string(table.dimension) +
                           " coordinates, but the map of " + *options.model + " was fitted to " +
                           std::to_string(map.dimension) + "\n");
  }
  const std::vector<std::string>& names = model.info.columns;
  if (!columns.names.empty() && columns.names != names) {
    warn(
        "manifit-project: the columns of %s are not named as those of the map (%s...); they are "
        "taken in order.\n",
        options.data->c_str(), names.empty() ? "" : names[0].c_str());
  }
  if (model.fit.normalization.applied) normalizeWith(model.fit.normalization, table);
  const std::unique_ptr<Grid> grid = gridOf(map);
  const std::vector<PointResult> results = projectTable(*grid, table);
  const std::vector<std::string> parts(results.size(), "new");
  status = writePointsFile(*options.points, columns, parts, results);
  if (!status.ok()) return status;
  print("Projected %i points onto the map of %i nodes: %s\n", table.pointCount, grid->nodeCount,
        options.points->c_str());
  return Status::success();
}

}  // namespace

std::string projectUsage() {
  return "Usage: manifit-project -model file.json -d table -points out.csv [-na drop]\n"
         "Projects new points onto a map saved by manifit -model.\n"
         "  -model file  the model file written by manifit -model\n"
         "  -d table     the new points, in any form manifit reads (table file, CSV, TSV,\n"
         "               .npy), with the map's columns in the same order; they are normalized\n"
         "               with the model's means and deviations\n"
         "  -points file per-point results as CSV: row, text columns, part (new, or dropped),\n"
         "               nearest node, grid coordinates u v w, squared distance to the node\n"
         "  -na drop     leave out rows with missing values instead of refusing the table\n"
         "  -help        this text\n"
         "  -version     the version\n";
}

int runProject(int argc, const char* const* argv) {
  ProjectOptions options;
  const Status scanned = scanProjectOptions(argc, argv, options);
  if (!scanned.ok()) {
    warn("%s%s", scanned.message.c_str(), projectUsage().c_str());
    return 1;
  }
  if (options.help) {
    print("%s", projectUsage().c_str());
    flushOutput();
    return 0;
  }
  if (options.version) {
    print("manifit-project %s\n", kVersion);
    flushOutput();
    return 0;
  }
  const Status done = guardRun([&options] { return projectPoints(options); });
  flushOutput();
  if (!done.ok()) {
    warn("%s", done.message.c_str());
    return 1;
  }
  return 0;
}

}  // namespace manifit
