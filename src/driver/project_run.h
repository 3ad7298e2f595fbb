// manifit-project: new points onto a saved map. Returns the exit status.
#pragma once

#include <string>

namespace manifit {

std::string projectUsage();

int runProject(int argc, const char* const* argv);

}  // namespace manifit
