// The least squared distances of a few points to the nodes of one group of
// consecutive node blocks (NodeBlocks' layout), as the pruned search needs
// them: the least square, the lowest lane holding it and the least square of
// the other lanes. Each lane's square is formed as blockSquaresPlain forms
// it, so every kernel gives the same bits.
#pragma once

#include "geometry/nearest_node.h"

namespace manifit {

// Points whose squares one call forms, sharing every node load.
constexpr int kGroupPoints = 6;

struct LaneLeast {
  float first = 0.0f;   // the least square of the lanes
  int firstLane = -1;   // the lowest lane holding it
  float second = 0.0f;  // the least square of the other lanes (+infinity: none)
  bool finite = false;  // false: a square is not finite, and nothing else is set
};

// For x[0..count), count <= kGroupPoints: the squares of lanes [0, size) of
// blocks [firstBlock, firstBlock + blocks) into squares[p * blocks *
// kNodeBlockWidth + lane] (what lanes from size on hold has no meaning) and
// their least values into out[p].
void groupLeastWith(SearchKernel kernel, const float* values, int firstBlock, int blocks, int size,
                    int dimension, const float* const* x, int count, float* squares,
                    LaneLeast* out);

void groupLeastPlain(const float* values, int firstBlock, int blocks, int size, int dimension,
                     const float* const* x, int count, float* squares, LaneLeast* out);
void groupLeastAvx512(const float* values, int firstBlock, int blocks, int size, int dimension,
                      const float* const* x, int count, float* squares, LaneLeast* out);

}  // namespace manifit
