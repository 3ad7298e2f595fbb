#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "data/data_table.h"
#include "data/text_words.h"
#include "data/word_stream.h"
#include "temp_files.h"

namespace manifit {
namespace {

// The fast conversion accepts exactly the words the C library's conversion
// accepts in full, with the same bits.
void expectSameConversion(const std::string& word) {
  const std::string text = word + " ";
  float reference = 0.0f;
  float fast = 0.0f;
  const bool referenceAccepts = parseFloatWord(text, 0, word.size(), reference);
  const bool fastAccepts = parseFloatFast(text.c_str(), word.size(), fast);
  ASSERT_EQ(referenceAccepts, fastAccepts) << "\"" << word << "\"";
  if (referenceAccepts) {
    ASSERT_EQ(0, std::memcmp(&reference, &fast, sizeof fast)) << "\"" << word << "\"";
  }
}

std::string digits(std::mt19937& random, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += static_cast<char>('0' + random() % 10);
  return text;
}

TEST(FastFloat, GeneratedDecimalsConvertLikeStrtof) {
  std::mt19937 random(11);
  const char* signs[] = {"", "-", "+"};
  const char* exponentMarks[] = {"e", "E"};
  const char* exponentSigns[] = {"", "-", "+"};
  for (int n = 0; n < 200000; ++n) {
    std::string word = signs[random() % 3];
    if (random() % 4 == 0) word += std::string(random() % 4, '0');  // leading zeros
    word += digits(random, static_cast<int>(random() % 12));
    if (random() % 3 != 0) word += "." + digits(random, static_cast<int>(random() % 14));
    if (random() % 3 == 0) {
      word += exponentMarks[random() % 2];
      word += exponentSigns[random() % 3];
      word += std::to_string(random() % 60);
    }
    expectSameConversion(word);
  }
}

TEST(FastFloat, LongMantissasAndExtremeExponents) {
  std::mt19937 random(12);
  for (int n = 0; n < 20000; ++n) {
    const std::string mantissa = digits(random, 1 + static_cast<int>(random() % 30));
    const int exponent = static_cast<int>(random() % 100) - 60;
    expectSameConversion(mantissa + "e" + std::to_string(exponent));
    expectSameConversion("0." + mantissa + "e" + std::to_string(exponent / 2));
  }
  for (const char* word :
       {"3.4028234e38", "3.4028236e38", "1e39", "1.17549435e-38", "1e-39", "1e-46", "7e-46",
        "1.4e-45", "123456789012345678901234567890", "0.000000000000000000000000000001",
        "9007199254740993", "1e22", "1e23", "4.5e-22", "0e999999999", "1e-999999999"})
    expectSameConversion(word);
}

TEST(FastFloat, HalfwayBetweenTwoFloats) {
  // Integers above 2^24 that lie exactly halfway between two floats, and
  // decimals just beside them.
  for (long n = (1L << 24) + 1; n < (1L << 24) + 2000; n += 2) {
    expectSameConversion(std::to_string(n));
    expectSameConversion(std::to_string(n) + ".0000001");
    expectSameConversion(std::to_string(n - 1) + ".9999999");
    expectSameConversion(std::to_string(n) + "0e-1");
  }
  for (long n = (1L << 30) + 64; n < (1L << 30) + 64 * 400; n += 128)
    expectSameConversion(std::to_string(n));
  // Random floats: the decimal halfway to the next one, exactly and shortened.
  std::mt19937 random(13);
  std::uniform_real_distribution<float> uniform(-1000.0f, 1000.0f);
  for (int n = 0; n < 20000; ++n) {
    const float f = uniform(random);
    const double halfway = (static_cast<double>(f) + std::nextafter(f, 2000.0f)) / 2.0;
    char text[128];
    std::snprintf(text, sizeof text, "%.40g", halfway);
    expectSameConversion(text);
    for (int precision : {15, 16}) {
      // Sixteen digits usually give back the halfway double itself.
      std::snprintf(text, sizeof text, "%.*g", precision, halfway);
      expectSameConversion(text);
    }
  }
}

TEST(FastFloat, OtherFormsAndRefusals) {
  for (const char* word :
       {"0x1.8p3", "0X10", "-0x.8", "0x1p-130", "inf",  "-INF", "infinity", "nan",
        "NaN(12)", "0",    "-0",    "+0.0e5",   ".5",   "5.",   "-.5e1",    "00012",
        "1e",      "1e+",  "e5",    ".",        "-",    "+",    "",         "1.2.3",
        "1,5",     "1f",   "--1",   "0x",       "1e5x", "+-1",  ". 5",      "1_0"})
    expectSameConversion(word);
}

TEST(WordStream, SameWordsAndLinesAsTheWholeTextReader) {
  // Over two pieces of text, so words straddle the piece boundary.
  std::mt19937 random(21);
  const char* blanks[] = {" ", "\t", "\n", "\r\n", "  \n\n", "\v", "\f"};
  std::string text;
  while (text.size() < 2600000) {
    text += digits(random, 1 + static_cast<int>(random() % 9));
    if (random() % 200 == 0) text += std::string(5000, 'x');  // a long word
    text += blanks[random() % 7];
  }
  text += "last";  // no blank at the end
  const std::string path = freshFolder() + "/words.txt";
  writeText(path, text);

  WordReader reference(text);
  WordStream stream;
  ASSERT_TRUE(stream.open(path));
  EXPECT_EQ(text.size(), stream.size());
  size_t start = 0;
  size_t length = 0;
  const char* word = nullptr;
  size_t wordLength = 0;
  long words = 0;
  while (reference.next(start, length)) {
    ASSERT_TRUE(stream.next(word, wordLength)) << "word " << words;
    ASSERT_EQ(text.substr(start, length), std::string(word, wordLength)) << "word " << words;
    ASSERT_EQ(reference.line, stream.line) << "word " << words;
    ASSERT_TRUE(word[wordLength] == '\0' || std::strchr(" \t\n\v\f\r", word[wordLength]));
    ++words;
  }
  EXPECT_FALSE(stream.next(word, wordLength));
  EXPECT_TRUE(stream.good());
}

TEST(WordStream, MissingFileAndFolderCannotBeOpened) {
  const std::string folder = freshFolder();
  WordStream missing;
  EXPECT_FALSE(missing.open(folder + "/none.txt"));
  WordStream directory;
  EXPECT_FALSE(directory.open(folder));
}

TEST(ReadTable, LargeTableReadsTheSameFloatsAsStrtof) {
  std::mt19937 random(31);
  std::normal_distribution<double> normal(0.0, 3.0);
  const int points = 20000;
  const int columns = 7;
  std::string text = std::to_string(points) + " " + std::to_string(columns) + "\n";
  std::vector<std::string> words;
  char buffer[64];
  for (int i = 0; i < points * columns; ++i) {
    const char* formats[] = {"%.5f", "%.9g", "%g", "%.3e", "%.17g"};
    std::snprintf(buffer, sizeof buffer, formats[i % 5], normal(random));
    words.push_back(buffer);
    text += buffer;
    text += (i % columns == columns - 1) ? "\n" : " ";
  }
  const std::string path = freshFolder() + "/table.txt";
  writeText(path, text);
  DataTable table;
  ASSERT_TRUE(table.readTable(path).ok());
  for (int i = 0; i < points * columns; ++i) {
    const float expected = std::strtof(words[static_cast<size_t>(i)].c_str(), nullptr);
    const float read = table.row(i / columns)[i % columns];
    ASSERT_EQ(0, std::memcmp(&expected, &read, sizeof read)) << words[static_cast<size_t>(i)];
  }
}

}  // namespace
}  // namespace manifit
