// "Did you mean": the known name closest to a mistyped one.
#pragma once

#include <string>
#include <vector>

namespace manifit {

// The number of single-character insertions, deletions, substitutions and
// swaps of neighbours that turn a into b.
int editDistance(const std::string& a, const std::string& b);

// The known name within two edits of word (the closest; the first of equals),
// else the longest known name of two or more characters that begins word;
// empty when none is close.
std::string closestName(const std::string& word, const std::vector<std::string>& names);

}  // namespace manifit
