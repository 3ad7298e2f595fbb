#include "driver/options.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/output.h"
#include "common/same_file.h"
#include "common/suggest.h"

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

const std::vector<std::string>& optionNames() {
  static const std::vector<std::string> names = {
      "-d",       "-i",     "-n",   "-o", "-w",       "-dat",    "-t",     "-take", "-norm",
      "-normdat", "-pcdat", "-gen", "-p", "-threads", "-points", "-model", "-na",   "-search"};
  return names;
}

bool isOptionName(const char* argument) {
  for (const std::string& name : optionNames()) {
    if (name == argument) return true;
  }
  return false;
}

bool isHelp(const char* a) {
  return std::strcmp(a, "-help") == 0 || std::strcmp(a, "-h") == 0 || std::strcmp(a, "--help") == 0;
}

bool isVersion(const char* a) {
  return std::strcmp(a, "-version") == 0 || std::strcmp(a, "--version") == 0;
}

// A word such as "-5" or "-0.5": a value, not a mistyped option.
bool isNumber(const char* a) {
  char* end = nullptr;
  std::strtod(a, &end);
  return end != a && *end == '\0';
}

// Help and version requests, and warnings about arguments that are no option.
void examineArguments(int argc, const char* const* argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    const bool isValue = i > 1 && isOptionName(argv[i - 1]);
    if (isOptionName(a)) {
      if (i + 1 >= argc && !isValue) {
        options.warnings.push_back(std::string("manifit: ") + a +
                                   " is the last argument and has no value; it is ignored.\n");
      }
      continue;
    }
    if (isValue) continue;
    if (isHelp(a)) {
      options.help = true;
    } else if (isVersion(a)) {
      options.version = true;
    } else if (a[0] == '-' && a[1] != '\0' && !isNumber(a)) {
      const std::string guess = closestName(a, optionNames());
      options.warnings.push_back(
          std::string("manifit: ") + a + " is not an option; " +
          (guess.empty() ? std::string("it is ignored (manifit -help lists the options)")
                         : "did you mean " + guess + "?") +
          "\n");
    }
  }
  if (options.missing != "refuse" && options.missing != "drop") {
    options.warnings.push_back("manifit: -na takes drop or refuse, not \"" + options.missing +
                               "\"; rows with missing values are refused.\n");
  }
}

}  // namespace

std::string manifitUsage() {
  return "Usage: manifit -d table -i file.ini -n number -o file.map [options]\n"
         "Fits an elastic map to the points of a table.\n"
         "\n"
         "Mandatory:\n"
         "  -d table        the points: a table file (\"count dimension\" then the numbers),\n"
         "                  a CSV or TSV file (comma, semicolon or tab; header row optional;\n"
         "                  text columns such as an id or a label are kept aside) or a .npy\n"
         "                  array of 32- or 64-bit floats\n"
         "  -i file.ini     the configuration file\n"
         "  -n number       the algorithm section #ALG<number> of the configuration file\n"
         "  -o file.map     the manifold file to write\n"
         "\n"
         "Inputs:\n"
         "  -w file         one weight per point (numbers, or a .npy array)\n"
         "  -gen file       node file of a generating manifold to compare with\n"
         "  -na drop        leave out CSV rows with missing values (empty, NA, NaN) instead of\n"
         "                  refusing the table (-na refuse, the default)\n"
         "  -norm number    normalize the columns only when 1 (the default)\n"
         "  -t percent      draw this share of the points at random as a test part\n"
         "  -take percent   draw this share of the points at random and leave it out\n"
         "\n"
         "Outputs:\n"
         "  -p file         grid coordinates of each point's projection\n"
         "  -points file    per-point results as CSV: row, text columns, part (fit, test,\n"
         "                  discarded, dropped), nearest node, grid coordinates u v w of the\n"
         "                  projection, squared distance to the nearest node\n"
         "  -model file     the fitted map with everything needed to reuse it, as JSON\n"
         "  -normdat file   the normalized table\n"
         "  -pcdat file     the principal-component scores of every point\n"
         "  -dat name       data name written into the manifold file (default: none)\n"
         "  The summary of the principal components is always written to \"temp\".\n"
         "\n"
         "Other:\n"
         "  -threads count  worker threads (default: one per processor)\n"
         "  -search full    compute every distance at every iteration (same results, slower)\n"
         "  -help, -h, --help  this text\n"
         "  -version        the version\n"
         "\n"
         "Exit status: 0 after a complete run, 1 when an input is refused or an output could\n"
         "not be written, 255 when a mandatory option is missing.\n";
}

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
    else if (std::strcmp(name, "-points") == 0)
      options.points = value;
    else if (std::strcmp(name, "-model") == 0)
      options.model = value;
    else if (std::strcmp(name, "-na") == 0)
      options.missing = value;
    else if (std::strcmp(name, "-threads") == 0) {
      const int threads = toInt(value);
      options.threads = threads >= 1 ? threads : hardwareThreads();
    } else if (std::strcmp(name, "-search") == 0) {
      options.fullSearch = std::strcmp(value, "full") == 0;
    }
  }
  examineArguments(argc, argv, options);
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
  if (options.points) outputs.emplace_back("-points", *options.points);
  if (options.model) outputs.emplace_back("-model", *options.model);
  outputs.emplace_back("the component summary", "temp");
  return checkOutputsAreNotInputs(inputs, outputs);
}

}  // namespace manifit
