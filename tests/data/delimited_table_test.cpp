#include "data/delimited_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "data/temp_files.h"

namespace manifit {
namespace {

struct Read {
  Status status;
  DataTable table;
  TableColumns columns;
};

Read parse(const std::string& text, MissingValues missing = MissingValues::Refuse) {
  Read r;
  r.status = parseDelimitedTable(text, "t.csv", missing, r.table, r.columns);
  return r;
}

std::vector<float> values(const DataTable& t) {
  std::vector<float> out;
  for (int i = 0; i < t.pointCount; ++i)
    for (int j = 0; j < t.dimension; ++j) out.push_back(t.row(i)[j]);
  return out;
}

TEST(DelimitedTable, HeaderNamesAndIdAndLabelColumnsKeptAside) {
  const Read r = parse(
      "id,sepal length,sepal width,species\n"
      "a1,5.1,3.5,setosa\n"
      "a2,4.9,3.0,setosa\n"
      "a3,7.0,3.2,versicolor\n");
  ASSERT_TRUE(r.status.ok()) << r.status.message;
  EXPECT_EQ(r.table.pointCount, 3);
  EXPECT_EQ(r.table.dimension, 2);
  EXPECT_EQ(values(r.table), (std::vector<float>{5.1f, 3.5f, 4.9f, 3.0f, 7.0f, 3.2f}));
  EXPECT_EQ(r.columns.names, (std::vector<std::string>{"sepal length", "sepal width"}));
  EXPECT_EQ(r.columns.textNames, (std::vector<std::string>{"id", "species"}));
  EXPECT_EQ(r.columns.rowNumbers, (std::vector<long long>{1, 2, 3}));
  ASSERT_EQ(r.columns.text.size(), 3u);
  EXPECT_EQ(r.columns.text[2], (std::vector<std::string>{"a3", "versicolor"}));
  EXPECT_TRUE(r.columns.warnings.empty());
}

TEST(DelimitedTable, WithoutHeaderColumnsAreNumbered) {
  const Read r = parse("1,2\n3,4\n5,6\n");
  ASSERT_TRUE(r.status.ok()) << r.status.message;
  EXPECT_EQ(values(r.table), (std::vector<float>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(r.columns.names, (std::vector<std::string>{"x1", "x2"}));
  EXPECT_TRUE(r.columns.textNames.empty());

  // Text in the first row alone over all-number columns is a header, also
  // for a single column; a label column without a header gets a number.
  const Read one = parse("value\n1.5\n2.5\n");
  ASSERT_TRUE(one.status.ok()) << one.status.message;
  EXPECT_EQ(one.columns.names, std::vector<std::string>{"value"});
  EXPECT_EQ(one.table.pointCount, 2);
  const Read label = parse("cat;1\ndog;2\n");
  ASSERT_TRUE(label.status.ok()) << label.status.message;
  EXPECT_EQ(label.table.pointCount, 2);
  EXPECT_EQ(label.columns.textNames, std::vector<std::string>{"column1"});
}

TEST(DelimitedTable, QuotedFieldsBomCrLfAndDelimiters) {
  const Read q = parse(
      "\xEF\xBB\xBF\"name\",\"x\",y\r\n"
      "\"Smith, John\",1.5,2\r\n"
      "\"say \"\"hi\"\"\nthere\",\"3\",4\r\n");
  ASSERT_TRUE(q.status.ok()) << q.status.message;
  EXPECT_EQ(q.columns.names, (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(q.columns.textNames, std::vector<std::string>{"name"});
  EXPECT_EQ(values(q.table), (std::vector<float>{1.5f, 2, 3, 4}));
  EXPECT_EQ(q.columns.text[0][0], "Smith, John");
  EXPECT_EQ(q.columns.text[1][0], "say \"hi\"\nthere");

  const Read tsv = parse("a\tb\tc\n1\t2\t3\n4\t5\t6");  // no final line end
  ASSERT_TRUE(tsv.status.ok()) << tsv.status.message;
  EXPECT_EQ(values(tsv.table), (std::vector<float>{1, 2, 3, 4, 5, 6}));
  // Semicolons win over commas in text.
  const Read semi = parse("a;b\n1;\"x, y\"\n2;\"z\"\n");
  ASSERT_TRUE(semi.status.ok()) << semi.status.message;
  EXPECT_EQ(semi.table.dimension, 1);
  EXPECT_EQ(semi.columns.text[0][0], "x, y");
  // Blank lines (also at the end) are skipped, spaces around numbers allowed.
  const Read blank = parse("a,b\n\n 1 , 2\n\n3,4\n\n");
  ASSERT_TRUE(blank.status.ok()) << blank.status.message;
  EXPECT_EQ(values(blank.table), (std::vector<float>{1, 2, 3, 4}));
  EXPECT_EQ(blank.columns.rowNumbers, (std::vector<long long>{1, 2}));
}

TEST(DelimitedTable, NumbersConvertLikeTheTableFormat) {
  const char* words[] = {"0.1", "1e-40", "3.4028235e38", "-7.25", "0x1p-3", "123456789"};
  std::string text = "v\n";
  for (const char* w : words) text += std::string(w) + "\n";
  const Read r = parse(text);
  ASSERT_TRUE(r.status.ok()) << r.status.message;
  ASSERT_EQ(r.table.pointCount, 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(r.table.row(i)[0], std::strtof(words[i], nullptr)) << i;
}

TEST(DelimitedTable, MissingValuesRefusedWithRowAndColumnOrDropped) {
  const std::string text = "id,x,y\nr1,1,2\nr2,NA,3\nr3,4,\nr4,5,6\nr5,NaN,7\n";
  const Read refused = parse(text);
  ASSERT_FALSE(refused.status.ok());
  EXPECT_EQ(refused.status.message,
            "Table file t.csv, line 3: row 2, column \"x\" has no value (\"NA\"); remove such "
            "rows or run with -na drop to leave them out.\n");

  const Read dropped = parse(text, MissingValues::Drop);
  ASSERT_TRUE(dropped.status.ok()) << dropped.status.message;
  EXPECT_EQ(values(dropped.table), (std::vector<float>{1, 2, 5, 6}));
  EXPECT_EQ(dropped.columns.rowNumbers, (std::vector<long long>{1, 4}));
  EXPECT_EQ(dropped.columns.droppedRows, (std::vector<long long>{2, 3, 5}));
  EXPECT_EQ(dropped.columns.droppedText[1], std::vector<std::string>{"r3"});
  ASSERT_EQ(dropped.columns.warnings.size(), 1u);
  EXPECT_EQ(dropped.columns.warnings[0],
            "Table file t.csv: 3 of 5 rows had missing values and were left out (-na drop).\n");

  EXPECT_FALSE(parse("x\nNA\n", MissingValues::Drop).status.ok());
  // A missing value in a text column is kept.
  const Read textGap = parse("id,x\n,1\nb,2\n");
  ASSERT_TRUE(textGap.status.ok()) << textGap.status.message;
  EXPECT_EQ(textGap.columns.text[0][0], "");
}

TEST(DelimitedTable, DecimalCommaRefusedWithAHint) {
  const Read r = parse("a;b\n1,5;2\n3,25;4\n");
  ASSERT_FALSE(r.status.ok());
  EXPECT_NE(r.status.message.find("line 2: row 1, column \"a\" holds \"1,5\", a number with a "
                                  "decimal comma"),
            std::string::npos)
      << r.status.message;
  EXPECT_NE(r.status.message.find("decimal point"), std::string::npos);
  EXPECT_FALSE(parse("x,y\n\"1,5\",2\n").status.ok());
}

TEST(DelimitedTable, RefusesBrokenFilesNamingTheLine) {
  struct Case {
    const char* text;
    const char* says;
  };
  const Case cases[] = {
      {"a,b\n1,2\n3\n", "line 3: 1 fields, but line 1 has 2"},
      {"a,b\n1,\"2\n", "the quoted field opened on line 2 never closes"},
      {"a,b\n1,\"2\"x\n", "line 2: text follows the closing quote"},
      {"a,b\n1,inf\n", "line 2: row 1, column \"b\" is not a finite number: \"inf\""},
      {"a,b\nx,y\n", "no column holds numbers"},
      {"a,b\n", "a header but no rows"},
      {"", "holds no rows"},
      {"\n\n", "holds no rows"},
  };
  for (const Case& c : cases) {
    const Read r = parse(c.text);
    ASSERT_FALSE(r.status.ok()) << c.text;
    EXPECT_NE(r.status.message.find(c.says), std::string::npos) << r.status.message;
    EXPECT_EQ(r.status.message.back(), '\n');
  }
}

TEST(DelimitedTable, WarnsWhenTextTurnsANumberColumnIntoALabel) {
  const Read r = parse("x,y\n1,2\n3,4x\n5,6\n");
  ASSERT_TRUE(r.status.ok()) << r.status.message;
  EXPECT_EQ(r.table.dimension, 1);
  ASSERT_EQ(r.columns.warnings.size(), 1u);
  EXPECT_EQ(r.columns.warnings[0],
            "Table file t.csv, line 3: column \"y\" holds text (\"4x\" in row 2) besides numbers, "
            "so it is kept aside as a label, not used as a coordinate.\n");
}

TEST(DelimitedTable, AColumnWithNoValuesIsLeftAside) {
  // A delimiter at the end of every line (some spreadsheet exports) gives an
  // empty last column: not a coordinate whose values are all missing.
  const Read r = parse("a,b,\n1,2,\n3,4,\n5,7,\n");
  ASSERT_TRUE(r.status.ok()) << r.status.message;
  EXPECT_EQ(values(r.table), (std::vector<float>{1, 2, 3, 4, 5, 7}));
  EXPECT_EQ(r.columns.names, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(r.columns.textNames, (std::vector<std::string>{"column3"}));
  ASSERT_EQ(r.columns.warnings.size(), 1u);
  EXPECT_EQ(r.columns.warnings[0],
            "Table file t.csv: column 3 holds no values; it is left aside.\n");
  // A column of NA alone is left aside too; one with some numbers is not.
  const Read na = parse("x,y,z\n1,NA,2\n3,NA,4\n");
  ASSERT_TRUE(na.status.ok()) << na.status.message;
  EXPECT_EQ(na.columns.names, (std::vector<std::string>{"x", "z"}));
  const Read gap = parse("x,y,z\n1,NA,2\n3,NA,\n");
  ASSERT_FALSE(gap.status.ok());
  EXPECT_NE(gap.status.message.find("row 2, column \"z\" has no value"), std::string::npos)
      << gap.status.message;
}

TEST(DelimitedTable, ReadsFromAFile) {
  const std::string folder = freshFolder();
  writeText(folder + "/t.csv", "a,b\n1,2\n");
  DataTable t;
  TableColumns c;
  ASSERT_TRUE(readDelimitedTable(folder + "/t.csv", MissingValues::Refuse, t, c).ok());
  EXPECT_EQ(t.pointCount, 1);
  const Status missing = readDelimitedTable(folder + "/none.csv", MissingValues::Refuse, t, c);
  EXPECT_EQ(missing.message, "File not found: " + folder + "/none.csv.\n");
}

}  // namespace
}  // namespace manifit
