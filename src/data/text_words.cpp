#include "data/text_words.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace manifit {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool readFileText(const std::string& path, std::string& text) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  text.clear();
  char buffer[65536];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text.append(buffer, got);
  // A folder opens on some systems but cannot be read.
  return std::ferror(file.get()) == 0;
}

bool WordReader::next(size_t& start, size_t& length) {
  while (position < text.size() && isBlank(text[position])) {
    if (text[position] == '\n') ++line;
    ++position;
  }
  if (position >= text.size()) return false;
  start = position;
  while (position < text.size() && !isBlank(text[position])) ++position;
  length = position - start;
  return true;
}

bool parseFloatWord(const std::string& text, size_t start, size_t length, float& value) {
  const char* begin = text.c_str() + start;
  char* end = nullptr;
  value = std::strtof(begin, &end);
  return end == begin + length;
}

bool parseIntWord(const std::string& text, size_t start, size_t length, int& value) {
  const char* begin = text.c_str() + start;
  char* end = nullptr;
  errno = 0;
  const long read = std::strtol(begin, &end, 0);
  if (end != begin + length || errno == ERANGE || read > INT_MAX || read < INT_MIN) return false;
  value = static_cast<int>(read);
  return true;
}

std::string quoteWord(const std::string& text, size_t start, size_t length) {
  const size_t longest = 32;
  if (length <= longest) return text.substr(start, length);
  return text.substr(start, longest) + "...";
}

}  // namespace manifit
