#include "components/principal_components.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/output.h"
#include "common/random.h"
#include "components/unit_vectors.h"
#include "data/data_table.h"

namespace manifit {

namespace {

DataTable makeTable(int points, int columns, const std::vector<float>& values) {
  DataTable table;
  table.allocateRows(points, columns);
  std::copy(values.begin(), values.end(), table.storage.begin());
  return table;
}

// Every number finite, every component of unit length, every variance in [0, 1].
void expectSound(const PrincipalComponents& pc) {
  for (const std::vector<double>& component : pc.components) {
    for (double x : component) EXPECT_TRUE(std::isfinite(x));
    EXPECT_NEAR(vectorNorm(component), 1.0, 1e-9);
  }
  for (double variance : pc.variances) {
    EXPECT_TRUE(std::isfinite(variance));
    EXPECT_GE(variance, 0.0);
    EXPECT_LE(variance, 1.0 + 1e-6);
  }
  for (double x : pc.mean) EXPECT_TRUE(std::isfinite(x));
}

}  // namespace

TEST(PrincipalComponents, PointsOnALineGiveThatDirectionWithAllTheVariance) {
  // Points 1 + t (1, -2, 2) / 3 for t = -4 ... 5.
  std::vector<float> values;
  for (int t = -4; t <= 5; ++t) {
    for (float d : {1.0f, -2.0f, 2.0f}) values.push_back(1.0f + static_cast<float>(t) * d / 3.0f);
  }
  const DataTable table = makeTable(10, 3, values);
  sharedRandom().state = 1;
  PrincipalComponents pc(table);
  pc.quiet = true;
  pc.computeComponents(3);
  pc.toVarianceFractions();
  ASSERT_EQ(pc.componentCount, 3);
  EXPECT_NEAR(pc.components[0][0], 1.0 / 3.0, 1e-6);
  EXPECT_NEAR(pc.components[0][1], -2.0 / 3.0, 1e-6);
  EXPECT_NEAR(pc.components[0][2], 2.0 / 3.0, 1e-6);
  // Beyond the line only rounding noise is left: finite, unit, next to 0.
  EXPECT_NEAR(pc.variances[0], 1.0, 1e-6);
  EXPECT_LT(pc.variances[1], 1e-10);
  EXPECT_LT(pc.variances[2], 1e-10);
  EXPECT_NEAR(pc.mean[0], 1.0 + 0.5 / 3.0, 1e-6);  // the mean, computed again at the end
  expectSound(pc);
}

TEST(PrincipalComponents, ComponentsAreOrderedOrthogonalAndSignFixed) {
  // Spread 3 along x, 1 along y, 0.1 along z, rotated by 30 degrees in x-y.
  std::vector<float> values;
  const double c = std::cos(M_PI / 6);
  const double s = std::sin(M_PI / 6);
  const double corners[8][3] = {{3, 1, .1},  {3, 1, -.1},  {3, -1, .1},  {3, -1, -.1},
                                {-3, 1, .1}, {-3, 1, -.1}, {-3, -1, .1}, {-3, -1, -.1}};
  for (const auto& p : corners) {
    values.push_back(static_cast<float>(c * p[0] - s * p[1]));
    values.push_back(static_cast<float>(s * p[0] + c * p[1]));
    values.push_back(static_cast<float>(p[2]));
  }
  const DataTable table = makeTable(8, 3, values);
  PrincipalComponents pc(table);
  pc.quiet = true;
  pc.computeComponents(3);
  // The fit stops once a step moves nothing by more than 0.01, so the
  // directions are close, not exact.
  EXPECT_NEAR(pc.components[0][0], c, 1e-3);
  EXPECT_NEAR(pc.components[0][1], s, 1e-3);
  EXPECT_NEAR(std::fabs(pc.components[1][1]), c, 1e-3);
  EXPECT_NEAR(std::fabs(pc.components[2][2]), 1.0, 1e-3);
  EXPECT_NEAR(pc.variances[0], 9.0, 1e-3);
  EXPECT_NEAR(pc.variances[1], 1.0, 1e-3);
  EXPECT_NEAR(pc.variances[2], 0.01, 1e-4);
  for (const std::vector<double>& component : pc.components) EXPECT_GE(component[0], 0.0);
  pc.toVarianceFractions();
  EXPECT_NEAR(pc.variances[0] + pc.variances[1] + pc.variances[2], 1.0, 1e-5);
}

TEST(PrincipalComponents, WeightsDecideWhichPointsCount) {
  // Three points on the diagonal and a far point of weight 0.
  DataTable table = makeTable(4, 2, {0, 0, 1, 1, 2, 2, 9, -9});
  table.weighted = true;
  table.weights = {1, 1, 1, 0};
  table.totalWeight = 3;
  PrincipalComponents pc(table);
  pc.quiet = true;
  pc.computeComponents(1);
  pc.toVarianceFractions();
  EXPECT_NEAR(pc.components[0][0], std::sqrt(0.5), 1e-6);
  EXPECT_NEAR(pc.components[0][1], std::sqrt(0.5), 1e-6);
  EXPECT_NEAR(pc.mean[0], 1.0, 1e-12);
  EXPECT_NEAR(pc.variances[0], 1.0, 1e-6);
}

TEST(PrincipalComponents, OneCoordinateTable) {
  const DataTable table = makeTable(4, 1, {-1, 3, 0.5f, 7});
  PrincipalComponents pc(table);
  pc.quiet = true;
  pc.computeComponents(1);
  pc.toVarianceFractions();
  EXPECT_EQ(pc.components[0][0], 1.0);
  EXPECT_NEAR(pc.variances[0], 1.0, 1e-9);
}

TEST(PrincipalComponents, DataWithoutVarianceStaysFinite) {
  DataTable identical = makeTable(3, 2, {0.1f, 7, 0.1f, 7, 0.1f, 7});
  DataTable single = makeTable(1, 3, {1, 2, 3});
  DataTable empty;
  empty.allocateRows(0, 2);
  DataTable weightless = makeTable(2, 2, {1, 2, 3, 4});
  weightless.weighted = true;
  weightless.weights = {0, 0};
  for (const DataTable* table : {&identical, &single, &empty, &weightless}) {
    PrincipalComponents pc(*table);
    pc.quiet = true;
    pc.computeComponents(3);
    pc.toVarianceFractions();
    expectSound(pc);
    for (double variance : pc.variances) EXPECT_EQ(variance, 0.0);
  }
  PrincipalComponents pc(identical);
  pc.quiet = true;
  pc.computeComponents(1);
  EXPECT_NEAR(pc.mean[0], 0.1, 1e-7);
  EXPECT_EQ(pc.mean[1], 7.0);
}

TEST(PrincipalComponents, ProgressLinesUnlessQuiet) {
  const DataTable table = makeTable(3, 2, {0, 0, 1, 2, 2, 4});
  PrincipalComponents loud(table);
  {
    CapturedOutput capture;
    loud.computeComponents(3);
    const std::string& text = capture.text();
    const size_t comp1 = text.find("Comp 1 \n");
    EXPECT_EQ(text.rfind("Comp 0 \n", 0), 0u);
    EXPECT_NE(comp1, std::string::npos);
    EXPECT_NE(text.find("Comp 2 \n", comp1), std::string::npos);
    EXPECT_NE(text.find(" iterations\n", 0), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 12), " iterations\n");
  }
  PrincipalComponents quiet(table);
  quiet.quiet = true;
  CapturedOutput capture;
  quiet.computeComponents(3);
  EXPECT_EQ(capture.text(), "");
}

