// A failure as a value: the message the command-line tool prints for it, the
// stream it goes to and the exit status the tool ends with. Nothing in the
// library prints it or ends the process; the caller decides.
#pragma once

#include <string>

namespace manifit {

struct Failure {
  int exitStatus = 0;            // 0: nothing failed
  std::string message;           // printed as it stands (usually ends with a line end)
  bool onStandardError = false;  // the tool prints it on standard error, not standard output

  bool failed() const { return exitStatus != 0; }
};

}  // namespace manifit
