// Projection through each node's incidence list against the scan of every
// triangle or edge of the grid, and the projections file written from a
// known assignment against the one that searches for the nearest nodes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "common/parallel.h"
#include "data/data_table.h"
#include "geometry/pruned_search.h"
#include "grid/grid.h"
#include "grid/grid_types.h"
#include "grid/projection_pieces.h"
#include "grid_file_paths.h"
#include "test_table.h"

namespace manifit {

namespace {

// Node positions scattered around a smooth sheet, so that neighbouring
// triangles compete for the points.
void scatterNodes(Grid& grid, unsigned seed) {
  std::mt19937 random(seed);
  std::normal_distribution<float> normal(0.0f, 0.3f);
  for (int i = 0; i < grid.nodeCount; ++i) {
    std::vector<float>& node = grid.nodes[static_cast<size_t>(i)];
    for (size_t k = 0; k < node.size(); ++k) {
      const float along = k < 3 ? grid.gridCoords[static_cast<size_t>(i)][k] : 0.0f;
      node[k] = along + normal(random);
    }
  }
  grid.refreshNodeCache();
}

std::vector<std::vector<float>> randomPoints(int count, int dimension, unsigned seed) {
  std::mt19937 random(seed);
  std::normal_distribution<float> normal(0.0f, 1.0f);
  std::vector<std::vector<float>> points(static_cast<size_t>(count),
                                         std::vector<float>(static_cast<size_t>(dimension)));
  for (std::vector<float>& x : points)
    for (float& v : x) v = normal(random);
  return points;
}

// Every node's listed projection of every point equals the scanning one.
void expectListedEqualsScanning(const Grid& grid, const std::vector<std::vector<float>>& points,
                                const std::string& what) {
  const PieceIncidence incidence = pieceIncidence(grid);
  for (size_t p = 0; p < points.size(); ++p) {
    for (int k = 0; k < grid.nodeCount; ++k) {
      float scanned[3] = {7.0f, 7.0f, 7.0f};
      float listed[3] = {-7.0f, -7.0f, -7.0f};
      projectFromNodeScanning(grid, points[p].data(), k, scanned);
      projectFromNodeListed(grid, incidence, points[p].data(), k, listed);
      ASSERT_EQ(0, std::memcmp(scanned, listed, sizeof scanned))
          << what << ": point " << p << ", node " << k << ": " << scanned[0] << " " << scanned[1]
          << " " << scanned[2] << " against " << listed[0] << " " << listed[1] << " " << listed[2];
    }
  }
}

std::vector<std::unique_ptr<Grid>> gridsOfEveryType() {
  std::vector<std::unique_ptr<Grid>> grids;
  grids.push_back(std::make_unique<RectangularGrid>(6, 5, 4));
  grids.push_back(std::make_unique<SphereGrid>(5, 6, 4));
  grids.push_back(std::make_unique<LinearGrid>(9, 4));
  grids.push_back(std::make_unique<CircleGrid>(8, 4));
  unsigned seed = 11;
  for (std::unique_ptr<Grid>& grid : grids) scatterNodes(*grid, seed++);
  return grids;
}

}  // namespace

TEST(ProjectionPieces, IncidenceListsHoldEachTouchingPieceOnceInOrder) {
  RectangularGrid grid(4, 3, 2);
  const PieceIncidence incidence = pieceIncidence(grid);
  ASSERT_TRUE(incidence.triangles);
  ASSERT_EQ(incidence.pieces.size(), static_cast<size_t>(grid.nodeCount));
  for (int k = 0; k < grid.nodeCount; ++k) {
    std::vector<int> expected;
    for (size_t t = 0; t < grid.triangles.size(); ++t) {
      const std::array<int, 3>& tri = grid.triangles[t];
      if (tri[0] == k || tri[1] == k || tri[2] == k) expected.push_back(static_cast<int>(t));
    }
    EXPECT_EQ(incidence.pieces[static_cast<size_t>(k)], expected) << "node " << k;
  }
  LinearGrid line(5, 2);
  const PieceIncidence edges = pieceIncidence(line);
  EXPECT_FALSE(edges.triangles);
  EXPECT_EQ(edges.pieces[0], std::vector<int>({0}));
  EXPECT_EQ(edges.pieces[2], std::vector<int>({1, 2}));
}

TEST(ProjectionPieces, ListedProjectionIsTheScanningOneOnEveryGridType) {
  const std::vector<std::vector<float>> points = randomPoints(60, 4, 5);
  for (const std::unique_ptr<Grid>& grid : gridsOfEveryType())
    expectListedEqualsScanning(*grid, points, "grid type " + std::to_string(grid->type));
}

TEST(ProjectionPieces, ListedProjectionHandlesOddTopologies) {
  // Repeated corners, a corner outside the nodes, coinciding nodes, a node in
  // no triangle, and a point on a node.
  Grid grid;
  grid.dimension = 2;
  grid.nodeCount = 6;
  grid.nodes = {{0, 0}, {1, 0}, {0, 1}, {1, 0}, {1, 1}, {9, 9}};
  grid.gridCoords = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 0, 1}, {1, 1, 0}, {2, 2, 2}};
  grid.triangles = {{0, 1, 2}, {1, 1, 4}, {3, 4, 2}, {0, 7, 2}, {4, 4, 4}, {1, 3, 4}};
  grid.triangleCount = static_cast<int>(grid.triangles.size());
  grid.refreshNodeCache();
  std::vector<std::vector<float>> points = randomPoints(40, 2, 8);
  points.push_back({1.0f, 0.0f});
  points.push_back({1e30f, -1e30f});
  points.push_back({1e-30f, 1e-30f});
  expectListedEqualsScanning(grid, points, "odd triangles");
  // The same nodes joined by edges only.
  grid.triangles.clear();
  grid.triangleCount = 0;
  grid.edges = {{0, 1}, {1, 1}, {3, 1}, {2, 9}, {4, 2}, {0, 4}};
  grid.edgeCount = static_cast<int>(grid.edges.size());
  expectListedEqualsScanning(grid, points, "odd edges");
  // An incidence list made for another grid is not trusted.
  RectangularGrid rectangle(3, 3, 2);
  scatterNodes(rectangle, 3);
  const PieceIncidence other = pieceIncidence(grid);
  for (const std::vector<float>& x : points) {
    float scanned[3];
    float listed[3];
    projectFromNodeScanning(rectangle, x.data(), 4, scanned);
    projectFromNodeListed(rectangle, other, x.data(), 4, listed);
    ASSERT_EQ(0, std::memcmp(scanned, listed, sizeof scanned));
  }
}

