#include "view/node_measures.h"

#include <cmath>

namespace manifit {

namespace {

double squaredDistance(const std::vector<double>& a, const std::vector<double>& b) {
  double sum = 0;
  for (size_t k = 0; k < a.size(); ++k) {
    const double d = a[k] - b[k];
    sum += d * d;
  }
  return sum;
}

}  // namespace

bool hasThirdComponent(const ComponentSummary& summary) {
  if (summary.components.size() < 3) return false;
  for (double value : summary.components[2]) {
    if (!std::isfinite(value)) return false;
  }
  return true;
}

std::array<double, 3> componentScores(const ComponentSummary& summary,
                                      const std::vector<double>& point) {
  std::array<double, 3> scores = {0, 0, 0};
  const size_t used = hasThirdComponent(summary) ? 3 : 2;
  for (size_t c = 0; c < used; ++c) {
    double sum = 0;
    for (size_t k = 0; k < point.size(); ++k) {
      sum += (point[k] - summary.mean[k]) * summary.components[c][k];
    }
    scores[c] = sum;
  }
  return scores;
}

std::vector<std::optional<double>> uMatrix(const ManifoldFile& manifold) {
  const size_t n = manifold.nodes.size();
  std::vector<double> sums(n, 0.0);
  std::vector<int> counts(n, 0);
  for (const std::array<int, 2>& edge : manifold.edges) {
    const size_t a = static_cast<size_t>(edge[0]);
    const size_t b = static_cast<size_t>(edge[1]);
    if (a == b) continue;  // a loop says nothing about the neighbourhood
    const double d = std::sqrt(squaredDistance(manifold.nodes[a], manifold.nodes[b]));
    sums[a] += d;
    sums[b] += d;
    ++counts[a];
    ++counts[b];
  }
  std::vector<std::optional<double>> values(n);
  for (size_t j = 0; j < n; ++j) {
    if (counts[j] > 0) values[j] = sums[j] / counts[j];
  }
  return values;
}

std::vector<std::optional<double>> nodeQuality(const PointTable& table,
                                               const ManifoldFile& manifold,
                                               const std::vector<int>& nearest) {
  const size_t n = manifold.nodes.size();
  std::vector<double> sums(n, 0.0);
  std::vector<int> counts(n, 0);
  for (size_t p = 0; p < nearest.size(); ++p) {
    const size_t j = static_cast<size_t>(nearest[p]);
    sums[j] += squaredDistance(table.rows[p], manifold.nodes[j]);
    ++counts[j];
  }
  std::vector<std::optional<double>> values(n);
  for (size_t j = 0; j < n; ++j) {
    if (counts[j] > 0) values[j] = sums[j] / counts[j];
  }
  return values;
}

}  // namespace manifit
