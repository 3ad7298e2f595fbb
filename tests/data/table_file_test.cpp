#include <gtest/gtest.h>

#include <cmath>

#include "common/output.h"
#include "data/data_table.h"
#include "data/temp_files.h"

namespace manifit {

namespace {

// Reads text as a table file; the status is returned, the table filled.
Status readTableText(const std::string& text, DataTable& table, std::string* path = nullptr) {
  const std::string file = freshFolder() + "/table.txt";
  writeText(file, text);
  if (path != nullptr) *path = file;
  return table.readTable(file);
}

Status readWeightsText(const std::string& text, DataTable& table, std::string* path = nullptr) {
  const std::string file = freshFolder() + "/weights.txt";
  writeText(file, text);
  if (path != nullptr) *path = file;
  return table.readWeights(file);
}

}  // namespace

TEST(ReadTable, RowsFollowTheHeaderWhateverTheLineBreaks) {
  for (const char* text :
       {"3 2\n1 2\n3 4\n5 6\n", "3\n2 1 2 3\n\n4\t5\r\n6", "  3 2 1 2 3 4 5 6 7 8"}) {
    DataTable table;
    ASSERT_TRUE(readTableText(text, table).ok()) << text;
    ASSERT_EQ(table.pointCount, 3);
    ASSERT_EQ(table.dimension, 2);
    EXPECT_TRUE(table.ownsRows);
    EXPECT_FALSE(table.weighted);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(table.row(i), table.storage.data() + 2 * i);
      EXPECT_EQ(table.row(i)[0], static_cast<float>(2 * i) + 1.0f);
      EXPECT_EQ(table.row(i)[1], static_cast<float>(2 * i) + 2.0f);
    }
  }
}

TEST(ReadTable, WordsAfterTheDeclaredPointsDrawAWarningWithTheLine) {
  DataTable table;
  std::string path;
  CapturedWarnings numbers;
  ASSERT_TRUE(readTableText("2 1\n1\n2\n\n3\n", table, &path).ok());
  EXPECT_EQ(numbers.text(), "Table file " + path +
                                ", line 5: more numbers follow the 2 points of 1 coordinates that "
                                "the header declares; they are not read.\n");
  CapturedWarnings text;
  ASSERT_TRUE(readTableText("2 1\n1\n2\n# measured in May\n", table, &path).ok());
  EXPECT_EQ(text.text(),
            "Table file " + path +
                ", line 4: text (\"#\") follows the 2 points of 1 coordinates that the "
                "header declares; it is not read.\n");
  CapturedWarnings none;
  ASSERT_TRUE(readTableText("2 1\n1\n2\n \n", table).ok());
  EXPECT_EQ(none.text(), "");
  EXPECT_EQ(table.pointCount, 2);
}

TEST(ReadTable, HeaderCountsFollowIntegerConversionRules) {
  DataTable octal;
  ASSERT_TRUE(readTableText("010 1\n1 2 3 4 5 6 7 8\n", octal).ok());
  EXPECT_EQ(octal.pointCount, 8);
  DataTable hex;
  ASSERT_TRUE(readTableText("0x2 +1\n7 8\n", hex).ok());
  EXPECT_EQ(hex.pointCount, 2);
  EXPECT_EQ(hex.dimension, 1);
}

TEST(ReadTable, ValuesAreRoundedOnceDirectlyToFloat) {
  // Just above the midpoint between 1 and the next float: through a double
  // first it would land exactly on the midpoint and round down to 1.
  DataTable table;
  ASSERT_TRUE(readTableText("3 1\n1.0000000596046447753906251\n0.1\n-2.5e-3\n", table).ok());
  EXPECT_EQ(table.row(0)[0], std::nextafter(1.0f, 2.0f));
  EXPECT_EQ(table.row(1)[0], 0.1f);
  EXPECT_EQ(table.row(2)[0], -2.5e-3f);
}