TEST(ProjectionPieces, FileFromTheAssignmentIsTheSearchedOne) {
  const std::string folder = gridFilesTempFolder();
  const std::vector<std::vector<float>> rows = randomPoints(3000, 4, 21);
  const DataTable table = makeTable(rows);
  const int saved = workerThreads();
  for (const std::unique_ptr<Grid>& grid : gridsOfEveryType()) {
    const std::string what = "grid type " + std::to_string(grid->type);
    const std::string searched = folder + "searched.txt";
    ASSERT_TRUE(grid->writeProjections(searched, table)) << what;
    const std::string expected = readTextFile(searched);
    ASSERT_EQ(std::count(expected.begin(), expected.end(), '\n'), 3000) << what;
    NodeAssignment plain;
    grid->assignToNodes(plain, table);
    PrunedSearch bounds;
    NodeAssignment pruned;
    grid->assignToNodes(pruned, table, bounds);
    for (int threads : {1, 4}) {
      setWorkerThreads(threads);
      for (const NodeAssignment* known : {&plain, &pruned}) {
        const std::string path = folder + "known.txt";
        ASSERT_TRUE(grid->writeProjections(path, table, nullptr, known)) << what;
        EXPECT_EQ(readTextFile(path), expected) << what << ", " << threads << " threads";
      }
    }
    setWorkerThreads(saved);
    // An assignment that does not fit the grid is ignored: the file is searched.
    NodeAssignment shorter = plain;
    shorter.lists.pop_back();
    NodeAssignment unordered = plain;
    for (std::vector<int>& list : unordered.lists) {
      if (list.size() > 1) {
        std::swap(list.front(), list.back());
        break;
      }
    }
    for (const NodeAssignment* unfit : {&shorter, &unordered}) {
      const std::string path = folder + "unfit.txt";
      ASSERT_TRUE(grid->writeProjections(path, table, nullptr, unfit)) << what;
      EXPECT_EQ(readTextFile(path), expected) << what;
    }
  }
}

}  // namespace manifit
