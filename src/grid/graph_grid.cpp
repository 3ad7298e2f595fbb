#include "grid/grid_types.h"

namespace manifit {

GraphGrid::GraphGrid(int firstSize, int coordinates) {
  size1 = firstSize;
  dimension = coordinates;
  type = kGraph;
  build();
}

// size1 nodes at the origin and nothing joining them; the graph itself is
// grown from the data before training.
void GraphGrid::build() {
  nodeCount = size1;
  edgeCount = 0;
  ribCount = 0;
  triangleCount = 0;
  manifoldDimension = 1;
  allocate();
}

}  // namespace manifit
