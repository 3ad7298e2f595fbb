#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/output.h"
#include "grid/grid_types.h"

namespace manifit {

namespace {

// A 10 x 10 rectangle with irregular node positions in 3 dimensions.
RectangularGrid bentRectangle() {
  RectangularGrid grid(10, 10, 3);
  for (int q = 0; q < grid.nodeCount; ++q) {
    const float t = static_cast<float>(q);
    grid.nodes[q] = {std::sin(t) + 0.1f * t, std::cos(0.7f * t), 0.01f * t * t};
  }
  return grid;
}

// x = 2 a - b in single precision.
std::vector<float> extend(const std::vector<float>& a, const std::vector<float>& b) {
  std::vector<float> x(a.size());
  for (size_t k = 0; k < a.size(); ++k) x[k] = 2.0f * a[k] - b[k];
  return x;
}

}  // namespace

TEST(Extrapolation, OneStepAddsARingOfNodes) {
  RectangularGrid grid = bentRectangle();
  const std::vector<std::vector<float>> old = grid.nodes;
  CapturedOutput capture;
  grid.extrapolationStep();
  EXPECT_EQ(capture.text(), "Extrapolation step... \n");

  EXPECT_EQ(grid.size1, 12);
  EXPECT_EQ(grid.size2, 12);
  EXPECT_EQ(grid.nodeCount, 144);
  EXPECT_EQ(grid.edgeCount, 264);
  EXPECT_EQ(grid.ribCount, 240);
  EXPECT_EQ(grid.triangleCount, 242);
  EXPECT_EQ(grid.nodes.size(), 144u);
  EXPECT_EQ(grid.edges.size(), 264u);
  EXPECT_EQ(grid.ribs.size(), 240u);
  EXPECT_EQ(grid.triangles.size(), 242u);

  // The old nodes keep their positions inside the ring.
  for (int q = 0; q < 100; ++q) {
    EXPECT_EQ(grid.nodes[(q / 10 + 1) * 12 + q % 10 + 1], old[q]) << q;
  }
  EXPECT_EQ(grid.nodes[13], old[0]);
  EXPECT_EQ(grid.nodes[1], extend(grid.nodes[13], grid.nodes[25]));
  EXPECT_EQ(grid.nodes[12], extend(grid.nodes[13], grid.nodes[14]));
  EXPECT_EQ(grid.nodes[143 - 1], extend(grid.nodes[130], grid.nodes[118]));
  EXPECT_EQ(grid.nodes[23], extend(grid.nodes[22], grid.nodes[21]));
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(grid.nodes[0][k], (-grid.nodes[13][k] + grid.nodes[1][k]) + grid.nodes[12][k]);
    EXPECT_EQ(grid.nodes[143][k], (-grid.nodes[130][k] + grid.nodes[131][k]) + grid.nodes[142][k]);
  }

  // Grid coordinates span the bigger lattice; coefficients start over at 1.
  EXPECT_EQ(grid.gridCoords[0], (std::vector<float>{-1.0f, -1.0f, 0.0f}));
  EXPECT_EQ(grid.gridCoords[143], (std::vector<float>{1.0f, 1.0f, 0.0f}));
  EXPECT_EQ(grid.edgeCoefs, std::vector<float>(264, 1.0f));
  EXPECT_EQ(grid.ribCoefs, std::vector<float>(240, 1.0f));
  EXPECT_EQ(grid.edges[0], (std::array<int, 2>{0, 1}));
  EXPECT_EQ(grid.nodeCache.size(), 144u * 3u);
  EXPECT_EQ(grid.nodeCache[13 * 3 + 2], old[0][2]);
}

TEST(Extrapolation, TwoStepsGrowTenByTenToFourteenByFourteen) {
  RectangularGrid grid = bentRectangle();
  const std::vector<float> first = grid.nodes[0];
  CapturedOutput capture;
  grid.extrapolationStep();
  grid.extrapolationStep();
  EXPECT_EQ(capture.text(), "Extrapolation step... \nExtrapolation step... \n");
  EXPECT_EQ(grid.size1, 14);
  EXPECT_EQ(grid.size2, 14);
  EXPECT_EQ(grid.nodeCount, 196);
  EXPECT_EQ(grid.edgeCount, 2 * 196 - 28);
  EXPECT_EQ(grid.triangleCount, 2 * 13 * 13);
  EXPECT_EQ(grid.nodes[2 * 14 + 2], first);
}

TEST(Extrapolation, RegularLatticeIsExtendedWithTheSameSpacing) {
  // 4 nodes per row, 3 rows, on a tilted plane; all values exact in binary.
  RectangularGrid grid(4, 3, 3);
  auto lattice = [](int row, int column) {
    return std::vector<float>{1.0f + 0.5f * static_cast<float>(column),
                              -2.0f + 0.25f * static_cast<float>(row),
                              0.125f * static_cast<float>(column)};
  };
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 4; ++j) grid.nodes[i * 4 + j] = lattice(i, j);
  }
  CapturedOutput capture;
  grid.extrapolationStep();
  ASSERT_EQ(grid.size1, 6);
  ASSERT_EQ(grid.size2, 5);
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 6; ++j) {
      EXPECT_EQ(grid.nodes[i * 6 + j], lattice(i - 1, j - 1)) << i << " " << j;
    }
  }
}

TEST(Extrapolation, GridThatIsNoLongerAFullRectangleIsLeftAlone) {
  RectangularGrid grid = bentRectangle();
  // A grow adaptation inserts one node into the busiest edge.
  NodeAssignment assignment;
  assignment.lists.assign(100, {});
  assignment.lists[0] = {0, 1, 2};
  grid.grow(assignment, 1);
  ASSERT_EQ(grid.nodeCount, 101);
  const std::vector<std::vector<float>> nodes = grid.nodes;
  CapturedOutput capture;
  grid.extrapolationStep();
  EXPECT_EQ(capture.text(), "Extrapolation skipped: the grid is no longer a full rectangle\n");
  EXPECT_EQ(grid.nodeCount, 101);
  EXPECT_EQ(grid.size1, 10);
  EXPECT_EQ(grid.edgeCount, 181);
  EXPECT_EQ(grid.nodes, nodes);
}

TEST(Extrapolation, RectangleNarrowerThanTwoIsLeftAlone) {
  RectangularGrid grid(2, 2, 2);
  grid.nodes = {{0, 0}, {1, 0}, {2, 0}, {3, 0}};
  grid.size1 = 1;
  grid.size2 = 4;  // a single column of 4 nodes
  const std::vector<std::vector<float>> nodes = grid.nodes;
  CapturedOutput capture;
  grid.extrapolationStep();
  EXPECT_EQ(capture.text(),
            "Extrapolation skipped: the grid needs at least 2 rows of at least 2 nodes\n");
  EXPECT_EQ(grid.nodeCount, 4);
  EXPECT_EQ(grid.size1, 1);
  EXPECT_EQ(grid.nodes, nodes);
}

}  // namespace manifit
