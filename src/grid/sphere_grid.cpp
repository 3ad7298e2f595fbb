#include <cmath>

#include "grid/grid_constants.h"
#include "grid/grid_types.h"

namespace manifit {

SphereGrid::SphereGrid(int size1, int size2, int dimension) {
  this->size1 = size1;
  this->size2 = size2;
  this->dimension = dimension;
  type = kSphere;
  build();
}

// A = size1 meridians, B = size2 rings; node(i, j) = i * B + j, north pole
// A * B, south pole A * B + 1.
void SphereGrid::build() {
  const int a = size1;
  const int b = size2;
  const int c = a / 2;
  const auto node = [b](int i, int j) { return i * b + j; };
  const int north = a * b;
  const int south = a * b + 1;
  nodeCount = a * b + 2;
  edgeCount = 2 * a * b + a;
  ribCount = 2 * a * b + 2 * c;
  triangleCount = 2 * a * b;
  manifoldDimension = 2;
  allocate();

  // (cos phi sin theta, sin phi sin theta, cos theta), the angles rounded to float.
  for (int i = 0; i < a; ++i) {
    for (int j = 0; j < b; ++j) {
      const float theta = static_cast<float>((j + 1) * (kGridPi / (b + 1)));
      const float phi = static_cast<float>((kGridTwoPi / a) * i);
      const double sinTheta = std::sin(static_cast<double>(theta));
      std::vector<float>& coords = gridCoords[static_cast<size_t>(node(i, j))];
      coords[0] = static_cast<float>(std::cos(static_cast<double>(phi)) * sinTheta);
      coords[1] = static_cast<float>(std::sin(static_cast<double>(phi)) * sinTheta);
      coords[2] = static_cast<float>(std::cos(static_cast<double>(theta)));
    }
  }
  gridCoords[static_cast<size_t>(north)] = {0.0f, 0.0f, 1.0f};
  gridCoords[static_cast<size_t>(south)] = {0.0f, 0.0f, -1.0f};

  size_t e = 0;
  for (int i = 0; i < a; ++i) {
    for (int j = 0; j < b; ++j) {
      if (j < b - 1) edges[e++] = {node(i, j), node(i, j + 1)};
      if (i < a - 1) edges[e++] = {node(i, j), node(i + 1, j)};
    }
  }
  for (int i = 0; i < a; ++i) {
    edges[e++] = {north, node(i, 0)};
    edges[e++] = {south, node(i, b - 1)};
  }
  for (int j = 0; j < b; ++j) edges[e++] = {node(0, j), node(a - 1, j)};

  size_t r = 0;
  for (int i = 0; i < a; ++i) {
    for (int j = 0; j < b; ++j) {
      if (j < b - 2) ribs[r++] = {node(i, j + 1), node(i, j), node(i, j + 2)};
      if (i < a - 2) ribs[r++] = {node(i + 1, j), node(i, j), node(i + 2, j)};
    }
  }
  for (int i = 0; i < a; ++i) {
    ribs[r++] = {node(i, 0), north, node(i, 1)};
    ribs[r++] = {node(i, b - 1), south, node(i, b - 2)};
  }
  for (int j = 0; j < b; ++j) {
    ribs[r++] = {node(0, j), node(1, j), node(a - 1, j)};
    ribs[r++] = {node(a - 1, j), node(a - 2, j), node(0, j)};
  }
  for (int k = 0; k < c; ++k) {
    ribs[r++] = {north, node(k, 0), node(k + c, 0)};
    ribs[r++] = {south, node(k, b - 1), node(k + c, b - 1)};
  }

  size_t t = 0;
  for (int j = 0; j < b - 1; ++j) {
    for (int i = 0; i < a - 1; ++i) {
      triangles[t++] = {node(i, j), node(i, j + 1), node(i + 1, j)};
      triangles[t++] = {node(i + 1, j + 1), node(i, j + 1), node(i + 1, j)};
    }
  }
  for (int i = 0; i < a - 1; ++i) {
    triangles[t++] = {node(i, 0), north, node(i + 1, 0)};
    triangles[t++] = {node(i, b - 1), south, node(i + 1, b - 1)};
  }
  for (int j = 0; j < b - 1; ++j) {
    triangles[t++] = {node(0, j), node(0, j + 1), node(a - 1, j + 1)};
    triangles[t++] = {node(0, j), node(a - 1, j), node(a - 1, j + 1)};
  }
  triangles[t++] = {node(a - 1, 0), north, node(0, 0)};
  triangles[t++] = {node(a - 1, b - 1), south, node(0, b - 1)};

  normalizeEdgeCoefs(0);
  normalizeRibCoefs(0);
}

}  // namespace manifit
