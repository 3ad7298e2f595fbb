// Node positions laid out for the vectorised nearest-node search: nodes in
// blocks of kNodeBlockWidth, each block stored coordinate after coordinate
// with one value per node, so one vector load fetches a coordinate of a whole
// block. Unused lanes of the last block hold zeros and are masked out.
#pragma once

#include <cstddef>
#include <vector>

namespace manifit {

constexpr int kNodeBlockWidth = 16;

struct NodeBlocks {
  int nodeCount = 0;
  int dimension = 0;
  int blockCount = 0;
  std::vector<float> values;  // blockCount x dimension x kNodeBlockWidth

  // values of node j, coordinate k.
  float& at(int j, int k) {
    return values[(static_cast<std::size_t>(j / kNodeBlockWidth) * dimension + k) *
                      kNodeBlockWidth +
                  j % kNodeBlockWidth];
  }
};

// Lays out rows nodes of a row-major cache (dimension floats per node).
void buildNodeBlocks(const float* cache, int rows, int dimension, NodeBlocks& blocks);

}  // namespace manifit
