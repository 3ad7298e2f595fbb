// Per-column statistics of a table: mean, standard deviation, range and the
// total variance, weighted when the table carries weights.
#pragma once

#include <vector>

namespace manifit {

struct DataTable;

struct ColumnStatistics {
  std::vector<double> mean;
  std::vector<double> deviation;
  std::vector<double> minimum;
  std::vector<double> maximum;
  double totalVariance = 0.0;

  // Fills every field afresh from the table.
  void computeStatistics(const DataTable& table);
};

}  // namespace manifit
