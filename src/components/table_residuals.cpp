#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "common/parallel.h"
#include "components/line_sums_kernel.h"
#include "components/residual_data.h"
#include "components/residual_sums.h"
#include "data/data_table.h"

namespace manifit {

namespace {

float weightOf(const float* weights, size_t j) {
  return weights != nullptr ? weights[j] : 1.0f;
}

}  // namespace

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

// out[k] = R[i][first + k] from out[k] = x_{first + k}[i].
void TableResiduals::residualColumn(size_t first, size_t count, size_t i, float* out) const {
  const double centre = mean[i];
  for (size_t k = 0; k < count; ++k) out[k] = static_cast<float>(out[k] - centre);
  for (size_t c = 0; c < directions.size(); ++c) {
    const double vi = directions[c][i];
    const double* p = positions[c].data() + first;
    for (size_t k = 0; k < count; ++k) out[k] = static_cast<float>(out[k] - p[k] * vi);
  }
}

// The block's table values are copied coordinate-major a slice of
// coordinates at a time (reading each row in order); the sums are kept apart
// for each point and run over the coordinates in order, exactly as one
// point's sum alone would.
void TableResiduals::blockProducts(size_t first, size_t count, const double* v, const double* b,
                                   double* out) const {
  const size_t n = coordinates();
  float columns[kSlice * kBlock];
  double sums[kBlock];
  std::fill(sums, sums + count, 0.0);
  for (size_t i0 = 0; i0 < n; i0 += kSlice) {
    const size_t width = std::min(kSlice, n - i0);
    copyColumns(first, count, i0, i0 + width, columns);
    for (size_t q = 0; q < width; ++q) {
      float* r = columns + q * kBlock;
      residualColumn(first, count, i0 + q, r);
      const double vi = v[i0 + q];
      if (b != nullptr) {
        const double bi = b[i0 + q];
        for (size_t k = 0; k < count; ++k) sums[k] += (r[k] - bi) * vi;
      } else {
        for (size_t k = 0; k < count; ++k) sums[k] += r[k] * vi;
      }
    }
  }
  std::copy(sums, sums + count, out);
}

void TableResiduals::copyColumns(size_t first, size_t count, size_t from, size_t to,
                                 float* columns) const {
  for (size_t k = 0; k < count; ++k) {
    const float* x = table->row(static_cast<int>(first + k));
    for (size_t i = from; i < to; ++i) columns[(i - from) * kBlock + k] = x[i];
  }
}

namespace {

bool processorHasAvx2() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  return __builtin_cpu_supports("avx2");
#else
  return false;
#endif
}

// MANIFIT_KERNEL=plain, which forces the plain nearest-node search, forces
// the plain line sums as well (the search reports a request it cannot meet).
bool plainRequested() {
  const char* request = std::getenv("MANIFIT_KERNEL");
  return request != nullptr && std::strcmp(request, "plain") == 0;
}

bool useAvx2() {
  static const bool chosen = lineSumsAvx2Built() && processorHasAvx2() && !plainRequested();
  return chosen;
}

void lineSumsKernel(const LineSumsInput& in, const LineSumsPart& part, double* t, double* sx,
                    double* sxt) {
  if (useAvx2())
    lineSumsAvx2(in, part, t, sx, sxt);
  else
    lineSumsPlain(in, part, t, sx, sxt);
}

}  // namespace

// One pass over the table at one thread; with more, the positions with the
// points split between the threads, then the sums with the coordinates split.
void TableResiduals::narrowLineSums(const float* weights, const std::vector<double>& v,
                                    const std::vector<double>& b, double vv, std::vector<double>& t,
                                    std::vector<double>& sx, std::vector<double>& sxt) const {
  std::vector<const double*> found;
  std::vector<const double*> along;
  for (size_t c = 0; c < directions.size(); ++c) {
    found.push_back(directions[c].data());
    along.push_back(positions[c].data());
  }
  LineSumsInput in;
  in.rows = table->rows.data();
  in.points = points();
  in.coordinates = coordinates();
  in.mean = mean.data();
  in.directions = found.data();
  in.positions = along.data();
  in.found = found.size();
  in.v = v.data();
  in.b = b.data();
  in.vv = vv;
  in.weights = weights;
  t.assign(in.points, 0.0);
  sx.assign(in.coordinates, 0.0);
  sxt.assign(in.coordinates, 0.0);
  LineSumsPart all;
  all.end = in.points;
  all.to = in.coordinates;
  // Split between threads the step takes two passes over the table instead
  // of one, so two threads do no better than one.
  if (workerThreads() <= 2) {
    lineSumsKernel(in, all, t.data(), sx.data(), sxt.data());
    return;
  }
  const double formCost = 4.0 * static_cast<double>(in.found + 1);
  parallelFor(static_cast<long>(in.points), formCost * static_cast<double>(in.coordinates),
              [&](long begin, long end) {
                LineSumsPart part = all;
                part.begin = static_cast<size_t>(begin);
                part.end = static_cast<size_t>(end);
                part.sums = false;
                lineSumsKernel(in, part, t.data(), sx.data(), sxt.data());
              });
  parallelFor(static_cast<long>(in.coordinates), formCost * static_cast<double>(in.points),
              [&](long from, long to) {
                LineSumsPart part = all;
                part.from = static_cast<size_t>(from);
                part.to = static_cast<size_t>(to);
                part.positions = false;
                lineSumsKernel(in, part, t.data(), sx.data(), sxt.data());
              });
}

void TableResiduals::lineSums(const float* weights, const std::vector<double>& v,
                              const std::vector<double>& b, double vv, std::vector<double>& t,
                              std::vector<double>& sx, std::vector<double>& sxt) const {
  if (coordinates() <= kLineSumsWidth) {
    narrowLineSums(weights, v, b, vv, t, sx, sxt);
    return;
  }
  linePositions(v, b, vv, t);
  regressionSums(weights, t, sx, sxt);
}

void TableResiduals::products(const std::vector<double>& v, const double* b,
                              std::vector<double>& out) const {
  const size_t m = points();
  out.assign(m, 0.0);
  parallelFor(
      static_cast<long>(m), 4.0 * static_cast<double>(coordinates()), [&](long begin, long end) {
        for (size_t j = static_cast<size_t>(begin); j < static_cast<size_t>(end); j += kBlock) {
          const size_t count = std::min(kBlock, static_cast<size_t>(end) - j);
          blockProducts(j, count, v.data(), b, out.data() + j);
        }
      });
}

void TableResiduals::linePositions(const std::vector<double>& v, const std::vector<double>& b,
                                   double vv, std::vector<double>& t) const {
  products(v, b.data(), t);
  for (double& x : t) x /= vv;
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
  std::vector<double> p;
  products(v, nullptr, p);
  weightedMoments(weights, p, W, S1, S2);
  directions.push_back(v);
  positions.push_back(std::move(p));
}

}  // namespace manifit
