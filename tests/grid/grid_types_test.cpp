#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "grid/grid_types.h"
#include "grid_invariants.h"

namespace manifit {
namespace {

using Pair = std::array<int, 2>;
using Triple = std::array<int, 3>;

TEST(RectangularGrid, DefaultSizesGiveCountsCornersAndOrder) {
  RectangularGrid grid(10, 10, 4);
  EXPECT_EQ(kRectangular, grid.type);
  EXPECT_EQ(2, grid.manifoldDimension);
  EXPECT_EQ(100, grid.nodeCount);
  EXPECT_EQ(180, grid.edgeCount);
  EXPECT_EQ(160, grid.ribCount);
  EXPECT_EQ(162, grid.triangleCount);
  expectGridInvariants(grid);
  EXPECT_EQ((std::vector<float>{-1.0f, -1.0f, 0.0f}), grid.gridCoords[0]);
  EXPECT_EQ((std::vector<float>{1.0f, 1.0f, 0.0f}), grid.gridCoords[99]);
  EXPECT_EQ((std::vector<float>(4, 0.0f)), grid.nodes[57]);
  for (float c : grid.edgeCoefs) EXPECT_EQ(1.0f, c);
  for (float c : grid.ribCoefs) EXPECT_EQ(1.0f, c);
}

TEST(RectangularGrid, NonSquareNumberingFollowsRowsAndColumns) {
  // 3 nodes per row, 4 rows: node(i, j) = 3 i + j.
  RectangularGrid grid(3, 4, 2);
  expectGridInvariants(grid);
  EXPECT_EQ(12, grid.nodeCount);
  EXPECT_EQ(2 * 12 - 3 - 4, grid.edgeCount);
  EXPECT_EQ(2 * (12 - 3 - 4), grid.ribCount);
  EXPECT_EQ(2 * 2 * 3, grid.triangleCount);
  // Row coordinate from i over 4 rows, column coordinate from j over 3 columns.
  EXPECT_EQ(static_cast<float>(2.0 * 1 / 3 - 1.0), grid.gridCoords[4][0]);
  EXPECT_EQ(0.0f, grid.gridCoords[4][1]);
  EXPECT_EQ((Pair{0, 1}), grid.edges[0]);
  EXPECT_EQ((Pair{0, 3}), grid.edges[1]);
  EXPECT_EQ((Pair{1, 2}), grid.edges[2]);
  EXPECT_EQ((Pair{2, 5}), grid.edges[4]);
  EXPECT_EQ((Pair{10, 11}), grid.edges.back());
  EXPECT_EQ((Triple{1, 0, 2}), grid.ribs[0]);
  EXPECT_EQ((Triple{3, 0, 6}), grid.ribs[1]);
  EXPECT_EQ((Triple{4, 1, 7}), grid.ribs[2]);
  // Triangles run down a column pair before moving right.
  EXPECT_EQ((Triple{0, 1, 3}), grid.triangles[0]);
  EXPECT_EQ((Triple{4, 1, 3}), grid.triangles[1]);
  EXPECT_EQ((Triple{3, 4, 6}), grid.triangles[2]);
  EXPECT_EQ((Triple{1, 2, 4}), grid.triangles[6]);
}

TEST(SphereGrid, TenByTenCountsAndFirstNode) {
  SphereGrid grid(10, 10, 3);
  EXPECT_EQ(kSphere, grid.type);
  EXPECT_EQ(2, grid.manifoldDimension);
  EXPECT_EQ(102, grid.nodeCount);
  EXPECT_EQ(210, grid.edgeCount);
  EXPECT_EQ(210, grid.ribCount);
  EXPECT_EQ(200, grid.triangleCount);
  expectGridInvariants(grid);
  const float theta = static_cast<float>(1 * (3.1415926 / 11));
  EXPECT_EQ(static_cast<float>(std::sin(static_cast<double>(theta))), grid.gridCoords[0][0]);
  EXPECT_EQ(0.0f, grid.gridCoords[0][1]);
  EXPECT_EQ(static_cast<float>(std::cos(static_cast<double>(theta))), grid.gridCoords[0][2]);
  EXPECT_EQ((std::vector<float>{0.0f, 0.0f, 1.0f}), grid.gridCoords[100]);
  EXPECT_EQ((std::vector<float>{0.0f, 0.0f, -1.0f}), grid.gridCoords[101]);
  for (const std::vector<float>& c : grid.gridCoords) {
    EXPECT_NEAR(1.0, std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]), 1e-6);
  }
}

