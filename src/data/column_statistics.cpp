#include "data/column_statistics.h"

#include <cmath>

#include "data/data_table.h"

namespace manifit {

namespace {

// The one-pass variance E[x^2] - E[x]^2 is kept while it is at least this
// share of the mean square: the float squares then leave it a relative error
// below 2^-14. Below it the column's variance has cancelled and is
// recomputed from the deviations.
constexpr double kCancelledShare = 1.0 / 1024.0;

// The weight of point i, 1 when the table is unweighted.
float weightOf(const DataTable& table, int i) {
  return table.weighted ? table.weights[static_cast<size_t>(i)] : 1.0f;
}

// mean = sum w x / W with every product in double.
double meanInDouble(const DataTable& table, size_t column, double total) {
  double sum = 0.0;
  for (int i = 0; i < table.pointCount; ++i) {
    sum += static_cast<double>(weightOf(table, i)) * table.row(i)[column];
  }
  return sum / total;
}

// variance = sum w (x - mean)^2 / W, in double.
double varianceInDouble(const DataTable& table, size_t column, double mean, double total) {
  double sum = 0.0;
  for (int i = 0; i < table.pointCount; ++i) {
    const double d = table.row(i)[column] - mean;
    sum += static_cast<double>(weightOf(table, i)) * d * d;
  }
  return sum / total;
}

}  // namespace

void ColumnStatistics::computeStatistics(const DataTable& table) {
  const size_t n = static_cast<size_t>(table.dimension);
  mean.assign(n, 0.0);
  deviation.assign(n, 0.0);
  minimum.assign(n, 1.0e10);
  maximum.assign(n, -1.0e10);
  std::vector<double> squareSum(n, 0.0);

  float W = 0.0f;  // the weight total is kept in single precision
  double wideW = 0.0;
  for (int i = 0; i < table.pointCount; ++i) {
    const float* x = table.row(i);
    const float w = weightOf(table, i);
    W += w;
    wideW += w;
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
  const double total = largeTable(table.pointCount) ? wideW : static_cast<double>(W);

  // variance = E[x^2] - E[x]^2. Without any weight (no points, or weights
  // that add up to 0) there is nothing to average: mean and variance are 0.
  // A variance that rounding leaves slightly below 0 counts as 0.
  totalVariance = 0.0;
  for (size_t j = 0; j < n; ++j) {
    if (total == 0.0) {
      mean[j] = 0.0;
      continue;
    }
    mean[j] = mean[j] / total;
    const double meanSquare = squareSum[j] / total;
    double variance = meanSquare - mean[j] * mean[j];
    // Float products that overflowed, or a difference that cancelled:
    // recompute this column from its deviations.
    if (!std::isfinite(mean[j])) mean[j] = meanInDouble(table, j, total);
    if (!std::isfinite(meanSquare) || !(variance >= meanSquare * kCancelledShare)) {
      variance = varianceInDouble(table, j, mean[j], total);
    }
    if (variance < 0.0) variance = 0.0;
    totalVariance += variance;
    deviation[j] = std::sqrt(variance);
  }
}

}  // namespace manifit
