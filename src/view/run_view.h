// The viewer's run: read the files of one manifit run, check that they agree,
// and write the page.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/status.h"
#include "view/svg_page.h"
#include "view/view_options.h"

namespace manifit {

// The names of the files a page is drawn from, for messages: the map (the
// -map or the -model file), the table of points and the optional per-point
// files.
struct InputNames {
  std::string map;
  std::string table;
  std::optional<std::string> projections;
  std::optional<std::string> labels;
};

// A failure naming the file when the projections or the labels are not one
// per point of the table, or when the table's points have another dimension
// than the map's.
Status checkPointFiles(const InputNames& names, const PointTable& table,
                       const std::vector<Projection>* projections,
                       const std::vector<std::string>* labels, int mapDimension);

// The name shown on the page: the file name without its folders.
std::string baseName(const std::string& path);

// The page's content from files that agree with each other; the columns,
// their units and the node values in them are kept when already set.
void fillPage(const ManifoldFile& manifold, const ComponentSummary& summary,
              const PointTable& table, const GridShape& shape,
              const std::vector<Projection>* projections, const std::vector<std::string>& labels,
              PageData& page);

// Reads and checks every input named by the options and computes the page's
// content.
Status buildPage(const ViewOptions& options, PageData& page);

// Writes the text to the file, replacing it.
Status writePageFile(const std::string& path, const std::string& text);

// The whole command: returns the exit status (0, or 1 after printing the
// message on standard error).
int runView(int argc, const char* const* argv);

}  // namespace manifit
