// A text file read whole and cut into lines of blank- or tab-separated
// tokens, with the helpers the viewer's readers share: strict number
// conversion and messages that name the file and the line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/status.h"

namespace manifit {

struct TextLine {
  int number = 0;  // counting from 1
  std::string text;
  std::vector<std::string> tokens;
};

struct TextFile {
  std::string path;
  std::vector<TextLine> lines;  // every line, blank ones included
};

// The file's bytes; "Can not read <path>" when it cannot be read, and a
// failure when it holds more than maxBytes.
Status readWholeText(const std::string& path, std::string& text,
                     size_t maxBytes = static_cast<size_t>(-1));

// Reads the whole file; a final line end does not start another line.
Status readTextFile(const std::string& path, TextFile& file);

// "path, line n: what" (or "path: what" when line is 0).
Status lineError(const std::string& path, int line, const std::string& what);

// The whole token as a finite decimal number.
bool parseNumber(const std::string& token, double& value);

// The whole token as a decimal integer within the range of int.
bool parseInteger(const std::string& token, int& value);

// Parses every token of the line as a number; "nan" and "inf" are accepted
// here and checked by the caller where the value is used.
Status parseNumbers(const std::string& path, const TextLine& line, std::vector<double>& values,
                    bool requireFinite);

}  // namespace manifit
