#include <csignal>
#include <cstdio>

#include "driver/run.h"
#include "geometry/nearest_node.h"

int main(int argc, char** argv) {
  // A write past the file-size limit then fails (and is reported) instead of
  // ending the process.
  std::signal(SIGXFSZ, SIG_IGN);
  std::fputs(manifit::kernelRequestWarning().c_str(), stderr);
  return manifit::runManifit(argc, argv);
}
