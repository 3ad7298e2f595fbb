#include "config/configuration.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include "common/output.h"
#include "grid/grid_types.h"
#include "training/training_stage.h"

namespace manifit {

namespace {

// Lines are read in pieces of at most this many characters, each treated as a line.
constexpr int kLineBuffer = 900;
constexpr size_t kMaxAlgtype = 99;

struct SectionValues {
  std::string gridType = "simplerectangular";
  int size1 = 10;
  int size2 = 10;
  int size3 = 10;
  int minclust = 5;
  std::vector<TrainingStage> stages;
};

class FileCloser {
 public:
  explicit FileCloser(FILE* file) : file_(file) {}
  ~FileCloser() {
    if (file_ != nullptr) std::fclose(file_);
  }
  FileCloser(const FileCloser&) = delete;
  FileCloser& operator=(const FileCloser&) = delete;

 private:
  FILE* file_;
};

// Reads one piece of a line; drops a carriage return that ends the line.
bool readPiece(FILE* file, char* buffer) {
  if (std::fgets(buffer, kLineBuffer, file) == nullptr) return false;
  size_t length = std::strlen(buffer);
  const bool newline = length > 0 && buffer[length - 1] == '\n';
  const size_t last = newline ? length - 1 : length;
  if (last > 0 && buffer[last - 1] == '\r') {
    buffer[last - 1] = newline ? '\n' : '\0';
    if (newline) buffer[last] = '\0';
  }
  return true;
}

// The first two tokens of a line; separators are blank, '=', tab and newline.
int tokenize(const char* line, std::string tokens[2]) {
  int found = 0;
  const char* p = line;
  while (*p != '\0' && found < 2) {
    while (*p != '\0' && std::strchr(" =\t\n", *p) != nullptr) ++p;
    if (*p == '\0') break;
    const char* start = p;
    while (*p != '\0' && std::strchr(" =\t\n", *p) == nullptr) ++p;
    tokens[found++].assign(start, static_cast<size_t>(p - start));
  }
  return found;
}

// atoi without undefined behaviour on overflow: out-of-range values saturate.
int toInt(const std::string& text) {
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

float toReal(const std::string& text) {
  return static_cast<float>(std::atof(text.c_str()));
}

// A grid size: atof, then truncation toward zero. Values beyond the int range
// saturate and NaN gives 0; the size check refuses all of them.
int toSize(const std::string& text) {
  const double value = std::atof(text.c_str());
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

// Applies one key and value. Stage keys apply to the most recent stage and are
// ignored before any stage exists. Only an over-long strategy name is refused.
Status applyKey(const std::string& key, const std::string& value, ElasticMap& map,
                SectionValues& section) {
  TrainingStage* last = section.stages.empty() ? nullptr : &section.stages.back();
  if (key == "algtype") {
    if (value.size() > kMaxAlgtype) {
      return Status::failure("The algtype value \"" + value.substr(0, 20) + "...\" is " +
                             std::to_string(value.size()) +
                             " characters long; at most 99 are allowed.\n");
    }
    map.algtype = value;
  } else if (key == "grid.type") {
    section.gridType = value;
  } else if (key == "grid.size1") {
    section.size1 = toSize(value);
  } else if (key == "grid.size2") {
    section.size2 = toSize(value);
  } else if (key == "grid.size3") {
    section.size3 = toSize(value);
  } else if (key == "grid.minclust") {
    section.minclust = toInt(value);
  } else if (key == "init.stretch1") {
    map.initStretch[0] = toReal(value);
  } else if (key == "init.stretch2") {
    map.initStretch[1] = toReal(value);
  } else if (key == "init.stretch3") {
    map.initStretch[2] = toReal(value);
  } else if (key == "epoch.id") {
    section.stages.push_back(TrainingStage::epoch());
  } else if (last == nullptr) {
    if (key == "adapt.id") section.stages.push_back(TrainingStage::adaptation());
  } else if (key == "epoch.minimize") {
    last->minimize = value == "true";
  } else if (key == "epoch.ep") {
    last->ep = toReal(value);
  } else if (key == "epoch.rp") {
    last->rp = toReal(value);
  } else if (key == "epoch.extrapolate") {
    last->extrapolate = toInt(value);
  } else if (key == "epoch.eps") {
    last->eps = toReal(value);
  } else if (key == "epoch.epsSLAU") {
    last->epsSLAU = toReal(value);
  } else if (key == "epoch.numiter") {
    last->numiter = toInt(value);
  } else if (key == "epoch.numiterSLAU") {
    last->numiterSLAU = toInt(value);
  } else if (key == "adapt.id") {
    section.stages.push_back(TrainingStage::adaptation());
  } else if (key == "adapt.type") {
    last->type = value;
  } else if (key == "adapt.numiter") {
    last->numiter = toInt(value);
  } else if (key == "adapt.numstep") {
    last->numstep = toInt(value);
  } else if (key == "adapt.numevery") {
    last->numevery = toInt(value);
    // Every step adds up to numevery nodes, each slot allocated up front.
    if (last->numevery > gridNodeLimit()) {
      return Status::failure("adapt.numevery " + std::to_string(last->numevery) +
                             " asks for more new nodes per step than the " +
                             std::to_string(gridNodeLimit()) + " a grid can hold.\n");
    }
  } else if (key == "adapt.eps") {
    last->eps = toReal(value);
  } else if (key == "adapt.epsSLAU") {
    last->epsSLAU = toReal(value);
  } else if (key == "adapt.epsMSE") {
    last->epsMSE = toReal(value);
  } else if (key == "adapt.ep") {
    last->ep = toReal(value);
  } else if (key == "adapt.rp") {
    last->rp = toReal(value);
  }
  return Status::success();
}

// Creates the grid named by the section's grid type, or none for an unknown one.
std::unique_ptr<Grid> createGrid(const SectionValues& section, int dimension) {
  const std::string& type = section.gridType;
  if (type == "simplerectangular") {
    return std::make_unique<RectangularGrid>(section.size1, section.size2, dimension);
  }
  if (type == "linear") return std::make_unique<LinearGrid>(section.size1, dimension);
  if (type == "circle") return std::make_unique<CircleGrid>(section.size1, dimension);
  if (type == "sphere") {
    return std::make_unique<SphereGrid>(section.size1, section.size2, dimension);
  }
  if (type == "elgraph") {
    auto graph = std::make_unique<GraphGrid>(section.size1, dimension);
    graph->minclust = section.minclust;
    return graph;
  }
  return nullptr;
}

bool knownGridType(const std::string& type) {
  return type == "simplerectangular" || type == "linear" || type == "circle" || type == "sphere" ||
         type == "elgraph";
}

}  // namespace

Status readConfiguration(ElasticMap& map, const std::string& path, int n,
                         std::unique_ptr<Grid>& grid) {
  map.currentEp = 1.0f;
  map.currentRp = 1.0f;
  SectionValues section;
  map.initStretch[0] = map.initStretch[1] = map.initStretch[2] = 0.8f;
  map.stageCount = 0;

  char header[32];
  std::snprintf(header, sizeof header, "#ALG%i", n);
  FILE* file = std::fopen(path.c_str(), "r");
  if (file == nullptr) {
    return Status::failure("Can not open configuration file " + path + " (looking for section " +
                           header + ")\n");
  }
  FileCloser closer(file);

  char line[kLineBuffer];
  const size_t headerLength = std::strlen(header);
  bool found = false;
  while (readPiece(file, line)) {
    if (std::strncmp(line, header, headerLength) == 0) {
      found = true;
      break;
    }
  }
  if (!found) {
    return Status::failure("Configuration file " + path + " has no line beginning with " + header +
                           "\n");
  }

  while (readPiece(file, line)) {
    if (line[0] == '#') break;
    std::string tokens[2];
    if (tokenize(line, tokens) < 2) continue;
    const Status applied = applyKey(tokens[0], tokens[1], map, section);
    if (!applied.ok()) {
      return Status::failure("Configuration file " + path + ", section " + header + ": " +
                             applied.message);
    }
  }

  if (!knownGridType(section.gridType)) {
    print("No such grid type : %s\n", section.gridType.c_str());
    return Status::failure("");
  }
  const Status sizes =
      checkGridSizes(section.gridType, section.size1, section.size2, map.dimension);
  if (!sizes.ok()) return sizes;
  grid = createGrid(section, map.dimension);
  map.setGrid(*grid);

  map.stages = section.stages;
  map.stageCount = static_cast<int>(map.stages.size());
  map.currentStage = 0;
  return Status::success();
}

}  // namespace manifit
