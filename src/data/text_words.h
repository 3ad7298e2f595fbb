// Reading the numbers of a text file word by word: a word is a run of
// characters between blanks or line breaks, so spacing and line breaks are
// free, and every word must convert completely.
#pragma once

#include <cstddef>
#include <string>

namespace manifit {

struct WordReader {
  const std::string& text;
  size_t position = 0;
  int line = 1;  // line of the word last returned, counting from 1

  explicit WordReader(const std::string& source) : text(source) {}

  // Finds the next word: its start and length. False at the end of the text.
  bool next(size_t& start, size_t& length);
};

// Converts a whole word like "%f": rounded once, directly to float. False when
// the word is not a number in full; a number out of float range gives an
// infinity, which the caller rejects as not finite.
bool parseFloatWord(const std::string& text, size_t start, size_t length, float& value);

// Converts a whole word like "%i": optional sign, then "0x" hexadecimal, a
// leading "0" octal, decimal otherwise. The word must be followed in memory by
// a blank or a terminating zero. False when it is not such a number in full or
// lies outside the int range.
bool parseIntWord(const char* word, size_t length, int& value);

// The word as it can be quoted in a message (long words are shortened).
std::string quoteWord(const char* word, size_t length);

}  // namespace manifit
