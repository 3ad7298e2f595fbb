// The pieces of a grid a point is projected onto: the triangles around its
// nearest node, or for a grid without triangles the edges around it. The
// scanning form walks every triangle (or edge) of the grid for those that
// touch the node; the listed form walks only the node's incidence list.
// Both meet the same pieces in the same order, so both give the same values.
#pragma once

#include <vector>

namespace manifit {

class Grid;

// Per node, the ascending indices of the pieces that have it as a corner (or
// an end), each piece once; pieces are triangles when the grid has any.
struct PieceIncidence {
  bool triangles = false;
  std::vector<std::vector<int>> pieces;
};

PieceIncidence pieceIncidence(const Grid& grid);

// out[0..3) = the projection of x, whose nearest node is k, onto the grid;
// footDistance, when given, receives the squared distance from x to the
// point of the grid it is projected to (on a triangle, on an edge, or node k
// itself), differences, squares and sum in single precision.
void projectFromNodeScanning(const Grid& grid, const float* x, int k, float* out,
                             float* footDistance = nullptr);
void projectFromNodeListed(const Grid& grid, const PieceIncidence& incidence, const float* x, int k,
                           float* out, float* footDistance = nullptr);

}  // namespace manifit
