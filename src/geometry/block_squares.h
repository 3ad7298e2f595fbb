// Squared distances of one point to consecutive node blocks (NodeBlocks'
// layout: per block, coordinate after coordinate, one lane per node): each
// lane sums (node[k] - x[k])^2 in single precision in coordinate order, as
// squaredDistanceToRow does, so every kernel gives the same bits.
#pragma once

#include "geometry/nearest_node.h"

namespace manifit {

// out[i * kNodeBlockWidth + lane] for the blocks list[i], i in [0, count).
void blockSquaresWith(SearchKernel kernel, const float* values, const int* list, int count,
                      int dimension, const float* x, float* out);

void blockSquaresPlain(const float* values, const int* list, int count, int dimension,
                       const float* x, float* out);
void blockSquaresAvx2(const float* values, const int* list, int count, int dimension,
                      const float* x, float* out);
void blockSquaresAvx512(const float* values, const int* list, int count, int dimension,
                        const float* x, float* out);

}  // namespace manifit
