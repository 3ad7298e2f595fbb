// The viewer's run: read the files of one manifit run, check that they agree,
// and write the page.
#pragma once

#include <string>

#include "common/status.h"
#include "view/svg_page.h"
#include "view/view_options.h"

namespace manifit {

// Reads and checks every input named by the options and computes the page's
// content.
Status buildPage(const ViewOptions& options, PageData& page);

// Writes the text to the file, replacing it.
Status writePageFile(const std::string& path, const std::string& text);

// The whole command: returns the exit status (0, or 1 after printing the
// message on standard error).
int runView(int argc, const char* const* argv);

}  // namespace manifit
