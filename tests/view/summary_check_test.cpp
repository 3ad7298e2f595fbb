#include "view/summary_check.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/output.h"
#include "view/run_view.h"
#include "view/view_fixture.h"

namespace manifit {
namespace {

const std::vector<std::vector<double>> kRows = {{-1, -1, 0.1}, {-0.9, -1, -0.1}, {-1, -0.8, 0},
                                                {1, 1, 0.2},   {0.9, 0.8, 0},    {1, 0, -0.2},
                                                {1, 0, 0},     {-1, 1, 0}};

PointTable table() {
  PointTable t;
  t.dimension = 3;
  t.rows = kRows;
  return t;
}

ComponentSummary axes(std::vector<double> mean, std::vector<double> fractions) {
  ComponentSummary s;
  s.componentCount = 3;
  s.dimension = 3;
  s.mean = std::move(mean);
  s.components = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  s.fractions = std::move(fractions);
  return s;
}

TEST(SummaryCheckTest, MeasuresTheTablesMeanAndVarianceAlongTheComponents) {
  const TableComponents found = tableComponents(table(), axes({0, 0, 0}, {0, 0, 0}), nullptr);
  ASSERT_TRUE(found.varies);
  for (double m : found.mean) EXPECT_NEAR(m, 0, 1e-15);
  // Variances 0.9525 and 0.66 of a total of 1.625.
  EXPECT_NEAR(found.fractions[0], 0.9525 / 1.625, 1e-12);
  EXPECT_NEAR(found.fractions[1], 0.66 / 1.625, 1e-12);
  // A tilted first component: (x + y) / sqrt 2 carries (0.9525 + 0.66 + 2 cov) / 2.
  ComponentSummary tilted = axes({0, 0, 0}, {0, 0, 0});
  tilted.components[0] = {0.7071067811865476, 0.7071067811865476, 0};
  double cov = 0;
  for (const auto& r : kRows) cov += r[0] * r[1] / 8;
  EXPECT_NEAR(tableComponents(table(), tilted, nullptr).fractions[0],
              (0.9525 + 0.66 + 2 * cov) / 2 / 1.625, 1e-12);
  // Weights count each row that many times.
  PointTable doubled = table();
  doubled.rows.push_back(kRows[3]);
  std::vector<double> weights(8, 1.0);
  weights[3] = 2;
  const TableComponents weighted = tableComponents(table(), tilted, &weights);
  const TableComponents repeated = tableComponents(doubled, tilted, nullptr);
  for (size_t k = 0; k < 3; ++k) EXPECT_NEAR(weighted.mean[k], repeated.mean[k], 1e-15);
  EXPECT_NEAR(weighted.fractions[0], repeated.fractions[0], 1e-12);
  EXPECT_NEAR(weighted.fractions[1], repeated.fractions[1], 1e-12);
}

TEST(SummaryCheckTest, AcceptsTheTablesSummaryUpToTheFilesRounding) {
  // Rounded as the summary file writes them.
  EXPECT_TRUE(checkSummaryOfTable(axes({0.0004, -0.0004, 0}, {0.586, 0.406, 0.008}), table(),
                                  nullptr, "temp", "norm")
                  .ok());
  PointTable still;  // no variance: only the mean can be checked
  still.dimension = 3;
  still.rows = {{1, 2, 3}, {1, 2, 3}};
  EXPECT_TRUE(
      checkSummaryOfTable(axes({1, 2, 3}, {0.5, 0.3, 0.2}), still, nullptr, "temp", "n").ok());
}

TEST(SummaryCheckTest, RefusesTheSummaryOfAnotherTable) {
  const std::string hint =
      "; the summary is not that of this table (left behind by another run?). Run manifit again "
      "in a folder of its own, or name the run's summary with -summary (and its weights with -w "
      "if the run was weighted)\n";
  Status status =
      checkSummaryOfTable(axes({0, 0.001, 0}, {0.586, 0.406, 0.008}), table(), nullptr, "t", "n");
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.message, "t: the mean of coordinate 2 is 0.001, but in n it is 0.000" + hint);
  status = checkSummaryOfTable(axes({0, 0, 0}, {0.406, 0.586, 0.008}), table(), nullptr, "t", "n");
  EXPECT_EQ(
      status.message,
      "t: component 1 carries 0.4060 of the variance, but 0.5862 of the variance of n" + hint);
  status = checkSummaryOfTable(axes({0, 0, 0}, {0.586, 0.396, 0.018}), table(), nullptr, "t", "n");
  EXPECT_EQ(status.message.substr(0, 30), "t: component 2 carries 0.3960 ");
  // The weighted summary of a weighted run passes only with its weights.
  std::vector<double> weights(8, 1.0);
  weights[3] = 3;
  const TableComponents w = tableComponents(table(), axes({0, 0, 0}, {0, 0, 0}), &weights);
  const ComponentSummary weighted = axes(w.mean, {w.fractions[0], w.fractions[1], 0});
  EXPECT_TRUE(checkSummaryOfTable(weighted, table(), &weights, "t", "n").ok());
  status = checkSummaryOfTable(weighted, table(), nullptr, "t", "n");
  EXPECT_EQ(status.message.substr(0, 39), "t: the mean of coordinate 1 is 0.200, b");
}

TEST(SummaryCheckTest, ReadsOneWeightPerRow) {
  const std::string folder = freshFolder("summary_weights");
  writeWholeFile(folder + "/w", "1 2\n3\n\n4 5\n");
  std::vector<double> weights;
  ASSERT_TRUE(readRowWeights(folder + "/w", 4, weights).ok());
  EXPECT_EQ(weights, (std::vector<double>{1, 2, 3, 4}));
  EXPECT_EQ(readRowWeights(folder + "/w", 6, weights).message,
            folder + "/w: 5 weights for 6 points\n");
  writeWholeFile(folder + "/bad", "1\n-2\n");
  EXPECT_EQ(readRowWeights(folder + "/bad", 2, weights).message,
            folder + "/bad, line 2: \"-2\" is not a weight\n");
  EXPECT_EQ(readRowWeights(folder + "/absent", 2, weights).message,
            "Can not read " + folder + "/absent\n");
}

TEST(SummaryCheckDeathTest, TheViewerRefusesASummaryLeftBehindByAnotherRun) {
  const std::string folder = writeRectangleRun("stale_summary");
  // The summary of another table of the same dimension: its mean is not 0.
  writeWholeFile(folder + "/stale",
                 summaryText({0.25, 0, 0}, {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {0.5, 0.3, 0.2}));
  std::vector<std::string> arguments = rectangleRunArguments(folder);
  arguments.insert(arguments.end(), {"-summary", folder + "/stale"});
  EXPECT_EXIT(std::exit(runViewWith(arguments)), ::testing::ExitedWithCode(1),
              "^.*/stale: the mean of coordinate 1 is 0.250, but in .*/norm it is 0.000; the "
              "summary is not that of this table");
  // The weights of a weighted run: the check counts them.
  writeWholeFile(folder + "/weights", "1 1 1 1 1 1 1 1\n");
  arguments = rectangleRunArguments(folder);
  arguments.insert(arguments.end(), {"-w", folder + "/weights"});
  {
    CapturedOutput capture;
    EXPECT_EQ(runViewWith(arguments), 0);
  }
  writeWholeFile(folder + "/weights", "1 1 1 5 1 1 1 1\n");
  EXPECT_EXIT(std::exit(runViewWith(arguments)), ::testing::ExitedWithCode(1),
              "^.*/temp: the mean of coordinate 1 is 0.000, but in .*/norm it is 0.333");
}

}  // namespace
}  // namespace manifit
