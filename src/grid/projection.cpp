// Grid::projectPoint and Grid::writeProjections: points mapped to grid
// coordinates through the triangles around their nearest node.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "common/atomic_output_file.h"
#include "common/output.h"
#include "common/parallel.h"
#include "data/data_table.h"
#include "geometry/distance.h"
#include "geometry/nearest_node.h"
#include "grid/grid.h"
#include "grid/projection_pieces.h"

namespace manifit {

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

// Grid coordinate q of a node, 0 when its row is shorter.
float gridCoord(const Grid& grid, int node, int q) {
  const std::vector<float>& row = grid.gridCoords[static_cast<size_t>(node)];
  return static_cast<size_t>(q) < row.size() ? row[static_cast<size_t>(q)] : 0.0f;
}

// True when the node has a row in the cache.
bool cached(const Grid& grid, int node) {
  return node >= 0 && static_cast<size_t>(node) < grid.nodeRows.size() &&
         static_cast<size_t>(node) < grid.gridCoords.size();
}

const float* nodeRow(const Grid& grid, int node) {
  return grid.nodeRows[static_cast<size_t>(node)].data();
}

// The search for the nearest node of a point (ties keep the lower index;
// -1 when no distance is below infinity) over the nodes that have a cached
// row and grid coordinates.
NodeSearch nearestNodeSearch(const Grid& grid) {
  const size_t dimension = static_cast<size_t>(grid.dimension);
  const size_t cachedNodes = dimension == 0 ? 0 : grid.nodeCache.size() / dimension;
  const int count =
      static_cast<int>(std::min({static_cast<size_t>(std::max(grid.nodeCount, 0)), cachedNodes,
                                 grid.nodeRows.size(), grid.gridCoords.size()}));
  return makeNodeSearch(grid.nodeCache.data(), grid.dimension, grid.nodeBlocks, count,
                        grid.dimension);
}

// Projection onto the nearest of the triangles visit offers, all of which
// have node k as a corner: out[q] = (c2 - c0) v + (c1 - c0) u + c0. False
// when no triangle applies. footDistance, when given, receives the squared
// distance from x to the point a + (b - a) u + (c - a) v of the triangle
// (float arithmetic throughout).
template <typename Visit>
bool projectOnTriangles(const Grid& grid, const float* x, Visit visit, std::array<float, 3>& out,
                        float* footDistance) {
  float bestD = kInfinity;
  int bestTriangle = -1;
  float bestU = 0.0f;
  float bestV = 0.0f;
  visit([&](size_t t) {
    const std::array<int, 3>& tri = grid.triangles[t];
    if (!cached(grid, tri[0]) || !cached(grid, tri[1]) || !cached(grid, tri[2])) return;
    float u = 0.0f;
    float v = 0.0f;
    const float d = pointTriangle(x, nodeRow(grid, tri[0]), nodeRow(grid, tri[1]),
                                  nodeRow(grid, tri[2]), grid.dimension, u, v);
    if (d < bestD) {
      bestTriangle = static_cast<int>(t);
      bestD = d;
      bestU = u;
      bestV = v;
    }
  });
  if (bestTriangle < 0) return false;
  const std::array<int, 3>& tri = grid.triangles[static_cast<size_t>(bestTriangle)];
  for (int q = 0; q < 3; ++q) {
    const float c0 = gridCoord(grid, tri[0], q);
    const float c1 = gridCoord(grid, tri[1], q);
    const float c2 = gridCoord(grid, tri[2], q);
    out[static_cast<size_t>(q)] = (c2 - c0) * bestV + (c1 - c0) * bestU + c0;
  }
  if (footDistance != nullptr) {
    const float* a = nodeRow(grid, tri[0]);
    const float* b = nodeRow(grid, tri[1]);
    const float* c = nodeRow(grid, tri[2]);
    float sum = 0.0f;
    for (int i = 0; i < grid.dimension; ++i) {
      const float d = x[i] - (a[i] + (b[i] - a[i]) * bestU + (c[i] - a[i]) * bestV);
      sum += d * d;
    }
    *footDistance = sum;
  }
  return true;
}

// Projection onto the nearest of the edges visit offers, all of which have
// node k as an end: out[q] = (c1 - c0) t + c0. False when no edge applies.
// footDistance, when given, receives the squared distance from x to the
// point a + (b - a) t of the edge.
template <typename Visit>
bool projectOnEdges(const Grid& grid, const float* x, Visit visit, std::array<float, 3>& out,
                    float* footDistance) {
  float bestD = kInfinity;
  int bestEdge = -1;
  float bestT = 0.0f;
  visit([&](size_t e) {
    const std::array<int, 2>& edge = grid.edges[e];
    if (!cached(grid, edge[0]) || !cached(grid, edge[1])) return;
    float t = 0.0f;
    const float d =
        pointSegment(x, nodeRow(grid, edge[0]), nodeRow(grid, edge[1]), grid.dimension, t);
    if (d < bestD) {
      bestEdge = static_cast<int>(e);
      bestD = d;
      bestT = t;
    }
  });
  if (bestEdge < 0) return false;
  const std::array<int, 2>& edge = grid.edges[static_cast<size_t>(bestEdge)];
  for (int q = 0; q < 3; ++q) {
    const float c0 = gridCoord(grid, edge[0], q);
    const float c1 = gridCoord(grid, edge[1], q);
    out[static_cast<size_t>(q)] = (c1 - c0) * bestT + c0;
  }
  if (footDistance != nullptr) {
    const float* a = nodeRow(grid, edge[0]);
    const float* b = nodeRow(grid, edge[1]);
    float sum = 0.0f;
    for (int i = 0; i < grid.dimension; ++i) {
      const float d = x[i] - (a[i] + (b[i] - a[i]) * bestT);
      sum += d * d;
    }
    *footDistance = sum;
  }
  return true;
}

bool allFinite(const std::array<float, 3>& values) {
  return std::isfinite(values[0]) && std::isfinite(values[1]) && std::isfinite(values[2]);
}

// The projection of x, whose nearest node is k, from what the triangle or
// edge search found; without an applicable piece the nearest node stands
// for the point (and footDistance, when given, becomes the squared distance
// to that node).
void finishProjection(const Grid& grid, const float* x, int k, bool found,
                      const std::array<float, 3>& projected, float* out, float* footDistance) {
  const bool onPiece = found && allFinite(projected);
  for (int q = 0; q < 3; ++q) {
    out[q] = onPiece ? projected[static_cast<size_t>(q)] : gridCoord(grid, k, q);
  }
  if (footDistance != nullptr && !onPiece) {
    *footDistance = cached(grid, k) ? squaredDistanceToRow(nodeRow(grid, k), 0, x, grid.dimension)
                                    : std::numeric_limits<float>::infinity();
  }
}

}  // namespace

