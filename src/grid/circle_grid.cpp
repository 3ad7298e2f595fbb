#include <cmath>

#include "grid/grid_constants.h"
#include "grid/grid_types.h"

namespace manifit {

CircleGrid::CircleGrid(int firstSize, int coordinates) {
  size1 = firstSize;
  dimension = coordinates;
  type = kCircle;
  build();
}

// n nodes on the unit circle, node i at angle i 2pi / n, joined in a ring.
void CircleGrid::build() {
  const int n = size1;
  nodeCount = n;
  edgeCount = n;
  ribCount = n;
  triangleCount = 0;
  manifoldDimension = 1;
  allocate();
  for (int i = 0; i < n; ++i) {
    const double angle = i * kGridTwoPi / n;
    gridCoords[static_cast<size_t>(i)] = {static_cast<float>(std::cos(angle)),
                                          static_cast<float>(std::sin(angle)), 0.0f};
  }
  for (int i = 0; i < n - 1; ++i) edges[static_cast<size_t>(i)] = {i, i + 1};
  edges[static_cast<size_t>(n - 1)] = {n - 1, 0};
  for (int j = 1; j < n - 1; ++j) ribs[static_cast<size_t>(j - 1)] = {j, j - 1, j + 1};
  ribs[static_cast<size_t>(n - 2)] = {n - 1, n - 2, 0};
  ribs[static_cast<size_t>(n - 1)] = {0, n - 1, 1};
}

}  // namespace manifit
