// A second look at the configuration section a run uses: its text, and
// warnings about lines that do not do what they seem to (an unknown key, a
// stage key before any stage, a comment line that ends the section, a
// section that trains nothing).
#pragma once

#include <istream>
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
// The same for configuration text read from a stream; name stands for the
// file in the warnings.
SectionReport examineSectionText(std::istream& in, const std::string& name, int n);

}  // namespace manifit
