#include <algorithm>
#include <cmath>
#include <ctime>
#include <utility>

#include "common/parallel.h"
#include "data/data_table.h"
#include "grid/grid.h"
#include "training/elastic_map.h"
#include "training/sparse_system.h"

namespace manifit {

long ElasticMap::assignPoints() {
  const clock_t start = clock();
  grid->refreshNodeCache();
  if (fullSearch)
    grid->assignToNodes(assignment, *data);
  else
    grid->assignToNodes(assignment, *data, pointSearch);
  if (assignmentLog != nullptr) assignmentLog->push_back(assignment);
  return static_cast<long>(clock() - start);
}

namespace {

// How many rows ahead the right-hand-side pass asks for the table's rows.
constexpr size_t kRowsAhead = 8;

// The most sums (nodes x coordinates) the right-hand-side pass keeps a
// second, per-thread copy of.
constexpr size_t kLargestOwnSums = size_t{1} << 22;

// a_i = the weight (or the count) of node i's points over the total.
double dataTerm(const ElasticMap& map, int i) {
  const DataTable& data = *map.data;
  const std::vector<int>* points = i < static_cast<int>(map.assignment.lists.size())
                                       ? &map.assignment.lists[static_cast<size_t>(i)]
                                       : nullptr;
  if (data.weighted) {
    double weight = 0.0;
    if (points != nullptr) {
      for (int p : *points) weight += data.weights[static_cast<size_t>(p)];
    }
    return weight / data.totalWeight;
  }
  const double count = points != nullptr ? static_cast<double>(points->size()) : 0.0;
  return count / data.pointCount;
}

// EP sum_e c_e (d_e0 - d_e1)(d_e0 - d_e1)^T
void addStretching(const Grid& grid, float stretchCoef, SparseSystem& system) {
  const float minusStretch = -stretchCoef;
  for (int e = 0; e < grid.edgeCount; ++e) {
    const int i = grid.edges[static_cast<size_t>(e)][0];
    const int j = grid.edges[static_cast<size_t>(e)][1];
    const double c = grid.edgeCoefs[static_cast<size_t>(e)];
    const double w = static_cast<double>(stretchCoef) * c;
    const double minusW = static_cast<double>(minusStretch) * c;
    system.add(i, i, w);
    system.add(j, j, w);
    system.add(i, j, minusW);
    system.add(j, i, minusW);
  }
}

// RP sum_r c_r (d_r1 - 2 d_r0 + d_r2)(d_r1 - 2 d_r0 + d_r2)^T
void addBending(const Grid& grid, float bendCoef, SparseSystem& system) {
  const float fourBend = 4.0f * bendCoef;
  const float minusTwoBend = -2.0f * bendCoef;
  for (int r = 0; r < grid.ribCount; ++r) {
    const int m = grid.ribs[static_cast<size_t>(r)][0];
    const int p = grid.ribs[static_cast<size_t>(r)][1];
    const int q = grid.ribs[static_cast<size_t>(r)][2];
    const double c = grid.ribCoefs[static_cast<size_t>(r)];
    const double w = static_cast<double>(bendCoef) * c;
    const double w4 = static_cast<double>(fourBend) * c;
    const double w2 = static_cast<double>(minusTwoBend) * c;
    system.add(p, p, w);
    system.add(m, m, w4);
    system.add(q, q, w);
    system.add(p, m, w2);
    system.add(m, p, w2);
    system.add(m, q, w2);
    system.add(q, m, w2);
    system.add(p, q, w);
    system.add(q, p, w);
  }
}

}  // namespace

// A = diag(a) + EP sum_e c_e (d_e0 - d_e1)(d_e0 - d_e1)^T
//             + RP sum_r c_r (d_r1 - 2 d_r0 + d_r2)(d_r1 - 2 d_r0 + d_r2)^T
long ElasticMap::assembleSystem() {
  const clock_t start = clock();
  const int n = grid->nodeCount;
  const int d = grid->manifoldDimension;
  const double scale = std::pow(static_cast<double>(n), static_cast<double>(2 - d) / d);
  const float stretchCoef = static_cast<float>(currentEp * scale / 100.0);
  const float bendCoef = static_cast<float>(currentRp * scale / std::pow(10.0, d));
  system->size = n;
  system->reset();
  for (int i = 0; i < n; ++i) {
    const double a = dataTerm(*this, i);
    system->add(i, i, currentEp < 0 ? -a : a);
  }
  addStretching(*grid, stretchCoef, *system);
  addBending(*grid, bendCoef, *system);
  markIsolatedNodes();
  system->buildMatrix();
  system->buildPreconditioner();
  return static_cast<long>(clock() - start);
}

// A row that is zero throughout belongs to a node with no points and no
// elastic connection; its equation says nothing about the node. It gets a
// unit diagonal so the matrix stays definite, and the solves leave the node
// where it is. Rows that hold any non-zero value are not touched.
void ElasticMap::markIsolatedNodes() {
  const int n = system->size;
  isolatedNodes.assign(static_cast<size_t>(n), 1);
  system->entries.forEach([&](int row, int, double value) {
    if (value != 0.0 && row >= 0 && row < n) isolatedNodes[static_cast<size_t>(row)] = 0;
  });
  for (int i = 0; i < n; ++i) {
    if (isolatedNodes[static_cast<size_t>(i)]) system->add(i, i, 1.0);
  }
}

namespace {

// The table's rows in order, each added by add(sum, plain, p, from, to) to
// its owner's sums of coordinates [from, to): node i's at sums + i * stride
// (and plain + i * stride beside, when plain is not null).
template <typename Add>
void sumRows(const std::vector<int>& owner, size_t from, size_t to, double* sums, double* plain,
             size_t stride, const Add& add, const DataTable& data) {
  for (size_t p = 0; p < owner.size(); ++p) {
    // A row read a few points ahead is asked for now.
    if (p + kRowsAhead < owner.size()) {
      const float* ahead = data.row(static_cast<int>(p + kRowsAhead));
      for (size_t k = from; k < to; k += 16) __builtin_prefetch(ahead + k);
    }
    if (owner[p] < 0) continue;
    const size_t at = static_cast<size_t>(owner[p]) * stride;
    add(sums + at, plain != nullptr ? plain + at : nullptr, static_cast<int>(p), from, to);
  }
}

}  // namespace

void ElasticMap::computeAllRhs(std::vector<double>& out, std::vector<double>* pointSums) {
  const int n = grid->nodeCount;
  const size_t dim = static_cast<size_t>(std::max(grid->dimension, 0));
  out.assign(static_cast<size_t>(std::max(n, 0)) * dim, 0.0);
  // Unweighted, the right-hand sides before the division are the plain sums;
  // weighted, the plain sums are kept beside them in the same pass.
  const bool plainBeside = pointSums != nullptr && data->weighted;
  if (plainBeside) pointSums->assign(out.size(), 0.0);
  const int lists = std::min(n, static_cast<int>(assignment.lists.size()));
  // Adds w x_p[k] to sum[k - from] (and x_p[k] to plain[k - from] beside),
  // for the coordinates k in [from, to).
  auto addPoint = [&](double* sum, double* plain, int p, size_t from, size_t to) {
    const float* x = data->row(p);
    if (data->weighted) {
      const float w = data->weights[static_cast<size_t>(p)];
      for (size_t k = from; k < to; ++k) sum[k - from] += x[k] * w;
      if (plainBeside) {
        for (size_t k = from; k < to; ++k) plain[k - from] += x[k];
      }
    } else {
      for (size_t k = from; k < to; ++k) sum[k - from] += x[k];
    }
  };
  std::vector<int> owner;
  if (pointOwners(assignment, lists, data->pointCount, owner)) {
    // The table read in row order: each node still receives its points in
    // list order, and the rows stream through the cache. The worker threads
    // take ranges of coordinates; each sums into a block of its own (two
    // threads writing the same cache line would stall each other on every
    // point), unless the sums are too large to hold twice.
    const bool ownBlocks = out.size() <= kLargestOwnSums;
    parallelFor(static_cast<long>(dim), static_cast<double>(owner.size()),
                [&](long first, long last) {
                  const size_t from = static_cast<size_t>(first);
                  const size_t to = static_cast<size_t>(last);
                  if (out.empty()) return;  // no nodes
                  if (!ownBlocks || to - from == dim) {
                    // Node i's sums of coordinates [from, to) at out[i * dim + from].
                    sumRows(owner, from, to, out.data() + from,
                            plainBeside ? pointSums->data() + from : nullptr, dim, addPoint, *data);
                    return;
                  }
                  const size_t width = to - from;
                  std::vector<double> ownSums(static_cast<size_t>(n) * width, 0.0);
                  std::vector<double> ownPlain(plainBeside ? ownSums.size() : 0, 0.0);
                  sumRows(owner, from, to, ownSums.data(), plainBeside ? ownPlain.data() : nullptr,
                          width, addPoint, *data);
                  for (size_t i = 0; i < static_cast<size_t>(n); ++i) {
                    std::copy_n(&ownSums[i * width], width, &out[i * dim + from]);
                    if (plainBeside)
                      std::copy_n(&ownPlain[i * width], width, &(*pointSums)[i * dim + from]);
                  }
                });
  } else {
    for (int i = 0; i < lists; ++i) {
      double* sum = &out[static_cast<size_t>(i) * dim];
      double* plain = plainBeside ? &(*pointSums)[static_cast<size_t>(i) * dim] : nullptr;
      for (int p : assignment.lists[static_cast<size_t>(i)]) addPoint(sum, plain, p, 0, dim);
    }
  }
  if (pointSums != nullptr && !data->weighted) *pointSums = out;
  for (double& value : out)
    value = data->weighted ? value / data->totalWeight : value / data->pointCount;
}

double ElasticMap::trainingRms() const {
  return grid->centroidRms(*data, assignment);
}

double ElasticMap::trainingRms(std::vector<double> pointSums) const {
  return grid->centroidRms(*data, assignment, std::move(pointSums));
}

double ElasticMap::testRms() const {
  if (testData == nullptr) return 0.0;
  NodeAssignment local;
  grid->assignToNodes(local, *testData);
  return grid->centroidRms(*testData, local);
}

}  // namespace manifit
