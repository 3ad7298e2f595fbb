#include "view/view_options.h"

#include <cstring>

namespace manifit {

std::string viewUsage() {
  return "Usage: manifit-view -map file -normdat file -html file [-summary file] [-p file]\n"
         "                    [-labels file] [-type type] [-w file]\n"
         "   or: manifit-view -model file.json -d table -html file [-points file]\n"
         "                    [-p file] [-labels file] [-type type] [-na drop]\n"
         "  -map      manifold file written by manifit -o\n"
         "  -normdat  normalized table written by manifit -normdat\n"
         "  -html     page to write\n"
         "  -summary  principal-component summary of the run (default: temp)\n"
         "  -p        projections written by manifit -p\n"
         "  -labels   one label per point, one per line, to colour the points\n"
         "  -type     simplerectangular, sphere, linear, circle or elgraph\n"
         "            (default: recognised from the map's nodes and edges)\n"
         "  -w        the weights file of a weighted run, so that its summary is checked\n"
         "            with the weights it was computed with\n"
         "  -model    model file written by manifit -model: the map, its components, the\n"
         "            normalization and the training curve\n"
         "  -d        the input table of the run, in any form manifit reads (table file,\n"
         "            CSV, TSV, .npy); it is normalized with the model's means and\n"
         "            deviations\n"
         "  -points   per-point results of the run (manifit -points) or of manifit-project:\n"
         "            each row's place on the map, matched to the -d table by row number\n"
         "  -na drop  leave out rows of the -d table with missing values\n"
         "  -help     this text\n"
         "  -version  the version\n";
}

namespace {

Status usageFailure(const std::string& what) {
  return Status::failure("manifit-view: " + what + "\n" + viewUsage());
}

}  // namespace

Status scanViewOptions(int argc, const char* const* argv, ViewOptions& options) {
  struct Slot {
    const char* name;
    std::optional<std::string>* value;
  };
  std::optional<std::string> summary;
  const Slot slots[] = {
      {"-map", &options.map},   {"-normdat", &options.normdat}, {"-html", &options.html},
      {"-summary", &summary},   {"-p", &options.projections},   {"-labels", &options.labels},
      {"-type", &options.type}, {"-model", &options.model},     {"-d", &options.data},
      {"-w", &options.weights}, {"-na", &options.missing},      {"-points", &options.points}};
  for (int i = 1; i < argc; i += 2) {
    const Slot* slot = nullptr;
    for (const Slot& candidate : slots) {
      if (std::strcmp(argv[i], candidate.name) == 0) slot = &candidate;
    }
    if (!slot) return usageFailure("unknown option " + std::string(argv[i]));
    if (i + 1 >= argc) return usageFailure("option " + std::string(argv[i]) + " needs a value");
    *slot->value = argv[i + 1];
  }
  if (summary) {
    options.summary = *summary;
    options.summaryGiven = true;
  }
  if (options.missing && *options.missing != "drop") {
    return usageFailure("-na takes the word drop, not " + *options.missing);
  }
  if (options.model || options.data) {
    // The model form: the model carries the map and the summary.
    for (const auto& [name, given] : {std::pair<const char*, bool>{"-map", options.map.has_value()},
                                      {"-normdat", options.normdat.has_value()},
                                      {"-summary", options.summaryGiven},
                                      {"-w", options.weights.has_value()}}) {
      if (given) return usageFailure(std::string(name) + " does not go with -model and -d");
    }
    if (!options.model) return usageFailure("-d needs -model");
    if (!options.data) return usageFailure("-model needs -d, the table the map was fitted to");
    if (!options.html) return usageFailure("missing -html");
    if (options.points && options.projections) {
      return usageFailure("-points and -p both give the points' places on the map; give one");
    }
    return Status::success();
  }
  if (options.missing) return usageFailure("-na goes with -model and -d");
  if (options.points) return usageFailure("-points goes with -model and -d");
  for (const Slot& slot : slots) {
    const bool mandatory =
        slot.value == &options.map || slot.value == &options.normdat || slot.value == &options.html;
    if (mandatory && !*slot.value) return usageFailure("missing " + std::string(slot.name));
  }
  return Status::success();
}

}  // namespace manifit
