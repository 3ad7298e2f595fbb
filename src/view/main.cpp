#include <csignal>

#include "view/run_view.h"

int main(int argc, char** argv) {
  // A write past the file-size limit then fails (and is reported) instead of
  // ending the process.
  std::signal(SIGXFSZ, SIG_IGN);
  // A reader that closes standard output early (manifit ... | head) then
  // no longer ends the process midway, with its temporary files left behind:
  // the run completes and puts its files in place.
  std::signal(SIGPIPE, SIG_IGN);
  return manifit::runView(argc, argv);
}
