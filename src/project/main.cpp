#include <csignal>
#include <cstdio>

#include "driver/project_run.h"
#include "geometry/nearest_node.h"

int main(int argc, char** argv) {
  // A write past the file-size limit then fails (and is reported) instead of
  // ending the process.
  std::signal(SIGXFSZ, SIG_IGN);
  // A reader that closes standard output early (manifit ... | head) then
  // no longer ends the process midway, with its temporary files left behind:
  // the run completes and puts its files in place.
  std::signal(SIGPIPE, SIG_IGN);
  std::fputs(manifit::kernelRequestWarning().c_str(), stderr);
  return manifit::runProject(argc, argv);
}
