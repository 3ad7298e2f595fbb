// The viewer's run: read the files of one manifit run, check that they agree,
// and write the page.
#pragma once

#include <string>
#include <vector>

#include "common/status.h"
#include "view/svg_page.h"
#include "view/view_options.h"

namespace manifit {

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
