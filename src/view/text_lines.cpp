#include "view/text_lines.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "common/input_file.h"

namespace manifit {

namespace {

std::vector<std::string> splitTokens(const std::string& text) {
  std::vector<std::string> tokens;
  size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    size_t end = pos;
    while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
    if (end > pos) tokens.push_back(text.substr(pos, end - pos));
    pos = end;
  }
  return tokens;
}

// strtod that also takes "nan" and "-nan" (as printf writes them).
bool convertDouble(const std::string& token, double& value) {
  if (token.empty()) return false;
  const char* begin = token.c_str();
  char* end = nullptr;
  errno = 0;
  value = std::strtod(begin, &end);
  return end == begin + token.size() && errno != ERANGE;
}

}  // namespace

// Reads the whole file in pieces, refusing it at the first NUL byte (text
// holds none), so a device such as /dev/zero is refused at once.
Status readWholeText(const std::string& path, std::string& text, size_t maxBytes) {
  const FilePointer in = openInputFile(path);
  if (!in) return Status::failure("Can not read " + path + "\n");
  char piece[65536];
  size_t got = 0;
  while ((got = std::fread(piece, 1, sizeof piece, in.get())) > 0) {
    const void* nul = std::memchr(piece, '\0', got);
    if (nul != nullptr) {
      text.append(piece, static_cast<size_t>(static_cast<const char*>(nul) - piece));
      const int line = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
      return lineError(path, line, "the file holds a NUL byte, so it is not a text file");
    }
    if (got > maxBytes - text.size()) {
      return lineError(path, 0, "larger than " + std::to_string(maxBytes) + " bytes");
    }
    text.append(piece, got);
  }
  // A folder opens but cannot be read.
  if (std::ferror(in.get()) != 0) return Status::failure("Can not read " + path + "\n");
  return Status::success();
}

Status readTextFile(const std::string& path, TextFile& file) {
  std::string text;
  const Status read = readWholeText(path, text);
  if (!read.ok()) return read;
  file.path = path;
  file.lines.clear();
  size_t start = 0;
  int number = 1;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    TextLine line;
    line.number = number++;
    line.text = text.substr(start, end - start);
    if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
    line.tokens = splitTokens(line.text);
    file.lines.push_back(std::move(line));
    start = end + 1;
  }
  return Status::success();
}

Status lineError(const std::string& path, int line, const std::string& what) {
  if (line <= 0) return Status::failure(path + ": " + what + "\n");
  return Status::failure(path + ", line " + std::to_string(line) + ": " + what + "\n");
}

bool parseNumber(const std::string& token, double& value) {
  return convertDouble(token, value) && std::isfinite(value);
}

bool parseInteger(const std::string& token, int& value) {
  if (token.empty()) return false;
  const char* begin = token.c_str();
  char* end = nullptr;
  errno = 0;
  const long parsed = std::strtol(begin, &end, 10);
  if (end != begin + token.size() || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) {
    return false;
  }
  value = static_cast<int>(parsed);
  return true;
}

Status parseNumbers(const std::string& path, const TextLine& line, std::vector<double>& values,
                    bool requireFinite) {
  values.assign(line.tokens.size(), 0.0);
  for (size_t i = 0; i < line.tokens.size(); ++i) {
    const bool ok = requireFinite ? parseNumber(line.tokens[i], values[i])
                                  : convertDouble(line.tokens[i], values[i]);
    if (!ok) {
      return lineError(
          path, line.number,
          "\"" + line.tokens[i] + "\" is not a " + (requireFinite ? "finite " : "") + "number");
    }
    // manifit writes single-precision numbers; anything larger would
    // overflow the page's geometry.
    if (requireFinite && std::fabs(values[i]) > std::numeric_limits<float>::max()) {
      return lineError(path, line.number,
                       "\"" + line.tokens[i] + "\" is beyond the range of a 32-bit float");
    }
  }
  return Status::success();
}

}  // namespace manifit
