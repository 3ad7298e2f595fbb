// RectangularGrid::extrapolationStep: one ring of nodes added around the
// rectangle, placed by linear extrapolation of the two nearest rows or columns.
#include <vector>

#include "common/output.h"
#include "grid/grid_types.h"

namespace manifit {

namespace {

// x_q = 2 x_a - x_b, coordinate by coordinate in single precision.
void extendLine(std::vector<std::vector<float>>& nodes, int q, int a, int b, int dimension) {
  for (int k = 0; k < dimension; ++k) {
    nodes[q][k] = 2.0f * nodes[a][k] - nodes[b][k];
  }
}

// x_q = (-x_d + x_a) + x_b: the corner completes the parallelogram.
void extendCorner(std::vector<std::vector<float>>& nodes, int q, int a, int b, int d,
                  int dimension) {
  for (int k = 0; k < dimension; ++k) {
    nodes[q][k] = (-nodes[d][k] + nodes[a][k]) + nodes[b][k];
  }
}

}  // namespace

void RectangularGrid::extrapolationStep() {
  if (static_cast<long long>(nodeCount) != static_cast<long long>(size1) * size2) {
    print("Extrapolation skipped: the grid is no longer a full rectangle\n");
    return;
  }
  if (size1 < 2 || size2 < 2) {
    print("Extrapolation skipped: the grid needs at least 2 rows of at least 2 nodes\n");
    return;
  }
  print("Extrapolation step... \n");
  const int a = size1;
  const int s = size1 + 2;
  const int r = size2 + 2;
  RectangularGrid bigger(s, r, dimension);
  std::vector<std::vector<float>>& x = bigger.nodes;

  // The old nodes fill the interior.
  for (int q = 0; q < nodeCount; ++q) {
    const int row = q / a;
    const int column = q - row * a;
    x[(row + 1) * s + (column + 1)] = nodes[q];
  }

  // Border nodes, from the two nearest nodes inward.
  for (int q = 0; q < s * r; ++q) {
    const int row = q / s;
    const int column = q - row * s;
    const bool innerColumn = column > 0 && column < s - 1;
    const bool innerRow = row > 0 && row < r - 1;
    if (row == 0 && innerColumn) extendLine(x, q, q + s, q + 2 * s, dimension);
    if (row == r - 1 && innerColumn) extendLine(x, q, q - s, q - 2 * s, dimension);
    if (column == 0 && innerRow) extendLine(x, q, q + 1, q + 2, dimension);
    if (column == s - 1 && innerRow) extendLine(x, q, q - 1, q - 2, dimension);
  }

  // Corners, from their two border neighbours and the diagonal one.
  extendCorner(x, 0, 1, s, s + 1, dimension);
  extendCorner(x, s - 1, 2 * s - 1, s - 2, 2 * s - 2, dimension);
  const int lowerLeft = s * (r - 1);
  extendCorner(x, lowerLeft, lowerLeft - s, lowerLeft + 1, lowerLeft - s + 1, dimension);
  const int lowerRight = s * r - 1;
  extendCorner(x, lowerRight, lowerRight - s, lowerRight - 1, lowerRight - s - 1, dimension);

  clearAll();
  nodeCount = bigger.nodeCount;
  edgeCount = bigger.edgeCount;
  ribCount = bigger.ribCount;
  triangleCount = bigger.triangleCount;
  size1 = s;
  size2 = r;
  allocate();
  copyTopologyFrom(bigger);
  refreshNodeCache();
}

}  // namespace manifit
