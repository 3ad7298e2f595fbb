#include "common/output.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
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

TEST(Output, ForwardedTextHandsOnPiecesAndTheListenerPrintsOutside) {
  CapturedOutput outer;
  CapturedWarnings outerWarnings;
  std::vector<std::string> heard;
  {
    ForwardedText forwarded([&heard](bool warning, const std::string& text) {
      heard.push_back((warning ? "W:" : "M:") + text);
      print("[%s]", text.c_str());  // goes where it went before the forwarding
    });
    print("one %i\n", 1);
    warn("careful\n");
    {
      CapturedOutput inner;  // a capture made inside takes the text first
      print("hidden");
      EXPECT_EQ(inner.text(), "hidden");
    }
  }
  print("after\n");
  EXPECT_EQ(heard, (std::vector<std::string>{"M:one 1\n", "W:careful\n"}));
  EXPECT_EQ(outer.text(), "[one 1\n][careful\n]after\n");
  EXPECT_EQ(outerWarnings.text(), "");
}

TEST(Output, AListenerThatThrowsLeavesTheReceiversAsTheyWere) {
  CapturedOutput outer;
  {
    ForwardedText forwarded([](bool, const std::string&) { throw std::runtime_error("no"); });
    EXPECT_THROW(print("x"), std::runtime_error);
    std::vector<std::string> heard;
    CapturedOutput inner([&heard](const std::string& text) { heard.push_back(text); });
    print("y");
    EXPECT_EQ(heard, std::vector<std::string>{"y"});
  }
  print("z");
  EXPECT_EQ(outer.text(), "z");
}

TEST(Output, CapturesBelongToTheirThread) {
  CapturedOutput mine;
  std::string theirs;
  std::thread other([&theirs] {
    CapturedOutput capture;
    print("other thread");
    theirs = capture.text();
  });
  print("this thread");
  other.join();
  EXPECT_EQ(mine.text(), "this thread");
  EXPECT_EQ(theirs, "other thread");
}

TEST(Output, StreamDoubleMatchesDefaultStreamFormatting) {
  EXPECT_EQ(streamDouble(0.283127), "0.283127");
  EXPECT_EQ(streamDouble(1.0), "1");
  EXPECT_EQ(streamDouble(0.00001234), "1.234e-05");
  EXPECT_EQ(streamDouble(1234567.0), "1.23457e+06");
  EXPECT_EQ(streamDouble(0.0001), "0.0001");
}

}  // namespace manifit