TEST(ReadTable, BadFilesAreReportedWithTheirPlace) {
  struct Case {
    const char* text;
    const char* message;  // after the path
  };
  const Case cases[] = {
      {"", ": the header must give the number of points and the number of coordinates.\n"},
      {"3\n", ": the header must give the number of points and the number of coordinates.\n"},
      {"three 2\n", ", line 1: the header count \"three\" is not an integer.\n"},
      {"08 1\n", ", line 1: the header count \"08\" is not an integer.\n"},
      {"99999999999 1\n1\n", ", line 1: the header count \"99999999999\" is not an integer.\n"},
      {"0 2\n",
       ": the header declares 0 points of 2 coordinates; both counts must be 1 or more.\n"},
      {"2 -1\n1 2\n",
       ": the header declares 2 points of -1 coordinates; both counts must be 1 or more.\n"},
      {"20000 1000\n1 2\n",
       ": the header declares 20000 points of 1000 coordinates, more numbers than the file can "
       "hold.\n"},
      // Sizes that no memory holds are refused before the file is looked at.
      {"2000000000 2000000000\n1 2\n",
       ": the header declares 2000000000 points of 2000000000 coordinates, 4000000000000000000 "
       "numbers; a table can hold at most 250000000.\n"},
      {"250001 1000\n1 2\n",
       ": the header declares 250001 points of 1000 coordinates, 250001000 numbers; a table can "
       "hold at most 250000000.\n"},
      {"3 2\n1 2\n3 4\n5\n",
       ": point 3, coordinate 2 is missing (the file ends after 5 of 6 numbers).\n"},
      {"2 2\n1 2\n3 x4\n", ", line 3: point 2, coordinate 2 is not a number: \"x4\".\n"},
      {"2 2\n1 2,\n3 4\n", ", line 2: point 1, coordinate 2 is not a number: \"2,\".\n"},
      {"2 2\n1 2\n\n3 nan\n", ", line 4: point 2, coordinate 2 is not a finite number: \"nan\".\n"},
      {"2 2\n-inf 2\n3 4\n", ", line 2: point 1, coordinate 1 is not a finite number: \"-inf\".\n"},
      {"1 1\n1e50\n", ", line 2: point 1, coordinate 1 is not a finite number: \"1e50\".\n"},
  };
  for (const Case& c : cases) {
    DataTable table;
    std::string path;
    const Status status = readTableText(c.text, table, &path);
    EXPECT_EQ(status.exitCode, 1) << c.text;
    EXPECT_EQ(status.message, "Table file " + path + c.message) << c.text;
    EXPECT_EQ(table.pointCount, 0) << c.text;
    EXPECT_TRUE(table.rows.empty()) << c.text;
  }
}

TEST(ReadTable, MissingFileIsNamed) {
  DataTable table;
  const std::string path = freshFolder() + "/absent.txt";
  const Status status = table.readTable(path);
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.message, "File not found: " + path + ".\n");
  EXPECT_EQ(table.pointCount, 0);

  const std::string folder = freshFolder();
  EXPECT_EQ(table.readTable(folder).message, "File not found: " + folder + ".\n");
}

TEST(WriteTable, HeaderThenTenCharacterFieldsWithThreeDecimals) {
  DataTable table;
  ASSERT_TRUE(readTableText("3 2\n1 2 3 4 5 -6.0006\n", table).ok());
  const std::string path = freshFolder() + "/out.txt";
  ASSERT_TRUE(table.writeTable(path));
  EXPECT_EQ(readText(path),
            "3 2\n"
            "     1.000      2.000 \n"
            "     3.000      4.000 \n"
            "     5.000     -6.001 \n");
  EXPECT_FALSE(table.writeTable(freshFolder() + "/no/such/folder/out.txt"));
}

TEST(ReadWeights, OneWeightPerPointSummedInSinglePrecision) {
  DataTable table;
  ASSERT_TRUE(readTableText("3 1\n1 2 3\n", table).ok());
  ASSERT_TRUE(readWeightsText("0.1\n0.2 0.3 7\n", table).ok());
  EXPECT_TRUE(table.weighted);
  ASSERT_EQ(table.weights.size(), 3u);
  EXPECT_EQ(table.weights[1], 0.2f);
  float total = 0.0f;
  for (float w : {0.1f, 0.2f, 0.3f}) total += w;
  EXPECT_EQ(table.totalWeight, total);
}

TEST(ReadWeights, MissingFileLeavesTheTableUnweighted) {
  DataTable table;
  ASSERT_TRUE(readTableText("2 1\n1 2\n", table).ok());
  CapturedOutput capture;
  EXPECT_TRUE(table.readWeights(freshFolder() + "/absent.txt").ok());
  EXPECT_EQ(capture.text(), "File not found.\n");
  EXPECT_FALSE(table.weighted);
  EXPECT_TRUE(table.weights.empty());
}

TEST(ReadWeights, BadWeightsAreReportedAndLeaveTheTableUnweighted) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"1 2\n", ": the weight of point 3 is missing (the file ends after 2 of 3 weights).\n"},
      {"1\n2\nheavy\n", ", line 3: the weight of point 3 is not a number: \"heavy\".\n"},
      {"1 -0.5 1\n", ", line 1: the weight of point 2 is negative: \"-0.5\".\n"},
      {"1 inf 1\n", ", line 1: the weight of point 2 is not a finite number: \"inf\".\n"},
      {"NaN 1 1\n", ", line 1: the weight of point 1 is not a finite number: \"NaN\".\n"},
      {"0 0 0\n", ": the weights add up to 0; their total must be a finite number above 0.\n"},
      {"3e38 3e38 1\n",
       ": the weights add up to inf; their total must be a finite number above 0.\n"},
  };
  for (const Case& c : cases) {
    DataTable table;
    ASSERT_TRUE(readTableText("3 1\n1 2 3\n", table).ok());
    std::string path;
    const Status status = readWeightsText(c.text, table, &path);
    EXPECT_EQ(status.exitCode, 1) << c.text;
    EXPECT_EQ(status.message, "Weights file " + path + c.message) << c.text;
    EXPECT_FALSE(table.weighted) << c.text;
    EXPECT_TRUE(table.weights.empty()) << c.text;
  }
}

}  // namespace manifit