TEST(SphereGrid, MeridiansOfUnequalLengthAreNumberedAlongTheMeridian) {
  // 8 meridians of 5 nodes: node(i, j) = 5 i + j, N = 40, S = 41.
  SphereGrid grid(8, 5, 3);
  expectGridInvariants(grid);
  EXPECT_EQ(42, grid.nodeCount);
  EXPECT_EQ(2 * 40 + 8, grid.edgeCount);
  EXPECT_EQ(2 * 40 + 2 * 4, grid.ribCount);
  EXPECT_EQ(80, grid.triangleCount);
  EXPECT_EQ((Pair{0, 1}), grid.edges[0]);
  EXPECT_EQ((Pair{0, 5}), grid.edges[1]);  // node(1, 0) = 5
  const size_t poleEdges = 8 * 4 + 7 * 5;
  EXPECT_EQ((Pair{40, 0}), grid.edges[poleEdges]);
  EXPECT_EQ((Pair{41, 4}), grid.edges[poleEdges + 1]);
  EXPECT_EQ((Pair{0, 35}), grid.edges[poleEdges + 16]);  // first seam edge
  EXPECT_EQ((Pair{4, 39}), grid.edges.back());
  // The last ribs pass through the poles: (S, node(3, 4), node(7, 4)).
  EXPECT_EQ((Triple{40, 15, 35}), grid.ribs[grid.ribs.size() - 2]);
  EXPECT_EQ((Triple{41, 19, 39}), grid.ribs.back());
  EXPECT_EQ((Triple{35, 40, 0}), grid.triangles[78]);
  EXPECT_EQ((Triple{39, 41, 4}), grid.triangles[79]);
}

TEST(SphereGrid, CoefficientsAreNormalizedOnTheUnitSphere) {
  SphereGrid grid(6, 4, 3);
  // Every edge carries the same energy: coefficient x squared length = mean.
  double mean = 0.0;
  for (const Pair& e : grid.edges) {
    for (int k = 0; k < 3; ++k) {
      const double d = grid.gridCoords[e[0]][k] - grid.gridCoords[e[1]][k];
      mean += d * d;
    }
  }
  mean /= grid.edgeCount;
  for (size_t i = 0; i < grid.edges.size(); ++i) {
    double length = 0.0;
    for (int k = 0; k < 3; ++k) {
      const double d = grid.gridCoords[grid.edges[i][0]][k] - grid.gridCoords[grid.edges[i][1]][k];
      length += d * d;
    }
    EXPECT_NEAR(mean, grid.edgeCoefs[i] * length, 1e-5) << "edge " << i;
  }
  // The pole edges are all alike, so are their coefficients; not all are 1.
  const size_t poleEdges = 6 * 3 + 5 * 4;
  EXPECT_EQ(grid.edgeCoefs[poleEdges], grid.edgeCoefs[poleEdges + 2]);
  EXPECT_NE(1.0f, grid.edgeCoefs[0]);
  for (float c : grid.ribCoefs) EXPECT_TRUE(std::isfinite(c) && c > 0.0f);
}

TEST(SphereGrid, LowDimensionalDataKeepsCoefficientsFinite) {
  // With one or two data coordinates only that many grid coordinates are
  // measured, and some pole ribs lose (almost) all their bending.
  for (int dimension : {1, 2}) {
    for (int meridians : {3, 4, 8}) {
      SphereGrid grid(meridians, 3, dimension);
      expectGridInvariants(grid);
      for (float c : grid.edgeCoefs) EXPECT_TRUE(std::isfinite(c) && c > 0.0f);
      for (float c : grid.ribCoefs) EXPECT_TRUE(std::isfinite(c) && c > 0.0f);
    }
  }
}

