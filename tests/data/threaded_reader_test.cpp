#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "common/output.h"
#include "common/parallel.h"
#include "data/data_table.h"
#include "data/text_words.h"
#include "data/threaded_rows.h"
#include "data/word_stream.h"
#include "temp_files.h"

namespace manifit {
namespace {

// Sets the thread count and the chunk size while it lives.
class ReaderSetting {
 public:
  ReaderSetting(int threads, size_t chunk) : saved_(workerThreads()) {
    setWorkerThreads(threads);
    setTableChunkBytes(chunk);
  }
  ~ReaderSetting() {
    setWorkerThreads(saved_);
    setTableChunkBytes(0);
  }

 private:
  int saved_;
};

// Everything a reading of a table file gives.
struct Reading {
  bool ok = false;
  std::string message;
  std::string warnings;
  std::vector<float> numbers;
};

Reading readWith(const std::string& path, int threads, size_t chunk) {
  ReaderSetting setting(threads, chunk);
  CapturedWarnings warnings;
  DataTable table;
  const Status status = table.readTable(path);
  Reading reading;
  reading.ok = status.ok();
  reading.message = status.message;
  reading.warnings = warnings.text();
  if (status.ok()) reading.numbers = table.storage;
  return reading;
}

// The reading with 1, 2, 3 and 8 threads and several chunk sizes is the
// word-by-word reading: the same acceptance, messages, warnings and bits.
void expectSameReading(const std::string& text, const std::string& label,
                       const std::vector<size_t>& chunks = {64, 173, 1000}) {
  const std::string path = freshFolder() + "/table.txt";
  writeText(path, text);
  const Reading reference = readWith(path, 1, 0);
  for (int threads : {1, 2, 3, 8}) {
    for (size_t chunk : chunks) {
      const Reading reading = readWith(path, threads, chunk);
      const std::string where =
          label + ", " + std::to_string(threads) + " threads, chunk " + std::to_string(chunk);
      ASSERT_EQ(reference.ok, reading.ok) << where;
      ASSERT_EQ(reference.message, reading.message) << where;
      ASSERT_EQ(reference.warnings, reading.warnings) << where;
      ASSERT_EQ(reference.numbers.size(), reading.numbers.size()) << where;
      if (reading.numbers.empty()) continue;  // memcmp takes no null pointer
      ASSERT_EQ(0, std::memcmp(reference.numbers.data(), reading.numbers.data(),
                               reading.numbers.size() * sizeof(float)))
          << where;
    }
  }
}

// A number in one of the forms the conversion takes.
std::string numberWord(std::mt19937& random) {
  std::normal_distribution<double> normal(0.0, 50.0);
  const double x = normal(random);
  char text[80];
  switch (random() % 12) {
    case 0:
      std::snprintf(text, sizeof text, "%.5f", x);
      break;
    case 1:
      std::snprintf(text, sizeof text, "%g", x);
      break;
    case 2:
      std::snprintf(text, sizeof text, "%.9g", x);
      break;
    case 3:
      std::snprintf(text, sizeof text, "%.3E", x);
      break;
    case 4:
      std::snprintf(text, sizeof text, "%.17g", x);
      break;
    case 5:
      std::snprintf(text, sizeof text, "%+.2f", x);
      break;
    case 6:
      std::snprintf(text, sizeof text, "%a", x);
      break;
    case 7:
      std::snprintf(text, sizeof text, "%d", static_cast<int>(x));
      break;
    case 8:
      std::snprintf(text, sizeof text, "00%.0f.", std::abs(x));
      break;  // "0012."
    case 9:
      std::snprintf(text, sizeof text, "-.%05d", static_cast<int>(random() % 99999));
      break;
    case 10:
      std::snprintf(text, sizeof text, "%.1fe-41", std::abs(x));
      break;  // subnormal
    default:
      std::snprintf(text, sizeof text, "%.25f", x / 7.0);
      break;  // long mantissa
  }
  return text;
}

// The words and separators of a generated table file: text() joins them.
struct TableText {
  std::string header;
  std::vector<std::string> words;
  std::vector<std::string> blanks;  // blanks[k] follows words[k]

