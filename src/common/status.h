// The outcome of an operation on outside input. A failed status carries the
// message to print, the stream it goes to and the exit status the program
// ends with; only the driver decides to end the process.
#pragma once

#include <string>
#include <utility>

namespace manifit {

enum class MessageStream { StandardOutput, StandardError };

struct Status {
  int exitCode = 0;
  std::string message;  // printed as it stands
  MessageStream stream = MessageStream::StandardOutput;

  bool ok() const { return exitCode == 0; }
  static Status success() { return Status{}; }
  static Status failure(std::string message, int exitCode = 1) {
    return Status{exitCode, std::move(message)};
  }
  static Status failureOnStandardError(std::string message, int exitCode = 1) {
    return Status{exitCode, std::move(message), MessageStream::StandardError};
  }
};

}  // namespace manifit
