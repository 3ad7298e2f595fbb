#include "view/run_view.h"

#include <cstdio>

#include "common/atomic_output_file.h"
#include "common/output.h"
#include "common/run_failure.h"
#include "common/same_file.h"
#include "common/version.h"
#include "view/label_kind.h"
#include "view/model_page.h"
#include "view/node_measures.h"
#include "view/summary_check.h"
#include "view/view_files.h"

namespace manifit {

namespace {

Status mismatch(const std::string& path, const std::string& what) {
  return Status::failure(path + ": " + what + "\n");
}

}  // namespace

Status checkPointFiles(const InputNames& names, const PointTable& table,
                       const std::vector<Projection>* projections,
                       const std::vector<std::string>* labels, int mapDimension) {
  const std::string points = std::to_string(table.rows.size());
  if (table.dimension != mapDimension) {
    return mismatch(names.table, "the points have " + std::to_string(table.dimension) +
                                     " coordinates, but the map " + names.map + " has " +
                                     std::to_string(mapDimension));
  }
  if (projections && projections->size() != table.rows.size()) {
    return mismatch(*names.projections, std::to_string(projections->size()) + " projections, but " +
                                            names.table + " has " + points + " points");
  }
  if (labels && labels->size() != table.rows.size()) {
    return mismatch(*names.labels, std::to_string(labels->size()) + " labels, but " + names.table +
                                       " has " + points + " points");
  }
  return Status::success();
}

std::string baseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

namespace {

// The run's files agree: the table and the summary have the map's
// dimension, the per-point files one line per point, and the summary is
// that of the table.
Status checkAgreement(const ViewOptions& options, const ManifoldFile& manifold,
                      const ComponentSummary& summary, const PointTable& table,
                      const std::vector<Projection>* projections,
                      const std::vector<std::string>* labels) {
  const InputNames names{*options.map, *options.normdat, options.projections, options.labels};
  if (table.dimension != manifold.dimension) {
    return checkPointFiles(names, table, nullptr, nullptr, manifold.dimension);
  }
  if (summary.dimension != manifold.dimension) {
    return mismatch(options.summary, "the components have " + std::to_string(summary.dimension) +
                                         " coordinates, but the map " + *options.map + " has " +
                                         std::to_string(manifold.dimension));
  }
  Status status = checkPointFiles(names, table, projections, labels, manifold.dimension);
  if (!status.ok()) return status;
  std::vector<double> weights;
  if (options.weights) {
    status = readRowWeights(*options.weights, table.rows.size(), weights);
    if (!status.ok()) return status;
  }
  return checkSummaryOfTable(summary, table, options.weights ? &weights : nullptr, options.summary,
                             *options.normdat);
}

}  // namespace

void fillPage(const ManifoldFile& manifold, const ComponentSummary& summary,
              const PointTable& table, const GridShape& shape,
              const std::vector<Projection>* projections, const std::vector<std::string>& labels,
              PageData& page) {
  const std::vector<int> nearest = nearestNodes(table, manifold);
  page.shape = shape;
  page.nodeCount = manifold.nodeCount;
  page.edgeCount = manifold.edgeCount;
  page.ribCount = manifold.ribCount;
  page.triangleCount = manifold.triangleCount;
  page.thirdComponent = hasThirdComponent(summary);
  for (size_t c = 0; c < 3 && c < summary.fractions.size(); ++c) {
    if (c < 2 || page.thirdComponent) page.fractions[c] = summary.fractions[c];
  }
  page.unexplainedByNodes = unexplainedByNodes(table, manifold, nearest);
  page.unexplainedByPlane = unexplainedByPlane(table, summary);
  page.pointScores.clear();
  for (const std::vector<double>& row : table.rows) {
    page.pointScores.push_back(componentScores(summary, row));
  }
  page.nodeScores.clear();
  for (const std::vector<double>& node : manifold.nodes) {
    page.nodeScores.push_back(componentScores(summary, node));
  }
  page.edges = manifold.edges;
  page.labels.clear();
  page.colourValues.clear();
  if (!numericLabels(labels, page.colourValues)) page.labels = labels;
  page.nearest = nearest;
  page.nodeCounts = nodePointCounts(nearest, manifold.nodeCount);
  page.uMatrix = uMatrix(manifold);
  page.quality = nodeQuality(table, manifold, nearest);
  if (page.columns.empty()) {
    for (int k = 0; k < manifold.dimension; ++k)
      page.columns.push_back("x" + std::to_string(k + 1));
  }
  if (page.valueUnits.empty()) page.valueUnits = "the map's own (normalized) units";
  if (page.nodeValues.empty()) {
    page.nodeValues.assign(static_cast<size_t>(manifold.dimension),
                           std::vector<double>(manifold.nodes.size(), 0.0));
    for (size_t j = 0; j < manifold.nodes.size(); ++j) {
      for (size_t k = 0; k < page.nodeValues.size(); ++k)
        page.nodeValues[k][j] = manifold.nodes[j][k];
    }
  }
  page.map = layoutMap(shape, manifold, nearest, projections);
}

Status buildPage(const ViewOptions& options, PageData& page) {
  if (options.model) return buildModelPage(options, page);
  GridKind kind = GridKind::graph;
  if (options.type && !parseGridKind(*options.type, kind)) {
    return Status::failure("manifit-view: unknown grid type " + *options.type + "\n" + viewUsage());
  }
  ManifoldFile manifold;
  Status status = readManifoldFile(*options.map, manifold);
  if (!status.ok()) return status;
  ComponentSummary summary;
  status = readComponentSummary(options.summary, summary);
  if (!status.ok()) return status;
  PointTable table;
  status = readPointTable(*options.normdat, table);
  if (!status.ok()) return status;
  std::vector<Projection> projections;
  if (options.projections) {
    status = readProjections(*options.projections, projections);
    if (!status.ok()) return status;
  }
  std::vector<std::string> labels;
  if (options.labels) {
    status = readLabels(*options.labels, labels);
    if (!status.ok()) return status;
  }
  status = checkAgreement(options, manifold, summary, table,
                          options.projections ? &projections : nullptr,
                          options.labels ? &labels : nullptr);
  if (!status.ok()) return status;

  GridShape shape;
  if (options.type) {
    status = shapeOfKind(manifold, kind, *options.map, shape);
    if (!status.ok()) return status;
  } else {
    shape = recogniseShape(manifold);
  }

  fillPage(manifold, summary, table, shape, options.projections ? &projections : nullptr, labels,
           page);
  page.mapName = baseName(*options.map);
  return Status::success();
}

namespace {

// The page must not replace one of the files it is drawn from.
Status checkPageName(const ViewOptions& options) {
  std::vector<NamedPath> inputs;
  if (options.model) {
    inputs = {{"-model", *options.model}, {"-d", *options.data}};
  } else {
    inputs = {
        {"-map", *options.map}, {"-normdat", *options.normdat}, {"-summary", options.summary}};
    if (options.weights) inputs.emplace_back("-w", *options.weights);
  }
  if (options.projections) inputs.emplace_back("-p", *options.projections);
  if (options.points) inputs.emplace_back("-points", *options.points);
  if (options.labels) inputs.emplace_back("-labels", *options.labels);
  return checkOutputsAreNotInputs(inputs, {{"-html", *options.html}});
}

}  // namespace

Status writePageFile(const std::string& path, const std::string& text) {
  // Written whole or not at all: an earlier page of that name stays until
  // the new one is complete.
  AtomicOutputFile out(path);
  if (out.isOpen()) std::fwrite(text.data(), 1, text.size(), out.get());
  if (!out.commit()) return Status::failure("Can not write " + path + "\n");
  return Status::success();
}

int runView(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-help" || a == "-h" || a == "--help") {
      print("%s", viewUsage().c_str());
      flushOutput();
      return 0;
    }
    if (a == "-version" || a == "--version") {
      print("manifit-view %s\n", kVersion);
      flushOutput();
      return 0;
    }
  }
  ViewOptions options;
  Status status = scanViewOptions(argc, argv, options);
  PageData page;
  if (status.ok()) status = checkPageName(options);
  // Memory that cannot be obtained ends the run with a message, not an abort.
  if (status.ok()) {
    status = guardRun([&] {
      return allocating("the data of the page " + *options.html,
                        [&] { return buildPage(options, page); });
    });
  }
  if (status.ok()) {
    status = guardRun([&] {
      return allocating("the page " + *options.html,
                        [&] { return writePageFile(*options.html, renderPage(page)); });
    });
  }
  if (!status.ok()) {
    std::fputs(status.message.c_str(), stderr);
    return status.exitCode;
  }
  print("Page written: %s\n", options.html->c_str());
  flushOutput();
  return 0;
}

}  // namespace manifit
