#include "view/graph_layout.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "view/layout_parts.h"

namespace manifit {

namespace {

std::vector<std::vector<int>> neighbourLists(int nodeCount,
                                             const std::vector<std::array<int, 2>>& edges) {
  std::vector<std::vector<int>> neighbours(static_cast<size_t>(nodeCount));
  for (const std::array<int, 2>& edge : edges) {
    if (edge[0] == edge[1]) continue;
    neighbours[static_cast<size_t>(edge[0])].push_back(edge[1]);
    neighbours[static_cast<size_t>(edge[1])].push_back(edge[0]);
  }
  return neighbours;
}

// A symmetric n × n matrix stored row by row.
struct Square {
  size_t n = 0;
  std::vector<double> values;
  double at(size_t i, size_t j) const { return values[i * n + j]; }
};

// y = M x
std::vector<double> multiply(const Square& m, const std::vector<double>& x) {
  std::vector<double> y(m.n, 0.0);
  for (size_t i = 0; i < m.n; ++i) {
    double sum = 0;
    for (size_t j = 0; j < m.n; ++j) sum += m.at(i, j) * x[j];
    y[i] = sum;
  }
  return y;
}

double dot(const std::vector<double>& a, const std::vector<double>& b) {
  double sum = 0;
  for (size_t i = 0; i < a.size(); ++i) sum += a[i] * b[i];
  return sum;
}

// The leading eigenvector of M orthogonal to `against`, by power iteration
// from a fixed start; its eigenvalue in `value` (0 when M is zero there).
std::vector<double> leadingVector(const Square& m, const std::vector<double>* against,
                                  double& value) {
  std::vector<double> v(m.n);
  for (size_t i = 0; i < m.n; ++i) v[i] = std::sin(1.0 + 1.7 * static_cast<double>(i));
  value = 0;
  // Below this size M·v is rounding noise: M has no further direction.
  double largest = 0;
  for (double x : m.values) largest = std::max(largest, std::fabs(x));
  const double negligible = 1e-10 * largest * std::sqrt(static_cast<double>(m.n));
  for (int step = 0; step < 300; ++step) {
    if (against) {
      const double along = dot(v, *against);
      for (size_t i = 0; i < m.n; ++i) v[i] -= along * (*against)[i];
    }
    const double norm = std::sqrt(dot(v, v));
    if (!(norm > 0)) return std::vector<double>(m.n, 0.0);
    for (double& x : v) x /= norm;
    std::vector<double> next = multiply(m, v);
    value = dot(v, next);
    const double length = std::sqrt(dot(next, next));
    if (!(length > negligible)) {
      value = 0;
      return std::vector<double>(m.n, 0.0);
    }
    // Settled: M·v points where v does.
    double change = 0;
    for (size_t i = 0; i < m.n; ++i)
      change += (next[i] / length - v[i]) * (next[i] / length - v[i]);
    v = std::move(next);
    if (change < 1e-24) break;
  }
  if (against) {
    const double along = dot(v, *against);
    for (size_t i = 0; i < m.n; ++i) v[i] -= along * (*against)[i];
  }
  const double norm = std::sqrt(dot(v, v));
  if (!(norm > 0)) return std::vector<double>(m.n, 0.0);
  for (double& x : v) x /= norm;
  // A fixed sign: the first clearly non-zero entry is positive.
  for (double x : v) {
    if (std::fabs(x) > 1e-9) {
      if (x < 0) {
        for (double& y : v) y = -y;
      }
      break;
    }
  }
  return v;
}

// The two leading eigen-directions of M, scaled by the roots of their
// (non-negative) eigenvalues.
std::vector<PlanePoint> leadingPlane(const Square& m) {
  double first = 0;
  double second = 0;
  const std::vector<double> u = leadingVector(m, nullptr, first);
  const std::vector<double> v = leadingVector(m, &u, second);
  const double su = std::sqrt(std::max(first, 0.0));
  const double sv = std::sqrt(std::max(second, 0.0));
  std::vector<PlanePoint> points(m.n);
  for (size_t i = 0; i < m.n; ++i) points[i] = {u[i] * su, v[i] * sv};
  return points;
}

// Scales the points into [−1, 1]² about the centre of their box, one scale
// on both axes.
void fitIntoSquare(std::vector<PlanePoint>& points) {
  if (points.empty()) return;
  double xMin = points[0].x, xMax = points[0].x, yMin = points[0].y, yMax = points[0].y;
  for (const PlanePoint& p : points) {
    xMin = std::min(xMin, p.x);
    xMax = std::max(xMax, p.x);
    yMin = std::min(yMin, p.y);
    yMax = std::max(yMax, p.y);
  }
  const double half = std::max(xMax - xMin, yMax - yMin) / 2;
  const double xc = (xMin + xMax) / 2;
  const double yc = (yMin + yMax) / 2;
  for (PlanePoint& p : points) {
    p.x = half > 0 ? (p.x - xc) / half : 0;
    p.y = half > 0 ? (p.y - yc) / half : 0;
  }
}

// B = −½ J D² J with J the centring matrix, in place of D².
void doubleCentre(Square& m) {
  const size_t n = m.n;
  std::vector<double> rowMeans(n, 0.0);
  double total = 0;
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = 0; j < n; ++j) rowMeans[i] += m.at(i, j);
    total += rowMeans[i];
    rowMeans[i] /= static_cast<double>(n);
  }
  total /= static_cast<double>(n) * static_cast<double>(n);
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = 0; j < n; ++j) {
      m.values[i * n + j] = -0.5 * (m.at(i, j) - rowMeans[i] - rowMeans[j] + total);
    }
  }
}

}  // namespace

