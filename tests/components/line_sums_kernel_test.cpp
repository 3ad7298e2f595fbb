// The one-pass line sums: the kernels against each other and against the
// two passes over the residual matrix, bit for bit, for every part a call
// can be given.
#include "components/line_sums_kernel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "support/residual_sums_plain.h"

namespace manifit {
namespace {

// A table with its residual state: `found` directions and positions, and
// the residual matrix R they give, formed the plain way.
struct Case {
  std::vector<std::vector<float>> table;
  std::vector<const float*> rows;
  std::vector<double> mean, v, b;
  std::vector<std::vector<double>> directions, positions;
  std::vector<const double*> directionPointers, positionPointers;
  std::vector<float> weights;
  Residuals R;
  LineSumsInput in;
};

Case makeCase(size_t m, size_t n, size_t found, bool weighted, unsigned seed) {
  std::mt19937 random(seed);
  std::normal_distribution<double> normal(0.0, 1.0);
  std::uniform_real_distribution<float> weight(0.0f, 3.0f);
  Case c;
  c.table.assign(m, std::vector<float>(n));
  for (size_t j = 0; j < m; ++j)
    for (size_t i = 0; i < n; ++i)
      c.table[j][i] = static_cast<float>((i % 3 == 0 ? 1e3 : 1.0) * normal(random) + 5.0);
  for (const std::vector<float>& row : c.table) c.rows.push_back(row.data());
  for (size_t i = 0; i < n; ++i) {
    c.mean.push_back(5.0 + 0.1 * normal(random));
    c.v.push_back(normal(random));
    c.b.push_back(normal(random));
  }
  c.directions.assign(found, std::vector<double>(n));
  c.positions.assign(found, std::vector<double>(m));
  for (size_t d = 0; d < found; ++d) {
    for (double& x : c.directions[d]) x = normal(random);
    for (double& x : c.positions[d]) x = 30.0 * normal(random);
    c.directionPointers.push_back(c.directions[d].data());
    c.positionPointers.push_back(c.positions[d].data());
  }
  if (weighted) {
    c.weights.resize(m);
    for (float& w : c.weights) w = weight(random);
  }
  // R_0 = float(x - mean), R_d = float(R_{d-1} - p_d v_d).
  c.R.assign(n, std::vector<float>(m));
  for (size_t i = 0; i < n; ++i)
    for (size_t j = 0; j < m; ++j) {
      float r = static_cast<float>(c.table[j][i] - c.mean[i]);
      for (size_t d = 0; d < found; ++d)
        r = static_cast<float>(r - c.positions[d][j] * c.directions[d][i]);
      c.R[i][j] = r;
    }
  c.in.rows = c.rows.data();
  c.in.points = m;
  c.in.coordinates = n;
  c.in.mean = c.mean.data();
  c.in.directions = c.directionPointers.data();
  c.in.positions = c.positionPointers.data();
  c.in.found = found;
  c.in.v = c.v.data();
  c.in.b = c.b.data();
  c.in.vv = 1.7;
  c.in.weights = weighted ? c.weights.data() : nullptr;
  return c;
}

bool sameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() &&
         (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

// The plain forms: t_j summed over the coordinates in order, then the
// regression sums of the reference twin.
void plainLineSums(const Case& c, std::vector<double>& t, std::vector<double>& sx,
                   std::vector<double>& sxt) {
  const size_t m = c.in.points;
  t.assign(m, 0.0);
  for (size_t j = 0; j < m; ++j) {
    double sum = 0.0;
    for (size_t i = 0; i < c.in.coordinates; ++i) sum += (c.R[i][j] - c.b[i]) * c.v[i];
    t[j] = sum / c.in.vv;
  }
  regressionSumsPlain(c.R, c.in.weights, t, sx, sxt);
}

bool processorHasAvx2() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  return __builtin_cpu_supports("avx2");
#else
  return false;
#endif
}

using Kernel = void (*)(const LineSumsInput&, const LineSumsPart&, double*, double*, double*);

// The whole step in one call, then in pieces: positions over ranges of
// points, sums over ranges of coordinates.
void expectKernelMatches(Kernel kernel, const Case& c, const std::string& what) {
  std::vector<double> t, sx, sxt;
  plainLineSums(c, t, sx, sxt);
  const size_t m = c.in.points;
  const size_t n = c.in.coordinates;
  LineSumsPart all;
  all.end = m;
  all.to = n;
  std::vector<double> t1(m, -1.0), sx1(n, -1.0), sxt1(n, -1.0);
  kernel(c.in, all, t1.data(), sx1.data(), sxt1.data());
  EXPECT_TRUE(sameBits(t, t1)) << what << ": positions in one pass";
  EXPECT_TRUE(sameBits(sx, sx1) && sameBits(sxt, sxt1)) << what << ": sums in one pass";

  std::vector<double> t2(m, -1.0), sx2(n, -1.0), sxt2(n, -1.0);
  for (size_t begin = 0; begin < m; begin += 37) {
    LineSumsPart part = all;
    part.begin = begin;
    part.end = std::min(m, begin + 37);
    part.sums = false;
    kernel(c.in, part, t2.data(), sx2.data(), sxt2.data());
  }
  EXPECT_TRUE(sameBits(t, t2)) << what << ": positions by ranges of points";
  for (size_t from = 0; from < n; from += 5) {
    LineSumsPart part = all;
    part.from = from;
    part.to = std::min(n, from + 5);
    part.positions = false;
    kernel(c.in, part, t2.data(), sx2.data(), sxt2.data());
  }
  EXPECT_TRUE(sameBits(t, t2)) << what << ": positions left alone by the sums";
  EXPECT_TRUE(sameBits(sx, sx2) && sameBits(sxt, sxt2))
      << what << ": sums by ranges of coordinates";
}

TEST(LineSumsKernel, BothKernelsGiveThePlainBits) {
  std::vector<Kernel> kernels = {lineSumsPlain};
  if (lineSumsAvx2Built() && processorHasAvx2()) kernels.push_back(lineSumsAvx2);
  unsigned seed = 1;
  // Points around the block size, coordinates around multiples of the eight
  // sums kept together, up to the widest table taken.
  for (size_t m : {1, 63, 64, 65, 300})
    for (size_t n : {1, 7, 8, 13, 64})
      for (size_t found : {0, 1, 3})
        for (bool weighted : {false, true}) {
          const Case c = makeCase(m, n, found, weighted, ++seed);
          for (size_t k = 0; k < kernels.size(); ++k)
            expectKernelMatches(kernels[k], c,
                                (k == 0 ? "plain, " : "avx2, ") + std::to_string(m) + " x " +
                                    std::to_string(n) + ", " + std::to_string(found) +
                                    " directions" + (weighted ? ", weighted" : ""));
        }
}

TEST(LineSumsKernel, NoPointsWriteZeroSums) {
  const Case c = makeCase(0, 6, 2, true, 99);
  LineSumsPart all;
  all.to = 6;
  std::vector<double> sx(6, -1.0), sxt(6, -1.0);
  lineSumsPlain(c.in, all, nullptr, sx.data(), sxt.data());
  EXPECT_EQ(std::vector<double>(6, 0.0), sx);
  EXPECT_EQ(std::vector<double>(6, 0.0), sxt);
}

}  // namespace
}  // namespace manifit
