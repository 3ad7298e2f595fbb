// The fit's progress reaching Python: each message and warning goes to a
// Python callable with the interpreter lock held for the call only; a
// pending signal (Ctrl-C) or an exception in the callable stops the fit and
// is raised once it has returned.
#pragma once

#include <pybind11/pybind11.h>

#include <optional>

#include "manifit/fit.h"

namespace manifit::python {

namespace py = pybind11;

class ProgressRelay {
 public:
  // callback(kind, text), kind "message" or "warning"; None for no callable.
  explicit ProgressRelay(py::object callback);
  ~ProgressRelay();
  ProgressRelay(const ProgressRelay&) = delete;
  ProgressRelay& operator=(const ProgressRelay&) = delete;

  // The library's callback: false once the fit must stop.
  ProgressCallback callback();
  // Raises the error that stopped the fit, if any (the lock held).
  void raisePending();

 private:
  bool relay(const Event& event);

  py::object callback_;
  std::optional<py::error_already_set> pending_;
};

}  // namespace manifit::python
