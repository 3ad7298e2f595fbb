#include "common/random.h"

#include <gtest/gtest.h>

#include <thread>

namespace manifit {

TEST(RandomGenerator, FirstDrawsFromTheStartState) {
  RandomGenerator generator;
  const int expected[] = {41, 18467, 6334, 26500, 19169};
  for (int value : expected) EXPECT_EQ(generator.next(), value);
}

TEST(RandomGenerator, ResultsStayWithinFifteenBits) {
  RandomGenerator generator;
  generator.state = 0xFFFFFFFFu;
  for (int i = 0; i < 100000; ++i) {
    const int r = generator.next();
    ASSERT_GE(r, 0);
    ASSERT_LE(r, 32767);
  }
}

}  // namespace manifit

namespace manifit {

TEST(RandomGenerator, EachThreadDrawsFromItsOwnGenerator) {
  sharedRandom().state = RandomGenerator::kStartState;
  const int first = sharedRandom().next();
  int otherFirst = -1;
  std::thread other([&otherFirst] { otherFirst = sharedRandom().next(); });
  other.join();
  // The other thread started afresh; this one goes on where it was.
  EXPECT_EQ(otherFirst, first);
  EXPECT_EQ(sharedRandom().next(), 18467);
}

}  // namespace manifit
