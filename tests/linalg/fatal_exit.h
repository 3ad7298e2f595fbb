// Helpers for death tests of the fatal messages: the child process routes
// the stream under test to the captured standard error and silences the
// other one, ends as the program ends a run that meets the condition, and
// the message is matched exactly.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/output.h"
#include "common/run_failure.h"

namespace manifit {

// The child's standard output becomes the captured stream; what it writes
// to standard error is dropped.
inline void watchStandardOutput() {
  std::fflush(stdout);
  std::fflush(stderr);
  dup2(fileno(stderr), fileno(stdout));
  const int sink = open("/dev/null", O_WRONLY);
  dup2(sink, fileno(stderr));
}

// What the child writes to standard output is dropped.
inline void watchStandardError() {
  std::fflush(stdout);
  const int sink = open("/dev/null", O_WRONLY);
  dup2(sink, fileno(stdout));
}

// Runs body as the program runs a whole run: a condition that ends the run
// is printed on its stream and the process ends with its status, as main
// does; a body that completes ends the process with status 0.
template <typename Body>
void endAsTheProgramDoes(Body body) {
  const Status status = guardRun([&body] {
    body();
    return Status::success();
  });
  printStatusMessage(status);
  flushOutput();
  std::exit(status.exitCode);
}

// A regular expression that matches exactly text.
inline std::string exactly(const std::string& text) {
  std::string pattern = "^";
  for (const char c : text) {
    if (std::string(".[]{}()\\*+?^$|").find(c) != std::string::npos) pattern += '\\';
    pattern += c;
  }
  return pattern + "$";
}

}  // namespace manifit
