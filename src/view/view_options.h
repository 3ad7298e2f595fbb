// The viewer's command line: options are a dash and a lower-case word, each
// followed by one value; the last value of a repeated option wins. A page is
// drawn either from the files of a run (-map, -normdat and the summary) or
// from its model file and the input table (-model, -d).
#pragma once

#include <optional>
#include <string>

#include "common/status.h"

namespace manifit {

struct ViewOptions {
  std::optional<std::string> map;          // -map: the manifold file (manifit -o)
  std::optional<std::string> normdat;      // -normdat: the normalized table
  std::optional<std::string> html;         // -html: the page to write
  std::string summary = "temp";            // -summary: the principal-component summary
  bool summaryGiven = false;               // -summary was on the command line
  std::optional<std::string> projections;  // -p
  std::optional<std::string> labels;       // -labels
  std::optional<std::string> type;         // -type: grid type, instead of recognising it
  std::optional<std::string> model;        // -model: the model file (manifit -model)
  std::optional<std::string> data;         // -d: the input table, in any form manifit reads
  std::optional<std::string> weights;      // -w: the run's weights, for the summary check
  std::optional<std::string> missing;      // -na: "drop" leaves out rows with missing values
  std::optional<std::string> points;       // -points: per-point results (manifit -points)
};

// The usage text, ending with a line end.
std::string viewUsage();

// Fills the options from the arguments (the program name first). An unknown
// option, an option without a value, a missing mandatory one or options of
// the two forms mixed give a failure whose message ends with the usage text.
Status scanViewOptions(int argc, const char* const* argv, ViewOptions& options);

}  // namespace manifit
