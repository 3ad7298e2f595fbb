#include "progress.h"

#include <utility>

namespace manifit::python {

ProgressRelay::ProgressRelay(py::object callback) : callback_(std::move(callback)) {}

// The pending error and the callable are Python objects: released with the lock held.
ProgressRelay::~ProgressRelay() = default;

ProgressCallback ProgressRelay::callback() {
  return [this](const Event& event) { return relay(event); };
}

bool ProgressRelay::relay(const Event& event) {
  py::gil_scoped_acquire acquire;
  if (pending_) return false;
  try {
    if (event.kind != Event::Kind::Iteration && !callback_.is_none()) {
      callback_(event.kind == Event::Kind::Warning ? "warning" : "message", event.text);
    }
    if (PyErr_CheckSignals() != 0) throw py::error_already_set();
  } catch (py::error_already_set& error) {
    pending_.emplace(std::move(error));
    return false;
  }
  return true;
}

void ProgressRelay::raisePending() {
  if (!pending_) return;
  py::error_already_set error = std::move(*pending_);
  pending_.reset();
  throw error;
}

}  // namespace manifit::python
