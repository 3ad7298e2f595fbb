#include "driver/run.h"

#include "common/output.h"
#include "common/parallel.h"
#include "common/version.h"
#include "driver/options.h"
#include "driver/prepare_data.h"
#include "driver/training_run.h"

namespace manifit {

namespace {

int stop(const Status& status) {
  print("%s", status.message.c_str());
  flushOutput();
  return status.exitCode;
}

}  // namespace

int runManifit(int argc, const char* const* argv) {
  const Options options = scanOptions(argc, argv);
  if (options.help) {
    print("%s", manifitUsage().c_str());
    flushOutput();
    return 0;
  }
  if (options.version) {
    print("manifit %s\n", kVersion);
    flushOutput();
    return 0;
  }
  for (const std::string& warning : options.warnings) warn("%s", warning.c_str());
  setWorkerThreads(options.threads);
  const Status valid = validateOptions(options);
  if (!valid.ok()) return stop(valid);
  const Status distinct = checkOutputNames(options);
  if (!distinct.ok()) return stop(distinct);

  PreparedData prepared;
  const Status ready = prepareData(options, prepared);
  if (!ready.ok()) return stop(ready);
  const Status trained = runTraining(options, prepared);
  if (!trained.ok()) return stop(trained);
  flushOutput();
  return 0;
}

}  // namespace manifit
