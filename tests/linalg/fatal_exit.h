// Helpers for death tests of the fatal messages: the child process routes
// the stream under test to the captured standard error and silences the
// other one, and the message is matched exactly.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

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
