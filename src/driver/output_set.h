// What an OutputSet holds: the staged files of the engine.
#pragma once

#include "common/atomic_output_file.h"
#include "manifit/files.h"

namespace manifit {

struct OutputSet::Files {
  StagedOutputs staged;
};

// The staged files of a set, or none.
inline StagedOutputs* stagedFiles(OutputSet* set) {
  return set != nullptr ? &set->files().staged : nullptr;
}

}  // namespace manifit
