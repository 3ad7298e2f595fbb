#include "config/configuration.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include "common/input_file.h"
#include "common/output.h"
#include "grid/grid_types.h"
#include "training/training_stage.h"

namespace manifit {

namespace {

// The longest line the reader takes (its line buffer holds 900 characters
// with the terminating zero); a longer one is refused, never split.
constexpr size_t kMaxLine = 899;
constexpr size_t kMaxAlgtype = 99;

// Why readLine found no line.
enum class LineEnd { line, endOfFile, tooLong, nulByte };

// Reads one line without its line end ("\n" or "\r\n"), reading no further
// than kMaxLine + 1 characters into it.
LineEnd readLine(const CharacterSource& next, std::string& line) {
  line.clear();
  int c = 0;
  bool any = false;
  while ((c = next()) != EOF) {
    any = true;
    if (c == '\n') break;
    if (c == '\0') return LineEnd::nulByte;
    if (line.size() >= kMaxLine) {
      // A carriage return that ends the line does not count toward its length.
      if (c == '\r' && line.size() == kMaxLine) {
        line.push_back('\r');
        continue;
      }
      return LineEnd::tooLong;
    }
    line.push_back(static_cast<char>(c));
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > kMaxLine) return LineEnd::tooLong;
  return any ? LineEnd::line : LineEnd::endOfFile;
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

// A real as atof reads it, stored as a 32-bit float; refused unless it is a
// finite number within the float range.
Status toReal(const std::string& key, const std::string& text, float& value) {
  const double read = std::atof(text.c_str());
  if (!std::isfinite(read) || std::fabs(read) > std::numeric_limits<float>::max()) {
    return Status::failure("the value \"" + text.substr(0, 32) + "\" of " + key +
                           " is not a finite number within the range of a 32-bit float.\n");
  }
  value = static_cast<float>(read);
  return Status::success();
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

// The keys of the section itself; true when key is one of them, with
// status telling whether its value was accepted. Only an over-long strategy
// name is refused.
bool applySectionKey(const std::string& key, const std::string& value, SectionSettings& section,
                     Status& status) {
  if (key == "algtype") {
    if (value.size() > kMaxAlgtype) {
      status = Status::failure("The algtype value \"" + value.substr(0, 20) + "...\" is " +
                               std::to_string(value.size()) +
                               " characters long; at most 99 are allowed.\n");
      return true;
    }
    section.algtype = value;
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
    status = toReal(key, value, section.initStretch[0]);
  } else if (key == "init.stretch2") {
    status = toReal(key, value, section.initStretch[1]);
  } else if (key == "init.stretch3") {
    status = toReal(key, value, section.initStretch[2]);
  } else if (key == "epoch.id") {
    section.stages.push_back(TrainingStage::epoch());
  } else {
    return false;
  }
  return true;
}

// The keys of an epoch stage; any other key is left alone.
Status applyEpochKey(const std::string& key, const std::string& value, TrainingStage& stage) {
  if (key == "epoch.minimize") {
    stage.minimize = value == "true";
  } else if (key == "epoch.ep") {
    return toReal(key, value, stage.ep);
  } else if (key == "epoch.rp") {
    return toReal(key, value, stage.rp);
  } else if (key == "epoch.extrapolate") {
    stage.extrapolate = toInt(value);
  } else if (key == "epoch.eps") {
    return toReal(key, value, stage.eps);
  } else if (key == "epoch.epsSLAU") {
    return toReal(key, value, stage.epsSLAU);
  } else if (key == "epoch.numiter") {
    stage.numiter = toInt(value);
  } else if (key == "epoch.numiterSLAU") {
    stage.numiterSLAU = toInt(value);
  }
  return Status::success();
}

// The keys of an adaptation stage; any other key is left alone.
Status applyAdaptationKey(const std::string& key, const std::string& value, TrainingStage& stage) {
  if (key == "adapt.type") {
    stage.type = value;
  } else if (key == "adapt.numiter") {
    stage.numiter = toInt(value);
  } else if (key == "adapt.numstep") {
    stage.numstep = toInt(value);
  } else if (key == "adapt.numevery") {
    stage.numevery = toInt(value);
    // Every step adds up to numevery nodes, each slot allocated up front.
    if (stage.numevery > gridNodeLimit()) {
      return Status::failure("adapt.numevery " + std::to_string(stage.numevery) +
                             " asks for more new nodes per step than the " +
                             std::to_string(gridNodeLimit()) + " a grid can hold.\n");
    }
  } else if (key == "adapt.eps") {
    return toReal(key, value, stage.eps);
  } else if (key == "adapt.epsSLAU") {
    return toReal(key, value, stage.epsSLAU);
  } else if (key == "adapt.epsMSE") {
    return toReal(key, value, stage.epsMSE);
  } else if (key == "adapt.ep") {
    return toReal(key, value, stage.ep);
  } else if (key == "adapt.rp") {
    return toReal(key, value, stage.rp);
  }
  return Status::success();
}

// Applies one key and value. Stage keys apply to the most recent stage and are
// ignored before any stage exists.
Status applyKey(const std::string& key, const std::string& value, SectionSettings& section) {
  Status status = Status::success();
  if (applySectionKey(key, value, section, status)) return status;
  if (key == "adapt.id") {
    section.stages.push_back(TrainingStage::adaptation());
    return status;
  }
  if (section.stages.empty()) return status;
  TrainingStage& last = section.stages.back();
  if (key.compare(0, 6, "epoch.") == 0) return applyEpochKey(key, value, last);
  return applyAdaptationKey(key, value, last);
}

}  // namespace

// Creates the grid named by the section's grid type, or none for an unknown one.
std::unique_ptr<Grid> createSectionGrid(const SectionSettings& section, int dimension) {
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

namespace {

bool knownGridType(const std::string& type) {
  return type == "simplerectangular" || type == "linear" || type == "circle" || type == "sphere" ||
         type == "elgraph";
}

}  // namespace

Status readSectionSettings(const CharacterSource& next, const std::string& name, int n,
                           SectionSettings& section) {
  char header[32];
  std::snprintf(header, sizeof header, "#ALG%i", n);
  std::string line;
  const size_t headerLength = std::strlen(header);
  int lineNumber = 0;
  LineEnd end = LineEnd::line;
  bool found = false;
  while (!found && (end = readLine(next, line)) == LineEnd::line) {
    ++lineNumber;
    found = line.compare(0, headerLength, header) == 0;
  }
  if (!found && end == LineEnd::endOfFile) {
    return Status::failure("Configuration file " + name + " has no line beginning with " + header +
                           "\n");
  }

  while (found && (end = readLine(next, line)) == LineEnd::line) {
    ++lineNumber;
    if (line[0] == '#') break;
    std::string tokens[2];
    if (tokenize(line.c_str(), tokens) < 2) continue;
    const Status applied = applyKey(tokens[0], tokens[1], section);
    if (!applied.ok()) {
      return Status::failure("Configuration file " + name + ", section " + header + ": " +
                             applied.message);
    }
  }

  if (end == LineEnd::tooLong || end == LineEnd::nulByte) {
    return Status::failure(
        "Configuration file " + name + ", line " + std::to_string(lineNumber + 1) +
        (end == LineEnd::tooLong
             ? ": the line is longer than " + std::to_string(kMaxLine) + " characters.\n"
             : std::string(": the file holds a NUL byte, so it is not a text "
                           "file.\n")));
  }
  return Status::success();
}

Status readSectionFile(const std::string& path, int n, SectionSettings& section) {
  const FilePointer file = openInputFile(path);
  if (!file) {
    return Status::failure("Can not open configuration file " + path +
                           " (looking for section #ALG" + std::to_string(n) + ")\n");
  }
  std::FILE* in = file.get();
  return readSectionSettings([in] { return std::getc(in); }, path, n, section);
}

Status checkSectionGrid(const SectionSettings& section, int dimension) {
  if (!knownGridType(section.gridType)) {
    return Status::failure("No such grid type : " + section.gridType + "\n");
  }
  return checkGridSizes(section.gridType, section.size1, section.size2, dimension);
}

Status readConfiguration(ElasticMap& map, const std::string& path, int n,
                         std::unique_ptr<Grid>& grid) {
  map.currentEp = 1.0f;
  map.currentRp = 1.0f;
  map.initStretch[0] = map.initStretch[1] = map.initStretch[2] = 0.8f;
  map.stageCount = 0;

  SectionSettings section;
  const Status read = readSectionFile(path, n, section);
  if (!read.ok()) return read;
  const Status usable = checkSectionGrid(section, map.dimension);
  if (!usable.ok() && !knownGridType(section.gridType)) {
    print("%s", usable.message.c_str());
    return Status::failure("");
  }
  if (!usable.ok()) return usable;
  grid = createSectionGrid(section, map.dimension);
  map.setGrid(*grid);

  for (int k = 0; k < 3; ++k) map.initStretch[k] = section.initStretch[static_cast<size_t>(k)];
  map.algtype = section.algtype;
  map.stages = section.stages;
  map.stageCount = static_cast<int>(map.stages.size());
  map.currentStage = 0;
  return Status::success();
}

}  // namespace manifit