TEST(LinearGrid, FiveNodesCoordinatesEdgesAndRibs) {
  LinearGrid grid(5, 2);
  EXPECT_EQ(kLinear, grid.type);
  EXPECT_EQ(1, grid.manifoldDimension);
  expectGridInvariants(grid);
  EXPECT_EQ(5, grid.nodeCount);
  EXPECT_EQ(0, grid.triangleCount);
  const float first[] = {-1.0f, -0.6f, -0.2f, 0.2f, 0.6f};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(first[i], grid.gridCoords[i][0]) << "node " << i;
    EXPECT_EQ(0.0f, grid.gridCoords[i][1]);
  }
  EXPECT_EQ((std::vector<Pair>{{0, 1}, {1, 2}, {2, 3}, {3, 4}}), grid.edges);
  EXPECT_EQ((std::vector<Triple>{{1, 0, 2}, {2, 1, 3}, {3, 2, 4}}), grid.ribs);
}

TEST(CircleGrid, FourNodesCloseTheRing) {
  CircleGrid grid(4, 2);
  EXPECT_EQ(kCircle, grid.type);
  EXPECT_EQ(1, grid.manifoldDimension);
  expectGridInvariants(grid);
  EXPECT_EQ((std::vector<Pair>{{0, 1}, {1, 2}, {2, 3}, {3, 0}}), grid.edges);
  EXPECT_EQ((std::vector<Triple>{{1, 0, 2}, {2, 1, 3}, {3, 2, 0}, {0, 3, 1}}), grid.ribs);
  EXPECT_EQ(1.0f, grid.gridCoords[0][0]);
  EXPECT_EQ(static_cast<float>(std::cos(2 * 6.2831852 / 4)), grid.gridCoords[2][0]);
  EXPECT_NEAR(1.0f, grid.gridCoords[1][1], 1e-7);
}

TEST(GraphGrid, StartsAsLooseNodesAtTheOrigin) {
  GraphGrid grid(7, 3);
  EXPECT_EQ(kGraph, grid.type);
  EXPECT_EQ(1, grid.manifoldDimension);
  EXPECT_EQ(5, grid.minclust);
  expectGridInvariants(grid);
  EXPECT_EQ(7, grid.nodeCount);
  EXPECT_EQ(0, grid.edgeCount);
  EXPECT_EQ(0, grid.ribCount);
  EXPECT_EQ(21u, grid.nodeCache.size());
}

TEST(CheckGridSizes, SmallestAcceptedSizesBuildValidGrids) {
  EXPECT_TRUE(checkGridSizes("simplerectangular", 2, 2).ok());
  EXPECT_TRUE(checkGridSizes("sphere", 3, 2).ok());
  EXPECT_TRUE(checkGridSizes("linear", 2, 0).ok());
  EXPECT_TRUE(checkGridSizes("circle", 3, -5).ok());
  EXPECT_TRUE(checkGridSizes("elgraph", 1, 0).ok());
  EXPECT_TRUE(checkGridSizes("unknowntype", -1, -1).ok());  // reported elsewhere
  expectGridInvariants(RectangularGrid(2, 2, 1));
  expectGridInvariants(SphereGrid(3, 2, 1));
  expectGridInvariants(LinearGrid(2, 1));
  expectGridInvariants(CircleGrid(3, 1));
  expectGridInvariants(GraphGrid(1, 1));
}

