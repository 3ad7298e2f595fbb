// The files of a fit: writers of the tool's output formats, and readers of
// the manifold file, the generating-manifold node file and the model file.
// A writer writes the whole file or leaves any earlier one untouched; with
// an OutputSet it hands the complete file to the set, which puts every file
// in place together.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "manifit/failure.h"
#include "manifit/fit.h"
#include "manifit/map.h"
#include "manifit/table.h"

namespace manifit {

// Outputs written together: each complete file waits in a temporary file
// beside its target until placeAll(); a set destroyed before that removes
// them, so a failed run leaves every earlier file as it was.
class OutputSet {
 public:
  OutputSet();
  ~OutputSet();
  OutputSet(const OutputSet&) = delete;
  OutputSet& operator=(const OutputSet&) = delete;
  // Puts every file in place, in the order written; returns the paths that
  // could not be replaced.
  std::vector<std::string> placeAll();
  // Whether no file waits to be put in place.
  bool empty() const;

  struct Files;
  Files& files() { return *files_; }

 private:
  std::unique_ptr<Files> files_;
};

// The manifold description file (-o), with the data name of its header.
Failure writeManifoldFile(const Map& map, const std::string& path, const std::string& dataName,
                          OutputSet* set = nullptr);
// The projections file (-p).
Failure writeProjectionsFile(const Projection& projection, const std::string& path,
                             OutputSet* set = nullptr);
// The component summary ("temp") and the component scores of a prepared table (-pcdat).
Failure writeSummaryFile(const Components& components, const std::string& path,
                         OutputSet* set = nullptr);
Failure writeScoresFile(const PreparedTable& prepared, const std::string& path,
                        OutputSet* set = nullptr);
// The normalized table of a prepared table's fitted points (-normdat).
Failure writeNormalizedTableFile(const PreparedTable& prepared, const std::string& path,
                                 OutputSet* set = nullptr);
// A table in the table-file format.
Failure writeTableFile(const TableView& table, const std::string& path, OutputSet* set = nullptr);

// A map read back from a manifold file: nodes, edges, ribs, triangles,
// two grid coordinates per node and the coefficients, at the file's
// precision; project() accepts it.
struct MapFile {
  Failure failure;
  Map map;

  bool ok() const { return !failure.failed(); }
};
MapFile readManifoldFile(const std::string& path);

// The nodes of a generating-manifold node file, dimension values per node.
struct NodeFile {
  Failure failure;
  std::vector<float> nodes;

  bool ok() const { return !failure.failed(); }
};
NodeFile readNodeFile(const std::string& path, int dimension);

// What a model file holds besides the fit: the column names, the
// configuration that ran and the fraction of variance left unexplained.
struct ModelInfo {
  std::vector<std::string> columns;
  std::string configurationFile;
  int algorithm = 0;
  std::string section;
  double fvu = 0.0;
};

// The model file (-model): the fit with every number exactly, so a map read
// back projects exactly as the original.
Failure writeModelFile(const FitResult& fit, const ModelInfo& info, const std::string& path,
                       OutputSet* set = nullptr);
struct ModelFile {
  Failure failure;
  FitResult fit;
  ModelInfo info;

  bool ok() const { return !failure.failed(); }
};
ModelFile readModelFile(const std::string& path);

}  // namespace manifit
