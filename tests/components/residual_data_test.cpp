// The residuals formed from the table on every pass against the residual
// matrix kept beside the table: the same values, sums and components, bit
// for bit.
#include "components/residual_data.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "common/parallel.h"
#include "common/random.h"
#include "components/principal_components.h"
#include "components/unit_vectors.h"
#include "data/data_table.h"

namespace manifit {

namespace {

// Correlated columns of very different scales, so that the directions and
// the deflations matter.
DataTable correlatedTable(int points, int columns, unsigned seed) {
  std::mt19937 random(seed);
  std::normal_distribution<float> normal(0.0f, 1.0f);
  DataTable table;
  table.allocateRows(points, columns);
  for (int j = 0; j < points; ++j) {
    const float a = normal(random);
    const float b = normal(random);
    for (int i = 0; i < columns; ++i) {
      const float scale = i % 3 == 0 ? 1e3f : (i % 3 == 1 ? 1.0f : 1e-3f);
      table.row(j)[i] = scale * (a * (1.0f + static_cast<float>(i)) + b * (i % 2 ? 0.5f : -0.7f) +
                                 0.1f * normal(random) + 3.0f);
    }
  }
  return table;
}

void weigh(DataTable& table, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> weight(0.0f, 4.0f);
  table.weights.assign(static_cast<size_t>(table.pointCount), 0.0f);
  table.totalWeight = 0.0f;
  for (float& w : table.weights) table.totalWeight += (w = weight(random));
  table.weighted = true;
}

std::vector<double> meanOf(const DataTable& table) {
  std::vector<double> mean(static_cast<size_t>(table.dimension), 0.0);
  for (int j = 0; j < table.pointCount; ++j)
    for (int i = 0; i < table.dimension; ++i) mean[static_cast<size_t>(i)] += table.row(j)[i];
  for (double& m : mean) m /= table.pointCount;
  return mean;
}

template <typename T>
bool sameBits(const std::vector<T>& a, const std::vector<T>& b) {
  return a.size() == b.size() &&
         (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

bool sameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Both forms through several deflations: every residual value, the line
// positions, the regression sums and the deflation sums agree.
void expectSamePasses(const DataTable& table, const std::string& what) {
  const std::vector<double> mean = meanOf(table);
  StoredResiduals stored(table, mean);
  TableResiduals formed(table, mean);
  ASSERT_EQ(stored.points(), formed.points()) << what;
  ASSERT_EQ(stored.coordinates(), formed.coordinates()) << what;
  const float* weights = table.weighted ? table.weights.data() : nullptr;
  const size_t n = stored.coordinates();
  std::mt19937 random(4);
  std::normal_distribution<double> normal(0.0, 1.0);
  for (int pass = 0; pass < 4; ++pass) {
    std::vector<float> row(n);
    for (size_t j = 0; j < formed.points(); ++j) {
      formed.residualRow(j, 0, n, row.data());
      for (size_t i = 0; i < n; ++i)
        ASSERT_EQ(0, std::memcmp(&row[i], &stored.R[i][j], sizeof(float)))
            << what << ": pass " << pass << ", coordinate " << i << ", point " << j;
    }
    std::vector<double> v(n);
    std::vector<double> b(n);
    for (double& x : v) x = normal(random);
    for (double& x : b) x = normal(random);
    const double vv = vectorNorm(v) * vectorNorm(v);
    std::vector<double> t1;
    std::vector<double> t2;
    stored.linePositions(v, b, vv, t1);
    formed.linePositions(v, b, vv, t2);
    EXPECT_TRUE(sameBits(t1, t2)) << what << ": line positions, pass " << pass;
    std::vector<double> sx1, sxt1, sx2, sxt2;
    stored.regressionSums(weights, t1, sx1, sxt1);
    formed.regressionSums(weights, t1, sx2, sxt2);
    EXPECT_TRUE(sameBits(sx1, sx2)) << what << ": sums, pass " << pass;
    EXPECT_TRUE(sameBits(sxt1, sxt2)) << what << ": sums with t, pass " << pass;
    // The step in one call: one pass over a narrow table at one thread.
    std::vector<double> t3, sx3, sxt3;
    formed.lineSums(weights, v, b, vv, t3, sx3, sxt3);
    EXPECT_TRUE(sameBits(t1, t3)) << what << ": positions of the step, pass " << pass;
    EXPECT_TRUE(sameBits(sx1, sx3) && sameBits(sxt1, sxt3))
        << what << ": sums of the step, pass " << pass;
    const double norm = vectorNorm(v);
    for (double& x : v) x /= norm;
    double W1, S11, S21, W2, S12, S22;
    stored.deflate(weights, v, W1, S11, S21);
    formed.deflate(weights, v, W2, S12, S22);
    EXPECT_TRUE(sameBits(W1, W2) && sameBits(S11, S12) && sameBits(S21, S22))
        << what << ": deflation, pass " << pass;
  }
}

PrincipalComponents components(const DataTable& table, bool stored, int count) {
  sharedRandom().state = 7;
  PrincipalComponents pc(table);
  pc.quiet = true;
  pc.storedResiduals = stored;
  pc.computeComponents(count);
  return pc;
}

void expectSameComponents(const DataTable& table, int count, const std::string& what) {
  const PrincipalComponents stored = components(table, true, count);
  const PrincipalComponents formed = components(table, false, count);
  EXPECT_TRUE(sameBits(stored.mean, formed.mean)) << what;
  EXPECT_TRUE(sameBits(stored.variances, formed.variances)) << what;
  ASSERT_EQ(stored.components.size(), formed.components.size()) << what;
  for (size_t c = 0; c < stored.components.size(); ++c)
    EXPECT_TRUE(sameBits(stored.components[c], formed.components[c])) << what << ", " << c;
}

}  // namespace

TEST(ResidualData, FormedResidualsAndTheirSumsMatchTheStoredOnes) {
  DataTable table = correlatedTable(3001, 11, 1);
  const int saved = workerThreads();
  for (int threads : {1, 3}) {
    setWorkerThreads(threads);
    expectSamePasses(table, "unweighted, " + std::to_string(threads) + " threads");
  }
  weigh(table, 2);
  for (int threads : {1, 3}) {
    setWorkerThreads(threads);
    expectSamePasses(table, "weighted, " + std::to_string(threads) + " threads");
  }
  // Large enough that the threads really share the points and then the
  // coordinates (two threads or fewer take the one-pass step).
  DataTable large = correlatedTable(60000, 13, 12);
  for (int threads : {3, 4}) {
    setWorkerThreads(threads);
    expectSamePasses(large, "60000 points, " + std::to_string(threads) + " threads");
  }
  // Wider than the one-pass step takes, and exactly as wide.
  for (int columns : {64, 70}) {
    DataTable wide = correlatedTable(700, columns, 10);
    for (int threads : {1, 3}) {
      setWorkerThreads(threads);
      expectSamePasses(
          wide, std::to_string(columns) + " columns, " + std::to_string(threads) + " threads");
    }
  }
  setWorkerThreads(saved);
  // A single column, a single point, and duplicate points.
  expectSamePasses(correlatedTable(50, 1, 3), "one column");
  expectSamePasses(correlatedTable(1, 6, 4), "one point");
  DataTable twins = correlatedTable(40, 5, 5);
  for (int j = 1; j < 40; ++j)
    for (int i = 0; i < 5; ++i) twins.row(j)[i] = twins.row(0)[i];
  expectSamePasses(twins, "duplicate points");
}

TEST(ResidualData, ComponentsWithoutASecondCopyAreTheSame) {
  DataTable table = correlatedTable(20000, 17, 6);
  const int saved = workerThreads();
  for (int threads : {1, 2, 4}) {
    setWorkerThreads(threads);
    expectSameComponents(table, 3, std::to_string(threads) + " threads");
  }
  weigh(table, 8);
  for (int threads : {1, 2}) {
    setWorkerThreads(threads);
    expectSameComponents(table, 3, "weighted, " + std::to_string(threads) + " threads");
  }
  setWorkerThreads(saved);
  expectSameComponents(correlatedTable(3000, 70, 11), 2, "wide table");
  // More components than the points can give, and a table without columns.
  expectSameComponents(correlatedTable(4, 3, 9), 5, "more components than columns");
  DataTable empty;
  empty.allocateRows(10, 0);
  expectSameComponents(empty, 2, "no columns");
}

}  // namespace manifit
