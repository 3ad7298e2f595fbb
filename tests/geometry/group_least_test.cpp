// The vector kernel of a group's least squares against its plain twin, bit
// for bit: squares, least values and lanes, on random groups with ties,
// coinciding nodes, huge and non-finite coordinates.
#include "geometry/group_least.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace manifit {
namespace {

bool sameBits(float a, float b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(GroupLeast, VectorKernelMatchesThePlainOneBitForBit) {
  if (!kernelSupported(SearchKernel::kAvx512)) GTEST_SKIP() << "no AVX-512 on this processor";
  std::mt19937 random(53);
  std::uniform_int_distribution<int> lattice(-2, 2);
  std::normal_distribution<float> normal(0.0f, 1.0f);
  for (int trial = 0; trial < 400; ++trial) {
    const int dimension = 1 + trial % 13;
    const int size = 1 + trial % 41;
    const int blocks = (size + kNodeBlockWidth - 1) / kNodeBlockWidth;
    const int before = trial % 3;  // blocks of other groups before this one
    std::vector<float> values(static_cast<size_t>(before + blocks) * dimension * kNodeBlockWidth);
    const bool ties = trial % 2 == 0;
    for (float& v : values) v = ties ? 0.5f * static_cast<float>(lattice(random)) : normal(random);
    if (trial % 7 == 0) values[values.size() / 2] = 3e38f;  // squares beyond the float range
    if (trial % 11 == 0) values[values.size() / 3] = std::nanf("");
    const int count = 1 + trial % kGroupPoints;
    std::vector<std::vector<float>> points(static_cast<size_t>(count));
    const float* x[kGroupPoints];
    for (int p = 0; p < count; ++p) {
      for (int k = 0; k < dimension; ++k)
        points[static_cast<size_t>(p)].push_back(ties ? 0.5f * static_cast<float>(lattice(random))
                                                      : normal(random));
      x[p] = points[static_cast<size_t>(p)].data();
    }
    const size_t room = static_cast<size_t>(kGroupPoints) * blocks * kNodeBlockWidth;
    std::vector<float> plainSquares(room);
    std::vector<float> vectorSquares(room);
    LaneLeast plain[kGroupPoints];
    LaneLeast vector[kGroupPoints];
    groupLeastPlain(values.data(), before, blocks, size, dimension, x, count, plainSquares.data(),
                    plain);
    groupLeastAvx512(values.data(), before, blocks, size, dimension, x, count, vectorSquares.data(),
                     vector);
    for (int p = 0; p < count; ++p) {
      SCOPED_TRACE("trial " + std::to_string(trial) + ", point " + std::to_string(p));
      for (int lane = 0; lane < size; ++lane) {
        const size_t at = static_cast<size_t>(p) * blocks * kNodeBlockWidth + lane;
        ASSERT_TRUE(sameBits(plainSquares[at], vectorSquares[at])) << "lane " << lane;
      }
      ASSERT_EQ(plain[p].finite, vector[p].finite);
      if (!plain[p].finite) continue;
      EXPECT_TRUE(sameBits(plain[p].first, vector[p].first));
      EXPECT_EQ(plain[p].firstLane, vector[p].firstLane);
      EXPECT_TRUE(sameBits(plain[p].second, vector[p].second));
    }
  }
}

// The plain kernel itself: the least square, the lowest lane holding it and
// the least of the others, on a hand-made group.
TEST(GroupLeast, PlainKernelFindsTheLowestLaneOfTheLeastSquare) {
  // One coordinate, lanes at 3, 1, 1, 2, 5: from the point 0 the squares
  // are 9, 1, 1, 4, 25.
  std::vector<float> values(kNodeBlockWidth, 0.0f);
  const float nodes[] = {3.0f, 1.0f, -1.0f, 2.0f, 5.0f};
  std::copy(nodes, nodes + 5, values.begin());
  const float origin = 0.0f;
  const float* x[] = {&origin};
  std::vector<float> squares(kNodeBlockWidth);
  LaneLeast least[1];
  groupLeastPlain(values.data(), 0, 1, 5, 1, x, 1, squares.data(), least);
  EXPECT_TRUE(least[0].finite);
  EXPECT_EQ(least[0].first, 1.0f);
  EXPECT_EQ(least[0].firstLane, 1);
  EXPECT_EQ(least[0].second, 1.0f);
  values[1] = std::nanf("");
  groupLeastPlain(values.data(), 0, 1, 5, 1, x, 1, squares.data(), least);
  EXPECT_FALSE(least[0].finite);
  values[1] = 1.0f;
  groupLeastPlain(values.data(), 0, 1, 1, 1, x, 1, squares.data(), least);
  EXPECT_EQ(least[0].first, 9.0f);
  EXPECT_EQ(least[0].firstLane, 0);
  EXPECT_TRUE(std::isinf(least[0].second));
}

}  // namespace
}  // namespace manifit
