#include "components/residual_data.h"

#include <algorithm>
#include <utility>

#include "common/parallel.h"
#include "components/residual_sums.h"
#include "data/data_table.h"

namespace manifit {

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

}  // namespace manifit
