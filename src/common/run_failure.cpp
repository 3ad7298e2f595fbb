#include "common/run_failure.h"

#include <stdexcept>

#include "common/output.h"

namespace manifit {

Status allocationFailure(const std::string& what) {
  return Status::failureOnStandardError("Out of memory: could not allocate " + what + "\n");
}

Status guardRun(const std::function<Status()>& body) {
  try {
    return body();
  } catch (const RunFailure& failure) {
    return failure.status();
  } catch (const std::bad_alloc&) {
    return Status::failureOnStandardError(
        "Out of memory: the run could not obtain the memory it needs\n");
  } catch (const std::length_error&) {
    return Status::failureOnStandardError(
        "Out of memory: the run asked for more memory than can be addressed\n");
  } catch (const std::exception& unexpected) {
    return Status::failureOnStandardError(std::string("The run failed: ") + unexpected.what() +
                                          "\n");
  }
}

void printStatusMessage(const Status& status) {
  if (status.message.empty()) return;
  if (status.stream == MessageStream::StandardError) {
    flushOutput();
    warn("%s", status.message.c_str());
    return;
  }
  print("%s", status.message.c_str());
  flushOutput();
}

}  // namespace manifit
