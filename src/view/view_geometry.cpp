#include "view/view_geometry.h"

#include <limits>

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

std::vector<double> meanOf(const PointTable& table) {
  std::vector<double> mean(static_cast<size_t>(table.dimension), 0.0);
  for (const std::vector<double>& row : table.rows) {
    for (size_t k = 0; k < mean.size(); ++k) mean[k] += row[k];
  }
  for (double& value : mean) value /= static_cast<double>(table.rows.size());
  return mean;
}

double totalScatter(const PointTable& table) {
  const std::vector<double> mean = meanOf(table);
  double sum = 0;
  for (const std::vector<double>& row : table.rows) sum += squaredDistance(row, mean);
  return sum;
}

}  // namespace

PlanePoint projectOnPlane(const ComponentSummary& summary, const std::vector<double>& point) {
  PlanePoint projected;
  for (size_t k = 0; k < point.size(); ++k) {
    const double centred = point[k] - summary.mean[k];
    projected.x += centred * summary.components[0][k];
    projected.y += centred * summary.components[1][k];
  }
  return projected;
}

std::vector<int> nearestNodes(const PointTable& table, const ManifoldFile& manifold) {
  std::vector<int> nearest(table.rows.size(), 0);
  for (size_t p = 0; p < table.rows.size(); ++p) {
    double best = std::numeric_limits<double>::infinity();
    for (size_t j = 0; j < manifold.nodes.size(); ++j) {
      const double d = squaredDistance(table.rows[p], manifold.nodes[j]);
      if (d < best) {
        best = d;
        nearest[p] = static_cast<int>(j);
      }
    }
  }
  return nearest;
}

std::vector<int> nodePointCounts(const std::vector<int>& nearest, int nodeCount) {
  std::vector<int> counts(static_cast<size_t>(nodeCount), 0);
  for (int node : nearest) ++counts[static_cast<size_t>(node)];
  return counts;
}

std::optional<double> unexplainedByNodes(const PointTable& table, const ManifoldFile& manifold,
                                         const std::vector<int>& nearest) {
  const double total = totalScatter(table);
  if (!(total > 0)) return std::nullopt;
  double residual = 0;
  for (size_t p = 0; p < table.rows.size(); ++p) {
    residual += squaredDistance(table.rows[p], manifold.nodes[static_cast<size_t>(nearest[p])]);
  }
  return residual / total;
}

std::optional<double> unexplainedByPlane(const PointTable& table, const ComponentSummary& summary) {
  const double total = totalScatter(table);
  if (!(total > 0)) return std::nullopt;
  const std::vector<double> mean = meanOf(table);
  const std::vector<double>& c1 = summary.components[0];
  const std::vector<double>& c2 = summary.components[1];
  double residual = 0;
  for (const std::vector<double>& row : table.rows) {
    double s1 = 0;
    double s2 = 0;
    for (size_t k = 0; k < mean.size(); ++k) {
      s1 += (row[k] - mean[k]) * c1[k];
      s2 += (row[k] - mean[k]) * c2[k];
    }
    for (size_t k = 0; k < mean.size(); ++k) {
      const double d = row[k] - mean[k] - s1 * c1[k] - s2 * c2[k];
      residual += d * d;
    }
  }
  return residual / total;
}

}  // namespace manifit
