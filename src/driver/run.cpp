#include "driver/run.h"

#include "common/output.h"
#include "driver/options.h"

namespace manifit {

int runManifit(int argc, const char* const* argv) {
  const Options options = scanOptions(argc, argv);
  const Status valid = validateOptions(options);
  if (!valid.ok()) {
    print("%s", valid.message.c_str());
    flushOutput();
    return valid.exitCode;
  }
  flushOutput();
  return 0;
}

}  // namespace manifit
