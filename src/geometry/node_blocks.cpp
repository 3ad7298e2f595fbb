#include "geometry/node_blocks.h"

#include <algorithm>

namespace manifit {

void buildNodeBlocks(const float* cache, int rows, int dimension, NodeBlocks& blocks) {
  blocks.nodeCount = std::max(rows, 0);
  blocks.dimension = std::max(dimension, 0);
  blocks.blockCount = (blocks.nodeCount + kNodeBlockWidth - 1) / kNodeBlockWidth;
  blocks.values.assign(static_cast<size_t>(blocks.blockCount) * blocks.dimension * kNodeBlockWidth,
                       0.0f);
  for (int j = 0; j < blocks.nodeCount; ++j) {
    for (int k = 0; k < blocks.dimension; ++k)
      blocks.at(j, k) = cache[static_cast<size_t>(j) * blocks.dimension + k];
  }
}

}  // namespace manifit