PieceIncidence pieceIncidence(const Grid& grid) {
  PieceIncidence incidence;
  incidence.triangles = !grid.triangles.empty();
  const size_t nodes = static_cast<size_t>(std::max(grid.nodeCount, 0));
  incidence.pieces.assign(nodes, std::vector<int>());
  auto add = [&](int node, size_t piece) {
    if (node >= 0 && static_cast<size_t>(node) < nodes)
      incidence.pieces[static_cast<size_t>(node)].push_back(static_cast<int>(piece));
  };
  if (incidence.triangles) {
    for (size_t t = 0; t < grid.triangles.size(); ++t) {
      const std::array<int, 3>& tri = grid.triangles[t];
      add(tri[0], t);
      if (tri[1] != tri[0]) add(tri[1], t);
      if (tri[2] != tri[0] && tri[2] != tri[1]) add(tri[2], t);
    }
  } else {
    for (size_t e = 0; e < grid.edges.size(); ++e) {
      add(grid.edges[e][0], e);
      if (grid.edges[e][1] != grid.edges[e][0]) add(grid.edges[e][1], e);
    }
  }
  return incidence;
}

void projectFromNodeScanning(const Grid& grid, const float* x, int k, float* out,
                             float* footDistance) {
  std::array<float, 3> projected{};
  bool found = false;
  if (!grid.triangles.empty()) {
    found = projectOnTriangles(
        grid, x,
        [&](auto&& each) {
          for (size_t t = 0; t < grid.triangles.size(); ++t) {
            const std::array<int, 3>& tri = grid.triangles[t];
            if (tri[0] == k || tri[1] == k || tri[2] == k) each(t);
          }
        },
        projected, footDistance);
  } else {
    found = projectOnEdges(
        grid, x,
        [&](auto&& each) {
          for (size_t e = 0; e < grid.edges.size(); ++e) {
            if (grid.edges[e][0] == k || grid.edges[e][1] == k) each(e);
          }
        },
        projected, footDistance);
  }
  finishProjection(grid, x, k, found, projected, out, footDistance);
}