TEST(CheckGridSizes, RefusesSizesBelowTheTypesMinimum) {
  const struct {
    const char* type;
    int size1;
    int size2;
    const char* message;
  } cases[] = {
      {"simplerectangular", 1, 10,
       "Grid type simplerectangular needs grid.size1 >= 2 and grid.size2 >= 2, got 1 and 10\n"},
      {"simplerectangular", 10, 1,
       "Grid type simplerectangular needs grid.size1 >= 2 and grid.size2 >= 2, got 10 and 1\n"},
      {"sphere", 2, 5, "Grid type sphere needs grid.size1 >= 3 and grid.size2 >= 2, got 2 and 5\n"},
      {"sphere", 8, 1, "Grid type sphere needs grid.size1 >= 3 and grid.size2 >= 2, got 8 and 1\n"},
      {"linear", 1, 10, "Grid type linear needs grid.size1 >= 2, got 1\n"},
      {"circle", 2, 10, "Grid type circle needs grid.size1 >= 3, got 2\n"},
      {"elgraph", 0, 10, "Grid type elgraph needs grid.size1 >= 1, got 0\n"},
      {"linear", -4, 10, "Grid type linear needs grid.size1 >= 2, got -4\n"},
  };
  for (const auto& c : cases) {
    const Status status = checkGridSizes(c.type, c.size1, c.size2);
    EXPECT_EQ(1, status.exitCode) << c.type;
    EXPECT_EQ(c.message, status.message);
  }
}

TEST(CheckGridSizes, RefusesGridsTooLargeToBuild) {
  const Status rectangle = checkGridSizes("simplerectangular", 100000, 100000);
  EXPECT_EQ(1, rectangle.exitCode);
  EXPECT_EQ(
      "Grid type simplerectangular: grid.size1 100000 and grid.size2 100000 means 10000000000 "
      "nodes, more than the 1000000 a grid can hold\n",
      rectangle.message);
  // A product that overflows 32 bits is still seen as too large.
  EXPECT_EQ(1, checkGridSizes("sphere", 2147483647, 2147483647).exitCode);
  EXPECT_EQ(
      "Grid type linear: grid.size1 1000001 means 1000001 nodes, more than the 1000000 a grid "
      "can hold\n",
      checkGridSizes("linear", 1000001, 0).message);
  EXPECT_TRUE(checkGridSizes("circle", 1000000, 0).ok());
  EXPECT_TRUE(checkGridSizes("elgraph", 1000000, 0, 50).ok());
  EXPECT_TRUE(checkGridSizes("simplerectangular", 1000, 1000).ok());
  EXPECT_EQ(1, checkGridSizes("sphere", 1000, 1000).exitCode);  // 2 poles over the limit
}

TEST(CheckGridSizes, RefusesGridsWithTooManyNodeCoordinates) {
  // 10000 nodes are few, but not in 10000 dimensions.
  EXPECT_TRUE(checkGridSizes("simplerectangular", 100, 100, 5000).ok());
  EXPECT_EQ(
      "Grid type simplerectangular: grid.size1 100 and grid.size2 100 means 10000 nodes of 10000 "
      "coordinates, more than the 50000000 node coordinates a grid can hold\n",
      checkGridSizes("simplerectangular", 100, 100, 10000).message);
  EXPECT_EQ(1, checkGridSizes("elgraph", 1000000, 0, 51).exitCode);
  EXPECT_EQ("Adaptation step 3 means 1000010 nodes, more than the 1000000 a grid can hold\n",
            checkGridCapacity("Adaptation step 3", 1000010, 2).message);
  EXPECT_TRUE(checkGridCapacity("Adaptation step 3", 1000000, 50).ok());
}

TEST(CheckGridSizes, LoweredLimitsApplyUntilRaisedAgain) {
  limitGridSizes(50, 120);
  EXPECT_EQ("Grid type linear: grid.size1 51 means 51 nodes, more than the 50 a grid can hold\n",
            checkGridSizes("linear", 51, 0).message);
  EXPECT_EQ(1, checkGridSizes("circle", 50, 0, 3).exitCode);  // 150 coordinates
  EXPECT_TRUE(checkGridSizes("circle", 40, 0, 3).ok());
  limitGridSizes(kMaxGridNodes + 1, kMaxGridValues + 1);  // never above the built-in bounds
  EXPECT_EQ(kMaxGridNodes, gridNodeLimit());
  EXPECT_EQ(kMaxGridValues, gridValueLimit());
  EXPECT_TRUE(checkGridSizes("linear", 51, 0).ok());
}

}  // namespace
}  // namespace manifit
