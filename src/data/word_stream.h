// Reading the words of a text file in pieces: the file streams through a
// buffer of bounded size, so a large table never sits in memory as text.
// Words, blanks and line counting follow WordReader exactly.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/input_file.h"

namespace manifit {

// Whether c separates words: a space, a tab or a line break of any kind.
inline bool isWordBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Why next() found no further word.
enum class WordStreamEnd { none, endOfFile, readError, nulByte, longWord };

class WordStream {
 public:
  // The longest word read; a longer one ends the reading (longWord).
  static constexpr size_t kMaxWordLength = size_t{1} << 20;

  int line = 1;  // line of the word last returned (or of the problem), counting from 1

  // Opens the file and reads its first piece; false when it cannot be
  // opened or read. Nothing beyond the words asked for is ever read, so a
  // device or a pipe without end is safe. A regular file may be read from a
  // byte offset on, which must lie between two words (line then counts from
  // where the caller sets it).
  bool open(const std::string& path, size_t offset = 0);

  // The next word: a pointer to its first character and its length. The
  // word stays valid until the next call and is followed in memory by a blank
  // or a terminating zero. False at the end of the file, after a failed
  // read, at a NUL byte (text holds none) and at a word longer than
  // kMaxWordLength; end() tells which.
  bool next(const char*& word, size_t& length);

  // Whether a file was opened.
  bool isOpen() const { return file != nullptr; }

  // False once a read of the file has failed.
  bool good() const { return !failed; }

  WordStreamEnd end() const { return stop; }

  // Whether the length of the file is known (a regular file) and what it is.
  bool sizeKnown() const { return lengthKnown; }
  size_t size() const { return fileSize; }

  // The file offset just past the word last returned.
  size_t offset() const { return readSoFar - (filled - position); }

 private:
  FilePointer file;
  std::vector<char> buffer;  // [position, filled) unread, buffer[filled] = 0
  size_t position = 0;
  size_t filled = 0;
  size_t fileSize = 0;
  size_t readSoFar = 0;      // bytes read from the file
  bool lengthKnown = false;  // fileSize was known before reading
  bool atEnd = false;
  bool failed = false;
  WordStreamEnd stop = WordStreamEnd::none;

  bool finish(WordStreamEnd why);

  // Keeps [keepFrom, filled), moves it to the front and appends the next
  // piece of the file; false when nothing more could be read.
  bool refill(size_t keepFrom);
};

// Converts a whole word like "%f" (rounded once, directly to float), with the
// same result and the same acceptance as parseFloatWord: plain decimals are
// converted here, anything else by the C library. The character after the
// word must be a blank or a terminating zero.
bool parseFloatFast(const char* word, size_t length, float& value);

}  // namespace manifit