  std::string text() const {
    std::string joined = header;
    for (size_t k = 0; k < words.size(); ++k) joined += words[k] + blanks[k];
    return joined;
  }
};

TableText generateTable(int points, int columns, unsigned seed) {
  std::mt19937 random(seed);
  const char* between[] = {" ", "\t", "  ", " \t ", "\v", "\f"};
  const char* rowEnds[] = {"\n", "\r\n", " \n", "\n\n", "\t\r\n"};
  TableText table;
  table.header = std::to_string(points) + " " + std::to_string(columns) + "\r\n";
  for (int i = 0; i < points; ++i) {
    for (int j = 0; j < columns; ++j) {
      table.words.push_back(numberWord(random));
      table.blanks.push_back(j + 1 < columns ? between[random() % 6] : rowEnds[random() % 5]);
    }
  }
  return table;
}

TEST(ThreadedReader, PlainTablesGiveTheSameFloats) {
  for (unsigned seed = 1; seed <= 4; ++seed) {
    const TableText table = generateTable(60 + 17 * static_cast<int>(seed), 3, seed);
    expectSameReading(table.text(), "seed " + std::to_string(seed), {16, 64, 173, 1000});
  }
  // A file without a blank at its end, and one whose numbers fill single-character words.
  std::string noBlank = "200 1\n";
  for (int k = 0; k < 199; ++k) noBlank += "1 ";
  expectSameReading(noBlank + "7", "no blank at the end");
  std::string ones = "300 2\n";
  for (int k = 0; k < 600; ++k) ones += (k % 2 == 0) ? "1 " : "0\n";
  expectSameReading(ones, "one-character words");
}

// The threaded part stops just before a word, and a word stream opened there
// reads on with the right word and line.
TEST(ThreadedReader, ReadsMostOfAPlainTableAndStopsBetweenWords) {
  const TableText generated = generateTable(300, 4, 9);
  const std::string text = generated.text();
  const std::string path = freshFolder() + "/table.txt";
  writeText(path, text);
  std::vector<int> lines;  // the line of each word
  WordReader reference(text);
  size_t start = 0;
  size_t length = 0;
  reference.next(start, length);
  reference.next(start, length);
  while (reference.next(start, length)) lines.push_back(reference.line);
  ASSERT_EQ(lines.size(), generated.words.size());

  for (int threads : {2, 3, 8}) {
    for (size_t chunk : {size_t{40}, size_t{97}, size_t{500}}) {
      ReaderSetting setting(threads, chunk);
      DataTable table;
      table.allocateRows(300, 4);
      const RowsProgress done =
          readRowsThreaded(path, RowsProgress{0, generated.header.size() - 2, 1}, table);
      const std::string where =
          std::to_string(threads) + " threads, chunk " + std::to_string(chunk);
      ASSERT_GT(done.numbers, 1000) << where;
      ASSERT_LT(done.numbers, 1200) << where;  // the last chunk is left
      for (int64_t k = 0; k < done.numbers; ++k) {
        const float expected =
            std::strtof(generated.words[static_cast<size_t>(k)].c_str(), nullptr);
        ASSERT_EQ(0,
                  std::memcmp(&expected, &table.storage[static_cast<size_t>(k)], sizeof expected))
            << where << ", number " << k;
      }
      WordStream rest;
      ASSERT_TRUE(rest.open(path, done.offset)) << where;
      rest.line = done.line;
      const char* word = nullptr;
      ASSERT_TRUE(rest.next(word, length)) << where;
      EXPECT_EQ(generated.words[static_cast<size_t>(done.numbers)], std::string(word, length))
          << where;
      EXPECT_EQ(lines[static_cast<size_t>(done.numbers)], rest.line) << where;
    }
  }
}

// Each kind of fault put in place of one word, at many places: in the first
// and last pieces, across chunk edges and in the chunk left to the word-by-word
// reading.
TEST(ThreadedReader, FaultsAnywhereGiveTheSameMessages) {
  const TableText table = generateTable(30, 3, 5);
  const std::vector<std::string> faults = {"abc",
                                           "1.2.3",
                                           "1e",
                                           "0x",
                                           "--1",
                                           "inf",
                                           "nan",
                                           "1e39",
                                           "-4e38",
                                           std::string("12\0"
                                                       "5",
                                                       4),
                                           std::string("\0", 1)};
  const int count = static_cast<int>(table.words.size());
  for (size_t f = 0; f < faults.size(); ++f) {
    for (int k = static_cast<int>(f % 6); k < count; k += 6) {
      TableText faulty = table;
      faulty.words[static_cast<size_t>(k)] = faults[f];
      expectSameReading(faulty.text(),
                        "fault " + std::to_string(f) + " at word " + std::to_string(k), {173});
    }
  }
}

TEST(ThreadedReader, NulByteAmongTheBlanksGivesTheSameMessage) {
  const TableText table = generateTable(50, 3, 6);
  for (int k = 0; k < static_cast<int>(table.words.size()); k += 7) {
    TableText faulty = table;
    faulty.blanks[static_cast<size_t>(k)] += std::string("\0", 1) + " ";
    expectSameReading(faulty.text(), "NUL after word " + std::to_string(k), {173});
  }
}

// A word too long for the word-by-word reading, though a finite number, in
// chunks shorter and longer than the word.
TEST(ThreadedReader, OverlongWordGivesTheSameMessage) {
  const TableText table = generateTable(120000, 2, 7);
  const std::string longWord = std::string(WordStream::kMaxWordLength, '0') + "1";
  for (int k : {0, 120001, 239999}) {
    TableText faulty = table;
    faulty.words[static_cast<size_t>(k)] = longWord;
    expectSameReading(faulty.text(), "long word at " + std::to_string(k),
                      {65536, WordStream::kMaxWordLength * 3 / 2});
  }
}

TEST(ThreadedReader, MissingAndTrailingWordsGiveTheSameMessages) {
  const TableText table = generateTable(60, 3, 8);
  for (size_t keep : {size_t{0}, size_t{1}, size_t{90}, size_t{178}, size_t{179}}) {
    TableText shorter = table;
    shorter.words.resize(keep);
    shorter.blanks.resize(keep);
    expectSameReading(shorter.text(), "first " + std::to_string(keep) + " words");
  }
  for (const char* tail : {"1.5 2.5\n", "\n\n  # measured in May\n", "\r\n7", "x", " \n\t"}) {
    expectSameReading(table.text() + tail, std::string("tail ") + tail);
  }
  // A header that declares fewer points than follow: the rest is one long tail.
  TableText fewer = table;
  fewer.header = "20 3\n";
  expectSameReading(fewer.text(), "header of 20 points");
}

}  // namespace
}  // namespace manifit
