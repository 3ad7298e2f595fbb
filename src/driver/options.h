// The command line: options, each a dash and a word followed by one value,
// and the help and version requests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/parallel.h"
#include "common/status.h"

namespace manifit {

struct Options {
  std::optional<std::string> data;         // -d
  std::optional<std::string> ini;          // -i
  int algorithm = -1;                      // -n
  std::optional<std::string> output;       // -o
  std::optional<std::string> weights;      // -w
  std::string dataName = "none";           // -dat
  int testPercent = -1;                    // -t
  int takePercent = -1;                    // -take
  int norm = 1;                            // -norm
  std::optional<std::string> normdat;      // -normdat
  std::optional<std::string> pcdat;        // -pcdat
  std::optional<std::string> gen;          // -gen
  std::optional<std::string> projections;  // -p
  int threads = hardwareThreads();         // -threads: worker threads; below 1 keeps this default
  bool fullSearch = false;                 // -search full: every distance at every iteration
  std::optional<std::string> points;       // -points: per-point results (CSV)
  std::optional<std::string> model;        // -model: model file (JSON)
  std::string missing = "refuse";          // -na: refuse or drop rows with missing values
  bool help = false;                       // -help, -h or --help
  bool version = false;                    // -version or --version
  std::vector<std::string> warnings;       // about the arguments, each ending with a newline
};

// The usage text listing every option.
std::string manifitUsage();

// Scans every argument (the program name included); the last value of an
// option wins.
Options scanOptions(int argc, const char* const* argv);

// Checks the four mandatory options in order, printing each accepted value;
// a missing one gives its FATAL ERROR message and exit status -1.
Status validateOptions(const Options& options);

// Refuses an output (-o, -p, -normdat, -pcdat, the summary "temp") that
// names the same file as an input (-d, -i, -w, -gen), before anything is
// read or written.
Status checkOutputNames(const Options& options);

}  // namespace manifit
