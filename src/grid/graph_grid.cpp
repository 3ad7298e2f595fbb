#include "grid/grid_types.h"

namespace manifit {

GraphGrid::GraphGrid(int size1, int dimension) {
  this->size1 = size1;
  this->dimension = dimension;
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