void projectFromNodeListed(const Grid& grid, const PieceIncidence& incidence, const float* x, int k,
                           float* out, float* footDistance) {
  std::array<float, 3> projected{};
  bool found = false;
  const bool listed = k >= 0 && static_cast<size_t>(k) < incidence.pieces.size() &&
                      incidence.triangles == !grid.triangles.empty();
  if (!listed) {
    projectFromNodeScanning(grid, x, k, out, footDistance);
    return;
  }
  const std::vector<int>& pieces = incidence.pieces[static_cast<size_t>(k)];
  const size_t count = incidence.triangles ? grid.triangles.size() : grid.edges.size();
  auto visit = [&](auto&& each) {
    for (int piece : pieces) {
      if (piece >= 0 && static_cast<size_t>(piece) < count) each(static_cast<size_t>(piece));
    }
  };
  if (incidence.triangles)
    found = projectOnTriangles(grid, x, visit, projected, footDistance);
  else
    found = projectOnEdges(grid, x, visit, projected, footDistance);
  finishProjection(grid, x, k, found, projected, out, footDistance);
}

void Grid::projectPoint(const float* x, float* out) const {
  int k = -1;
  float distance = 0.0f;
  projectPoint(x, out, k, distance);
}

void Grid::projectPoint(const float* x, float* out, int& node, float& squaredDistance) const {
  node = -1;
  squaredDistance = 0.0f;
  nearestNodesWith(bestKernel(), nearestNodeSearch(*this), &x, 1, &node, &squaredDistance);
  if (node < 0) return;
  projectFromNodeScanning(*this, x, node, out);
}

void Grid::projectPoints(const DataTable& table, const NodeAssignment* nearestNodes,
                         PointProjections& projected) {
  refreshNodeCache();
  // Each point's projection is independent: all of them over the worker
  // threads. A point without a nearest node (no nodes, or every distance
  // overflows) keeps zeros, never the previous point's values.
  const size_t count = static_cast<size_t>(std::max(table.pointCount, 0));
  projected.nearestNode.assign(count, -1);
  projected.coordinates.assign(count * 3, 0.0f);
  projected.squaredDistance.assign(count, 0.0f);
  const NodeSearch search = nearestNodeSearch(*this);
  const PieceIncidence incidence = pieceIncidence(*this);
  std::vector<int> owner;
  const bool known = nearestNodes != nullptr && search.nodeLimit == nodeCount &&
                     nearestNodes->lists.size() == static_cast<size_t>(std::max(nodeCount, 0)) &&
                     pointOwners(*nearestNodes, nodeCount, table.pointCount, owner);
  const double perPoint =
      known ? 40.0 * std::max(dimension, 1) : 3.0 * search.nodeLimit * std::max(dimension, 1);
  parallelFor(table.pointCount, perPoint, [&](long begin, long end) {
    const size_t range = static_cast<size_t>(end - begin);
    int* nearest = &projected.nearestNode[static_cast<size_t>(begin)];
    const float* const* points = table.rows.data() + begin;
    if (known) {
      for (size_t j = 0; j < range; ++j) nearest[j] = owner[static_cast<size_t>(begin) + j];
    } else {
      std::vector<float> distance(range);
      nearestNodesWith(bestKernel(), search, points, end - begin, nearest, distance.data());
    }
    for (long p = begin; p < end; ++p) {
      const int k = nearest[p - begin];
      const size_t at = static_cast<size_t>(p);
      if (k >= 0)
        projectFromNodeListed(*this, incidence, points[p - begin], k,
                              &projected.coordinates[at * 3], &projected.squaredDistance[at]);
    }
  });
}

bool Grid::writeProjections(const std::string& path, const DataTable& table, StagedOutputs* staging,
                            const NodeAssignment* nearestNodes) {
  if (table.pointCount > 0 && table.dimension < dimension) {
    print("Can not write projections to %s: the table has %i columns, the grid %i\n", path.c_str(),
          table.dimension, dimension);
    return false;
  }
  AtomicOutputFile file(path, staging);
  if (!file.isOpen()) {
    print("Can not open file for writing %s\n", path.c_str());
    return false;
  }
  PointProjections projected;
  projectPoints(table, nearestNodes, projected);
  return writeProjectionLines(file, path, projected.coordinates);
}

bool writeProjectionLines(AtomicOutputFile& file, const std::string& path,
                          const std::vector<float>& coordinates) {
  for (size_t p = 0; p + 3 <= coordinates.size(); p += 3) {
    const float* out = &coordinates[p];
    std::fprintf(file.get(), "%f\t%f\t%f\n", out[0], out[1], out[2]);
  }
  if (!file.commit()) {
    print("Can not write file %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace manifit
