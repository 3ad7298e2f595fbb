// Conditions that end a run from deep inside a computation, where no status
// can be handed back (a constructor, an operator): the component throws a
// RunFailure carrying the failed Status, and the entry point of the run
// (guardRun) turns it, or an allocation failure, back into that Status.
// Nothing thrown here leaves a guarded run.
#pragma once

#include <exception>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>

#include "common/status.h"

namespace manifit {

class RunFailure : public std::exception {
 public:
  explicit RunFailure(Status status) : status_(std::move(status)) {}
  const Status& status() const { return status_; }
  const char* what() const noexcept override { return status_.message.c_str(); }

 private:
  Status status_;
};

// The message of memory that could not be obtained for what ("the sparse
// matrix of 1000000 rows"), for standard error and status 1.
Status allocationFailure(const std::string& what);

// Runs make(); when it cannot obtain memory, ends the run with the message
// naming what it was making.
template <typename Make>
auto allocating(const std::string& what, Make&& make) -> decltype(make()) {
  try {
    return make();
  } catch (const std::bad_alloc&) {
    throw RunFailure(allocationFailure(what));
  } catch (const std::length_error&) {
    throw RunFailure(allocationFailure(what));
  }
}

// Runs body and returns its status; a RunFailure thrown inside returns the
// status it carries, an allocation failure (also one carried over from a
// worker thread) the message of memory exhaustion with status 1, and any
// other exception its text with status 1.
Status guardRun(const std::function<Status()>& body);

// Prints a failed status's message on its stream, standard output flushed
// first so that the message follows everything printed before it.
void printStatusMessage(const Status& status);

}  // namespace manifit