TEST(RandomUnitVector, DrawsOverThirtyThreeThousandScaledToUnitLength) {
  sharedRandom().state = 1;
  std::vector<double> v(2);
  randomUnitVector(v);
  const double a = 41 * 1.0 / 33000;
  const double b = 18467 * 1.0 / 33000;
  const double norm = std::sqrt(a * a + b * b);
  EXPECT_EQ(v[0], a / norm);
  EXPECT_EQ(v[1], b / norm);
}

TEST(RandomUnitVector, AllZeroDrawsGiveTheFirstAxis) {
  // Find a state whose next two draws are both 0: the state after the first
  // draw has bits 16-30 clear, the one after the second as well.
  const uint32_t a = 214013u;
  const uint32_t c = 2531011u;
  uint32_t inverse = a;  // a^-1 mod 2^32 by Newton's iteration
  for (int i = 0; i < 5; ++i) inverse *= 2u - a * inverse;
  bool found = false;
  for (uint32_t high = 0; high < 2 && !found; ++high) {
    for (uint32_t low = 0; low < 65536 && !found; ++low) {
      const uint32_t first = (high << 31) | low;
      const uint32_t second = first * a + c;
      if (((second >> 16) & 0x7FFFu) != 0) continue;
      sharedRandom().state = (first - c) * inverse;
      found = true;
    }
  }
  ASSERT_TRUE(found);
  std::vector<double> v(2, 5.0);
  randomUnitVector(v);
  EXPECT_EQ(v, (std::vector<double>{1.0, 0.0}));
}

}  // namespace manifit
