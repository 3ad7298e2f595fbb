#include "view/run_view.h"

#include <cstdio>

#include "common/atomic_output_file.h"
#include "common/output.h"
#include "common/same_file.h"
#include "common/version.h"
#include "view/view_files.h"

namespace manifit {

namespace {

Status mismatch(const std::string& path, const std::string& what) {
  return Status::failure(path + ": " + what + "\n");
}

Status checkAgreement(const ViewOptions& options, const ManifoldFile& manifold,
                      const ComponentSummary& summary, const PointTable& table,
                      const std::vector<Projection>* projections,
                      const std::vector<std::string>* labels) {
  const std::string points = std::to_string(table.rows.size());
  if (table.dimension != manifold.dimension) {
    return mismatch(*options.normdat, "the points have " + std::to_string(table.dimension) +
                                          " coordinates, but the map " + *options.map + " has " +
                                          std::to_string(manifold.dimension));
  }
  if (summary.dimension != manifold.dimension) {
    return mismatch(options.summary, "the components have " + std::to_string(summary.dimension) +
                                         " coordinates, but the map " + *options.map + " has " +
                                         std::to_string(manifold.dimension));
  }
  if (projections && projections->size() != table.rows.size()) {
    return mismatch(*options.projections, std::to_string(projections->size()) +
                                              " projections, but " + *options.normdat + " has " +
                                              points + " points");
  }
  if (labels && labels->size() != table.rows.size()) {
    return mismatch(*options.labels, std::to_string(labels->size()) + " labels, but " +
                                         *options.normdat + " has " + points + " points");
  }
  return Status::success();
}

// The name shown on the page: the file name without its folders.
std::string baseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

Status buildPage(const ViewOptions& options, PageData& page) {
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

  const std::vector<int> nearest = nearestNodes(table, manifold);
  page.mapName = baseName(*options.map);
  page.shape = shape;
  page.nodeCount = manifold.nodeCount;
  page.edgeCount = manifold.edgeCount;
  page.ribCount = manifold.ribCount;
  page.triangleCount = manifold.triangleCount;
  page.fraction1 = summary.fractions[0];
  page.fraction2 = summary.fractions[1];
  page.unexplainedByNodes = unexplainedByNodes(table, manifold, nearest);
  page.unexplainedByPlane = unexplainedByPlane(table, summary);
  page.dataPoints.clear();
  for (const std::vector<double>& row : table.rows) {
    page.dataPoints.push_back(projectOnPlane(summary, row));
  }
  page.dataNodes.clear();
  for (const std::vector<double>& node : manifold.nodes) {
    page.dataNodes.push_back(projectOnPlane(summary, node));
  }
  page.edges = manifold.edges;
  page.labels = labels;
  page.nodeCounts = nodePointCounts(nearest, manifold.nodeCount);
  page.map = layoutMap(shape, nearest, options.projections ? &projections : nullptr);
  return Status::success();
}

namespace {

// The page must not replace one of the files it is drawn from.
Status checkPageName(const ViewOptions& options) {
  std::vector<NamedPath> inputs = {
      {"-map", *options.map}, {"-normdat", *options.normdat}, {"-summary", options.summary}};
  if (options.projections) inputs.emplace_back("-p", *options.projections);
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
  if (status.ok()) status = buildPage(options, page);
  if (status.ok()) status = writePageFile(*options.html, renderPage(page));
  if (!status.ok()) {
    std::fputs(status.message.c_str(), stderr);
    return status.exitCode;
  }
  print("Page written: %s\n", options.html->c_str());
  flushOutput();
  return 0;
}

}  // namespace manifit