std::optional<ChainOrder> chainOrder(int nodeCount, const std::vector<std::array<int, 2>>& edges) {
  if (nodeCount < 2) return std::nullopt;
  const std::vector<std::vector<int>> neighbours = neighbourLists(nodeCount, edges);
  const size_t n = static_cast<size_t>(nodeCount);
  int ends = 0;
  int start = -1;
  for (size_t j = 0; j < n; ++j) {
    const size_t degree = neighbours[j].size();
    if (degree == 0 || degree > 2) return std::nullopt;
    if (degree == 1) {
      ++ends;
      if (start < 0) start = static_cast<int>(j);
    }
  }
  ChainOrder order;
  if (ends == 0) {
    order.closed = true;
    start = 0;
  } else if (ends != 2) {
    return std::nullopt;
  }
  // A simple path has n − 1 edges, a simple cycle n (a repeated edge gives a
  // node two equal neighbours and is no chain).
  const size_t wanted = order.closed ? n : n - 1;
  size_t distinctEdges = 0;
  for (size_t j = 0; j < n; ++j) distinctEdges += neighbours[j].size();
  if (distinctEdges != 2 * wanted) return std::nullopt;
  if (order.closed && nodeCount < 3) return std::nullopt;
  std::vector<bool> seen(n, false);
  int previous = -1;
  int current = start;
  while (current >= 0 && !seen[static_cast<size_t>(current)]) {
    seen[static_cast<size_t>(current)] = true;
    order.nodes.push_back(current);
    int next = -1;
    for (int candidate : neighbours[static_cast<size_t>(current)]) {
      if (candidate != previous && !seen[static_cast<size_t>(candidate)]) {
        next = candidate;
        break;
      }
    }
    previous = current;
    current = next;
  }
  if (order.nodes.size() != n) return std::nullopt;  // more than one piece
  return order;
}

