// The public reading of a configuration section: the grid, the schedule, the
// section's text and its warnings.
#include <sstream>

#include "config/configuration.h"
#include "config/section_check.h"
#include "driver/library_call.h"
#include "driver/library_convert.h"
#include "manifit/schedule.h"

namespace manifit {

namespace {

const char* const kTypeNames[] = {"simplerectangular", "sphere", "linear", "circle", "elgraph"};
const GridType kTypes[] = {GridType::Rectangle, GridType::Sphere, GridType::Line, GridType::Circle,
                           GridType::Graph};

// The section's settings as its public record, once they are checked for a
// table of this dimension.
Status finishSection(const SectionSettings& settings, int dimension, Section& section) {
  const Status usable = checkSectionGrid(settings, dimension);
  if (!usable.ok()) return usable;
  section.grid = gridSpecOf(settings);
  section.schedule.strategy = settings.algtype;
  section.schedule.stages.clear();
  for (const TrainingStage& stage : settings.stages)
    section.schedule.stages.push_back(stageOf(stage));
  return Status::success();
}

}  // namespace

const char* gridTypeName(GridType type) {
  for (size_t i = 0; i < 5; ++i) {
    if (kTypes[i] == type) return kTypeNames[i];
  }
  return kTypeNames[0];
}

bool gridTypeFromName(const std::string& name, GridType& type) {
  for (size_t i = 0; i < 5; ++i) {
    if (name == kTypeNames[i]) {
      type = kTypes[i];
      return true;
    }
  }
  return false;
}

Stage Stage::epoch(float ep, float rp) {
  Stage stage = stageOf(TrainingStage::epoch());
  stage.ep = ep;
  stage.rp = rp;
  return stage;
}

Stage Stage::adaptation(const std::string& type) {
  Stage stage = stageOf(TrainingStage::adaptation());
  stage.type = type;
  return stage;
}

Section readSection(const std::string& path, int n, int dimension) {
  Section section;
  LibraryCall call(nullptr, -1);
  section.failure = call.run([&] {
    const SectionReport report = examineSection(path, n);
    section.text = report.text;
    section.warnings = report.warnings;
    SectionSettings settings;
    const Status read = readSectionFile(path, n, settings);
    if (!read.ok()) return read;
    return finishSection(settings, dimension, section);
  });
  return section;
}

Section readSectionText(const std::string& text, int n, int dimension, const std::string& name) {
  Section section;
  LibraryCall call(nullptr, -1);
  section.failure = call.run([&] {
    std::istringstream lines(text);
    const SectionReport report = examineSectionText(lines, name, n);
    section.text = report.text;
    section.warnings = report.warnings;
    SectionSettings settings;
    size_t at = 0;
    const CharacterSource next = [&text, &at]() -> int {
      return at < text.size() ? static_cast<unsigned char>(text[at++]) : EOF;
    };
    const Status read = readSectionSettings(next, name, n, settings);
    if (!read.ok()) return read;
    return finishSection(settings, dimension, section);
  });
  return section;
}

}  // namespace manifit
