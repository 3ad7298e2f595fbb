#include "driver/options.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/output.h"
#include "common/same_file.h"

namespace manifit {

namespace {

// atoi's reading (optional blanks, sign, leading digits; anything else gives
// 0), with values beyond the int range held at its ends.
int toInt(const char* text) {
  errno = 0;
  const long value = std::strtol(text, nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

Options scanOptions(int argc, const char* const* argv) {
  Options options;
  for (int i = 0; i < argc; ++i) {
    const char* name = argv[i];
    // An option that is the last argument has no value and changes nothing.
    if (i + 1 >= argc) break;
    const char* value = argv[i + 1];
    if (std::strcmp(name, "-d") == 0)
      options.data = value;
    else if (std::strcmp(name, "-i") == 0)
      options.ini = value;
    else if (std::strcmp(name, "-n") == 0)
      options.algorithm = toInt(value);
    else if (std::strcmp(name, "-o") == 0)
      options.output = value;
    else if (std::strcmp(name, "-w") == 0)
      options.weights = value;
    else if (std::strcmp(name, "-dat") == 0)
      options.dataName = value;
    else if (std::strcmp(name, "-t") == 0)
      options.testPercent = toInt(value);
    else if (std::strcmp(name, "-take") == 0)
      options.takePercent = toInt(value);
    else if (std::strcmp(name, "-norm") == 0)
      options.norm = toInt(value);
    else if (std::strcmp(name, "-normdat") == 0)
      options.normdat = value;
    else if (std::strcmp(name, "-pcdat") == 0)
      options.pcdat = value;
    else if (std::strcmp(name, "-gen") == 0)
      options.gen = value;
    else if (std::strcmp(name, "-p") == 0)
      options.projections = value;
    else if (std::strcmp(name, "-threads") == 0) {
      const int threads = toInt(value);
      options.threads = threads >= 1 ? threads : hardwareThreads();
    } else if (std::strcmp(name, "-search") == 0) {
      options.fullSearch = std::strcmp(value, "full") == 0;
    }
  }
  return options;
}

Status validateOptions(const Options& options) {
  if (!options.data) return Status::failure("FATAL ERROR: No data file was specified.\n", -1);
  print("Dat file: %s\n", options.data->c_str());
  if (options.weights) print("Weight file: %s\n", options.weights->c_str());
  if (options.gen) print("Generating manifold file: %s\n", options.gen->c_str());
  if (!options.ini) {
    return Status::failure("FATAL ERROR: No initialization file was specified.\n", -1);
  }
  print("Ini file: %s\n", options.ini->c_str());
  if (!options.output) return Status::failure("FATAL ERROR: No output file was specified.\n", -1);
  print("Output file: %s\n", options.output->c_str());
  if (options.algorithm < 0) {
    return Status::failure("FATAL ERROR: algorithm number must be specified.\n", -1);
  }
  print("Alg number: %i\n", options.algorithm);
  if (options.projections) print("File for projections: %s\n", options.projections->c_str());
  return Status::success();
}

}  // namespace manifit

namespace manifit {

Status checkOutputNames(const Options& options) {
  std::vector<NamedPath> inputs;
  if (options.data) inputs.emplace_back("-d", *options.data);
  if (options.ini) inputs.emplace_back("-i", *options.ini);
  if (options.weights) inputs.emplace_back("-w", *options.weights);
  if (options.gen) inputs.emplace_back("-gen", *options.gen);
  std::vector<NamedPath> outputs;
  if (options.output) outputs.emplace_back("-o", *options.output);
  if (options.projections) outputs.emplace_back("-p", *options.projections);
  if (options.normdat) outputs.emplace_back("-normdat", *options.normdat);
  if (options.pcdat) outputs.emplace_back("-pcdat", *options.pcdat);
  outputs.emplace_back("the component summary", "temp");
  return checkOutputsAreNotInputs(inputs, outputs);
}

}  // namespace manifit