namespace {

// The connected parts of the graph, each listing its nodes in increasing
// order; the parts ordered by their lowest node.
std::vector<std::vector<int>> connectedParts(const std::vector<std::vector<int>>& neighbours) {
  const size_t n = neighbours.size();
  std::vector<bool> seen(n, false);
  std::vector<std::vector<int>> parts;
  for (size_t s = 0; s < n; ++s) {
    if (seen[s]) continue;
    std::vector<int> part;
    std::deque<int> queue = {static_cast<int>(s)};
    seen[s] = true;
    while (!queue.empty()) {
      const int at = queue.front();
      queue.pop_front();
      part.push_back(at);
      for (int next : neighbours[static_cast<size_t>(at)]) {
        if (!seen[static_cast<size_t>(next)]) {
          seen[static_cast<size_t>(next)] = true;
          queue.push_back(next);
        }
      }
    }
    std::sort(part.begin(), part.end());
    parts.push_back(std::move(part));
  }
  return parts;
}

// Hop distances between the nodes of one connected part (m × m).
std::vector<double> hopDistances(const std::vector<std::vector<int>>& neighbours,
                                 const std::vector<int>& part) {
  const size_t m = part.size();
  std::vector<int> local(neighbours.size(), -1);
  for (size_t i = 0; i < m; ++i) local[static_cast<size_t>(part[i])] = static_cast<int>(i);
  std::vector<double> distances(m * m, -1.0);
  for (size_t s = 0; s < m; ++s) {
    double* row = &distances[s * m];
    row[s] = 0;
    std::deque<int> queue = {part[s]};
    while (!queue.empty()) {
      const int at = queue.front();
      queue.pop_front();
      const double here = row[local[static_cast<size_t>(at)]];
      for (int next : neighbours[static_cast<size_t>(at)]) {
        double& d = row[local[static_cast<size_t>(next)]];
        if (d < 0) {
          d = here + 1;
          queue.push_back(next);
        }
      }
    }
  }
  return distances;
}

// One connected part in hop units: classical scaling of its hop distances,
// then spread by stress majorization so that no two nodes coincide.
std::vector<PlanePoint> partLayout(const std::vector<double>& distances, size_t m) {
  if (m == 1) return {PlanePoint{0, 0}};
  Square squares;
  squares.n = m;
  squares.values = distances;
  for (double& d : squares.values) d *= d;
  doubleCentre(squares);
  std::vector<PlanePoint> points = leadingPlane(squares);
  refineByStress(points, distances, m <= 300 ? 100 : 30);
  return points;
}

}  // namespace

std::vector<PlanePoint> graphLayout(int nodeCount, const std::vector<std::array<int, 2>>& edges) {
  const size_t n = static_cast<size_t>(std::max(nodeCount, 0));
  if (n == 0) return {};
  const std::vector<std::vector<int>> neighbours = neighbourLists(nodeCount, edges);
  std::vector<std::vector<int>> parts = connectedParts(neighbours);
  // The largest parts first, so that the small ones fill the rows after them.
  std::stable_sort(
      parts.begin(), parts.end(),
      [](const std::vector<int>& a, const std::vector<int>& b) { return a.size() > b.size(); });
  std::vector<std::vector<PlanePoint>> drawings;
  for (const std::vector<int>& part : parts) {
    drawings.push_back(partLayout(hopDistances(neighbours, part), part.size()));
  }
  const std::vector<std::vector<PlanePoint>> placed = packParts(drawings, 1.5);
  std::vector<PlanePoint> points(n);
  for (size_t k = 0; k < parts.size(); ++k) {
    for (size_t i = 0; i < parts[k].size(); ++i) {
      points[static_cast<size_t>(parts[k][i])] = placed[k][i];
    }
  }
  fitIntoSquare(points);
  return points;
}

std::vector<PlanePoint> planeLayout(const std::vector<std::vector<double>>& positions) {
  const size_t n = positions.size();
  if (n == 0) return {};
  const size_t d = positions[0].size();
  std::vector<double> mean(d, 0.0);
  for (const std::vector<double>& p : positions) {
    for (size_t k = 0; k < d; ++k) mean[k] += p[k];
  }
  for (double& value : mean) value /= static_cast<double>(n);
  Square covariance;
  covariance.n = d;
  covariance.values.assign(d * d, 0.0);
  for (const std::vector<double>& p : positions) {
    for (size_t a = 0; a < d; ++a) {
      for (size_t b = 0; b < d; ++b) {
        covariance.values[a * d + b] += (p[a] - mean[a]) * (p[b] - mean[b]);
      }
    }
  }
  double first = 0;
  double second = 0;
  const std::vector<double> u = leadingVector(covariance, nullptr, first);
  const std::vector<double> v = leadingVector(covariance, &u, second);
  std::vector<PlanePoint> points(n);
  for (size_t i = 0; i < n; ++i) {
    for (size_t k = 0; k < d; ++k) {
      points[i].x += (positions[i][k] - mean[k]) * u[k];
      points[i].y += (positions[i][k] - mean[k]) * v[k];
    }
  }
  fitIntoSquare(points);
  return points;
}

}  // namespace manifit
