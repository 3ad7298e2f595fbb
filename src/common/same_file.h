// Whether two paths name the same file, so that an output never overwrites
// an input of the same run.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/status.h"

namespace manifit {

// True for the same path, or for two existing paths of the same device and
// inode (links and other spellings included). Devices and pipes never count.
bool sameFile(const std::string& a, const std::string& b);

// A named path: the option (or role) and the path it gives.
using NamedPath = std::pair<std::string, std::string>;

// Refuses the first output that names the same file as an input:
// "The output <path> (<role>) is the input <path> (<role>); nothing was written."
Status checkOutputsAreNotInputs(const std::vector<NamedPath>& inputs,
                                const std::vector<NamedPath>& outputs);

}  // namespace manifit
