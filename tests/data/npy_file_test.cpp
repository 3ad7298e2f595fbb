#include "data/npy_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "data/npy_bytes.h"
#include "data/temp_files.h"

namespace manifit {
namespace {

const std::vector<float> kValues = {0.1f, -2.5f, 3e-30f, 4.0f, 1e30f, -0.0f};

std::vector<float> tableValues(const DataTable& t) {
  std::vector<float> out;
  for (int i = 0; i < t.pointCount; ++i)
    for (int j = 0; j < t.dimension; ++j) out.push_back(t.row(i)[j]);
  return out;
}

Status parseTable(const std::string& bytes, DataTable& t) {
  return parseNpyTable(bytes, "a.npy", t);
}

TEST(NpyFile, Float32Float64AndBothOrdersGiveTheSameTable) {
  const std::string forms[] = {
      npyArray<float>(kValues, 3, 2, false, "<f4"), npyArray<float>(kValues, 3, 2, true, "<f4"),
      npyArray<double>(kValues, 3, 2, false, "<f8"), npyArray<double>(kValues, 3, 2, true, "<f8")};
  for (const std::string& bytes : forms) {
    DataTable t;
    const Status s = parseTable(bytes, t);
    ASSERT_TRUE(s.ok()) << s.message;
    EXPECT_EQ(t.pointCount, 3);
    EXPECT_EQ(t.dimension, 2);
    EXPECT_EQ(tableValues(t), kValues);
  }
  // Format 2.0 (four-byte header length) and a big-endian array.
  std::string v2 = npyArray<float>(kValues, 2, 3, false, "<f4");
  v2 = npyHeader("{'descr': '<f4', 'fortran_order': False, 'shape': (2, 3), }", 2) +
       v2.substr(v2.size() - 6 * 4);
  DataTable t2;
  const Status v2Read = parseTable(v2, t2);
  ASSERT_TRUE(v2Read.ok()) << v2Read.message;
  EXPECT_EQ(tableValues(t2), kValues);
  std::string big = npyHeader("{'descr': '>f4', 'fortran_order': False, 'shape': (1, 1), }");
  big += std::string("\x40\x20\x00\x00", 4);  // 2.5 big-endian
  DataTable t3;
  ASSERT_TRUE(parseTable(big, t3).ok());
  EXPECT_EQ(t3.row(0)[0], 2.5f);
}

TEST(NpyFile, FloatsFromDoublesRoundOnce) {
  // 1 + 2^-24 + 2^-30 as a double rounds up to 1 + 2^-23 as a float.
  const double d = 1.0 + std::ldexp(1.0, -24) + std::ldexp(1.0, -30);
  std::string bytes = npyHeader("{'descr': '<f8', 'fortran_order': False, 'shape': (1, 1), }");
  char raw[8];
  std::memcpy(raw, &d, 8);
  bytes.append(raw, 8);
  DataTable t;
  ASSERT_TRUE(parseTable(bytes, t).ok());
  EXPECT_EQ(t.row(0)[0], static_cast<float>(d));
}

TEST(NpyFile, RefusesBadHeadersAndSizesBeforeAllocating) {
  const std::string good = npyArray<float>(kValues, 3, 2, false, "<f4");
  struct Case {
    std::string bytes;
    const char* says;
  };
  const Case cases[] = {
      {good.substr(0, 5), "not a .npy file"},
      {good.substr(0, 9), "the header is cut short"},
      {good.substr(0, 40), "the header is cut short"},
      {good.substr(0, good.size() - 1), "the data is cut short: 6 values need"},
      {good + "xx", "2 bytes follow the 6 values"},
      {"XNUMPY" + good.substr(6), "not a .npy file"},
      {std::string("\x93NUMPY\x02\x00\x00\x00\x00\x01", 12) + std::string(70000, ' '),
       "the header claims 16777216 bytes"},
      {std::string("\x93NUMPY\x05\x00\x10\x00", 10) + std::string(16, ' '), "format version 5"},
      {npyHeader("{'descr': '<i4', 'fortran_order': False, 'shape': (1, 1), }") + "abcd",
       "of type <i4"},
      {npyHeader("{'descr': '<f4', 'fortran_order': False, 'shape': (4,), }") + std::string(16, 0),
       "has 1 dimensions"},
      {npyHeader("{'descr': '<f4', 'fortran_order': False, 'shape': (2, 3, 1), }"),
       "has 3 dimensions"},
      {npyHeader("{'descr': '<f4', 'fortran_order': False, 'shape': (0, 3), }"),
       "the shape (0, 3)"},
      {npyHeader("{'descr': '<f8', 'fortran_order': False, 'shape': (100000, 100000), }"),
       "the shape (100000, 100000)"},
      {npyHeader("{'descr': '<f4', 'fortran_order': false, 'shape': (1, 1), }") + "abcd",
       "fortran_order must be"},
      {npyHeader("{'descr': '<f4', 'shape': (1, 1), }") + "abcd", "lacks descr"},
      {npyHeader("{'descr': '<f4', 'fortran_order': False, 'shape': (1, x), }") + "abcd",
       "not a tuple"},
      {npyHeader("{'descr': '<f4', 'fortran_order': False, 'shape': (1, 1), }") +
           std::string("\x00\x00\xc0\x7f", 4),
       "point 1, coordinate 1 is not a finite number"},
  };
  for (const Case& c : cases) {
    DataTable t;
    const Status s = parseTable(c.bytes, t);
    ASSERT_FALSE(s.ok()) << c.says;
    EXPECT_NE(s.message.find(c.says), std::string::npos) << s.message;
    EXPECT_EQ(s.message.rfind("NumPy file a.npy: ", 0), 0u);
    EXPECT_EQ(t.pointCount, 0);
  }
}

TEST(NpyFile, WeightsOnePerPoint) {
  const std::vector<float> w = {1.0f, 0.0f, 2.5f};
  std::vector<float> read;
  ASSERT_TRUE(parseNpyWeights(npyArray<float>(w, 3, 1, false, "<f4", true), "w.npy", 3, read).ok());
  EXPECT_EQ(read, w);
  ASSERT_TRUE(parseNpyWeights(npyArray<double>(w, 3, 1, true, "<f8"), "w.npy", 3, read).ok());
  EXPECT_EQ(read, w);
  const Status count =
      parseNpyWeights(npyArray<float>(w, 3, 1, false, "<f4", true), "w.npy", 4, read);
  EXPECT_NE(count.message.find("the shape (4,); the array's shape is (3)"), std::string::npos)
      << count.message;
  const std::vector<float> negative = {1.0f, -1.0f};
  EXPECT_NE(parseNpyWeights(npyArray<float>(negative, 2, 1, false, "<f4", true), "w.npy", 2, read)
                .message.find("the weight of point 2 is -1"),
            std::string::npos);
  const std::vector<float> zeros = {0.0f, 0.0f};
  EXPECT_FALSE(
      parseNpyWeights(npyArray<float>(zeros, 2, 1, false, "<f4", true), "w.npy", 2, read).ok());
}

TEST(NpyFile, ReadsFilesAndRecognisesTheMagic) {
  const std::string folder = freshFolder();
  writeText(folder + "/a.npy", npyArray<float>(kValues, 2, 3, false, "<f4"));
  writeText(folder + "/a.txt", "2 3\n");
  EXPECT_TRUE(isNpyFile(folder + "/a.npy"));
  EXPECT_FALSE(isNpyFile(folder + "/a.txt"));
  EXPECT_FALSE(isNpyFile(folder + "/none"));
  DataTable t;
  ASSERT_TRUE(readNpyTable(folder + "/a.npy", t).ok());
  EXPECT_EQ(tableValues(t), kValues);
  EXPECT_EQ(readNpyTable(folder + "/none", t).message, "File not found: " + folder + "/none.\n");
}

}  // namespace
}  // namespace manifit
