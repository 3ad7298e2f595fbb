// Reading the numbers of a large table file on every worker thread: the file
// streams through a chunk of a few MB, and each chunk, cut at blanks into one
// piece per thread, is converted word by word with parseFloatFast, so the
// floats are those of the word-by-word reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "data/data_table.h"

namespace manifit {

// Where the reading of a table's numbers stands: the numbers read, the file
// offset where the rest starts (between two words) and the line there.
struct RowsProgress {
  int64_t numbers = 0;
  size_t offset = 0;
  int line = 1;
};

// Whether the rest of a file, this many bytes, is worth reading on threads.
bool worthThreading(size_t restBytes);

// Reads the table's numbers from `from` on, chunk by chunk, into the table's
// storage. It stops before a chunk that holds anything but finite numbers
// (a NUL byte, a word too long or not a number), that reaches the end of the
// file or the last declared number, or that cannot be read: the rest, from
// the progress returned, is for the word-by-word reading, which gives the
// messages.
RowsProgress readRowsThreaded(const std::string& path, RowsProgress from, DataTable& table);

// For tests: the chunk size in bytes (0 restores the default of 2 MB).
void setTableChunkBytes(size_t bytes);

}  // namespace manifit
