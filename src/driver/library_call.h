// What every entry point of the library does around its work: the calling
// thread's worker count is set for the call and restored after it; the text
// the work prints and warns goes to the progress callback as Message and
// Warning events, never to the streams; a stop asked by the callback is
// remembered; and whatever the work throws comes back as a failure.
#pragma once

#include <functional>

#include "common/output.h"
#include "common/status.h"
#include "manifit/failure.h"
#include "manifit/fit.h"

namespace manifit {

class LibraryCall {
 public:
  // threads 0: the hardware's count; below 0: the calling thread's setting as it is.
  LibraryCall(ProgressCallback progress, int threads);
  ~LibraryCall();
  LibraryCall(const LibraryCall&) = delete;
  LibraryCall& operator=(const LibraryCall&) = delete;

  // Runs the work: its status, or the failure of what it threw.
  Failure run(const std::function<Status()>& work);

  // Hands an Iteration event to the callback.
  void iteration(const Iteration& numbers);

  // Whether the callback has asked to stop.
  bool stopRequested() const { return stop_; }

 private:
  void deliver(const Event& event);

  ProgressCallback progress_;
  bool stop_ = false;
  int previousThreads_;
  ForwardedText forwarded_;
};

// The failure of a status and back.
Failure failureOf(const Status& status);
Status statusOf(const Failure& failure);

// The failure of a fit stopped by its callback.
Failure stoppedFailure();

}  // namespace manifit
