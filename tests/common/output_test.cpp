#include "common/output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace manifit {

TEST(Output, CaptureCollectsPrintfTextInOrder) {
  CapturedOutput outer;
  print("a=%i ", 3);
  {
    CapturedOutput inner;
    print("%s", "hidden");
    EXPECT_EQ(inner.text(), "hidden");
  }
  print("b=%5.2f\n", 1.5);
  EXPECT_EQ(outer.text(), "a=3 b= 1.50\n");
}

TEST(Output, ListenerHearsEveryPieceAsItIsPrinted) {
  std::vector<std::string> heard;
  CapturedOutput capture([&heard](const std::string& text) { heard.push_back(text); });
  print("one %i\n", 1);
  EXPECT_EQ(heard, std::vector<std::string>{"one 1\n"});
  print("two");
  print("\n");
  {
    CapturedOutput inner;  // a nested capture keeps its text to itself
    print("hidden");
  }
  EXPECT_EQ(heard, (std::vector<std::string>{"one 1\n", "two", "\n"}));
  EXPECT_EQ(capture.text(), "one 1\ntwo\n");
}

TEST(Output, StreamDoubleMatchesDefaultStreamFormatting) {
  EXPECT_EQ(streamDouble(0.283127), "0.283127");
  EXPECT_EQ(streamDouble(1.0), "1");
  EXPECT_EQ(streamDouble(0.00001234), "1.234e-05");
  EXPECT_EQ(streamDouble(1234567.0), "1.23457e+06");
  EXPECT_EQ(streamDouble(0.0001), "0.0001");
}

}  // namespace manifit
