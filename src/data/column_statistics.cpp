#include "data/column_statistics.h"

#include <cmath>

#include "data/data_table.h"

namespace manifit {

void ColumnStatistics::computeStatistics(const DataTable& table) {
  const size_t n = static_cast<size_t>(table.dimension);
  mean.assign(n, 0.0);
  deviation.assign(n, 0.0);
  minimum.assign(n, 1.0e10);
  maximum.assign(n, -1.0e10);
  std::vector<double> squareSum(n, 0.0);

  float W = 0.0f;  // the weight total is kept in single precision
  for (int i = 0; i < table.pointCount; ++i) {
    const float* x = table.row(i);
    const float w = table.weighted ? table.weights[static_cast<size_t>(i)] : 1.0f;
    W += w;
    for (size_t j = 0; j < n; ++j) {
      if (table.weighted) {
        mean[j] += x[j] * w;
        squareSum[j] += x[j] * x[j] * w;
      } else {
        mean[j] += x[j];
        squareSum[j] += x[j] * x[j];
      }
      if (x[j] < minimum[j]) minimum[j] = x[j];
      if (x[j] > maximum[j]) maximum[j] = x[j];
    }
  }

  // variance = E[x^2] - E[x]^2. Without any weight (no points, or weights
  // that add up to 0) there is nothing to average: mean and variance are 0.
  // A variance that rounding leaves slightly below 0 counts as 0.
  totalVariance = 0.0;
  for (size_t j = 0; j < n; ++j) {
    if (W == 0.0f) {
      mean[j] = 0.0;
      continue;
    }
    mean[j] = mean[j] / W;
    double variance = squareSum[j] / W - mean[j] * mean[j];
    if (variance < 0.0) variance = 0.0;
    totalVariance += variance;
    deviation[j] = std::sqrt(variance);
  }
}

}  // namespace manifit
