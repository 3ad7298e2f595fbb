#include "grid/grid_types.h"

namespace manifit {

RectangularGrid::RectangularGrid(int firstSize, int secondSize, int coordinates) {
  size1 = firstSize;
  size2 = secondSize;
  dimension = coordinates;
  type = kRectangular;
  build();
}

// A = size1 nodes per row, B = size2 rows; node(i, j) = i * A + j.
void RectangularGrid::build() {
  const int a = size1;
  const int b = size2;
  const auto node = [a](int i, int j) { return i * a + j; };
  nodeCount = a * b;
  edgeCount = 2 * a * b - a - b;
  ribCount = 2 * (a * b - a - b);
  triangleCount = 2 * (a - 1) * (b - 1);
  manifoldDimension = 2;
  allocate();

  for (int i = 0; i < b; ++i) {
    for (int j = 0; j < a; ++j) {
      std::vector<float>& coords = gridCoords[static_cast<size_t>(node(i, j))];
      coords[0] = static_cast<float>(2.0 * i / (b - 1) - 1.0);
      coords[1] = static_cast<float>(2.0 * j / (a - 1) - 1.0);
      coords[2] = 0.0f;
    }
  }

  size_t e = 0;
  size_t r = 0;
  for (int i = 0; i < b; ++i) {
    for (int j = 0; j < a; ++j) {
      if (j < a - 1) edges[e++] = {node(i, j), node(i, j + 1)};
      if (i < b - 1) edges[e++] = {node(i, j), node(i + 1, j)};
    }
  }
  for (int i = 0; i < b; ++i) {
    for (int j = 0; j < a; ++j) {
      if (j < a - 2) ribs[r++] = {node(i, j + 1), node(i, j), node(i, j + 2)};
      if (i < b - 2) ribs[r++] = {node(i + 1, j), node(i, j), node(i + 2, j)};
    }
  }

  size_t t = 0;
  for (int j = 0; j < a - 1; ++j) {
    for (int i = 0; i < b - 1; ++i) {
      triangles[t++] = {node(i, j), node(i, j + 1), node(i + 1, j)};
      triangles[t++] = {node(i + 1, j + 1), node(i, j + 1), node(i + 1, j)};
    }
  }
}

}  // namespace manifit
