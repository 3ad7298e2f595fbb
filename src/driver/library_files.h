// The writers of a prepared table's files, on the prepared tables
// themselves (the public writers and the command-line run share them).
#pragma once

#include <functional>
#include <string>

#include "driver/prepare_data.h"
#include "manifit/failure.h"
#include "manifit/files.h"

namespace manifit {

// Runs a writer that prints why it fails (and returns false then): its
// failure carries that text, for standard output.
Failure runWriter(const std::function<bool()>& write);

// The component scores of the working table (-pcdat); a score that is not a
// finite number is refused before anything is written.
Failure writeScoresOf(const PreparedData& prepared, const std::string& path, OutputSet* set);

// The working table, "%10.10f\t" per value and a line end per point.
Failure writeNormalizedOf(const PreparedData& prepared, const std::string& path, OutputSet* set);

}  // namespace manifit
