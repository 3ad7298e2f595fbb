// The whole program: returns the process exit status.
#pragma once

namespace manifit {

int runManifit(int argc, const char* const* argv);

}  // namespace manifit
