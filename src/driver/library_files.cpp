// The public writers and readers of a fit's files.
#include "driver/library_files.h"

#include <cstdio>
#include <memory>

#include "common/atomic_output_file.h"
#include "common/output.h"
#include "components/principal_components.h"
#include "data/message.h"
#include "driver/library_call.h"
#include "driver/library_convert.h"
#include "driver/output_set.h"
#include "grid/grid.h"

namespace manifit {

OutputSet::OutputSet() : files_(std::make_unique<Files>()) {}

OutputSet::~OutputSet() = default;

std::vector<std::string> OutputSet::placeAll() {
  return files_->staged.placeAll();
}

bool OutputSet::empty() const {
  return files_->staged.empty();
}

Failure runWriter(const std::function<bool()>& write) {
  LibraryCall call(nullptr, -1);
  return call.run([&] {
    CapturedOutput printed;
    if (write()) return Status::success();
    return Status::failure(printed.text());
  });
}

Failure writeScoresOf(const PreparedData& prepared, const std::string& path, OutputSet* set) {
  LibraryCall call(nullptr, -1);
  return call.run([&] {
    if (!prepared.components) return Status::failure("The table was not prepared.\n");
    const int bad = prepared.components->firstNonFiniteScore();
    if (bad >= 0) {
      return Status::failure(formatMessage(
          "Table file %s: the component score of point %i is not a finite number (the "
          "coordinates are too large for single-precision arithmetic; normalize the table or "
          "scale it down).\n",
          prepared.tableName.c_str(), bad + 1));
    }
    CapturedOutput printed;
    if (prepared.components->writeScores(path, stagedFiles(set))) return Status::success();
    return Status::failure(printed.text());
  });
}

Failure writeNormalizedOf(const PreparedData& prepared, const std::string& path, OutputSet* set) {
  LibraryCall call(nullptr, -1);
  return call.run([&] {
    if (prepared.working == nullptr) return Status::failure("The table was not prepared.\n");
    const DataTable& table = *prepared.working;
    AtomicOutputFile file(path, stagedFiles(set));
    if (!file.isOpen()) return Status::failure("Can not open file " + path + " for writing. \n");
    for (int p = 0; p < table.pointCount; ++p) {
      const float* row = table.row(p);
      for (int k = 0; k < table.dimension; ++k) std::fprintf(file.get(), "%10.10f\t", row[k]);
      std::fprintf(file.get(), "\n");
    }
    if (!file.commit()) return Status::failure("Can not write file " + path + "\n");
    return Status::success();
  });
}

Failure writeManifoldFile(const Map& map, const std::string& path, const std::string& dataName,
                          OutputSet* set) {
  const Status usable = checkMap(map);
  if (!usable.ok()) return failureOf(usable);
  return runWriter([&] { return gridOf(map)->writeManifold(path, dataName, stagedFiles(set)); });
}

Failure writeProjectionsFile(const Projection& projection, const std::string& path,
                             OutputSet* set) {
  return runWriter([&] {
    AtomicOutputFile file(path, stagedFiles(set));
    if (!file.isOpen()) {
      print("Can not open file for writing %s\n", path.c_str());
      return false;
    }
    return writeProjectionLines(file, path, projection.coordinates);
  });
}

Failure writeSummaryFile(const Components& components, const std::string& path, OutputSet* set) {
  return runWriter([&] {
    PrincipalComponents summary;
    summary.mean = components.mean;
    summary.components = components.vectors;
    summary.variances = components.varianceFractions;
    summary.componentCount = static_cast<int>(components.vectors.size());
    return summary.writeSummary(path, stagedFiles(set));
  });
}

Failure writeScoresFile(const PreparedTable& prepared, const std::string& path, OutputSet* set) {
  if (!prepared.ok() || !prepared.data) {
    return failureOf(Status::failure("The table was not prepared.\n"));
  }
  return writeScoresOf(*prepared.data, path, set);
}

Failure writeNormalizedTableFile(const PreparedTable& prepared, const std::string& path,
                                 OutputSet* set) {
  if (!prepared.ok() || !prepared.data) {
    return failureOf(Status::failure("The table was not prepared.\n"));
  }
  return writeNormalizedOf(*prepared.data, path, set);
}

Failure writeTableFile(const TableView& table, const std::string& path, OutputSet* set) {
  LibraryCall call(nullptr, -1);
  return call.run([&] {
    const bool usable = table.pointCount >= 0 && table.dimension >= 0 &&
                        (table.rows != nullptr || table.pointCount == 0);
    if (!usable || !viewTable(table).writeTable(path, stagedFiles(set))) {
      return Status::failure("Can not open file " + path + " for writing. \n");
    }
    return Status::success();
  });
}

MapFile readManifoldFile(const std::string& path) {
  MapFile file;
  LibraryCall call(nullptr, -1);
  file.failure = call.run([&] {
    Grid grid;
    const Status read = grid.readManifold(path);
    if (!read.ok()) return read;
    file.map = mapOf(grid, 0, 0);
    file.map.type = grid.triangles.empty() ? GridType::Line : GridType::Rectangle;
    return Status::success();
  });
  return file;
}

NodeFile readNodeFile(const std::string& path, int dimension) {
  NodeFile file;
  LibraryCall call(nullptr, -1);
  file.failure = call.run([&] {
    Grid grid;
    grid.dimension = dimension;
    const Status read = grid.readNodes(path);
    if (!read.ok()) return read;
    file.nodes.reserve(grid.nodes.size() * static_cast<size_t>(dimension));
    for (const std::vector<float>& node : grid.nodes)
      file.nodes.insert(file.nodes.end(), node.begin(), node.end());
    return Status::success();
  });
  return file;
}

}  // namespace manifit
