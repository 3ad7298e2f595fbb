#include "components/principal_components.h"

#include <memory>

#include "common/output.h"
#include "components/line_fit.h"
#include "components/residual_data.h"
#include "components/unit_vectors.h"
#include "data/column_statistics.h"
#include "data/data_table.h"

namespace manifit {

namespace {

// mean_i = sum_j w_j x_ij / sum_j w_j (w_j = 1 without weights); 0 for a
// table without any weight.
void computeMean(const DataTable& table, std::vector<double>& mean) {
  const size_t n = static_cast<size_t>(table.dimension);
  mean.assign(n, 0.0);
  double W = 0.0;
  for (int j = 0; j < table.pointCount; ++j) {
    const float* x = table.row(j);
    if (table.weighted) {
      const float w = table.weights[static_cast<size_t>(j)];
      W += w;
      for (size_t i = 0; i < n; ++i) mean[i] += x[i] * w;
    } else {
      W += 1.0;
      for (size_t i = 0; i < n; ++i) mean[i] += x[i];
    }
  }
  if (W == 0.0) return;
  for (size_t i = 0; i < n; ++i) mean[i] /= W;
}

// Removes the direction v from the residuals and returns the weighted
// variance of the points' positions p_j = sum_i R[i][j] v_i along it.
double deflate(ResidualData& R, const float* weights, const std::vector<double>& v) {
  double W = 0.0;
  double S1 = 0.0;
  double S2 = 0.0;
  R.deflate(weights, v, W, S1, S2);
  if (W == 0.0) return 0.0;
  const double variance = S2 / W - (S1 / W) * (S1 / W);
  // Rounding can leave a vanishing variance slightly below 0.
  return variance < 0.0 ? 0.0 : variance;
}

}  // namespace

void PrincipalComponents::computeComponents(int k) {
  const DataTable& data = *table;
  const size_t n = static_cast<size_t>(data.dimension);
  componentCount = k;
  components.assign(static_cast<size_t>(k), std::vector<double>(n, 0.0));
  variances.assign(static_cast<size_t>(k), 0.0);

  computeMean(data, mean);
  std::unique_ptr<ResidualData> residuals;
  if (storedResiduals)
    residuals = std::make_unique<StoredResiduals>(data, mean);
  else
    residuals = std::make_unique<TableResiduals>(data, mean);
  ResidualData& R = *residuals;
  const float* weights = data.weighted ? data.weights.data() : nullptr;

  // The line fit uses mean as its offset vector b and overwrites it.
  std::vector<double> v(n);
  for (int c = 0; c < k; ++c) {
    randomUnitVector(v);
    if (!quiet) print("Comp %i \n", c);
    fitLine(R, weights, v, mean, quiet);
    const double norm = vectorNorm(v);
    for (double& x : v) x /= norm;
    components[static_cast<size_t>(c)] = v;
    variances[static_cast<size_t>(c)] = deflate(R, weights, v);
  }
  computeMean(data, mean);
}

// Each variance as a fraction of the table's total variance; with no total
// variance at all the fractions are 0.
void PrincipalComponents::toVarianceFractions() {
  ColumnStatistics statistics;
  statistics.computeStatistics(*table);
  for (double& variance : variances) {
    variance = statistics.totalVariance > 0.0 ? variance / statistics.totalVariance : 0.0;
  }
}

}  // namespace manifit
