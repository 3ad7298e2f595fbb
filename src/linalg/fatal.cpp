#include "linalg/fatal.h"

#include <string>

#include "common/run_failure.h"

namespace manifit {

void fatalToStderr(const char* message) {
  throw RunFailure(Status::failureOnStandardError(std::string(message) + "\n"));
}

void fatalToStdout(const char* message) {
  throw RunFailure(Status::failure(std::string(message) + "\n"));
}

}  // namespace manifit
