#include "data/text_words.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace manifit {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

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

bool parseIntWord(const char* begin, size_t length, int& value) {
  char* end = nullptr;
  errno = 0;
  const long read = std::strtol(begin, &end, 0);
  if (end != begin + length || errno == ERANGE || read > INT_MAX || read < INT_MIN) return false;
  value = static_cast<int>(read);
  return true;
}

std::string quoteWord(const char* word, size_t length) {
  const size_t longest = 32;
  if (length <= longest) return std::string(word, length);
  return std::string(word, longest) + "...";
}

}  // namespace manifit
