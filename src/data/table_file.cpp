// The table file and the weights file: reading them strictly and writing the
// table back in the same format.
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "common/atomic_output_file.h"
#include "common/output.h"
#include "data/data_table.h"
#include "data/message.h"
#include "data/text_words.h"
#include "data/threaded_rows.h"
#include "data/word_stream.h"

namespace manifit {

namespace {

// The most numbers a table may hold (1 GB of floats; the split and the
// component extraction each make a further copy).
constexpr int64_t kMaxTableValues = 250000000;

// Why the words of a file stopped before the one asked for, as a message; empty
// at the plain end of the file.
std::string stopMessage(const WordStream& words, const char* kind, const char* name) {
  switch (words.end()) {
    case WordStreamEnd::nulByte:
      return formatMessage("%s %s, line %i: the file holds a NUL byte, so it is not a text file.\n",
                           kind, name, words.line);
    case WordStreamEnd::longWord:
      return formatMessage("%s %s, line %i: a word is longer than %zu characters.\n", kind, name,
                           words.line, WordStream::kMaxWordLength);
    default:
      return std::string();
  }
}

// The header: the point count and the coordinate count, each an integer of 1
// or more, whose product the table can hold and the file can provide.
Status readTableHeader(WordStream& words, const char* name, const Status& unreadable, int& points,
                       int& columns) {
  const char* word = nullptr;
  size_t length = 0;
  int counts[2] = {0, 0};
  for (int& count : counts) {
    if (!words.next(word, length)) {
      if (!words.good()) return unreadable;
      const std::string problem = stopMessage(words, "Table file", name);
      if (!problem.empty()) return Status::failure(problem);
      return Status::failure(formatMessage(
          "Table file %s: the header must give the number of points and the number of "
          "coordinates.\n",
          name));
    }
    if (!parseIntWord(word, length, count)) {
      return Status::failure(
          formatMessage("Table file %s, line %i: the header count \"%s\" is not an integer.\n",
                        name, words.line, quoteWord(word, length).c_str()));
    }
  }
  points = counts[0];
  columns = counts[1];
  if (points <= 0 || columns <= 0) {
    return Status::failure(formatMessage(
        "Table file %s: the header declares %i points of %i coordinates; both counts must be 1 or "
        "more.\n",
        name, points, columns));
  }
  const int64_t declared = static_cast<int64_t>(points) * columns;
  if (declared > kMaxTableValues) {
    return Status::failure(formatMessage(
        "Table file %s: the header declares %i points of %i coordinates, %lld numbers; a table "
        "can hold at most %lld.\n",
        name, points, columns, static_cast<long long>(declared),
        static_cast<long long>(kMaxTableValues)));
  }
  // Every number takes at least one character, so a header asking for more
  // numbers than the file has characters cannot be true.
  if (words.sizeKnown() && static_cast<uint64_t>(declared) > words.size()) {
    return Status::failure(formatMessage(
        "Table file %s: the header declares %i points of %i coordinates, more numbers than the "
        "file can hold.\n",
        name, points, columns));
  }
  return Status::success();
}

// The numbers of the table's rows from number `first` on, point after point,
// each a finite float.
Status readTableRows(WordStream& words, const char* name, const Status& unreadable, int64_t first,
                     DataTable& loaded) {
  const int points = loaded.pointCount;
  const int columns = loaded.dimension;
  const char* word = nullptr;
  size_t length = 0;
  int firstColumn = static_cast<int>(first % columns);
  for (int i = static_cast<int>(first / columns); i < points; ++i, firstColumn = 0) {
    float* x = loaded.row(i);
    for (int j = firstColumn; j < columns; ++j) {
      if (!words.next(word, length)) {
        if (!words.good()) return unreadable;
        const std::string problem = stopMessage(words, "Table file", name);
        if (!problem.empty()) return Status::failure(problem);
        return Status::failure(formatMessage(
            "Table file %s: point %i, coordinate %i is missing (the file ends after %lld of %lld "
            "numbers).\n",
            name, i + 1, j + 1, static_cast<long long>(i) * columns + j,
            static_cast<long long>(points) * columns));
      }
      if (!parseFloatFast(word, length, x[j])) {
        return Status::failure(formatMessage(
            "Table file %s, line %i: point %i, coordinate %i is not a number: \"%s\".\n", name,
            words.line, i + 1, j + 1, quoteWord(word, length).c_str()));
      }
      if (!std::isfinite(x[j])) {
        return Status::failure(formatMessage(
            "Table file %s, line %i: point %i, coordinate %i is not a finite number: \"%s\".\n",
            name, words.line, i + 1, j + 1, quoteWord(word, length).c_str()));
      }
    }
  }
  return Status::success();
}

// A large file's numbers are read on the worker threads as far as they are
// plain; rest, opened there, reads on word by word (words does when no thread
// took part).
Status readTableNumbers(WordStream& words, const std::string& path, const Status& unreadable,
                        WordStream& rest, DataTable& loaded) {
  RowsProgress done{0, words.offset(), words.line};
  WordStream* stream = &words;
  if (words.sizeKnown() && words.size() > done.offset &&
      worthThreading(words.size() - done.offset)) {
    done = readRowsThreaded(path, done, loaded);
    if (!rest.open(path, done.offset)) return unreadable;
    rest.line = done.line;
    stream = &rest;
  }
  return readTableRows(*stream, path.c_str(), unreadable, done.numbers, loaded);
}

}  // namespace

// The file streams through a bounded buffer, so only the table itself is
// held in memory.
Status DataTable::readTable(const std::string& path) {
  WordStream words;
  if (!words.open(path))
    return Status::failure(formatMessage("File not found: %s.\n", path.c_str()));
  const char* name = path.c_str();
  const Status unreadable = Status::failure(formatMessage("File not found: %s.\n", name));
  int points = 0;
  int columns = 0;
  const Status header = readTableHeader(words, name, unreadable, points, columns);
  if (!header.ok()) return header;
  DataTable loaded;
  loaded.allocateRows(points, columns);
  WordStream rest;
  const Status read = readTableNumbers(words, path, unreadable, rest, loaded);
  if (!read.ok()) return read;
  WordStream& after = rest.isOpen() ? rest : words;
  const char* word = nullptr;
  size_t length = 0;
  if (after.next(word, length)) {
    // Numbers beyond the declared points usually mean a wrong header; other
    // text (a note at the end of the file) is only mentioned.
    float value = 0.0f;
    if (parseFloatFast(word, length, value)) {
      warn(
          "Table file %s, line %i: more numbers follow the %i points of %i coordinates that the "
          "header declares; they are not read.\n",
          name, after.line, points, columns);
    } else {
      warn(
          "Table file %s, line %i: text (\"%s\") follows the %i points of %i coordinates that "
          "the header declares; it is not read.\n",
          name, after.line, quoteWord(word, length).c_str(), points, columns);
    }
  }
  // The file's rows replace whatever the table held; attached statistics stay.
  rows = std::move(loaded.rows);
  storage = std::move(loaded.storage);
  pointCount = points;
  dimension = columns;
  ownsRows = true;
  weighted = false;
  weights.clear();
  totalWeight = 0.0f;
  return Status::success();
}

Status DataTable::readWeights(const std::string& path) {
  // Only the first pointCount words are read, whatever follows them.
  WordStream words;
  if (!words.open(path)) {
    // Not an error: the run goes on without weights.
    print("File not found.\n");
    return Status::success();
  }
  const char* name = path.c_str();

  std::vector<float> read(static_cast<size_t>(pointCount));
  float total = 0.0f;
  double wideTotal = 0.0;  // carried in double where a float sum would lose weights
  const char* word = nullptr;
  size_t length = 0;
  for (int i = 0; i < pointCount; ++i) {
    float& w = read[static_cast<size_t>(i)];
    if (!words.next(word, length)) {
      const std::string problem = stopMessage(words, "Weights file", name);
      if (!problem.empty()) return Status::failure(problem);
      if (!words.good()) {
        print("File not found.\n");
        return Status::success();
      }
      return Status::failure(formatMessage(
          "Weights file %s: the weight of point %i is missing (the file ends after %i of %i "
          "weights).\n",
          name, i + 1, i, pointCount));
    }
    if (!parseFloatFast(word, length, w)) {
      return Status::failure(formatMessage(
          "Weights file %s, line %i: the weight of point %i is not a number: \"%s\".\n", name,
          words.line, i + 1, quoteWord(word, length).c_str()));
    }
    if (!std::isfinite(w)) {
      return Status::failure(formatMessage(
          "Weights file %s, line %i: the weight of point %i is not a finite number: \"%s\".\n",
          name, words.line, i + 1, quoteWord(word, length).c_str()));
    }
    if (w < 0.0f) {
      return Status::failure(
          formatMessage("Weights file %s, line %i: the weight of point %i is negative: \"%s\".\n",
                        name, words.line, i + 1, quoteWord(word, length).c_str()));
    }
    total += w;
    wideTotal += w;
  }
  if (largeTable(pointCount)) total = static_cast<float>(wideTotal);
  if (!(total > 0.0f) || !std::isfinite(total)) {
    return Status::failure(formatMessage(
        "Weights file %s: the weights add up to %g; their total must be a finite number above 0.\n",
        name, static_cast<double>(total)));
  }
  weighted = true;
  weights = std::move(read);
  totalWeight = total;
  return Status::success();
}

bool DataTable::writeTable(const std::string& path, StagedOutputs* staging) const {
  AtomicOutputFile file(path, staging);
  if (!file.isOpen()) return false;
  std::FILE* out = file.get();
  std::fprintf(out, "%i %i\n", pointCount, dimension);
  for (int i = 0; i < pointCount; ++i) {
    const float* x = row(i);
    for (int j = 0; j < dimension; ++j) std::fprintf(out, "%10.3f ", static_cast<double>(x[j]));
    std::fprintf(out, "\n");
  }
  return file.commit();
}

}  // namespace manifit
