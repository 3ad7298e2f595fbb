#include "view/grid_shape.h"

namespace manifit {

const char* gridKindWord(GridKind kind) {
  switch (kind) {
    case GridKind::rectangle:
      return "simplerectangular";
    case GridKind::sphere:
      return "sphere";
    case GridKind::line:
      return "linear";
    case GridKind::circle:
      return "circle";
    case GridKind::graph:
      break;
  }
  return "elgraph";
}

bool parseGridKind(const std::string& word, GridKind& kind) {
  for (GridKind candidate :
       {GridKind::rectangle, GridKind::sphere, GridKind::line, GridKind::circle, GridKind::graph}) {
    if (word == gridKindWord(candidate)) {
      kind = candidate;
      return true;
    }
  }
  return false;
}

std::vector<std::array<int, 2>> regularEdges(const GridShape& shape) {
  std::vector<std::array<int, 2>> edges;
  const int a = shape.size1;
  const int b = shape.size2;
  switch (shape.kind) {
    case GridKind::rectangle:  // node(i, j) = i*A + j, row i < B, column j < A
      for (int i = 0; i < b; ++i) {
        for (int j = 0; j < a; ++j) {
          if (j < a - 1) edges.push_back({i * a + j, i * a + j + 1});
          if (i < b - 1) edges.push_back({i * a + j, (i + 1) * a + j});
        }
      }
      break;
    case GridKind::sphere: {  // node(i, j) = i*B + j, meridian i < A, ring j < B
      const int north = a * b;
      const int south = a * b + 1;
      for (int i = 0; i < a; ++i) {
        for (int j = 0; j < b; ++j) {
          if (j < b - 1) edges.push_back({i * b + j, i * b + j + 1});
          if (i < a - 1) edges.push_back({i * b + j, (i + 1) * b + j});
        }
      }
      for (int i = 0; i < a; ++i) {
        edges.push_back({north, i * b});
        edges.push_back({south, i * b + b - 1});
      }
      for (int j = 0; j < b; ++j) edges.push_back({j, (a - 1) * b + j});
      break;
    }
    case GridKind::line:
      for (int i = 0; i + 1 < a; ++i) edges.push_back({i, i + 1});
      break;
    case GridKind::circle:
      for (int i = 0; i + 1 < a; ++i) edges.push_back({i, i + 1});
      edges.push_back({a - 1, 0});
      break;
    case GridKind::graph:
      break;
  }
  return edges;
}

std::array<long long, 4> regularCounts(const GridShape& shape) {
  const long long a = shape.size1;
  const long long b = shape.size2;
  switch (shape.kind) {
    case GridKind::rectangle:
      return {a * b, 2 * a * b - a - b, 2 * (a * b - a - b), 2 * (a - 1) * (b - 1)};
    case GridKind::sphere:
      return {a * b + 2, 2 * a * b + a, 2 * a * b + 2 * (a / 2), 2 * a * b};
    case GridKind::line:
      return {a, a - 1, a - 2, 0};
    case GridKind::circle:
      return {a, a, a, 0};
    case GridKind::graph:
      break;
  }
  return {-1, -1, -1, -1};
}

bool matchesShape(const ManifoldFile& manifold, const GridShape& shape) {
  if (shape.kind == GridKind::graph) return true;
  const std::array<long long, 4> counts = regularCounts(shape);
  if (counts[0] != manifold.nodeCount || counts[1] != manifold.edgeCount ||
      counts[2] != manifold.ribCount || counts[3] != manifold.triangleCount) {
    return false;
  }
  return regularEdges(shape) == manifold.edges;
}

namespace {

// The shapes of this kind whose node count fits the map.
std::vector<GridShape> candidates(GridKind kind, int nodeCount) {
  std::vector<GridShape> shapes;
  switch (kind) {
    case GridKind::rectangle:
      for (int a = 2; a <= nodeCount / 2; ++a) {
        if (nodeCount % a == 0 && nodeCount / a >= 2) shapes.push_back({kind, a, nodeCount / a});
      }
      break;
    case GridKind::sphere:
      for (int a = 3; a <= (nodeCount - 2) / 2; ++a) {
        if ((nodeCount - 2) % a == 0 && (nodeCount - 2) / a >= 2) {
          shapes.push_back({kind, a, (nodeCount - 2) / a});
        }
      }
      break;
    case GridKind::line:
      if (nodeCount >= 2) shapes.push_back({kind, nodeCount, 0});
      break;
    case GridKind::circle:
      if (nodeCount >= 3) shapes.push_back({kind, nodeCount, 0});
      break;
    case GridKind::graph:
      shapes.push_back({kind, nodeCount, 0});
      break;
  }
  return shapes;
}

bool findShape(const ManifoldFile& manifold, GridKind kind, GridShape& shape) {
  for (const GridShape& candidate : candidates(kind, manifold.nodeCount)) {
    if (matchesShape(manifold, candidate)) {
      shape = candidate;
      return true;
    }
  }
  return false;
}

}  // namespace

GridShape recogniseShape(const ManifoldFile& manifold) {
  GridShape shape;
  for (GridKind kind : {GridKind::rectangle, GridKind::sphere, GridKind::line, GridKind::circle}) {
    if (findShape(manifold, kind, shape)) return shape;
  }
  return GridShape{GridKind::graph, manifold.nodeCount, 0};
}

Status shapeOfKind(const ManifoldFile& manifold, GridKind kind, const std::string& path,
                   GridShape& shape) {
  if (findShape(manifold, kind, shape)) return Status::success();
  return Status::failure(path + ": the nodes and edges do not form a grid of type " +
                         gridKindWord(kind) + "\n");
}

}  // namespace manifit
