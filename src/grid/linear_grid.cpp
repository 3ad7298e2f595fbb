#include "grid/grid_types.h"

namespace manifit {

LinearGrid::LinearGrid(int firstSize, int coordinates) {
  size1 = firstSize;
  dimension = coordinates;
  type = kLinear;
  build();
}

// n nodes at 2 i / n - 1 on the first grid axis, joined in a chain.
void LinearGrid::build() {
  const int n = size1;
  nodeCount = n;
  edgeCount = n - 1;
  ribCount = n - 2;
  triangleCount = 0;
  manifoldDimension = 1;
  allocate();
  for (int i = 0; i < n; ++i) {
    gridCoords[static_cast<size_t>(i)] = {static_cast<float>(2.0 * i / n - 1.0), 0.0f, 0.0f};
  }
  for (int i = 0; i < n - 1; ++i) edges[static_cast<size_t>(i)] = {i, i + 1};
  for (int j = 1; j < n - 1; ++j) ribs[static_cast<size_t>(j - 1)] = {j, j - 1, j + 1};
}

}  // namespace manifit
