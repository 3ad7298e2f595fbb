#include "driver/run.h"

#include "common/output.h"
#include "common/parallel.h"
#include "common/run_failure.h"
#include "common/version.h"
#include "driver/options.h"
#include "driver/prepare_data.h"
#include "driver/training_run.h"

namespace manifit {

namespace {

int stop(const Status& status) {
  printStatusMessage(status);
  flushOutput();
  return status.exitCode;
}

Status runAll(int argc, const char* const* argv) {
  const Options options = scanOptions(argc, argv);
  if (options.help) {
    print("%s", manifitUsage().c_str());
    return Status::success();
  }
  if (options.version) {
    print("manifit %s\n", kVersion);
    return Status::success();
  }
  for (const std::string& warning : options.warnings) warn("%s", warning.c_str());
  setWorkerThreads(options.threads);
  const Status valid = validateOptions(options);
  if (!valid.ok()) return valid;
  const Status distinct = checkOutputNames(options);
  if (!distinct.ok()) return distinct;

  PreparedData prepared;
  const Status ready = prepareData(options, prepared);
  if (!ready.ok()) return ready;
  return runTraining(options, prepared);
}

}  // namespace

int runManifit(int argc, const char* const* argv) {
  // Whatever ends the run early (a fatal condition of the linear algebra,
  // memory that cannot be obtained) comes back here as its status; the
  // run's own objects are released before the message is printed.
  const Status status = guardRun([argc, argv] { return runAll(argc, argv); });
  if (!status.ok()) return stop(status);
  flushOutput();
  return 0;
}

}  // namespace manifit
