// Whether a principal-component summary was computed from this table: its
// mean must be the table's mean and its first two variance fractions the
// share of the table's variance along its first two components, up to the
// rounding of the files. A summary left behind by another run fails.
#pragma once

#include <string>
#include <vector>

#include "common/status.h"
#include "view/view_files.h"

namespace manifit {

// The summary file writes the mean with 3 decimals and the fractions with 6;
// these bounds allow for that and for the table's own rounding.
constexpr double kMeanTolerance = 0.0005 + 1e-6;
constexpr double kFractionTolerance = 0.002;

// The mean and the variance fractions of the table along the summary's
// first two components, weighted when weights are given (one per row).
struct TableComponents {
  std::vector<double> mean;
  double fractions[2] = {0, 0};
  bool varies = false;  // the table has some variance
};

TableComponents tableComponents(const PointTable& table, const ComponentSummary& summary,
                                const std::vector<double>* weights);

// A failure naming the summary file and the table when they disagree.
Status checkSummaryOfTable(const ComponentSummary& summary, const PointTable& table,
                           const std::vector<double>* weights, const std::string& summaryPath,
                           const std::string& tablePath);

// One weight per row of the table from a weights file (numbers separated by
// blanks or line ends, the first `count` of them) or a .npy array.
Status readRowWeights(const std::string& path, size_t count, std::vector<double>& weights);

}  // namespace manifit
