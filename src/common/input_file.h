// Opening an input file for reading. A named pipe without a writer opens at
// once and reads as empty, instead of blocking the program.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace manifit {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

// The file opened for reading in binary mode; empty when it cannot be opened.
FilePointer openInputFile(const std::string& path);

// True when the open file is a regular file (not a device, pipe or folder).
bool isRegularFile(std::FILE* file);

// How reading a whole text file ended.
enum class TextFileEnd { complete, readError, tooLarge, nulByte };

// Reads the rest of the open file into text, piece by piece, and stops at
// once at a NUL byte (nulLine: its line, counted from 1) or when the file
// holds more than maxBytes.
TextFileEnd readTextFile(std::FILE* file, size_t maxBytes, std::string& text, long& nulLine);

}  // namespace manifit
