#include "common/output.h"

#include <gtest/gtest.h>

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

TEST(Output, StreamDoubleMatchesDefaultStreamFormatting) {
  EXPECT_EQ(streamDouble(0.283127), "0.283127");
  EXPECT_EQ(streamDouble(1.0), "1");
  EXPECT_EQ(streamDouble(0.00001234), "1.234e-05");
  EXPECT_EQ(streamDouble(1234567.0), "1.23457e+06");
  EXPECT_EQ(streamDouble(0.0001), "0.0001");
}

}  // namespace manifit
