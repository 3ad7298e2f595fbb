// The viewer's command line: options are a dash and a lower-case word, each
// followed by one value; the last value of a repeated option wins.
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
  std::optional<std::string> projections;  // -p
  std::optional<std::string> labels;       // -labels
  std::optional<std::string> type;         // -type: grid type, instead of recognising it
};

// The usage text, ending with a line end.
std::string viewUsage();

// Fills the options from the arguments (the program name first). An unknown
// option, an option without a value or a missing mandatory one gives a
// failure whose message ends with the usage text.
Status scanViewOptions(int argc, const char* const* argv, ViewOptions& options);

}  // namespace manifit
