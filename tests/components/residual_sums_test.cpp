#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "components/residual_sums.h"

namespace manifit {
namespace {

Residuals randomResiduals(size_t n, size_t m, std::mt19937& random) {
  std::normal_distribution<float> normal(0.0f, 2.0f);
  Residuals R(n, std::vector<float>(m));
  for (std::vector<float>& row : R)
    for (float& x : row) x = normal(random);
  return R;
}

bool sameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), sizeof(double) * a.size()) == 0;
}

TEST(ResidualSums, FastSumsMatchThePlainOnesBitForBit) {
  std::mt19937 random(8);
  std::uniform_real_distribution<float> weight(0.0f, 3.0f);
  std::normal_distribution<double> normal(0.0, 1.0);
  for (size_t n = 1; n <= 19; ++n) {
    const size_t m = 1 + (n * 37) % 101;
    const Residuals R = randomResiduals(n, m, random);
    std::vector<float> weights(m);
    for (float& w : weights) w = weight(random);
    std::vector<double> t(m);
    for (double& value : t) value = normal(random);
    const std::vector<const float*> weightings = {nullptr, weights.data()};
    for (const float* w : weightings) {
      std::vector<double> sx, sxt, plainSx, plainSxt;
      regressionSums(R, w, t, sx, sxt);
      regressionSumsPlain(R, w, t, plainSx, plainSxt);
      EXPECT_TRUE(sameBits(plainSx, sx)) << n << " coordinates";
      EXPECT_TRUE(sameBits(plainSxt, sxt)) << n << " coordinates";

      std::vector<double> v(n);
      for (double& value : v) value = normal(random);
      Residuals fast = R;
      Residuals plain = R;
      double W = 0, S1 = 0, S2 = 0, plainW = 0, plainS1 = 0, plainS2 = 0;
      deflateResiduals(fast, w, v, W, S1, S2);
      deflateResidualsPlain(plain, w, v, plainW, plainS1, plainS2);
      EXPECT_EQ(plain, fast);
      EXPECT_TRUE(sameBits({plainW, plainS1, plainS2}, {W, S1, S2})) << n << " coordinates";
    }
  }
}

}  // namespace
}  // namespace manifit
