// A second look at the configuration section a run uses: its text, and
// warnings about lines that do not do what they seem to (an unknown key, a
// stage key before any stage, a comment line that ends the section, a
// section that trains nothing).
#pragma once

#include <string>
#include <vector>

namespace manifit {

struct SectionReport {
  std::string text;                   // the header line and the lines it read
  std::vector<std::string> warnings;  // each names the file and line, ends with a newline
};

// Empty when the file cannot be read or holds no such section (the
// configuration reader reports those).
SectionReport examineSection(const std::string& path, int n);

}  // namespace manifit
