#include "view/view_options.h"

#include <cstring>

namespace manifit {

std::string viewUsage() {
  return "Usage: manifit-view -map file -normdat file -html file [-summary file] [-p file]\n"
         "                    [-labels file] [-type type]\n"
         "  -map      manifold file written by manifit -o\n"
         "  -normdat  normalized table written by manifit -normdat\n"
         "  -html     page to write\n"
         "  -summary  principal-component summary of the run (default: temp)\n"
         "  -p        projections written by manifit -p\n"
         "  -labels   one label per point, one per line, to colour the points\n"
         "  -type     simplerectangular, sphere, linear, circle or elgraph\n"
         "            (default: recognised from the map's nodes and edges)\n";
}

Status scanViewOptions(int argc, const char* const* argv, ViewOptions& options) {
  struct Slot {
    const char* name;
    std::optional<std::string>* value;
  };
  std::optional<std::string> summary;
  const Slot slots[] = {{"-map", &options.map},       {"-normdat", &options.normdat},
                        {"-html", &options.html},     {"-summary", &summary},
                        {"-p", &options.projections}, {"-labels", &options.labels},
                        {"-type", &options.type}};
  for (int i = 1; i < argc; i += 2) {
    const Slot* slot = nullptr;
    for (const Slot& candidate : slots) {
      if (std::strcmp(argv[i], candidate.name) == 0) slot = &candidate;
    }
    if (!slot) {
      return Status::failure("manifit-view: unknown option " + std::string(argv[i]) + "\n" +
                             viewUsage());
    }
    if (i + 1 >= argc) {
      return Status::failure("manifit-view: option " + std::string(argv[i]) + " needs a value\n" +
                             viewUsage());
    }
    *slot->value = argv[i + 1];
  }
  if (summary) options.summary = *summary;
  for (const Slot& slot : slots) {
    const bool mandatory =
        slot.value == &options.map || slot.value == &options.normdat || slot.value == &options.html;
    if (mandatory && !*slot.value) {
      return Status::failure("manifit-view: missing " + std::string(slot.name) + "\n" +
                             viewUsage());
    }
  }
  return Status::success();
}

}  // namespace manifit
