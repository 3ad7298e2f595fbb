#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "common/parallel.h"
#include "components/residual_sums.h"
#include "support/residual_sums_plain.h"

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

TEST(ResidualSums, ThreadsDoNotChangeTheSums) {
  std::mt19937 random(9);
  const Residuals R = randomResiduals(19, 60000, random);
  std::vector<double> t(60000);
  std::normal_distribution<double> normal(0.0, 1.0);
  for (double& value : t) value = normal(random);
  std::vector<double> v(19);
  for (double& value : v) value = normal(random);
  std::vector<double> plainSx, plainSxt;
  regressionSumsPlain(R, nullptr, t, plainSx, plainSxt);
  Residuals plain = R;
  double plainW = 0, plainS1 = 0, plainS2 = 0;
  deflateResidualsPlain(plain, nullptr, v, plainW, plainS1, plainS2);
  const int saved = workerThreads();
  for (int threads : {1, 2, 3}) {
    setWorkerThreads(threads);
    std::vector<double> sx, sxt;
    regressionSums(R, nullptr, t, sx, sxt);
    EXPECT_TRUE(sameBits(plainSx, sx) && sameBits(plainSxt, sxt)) << threads << " threads";
    Residuals fast = R;
    double W = 0, S1 = 0, S2 = 0;
    deflateResiduals(fast, nullptr, v, W, S1, S2);
    EXPECT_TRUE(plain == fast) << threads << " threads";
    EXPECT_TRUE(sameBits({plainW, plainS1, plainS2}, {W, S1, S2})) << threads << " threads";
  }
  setWorkerThreads(saved);
}

}  // namespace
}  // namespace manifit
