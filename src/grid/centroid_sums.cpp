#include "grid/centroid_sums.h"

#include <algorithm>
#include <utility>

#include "common/parallel.h"
#include "data/data_table.h"
#include "geometry/distance.h"

namespace manifit {

double centroidSquareSumByLists(const DataTable& table, const NodeAssignment& assignment, int lists,
                                int dimension) {
  const size_t width = static_cast<size_t>(std::max(dimension, 0));
  std::vector<double> centroid(width);
  double sum = 0.0;
  for (int i = 0; i < lists; ++i) {
    const std::vector<int>& list = assignment.lists[static_cast<size_t>(i)];
    if (list.empty()) continue;
    std::fill(centroid.begin(), centroid.end(), 0.0);
    for (int p : list) {
      const float* x = table.row(p);
      for (size_t k = 0; k < width; ++k) centroid[k] += x[k];
    }
    for (size_t k = 0; k < width; ++k) centroid[k] /= static_cast<double>(list.size());
    for (int p : list) sum += squaredDistance(table.row(p), centroid.data(), dimension);
  }
  return sum;
}

double centroidSquareSumStreamed(const DataTable& table, const NodeAssignment& assignment,
                                 const std::vector<int>& owner, int lists, int dimension) {
  const size_t width = static_cast<size_t>(std::max(dimension, 0));
  const size_t points = owner.size();
  // Centroids: each node's sums receive its points in ascending order, which
  // is its list order.
  // The worker threads take ranges of coordinates.
  std::vector<double> centroids(static_cast<size_t>(lists) * width, 0.0);
  parallelFor(static_cast<long>(width), static_cast<double>(points), [&](long from, long to) {
    for (size_t p = 0; p < points; ++p) {
      if (owner[p] < 0) continue;
      const float* x = table.row(static_cast<int>(p));
      double* c = &centroids[static_cast<size_t>(owner[p]) * width];
      for (size_t k = static_cast<size_t>(from); k < static_cast<size_t>(to); ++k) c[k] += x[k];
    }
  });
  return centroidSquareSumFromSums(table, assignment, owner, std::move(centroids), lists,
                                   dimension);
}

namespace {

// Points whose distances are formed together: the lists of one piece stay
// small whatever the table's size.
constexpr long kDistancePiece = 4096;

// The squared distances of points [begin, end) to their nodes' centroids
// into distances[p]; points without a node keep 0.
void pieceDistances(const DataTable& table, const std::vector<int>& owner,
                    const std::vector<double>& centroids, size_t width, int dimension, long begin,
                    long end, std::vector<double>& distances) {
  std::vector<const float*> rows;
  std::vector<const double*> centres;
  std::vector<long> at;
  for (long p = begin; p < end; ++p) {
    const int i = owner[static_cast<size_t>(p)];
    if (i < 0) continue;
    rows.push_back(table.row(static_cast<int>(p)));
    centres.push_back(&centroids[static_cast<size_t>(i) * width]);
    at.push_back(p);
  }
  std::vector<double> found(rows.size());
  squaredDistances(rows.data(), centres.data(), static_cast<long>(rows.size()), dimension,
                   found.data());
  for (size_t j = 0; j < at.size(); ++j) distances[static_cast<size_t>(at[j])] = found[j];
}

// Each point's squared distance to its node's centroid, over the worker
// threads, into distances[p]; points without a node keep 0.
void centroidDistances(const DataTable& table, const std::vector<int>& owner,
                       const std::vector<double>& centroids, int dimension,
                       std::vector<double>& distances) {
  const size_t width = static_cast<size_t>(std::max(dimension, 0));
  const size_t points = owner.size();
  distances.assign(points, 0.0);
  parallelFor(static_cast<long>(points), 4.0 * static_cast<double>(width),
              [&](long begin, long end) {
                for (long from = begin; from < end; from += kDistancePiece) {
                  pieceDistances(table, owner, centroids, width, dimension, from,
                                 std::min(end, from + kDistancePiece), distances);
                }
              });
}

}  // namespace

double centroidSquareSumFromSums(const DataTable& table, const NodeAssignment& assignment,
                                 const std::vector<int>& owner, std::vector<double> sums, int lists,
                                 int dimension) {
  const size_t width = static_cast<size_t>(std::max(dimension, 0));
  if (sums.size() < static_cast<size_t>(std::max(lists, 0)) * width)
    return centroidSquareSumByLists(table, assignment, lists, dimension);
  for (int i = 0; i < lists; ++i) {
    const size_t size = assignment.lists[static_cast<size_t>(i)].size();
    if (size == 0) continue;
    double* c = &sums[static_cast<size_t>(i) * width];
    for (size_t k = 0; k < width; ++k) c[k] /= static_cast<double>(size);
  }
  double sum = 0.0;
  if (owner.empty()) {
    for (int i = 0; i < lists; ++i) {
      const double* c = &sums[static_cast<size_t>(i) * width];
      for (int p : assignment.lists[static_cast<size_t>(i)])
        sum += squaredDistance(table.row(p), c, dimension);
    }
    return sum;
  }
  std::vector<double> distances;
  centroidDistances(table, owner, sums, dimension, distances);
  // Summed in node order, each node's points in list order.
  for (int i = 0; i < lists; ++i) {
    for (int p : assignment.lists[static_cast<size_t>(i)]) sum += distances[static_cast<size_t>(p)];
  }
  return sum;
}

}  // namespace manifit
