#include "components/residual_data.h"

#include <algorithm>
#include <utility>

#include "common/parallel.h"
#include "components/residual_sums.h"
#include "data/data_table.h"

namespace manifit {

namespace {

float weightOf(const float* weights, size_t j) {
  return weights != nullptr ? weights[j] : 1.0f;
}

}  // namespace

StoredResiduals::StoredResiduals(const DataTable& table, const std::vector<double>& mean) {
  const size_t n = mean.size();
  const size_t m = static_cast<size_t>(std::max(table.pointCount, 0));
  R.assign(n, std::vector<float>(m));
  for (size_t j = 0; j < m; ++j) {
    const float* x = table.row(static_cast<int>(j));
    for (size_t i = 0; i < n; ++i) R[i][j] = static_cast<float>(x[i] - mean[i]);
  }
}

// Each t_j sums its coordinates in order; the points are independent and go
// to the worker threads in ranges.
void StoredResiduals::linePositions(const std::vector<double>& v, const std::vector<double>& b,
                                    double vv, std::vector<double>& t) const {
  const size_t n = coordinates();
  const size_t m = points();
  t.assign(m, 0.0);
  parallelFor(static_cast<long>(m), 3.0 * static_cast<double>(n), [&](long begin, long end) {
    for (size_t i = 0; i < n; ++i) {
      const float* x = R[i].data();
      for (size_t j = static_cast<size_t>(begin); j < static_cast<size_t>(end); ++j)
        t[j] += (x[j] - b[i]) * v[i];
    }
    for (size_t j = static_cast<size_t>(begin); j < static_cast<size_t>(end); ++j) t[j] /= vv;
  });
}

void StoredResiduals::regressionSums(const float* weights, const std::vector<double>& t,
                                     std::vector<double>& sx, std::vector<double>& sxt) const {
  manifit::regressionSums(R, weights, t, sx, sxt);
}

void StoredResiduals::deflate(const float* weights, const std::vector<double>& v, double& W,
                              double& S1, double& S2) {
  deflateResiduals(R, weights, v, W, S1, S2);
}

TableResiduals::TableResiduals(const DataTable& analysed, const std::vector<double>& centre)
    : table(&analysed),
      pointCount(static_cast<size_t>(std::max(analysed.pointCount, 0))),
      mean(centre) {}

void TableResiduals::residualRow(size_t j, size_t from, size_t to, float* out) const {
  const float* x = table->row(static_cast<int>(j));
  for (size_t i = from; i < to; ++i) out[i - from] = static_cast<float>(x[i] - mean[i]);
  for (size_t c = 0; c < directions.size(); ++c) {
    const double p = positions[c][j];
    const double* v = directions[c].data();
    for (size_t i = from; i < to; ++i) out[i - from] = static_cast<float>(out[i - from] - p * v[i]);
  }
}

void TableResiduals::linePositions(const std::vector<double>& v, const std::vector<double>& b,
                                   double vv, std::vector<double>& t) const {
  const size_t n = coordinates();
  const size_t m = points();
  t.assign(m, 0.0);
  parallelFor(static_cast<long>(m), 4.0 * static_cast<double>(n), [&](long begin, long end) {
    std::vector<float> r(n);
    for (size_t j = static_cast<size_t>(begin); j < static_cast<size_t>(end); ++j) {
      residualRow(j, 0, n, r.data());
      double sum = 0.0;
      for (size_t i = 0; i < n; ++i) sum += (r[i] - b[i]) * v[i];
      t[j] = sum / vv;
    }
  });
}

// The worker threads take ranges of coordinates; each sum runs over the
// points in order.
void TableResiduals::regressionSums(const float* weights, const std::vector<double>& t,
                                    std::vector<double>& sx, std::vector<double>& sxt) const {
  const size_t n = coordinates();
  const size_t m = points();
  sx.assign(n, 0.0);
  sxt.assign(n, 0.0);
  parallelFor(static_cast<long>(n), 5.0 * static_cast<double>(m), [&](long first, long last) {
    const size_t from = static_cast<size_t>(first);
    const size_t to = static_cast<size_t>(last);
    const size_t width = to - from;
    std::vector<float> r(width);
    std::vector<double> Sx(width, 0.0);
    std::vector<double> Sxt(width, 0.0);
    for (size_t j = 0; j < m; ++j) {
      residualRow(j, from, to, r.data());
      const float w = weightOf(weights, j);
      const double tj = t[j];
      for (size_t c = 0; c < width; ++c) {
        const float wx = w * r[c];
        Sx[c] += wx;
        Sxt[c] += wx * tj;
      }
    }
    std::copy(Sx.begin(), Sx.end(), sx.begin() + static_cast<long>(from));
    std::copy(Sxt.begin(), Sxt.end(), sxt.begin() + static_cast<long>(from));
  });
}

void TableResiduals::deflate(const float* weights, const std::vector<double>& v, double& W,
                             double& S1, double& S2) {
  const size_t n = coordinates();
  const size_t m = points();
  std::vector<double> p(m, 0.0);
  parallelFor(static_cast<long>(m), 3.0 * static_cast<double>(n), [&](long begin, long end) {
    std::vector<float> r(n);
    for (size_t j = static_cast<size_t>(begin); j < static_cast<size_t>(end); ++j) {
      residualRow(j, 0, n, r.data());
      double sum = 0.0;
      for (size_t i = 0; i < n; ++i) sum += r[i] * v[i];
      p[j] = sum;
    }
  });
  W = 0.0;
  S1 = 0.0;
  S2 = 0.0;
  for (size_t j = 0; j < m; ++j) {
    const float w = weightOf(weights, j);
    W += w;
    S1 += w * p[j];
    S2 += w * p[j] * p[j];
  }
  directions.push_back(v);
  positions.push_back(std::move(p));
}

}  // namespace manifit
