#include "driver/library_call.h"

#include <utility>

#include "common/parallel.h"
#include "common/run_failure.h"

namespace manifit {

LibraryCall::LibraryCall(ProgressCallback progress, int threads)
    : progress_(std::move(progress)),
      previousThreads_(workerThreads()),
      forwarded_([this](bool warning, const std::string& text) {
        Event event;
        event.kind = warning ? Event::Kind::Warning : Event::Kind::Message;
        event.text = text;
        deliver(event);
      }) {
  if (threads >= 0) setWorkerThreads(threads > 0 ? threads : hardwareThreads());
}

LibraryCall::~LibraryCall() {
  setWorkerThreads(previousThreads_);
}

void LibraryCall::deliver(const Event& event) {
  if (progress_ && !progress_(event)) stop_ = true;
}

void LibraryCall::iteration(const Iteration& numbers) {
  Event event;
  event.kind = Event::Kind::Iteration;
  event.iteration = numbers;
  // As for the text, the callback runs outside the call's forwarding.
  forwarded_.outside([&] { deliver(event); });
}

Failure LibraryCall::run(const std::function<Status()>& work) {
  try {
    return failureOf(guardRun(work));
  } catch (...) {
    // Only a callback throws what is no standard exception.
    return failureOf(Status::failureOnStandardError("The run failed: an unknown exception\n"));
  }
}

Failure failureOf(const Status& status) {
  Failure failure;
  failure.exitStatus = status.exitCode;
  failure.message = status.message;
  failure.onStandardError = status.stream == MessageStream::StandardError;
  return failure;
}

Status statusOf(const Failure& failure) {
  Status status;
  status.exitCode = failure.exitStatus;
  status.message = failure.message;
  status.stream =
      failure.onStandardError ? MessageStream::StandardError : MessageStream::StandardOutput;
  return status;
}

Failure stoppedFailure() {
  Failure failure;
  failure.exitStatus = 1;
  failure.message = "the fit was stopped\n";
  return failure;
}

}  // namespace manifit
