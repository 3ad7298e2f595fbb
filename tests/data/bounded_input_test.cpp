// Every input is read only as far as its declared counts reach, and text
// holding a NUL byte (a device, a binary file) is refused at once.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "common/output.h"
#include "data/data_table.h"
#include "data/delimited_table.h"
#include "data/temp_files.h"
#include "data/word_stream.h"

namespace manifit {

namespace {

// A file of the given text followed by a hole up to size bytes, which reads
// as NUL bytes but takes no room on the disk.
std::string sparseFile(const std::string& text, off_t size) {
  const std::string path = freshFolder() + "/sparse.txt";
  writeText(path, text);
  EXPECT_EQ(truncate(path.c_str(), size), 0);
  return path;
}

}  // namespace

TEST(BoundedTable, ReadingStopsAtTheLastDeclaredNumber) {
  // Two gigabytes of NUL bytes after the one declared number are never read.
  const std::string path = sparseFile("1 1\n5\n", off_t{2} << 30);
  DataTable table;
  const Status status = table.readTable(path);
  ASSERT_TRUE(status.ok()) << status.message;
  ASSERT_EQ(table.pointCount, 1);
  EXPECT_EQ(table.row(0)[0], 5.0f);
  EXPECT_EQ(table.storage.size(), 1u);
}

TEST(BoundedTable, NulBytesAreRefusedWithTheirLine) {
  DataTable table;
  Status status = table.readTable("/dev/zero");
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.message,
            "Table file /dev/zero, line 1: the file holds a NUL byte, so it is not a text file.\n");

  // Inside a number, before the last number, or right after the last digit.
  const std::string folder = freshFolder();
  const std::string nul(1, '\0');
  for (const auto& [text, line] : {std::pair<std::string, int>{"2 1\n1\n4" + nul, 3},
                                   {"2 1\n\n\n1 " + nul + " 2\n", 4},
                                   {"1 1\n7" + nul, 2}}) {
    const std::string path = folder + "/nul.txt";
    writeText(path, text);
    DataTable refused;
    status = refused.readTable(path);
    EXPECT_EQ(status.message, "Table file " + path + ", line " + std::to_string(line) +
                                  ": the file holds a NUL byte, so it is not a text file.\n");
    EXPECT_EQ(refused.pointCount, 0);
  }
}

TEST(BoundedTable, PipesAndEndlessWordsEndTheReading) {
  // A named pipe without a writer reads as an empty file instead of blocking.
  const std::string pipe = freshFolder() + "/pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  DataTable table;
  Status status = table.readTable(pipe);
  EXPECT_EQ(status.message, "Table file " + pipe +
                                ": the header must give the number of points and the number of "
                                "coordinates.\n");

  // A word that never ends is cut off at the word length limit.
  const std::string path = freshFolder() + "/long.txt";
  writeText(path, "1 1\n\n" + std::string(WordStream::kMaxWordLength + 1, '1'));
  status = table.readTable(path);
  EXPECT_EQ(status.message, "Table file " + path + ", line 3: a word is longer than " +
                                std::to_string(WordStream::kMaxWordLength) + " characters.\n");
  writeText(path, "1 1\n\n" + std::string(WordStream::kMaxWordLength - 1, '0') + "7");
  ASSERT_TRUE(table.readTable(path).ok());
  EXPECT_EQ(table.row(0)[0], 7.0f);
}

TEST(BoundedWeights, ReadingStopsAtThePointCount) {
  DataTable table;
  table.allocateRows(3, 1);
  // Anything after the third weight, even NUL bytes, is never looked at.
  const std::string path = sparseFile("1 2 3\n", off_t{1} << 30);
  const Status status = table.readWeights(path);
  ASSERT_TRUE(status.ok()) << status.message;
  EXPECT_TRUE(table.weighted);
  EXPECT_EQ(table.totalWeight, 6.0f);

  DataTable zero;
  zero.allocateRows(3, 1);
  const Status nul = zero.readWeights("/dev/zero");
  EXPECT_EQ(nul.message,
            "Weights file /dev/zero, line 1: the file holds a NUL byte, so it is not a text "
            "file.\n");
  EXPECT_FALSE(zero.weighted);
}

// Delimited text holds no declared count, so it is read to its end, but a
// NUL byte stops the reading at once: a gigabyte of them after two rows is
// never taken into memory.
TEST(BoundedDelimited, NulBytesAreRefusedAtOnceWithTheirLine) {
  const std::string path = sparseFile("a,b\n1,2\n3,4\n", off_t{1} << 30);
  DataTable table;
  TableColumns columns;
  Status status = readDelimitedTable(path, MissingValues::Refuse, table, columns);
  EXPECT_EQ(status.message, "Table file " + path +
                                ", line 4: the file holds a NUL byte, so it is not a text file.\n");
  EXPECT_EQ(table.pointCount, 0);

  status = readDelimitedTable("/dev/zero", MissingValues::Refuse, table, columns);
  EXPECT_EQ(status.message,
            "Table file /dev/zero, line 1: the file holds a NUL byte, so it is not a text file.\n");

  const std::string folder = freshFolder();
  writeText(folder + "/t.csv", "a,b\n1,2\n3," + std::string(1, '\0') + "4\n");
  status = readDelimitedTable(folder + "/t.csv", MissingValues::Refuse, table, columns);
  EXPECT_EQ(status.message, "Table file " + folder +
                                "/t.csv, line 3: the file holds a NUL byte, so it is not a text "
                                "file.\n");
}

}  // namespace manifit
