#include <csignal>

#include "driver/project_run.h"

int main(int argc, char** argv) {
  // A write past the file-size limit then fails (and is reported) instead of
  // ending the process.
  std::signal(SIGXFSZ, SIG_IGN);
  return manifit::runProject(argc, argv);
}
