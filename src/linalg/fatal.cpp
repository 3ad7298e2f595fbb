#include "linalg/fatal.h"

#include <cstdio>
#include <cstdlib>

#include "common/output.h"

namespace manifit {

void fatalToStderr(const char* message) {
  flushOutput();
  std::fprintf(stderr, "%s\n", message);
  std::fflush(stderr);
  std::exit(1);
}

void fatalToStdout(const char* message) {
  print("%s\n", message);
  flushOutput();
  std::exit(1);
}

}  // namespace manifit
