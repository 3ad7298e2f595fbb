// The algorithm configuration file: numbered sections "#ALG<n>" of dotted
// keys that set the grid, the initial stretch, the strategy and the training
// schedule. A section is read from any source of characters (a file or a
// text in memory) into its settings, which then make the grid and the
// trainer's schedule.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/status.h"
#include "grid/grid.h"
#include "training/elastic_map.h"
#include "training/training_stage.h"

namespace manifit {

// What one section sets, with the defaults of a section that sets nothing.
struct SectionSettings {
  std::string gridType = "simplerectangular";
  int size1 = 10;
  int size2 = 10;
  int size3 = 10;
  int minclust = 5;
  std::array<float, 3> initStretch = {0.8f, 0.8f, 0.8f};
  std::string algtype = "epoch";
  std::vector<TrainingStage> stages;
};

// The characters of a configuration text one at a time: the next one, or
// EOF at the end.
using CharacterSource = std::function<int()>;

// Reads section n from the characters; name stands for the file in
// messages. A missing section, a line longer than 899 characters, a NUL
// byte, a real value that is not a finite float, an over-long strategy name
// and an adapt.numevery above the node limit are refused. Nothing after the
// section is read.
Status readSectionSettings(const CharacterSource& next, const std::string& name, int n,
                           SectionSettings& section);

// The same from a file; one that cannot be opened is refused.
Status readSectionFile(const std::string& path, int n, SectionSettings& section);

// Refuses an unknown grid type ("No such grid type : <type>") and sizes the
// type cannot take for a table of `dimension` columns.
Status checkSectionGrid(const SectionSettings& section, int dimension);

// The grid the section configures (none for an unknown type).
std::unique_ptr<Grid> createSectionGrid(const SectionSettings& section, int dimension);

// Reads section n of the file into the trainer (stretch factors, strategy,
// schedule) and creates the configured grid for the trainer's data dimension;
// the trainer adopts it with setGrid, the caller owns it. A file that cannot
// be opened, a missing section, an unknown grid type (its message printed,
// the status's left empty), unusable sizes or an over-long strategy name give
// a failed status (and no grid).
Status readConfiguration(ElasticMap& map, const std::string& path, int n,
                         std::unique_ptr<Grid>& grid);

}  // namespace manifit
