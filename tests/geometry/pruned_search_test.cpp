#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "common/parallel.h"
#include "geometry/nearest_node.h"
#include "geometry/pruned_search.h"

namespace manifit {
namespace {

struct Scene {
  int dimension = 0;
  std::vector<float> nodes;  // row-major
  std::vector<std::vector<float>> points;
  std::vector<const float*> rows;

  int nodeCount() const { return static_cast<int>(nodes.size()) / dimension; }
  void finish() {
    rows.clear();
    for (const std::vector<float>& x : points) rows.push_back(x.data());
  }
};

std::vector<int> plainIndices(const Scene& s) {
  NodeBlocks none;
  const NodeSearch search =
      makeNodeSearch(s.nodes.data(), s.dimension, none, s.nodeCount(), s.dimension);
  std::vector<int> index(s.rows.size());
  std::vector<float> distance(s.rows.size());
  nearestNodesPlain(search, s.rows.data(), static_cast<long>(s.rows.size()), index.data(),
                    distance.data());
  return index;
}

std::vector<int> prunedIndices(PrunedSearch& search, const Scene& s) {
  std::vector<int> index(s.rows.size(), -7);
  prunedNearestNodes(search, s.nodes.data(), s.nodeCount(), s.dimension, s.rows.data(),
                     static_cast<long>(s.rows.size()), index.data());
  return index;
}

// A grid-like sheet of nodes scaled by `scale`, points scattered around it.
Scene sheetScene(int side, int dimension, int pointCount, float scale, std::mt19937& random) {
  Scene s;
  s.dimension = dimension;
  std::normal_distribution<float> noise(0.0f, 0.3f);
  for (int a = 0; a < side; ++a) {
    for (int b = 0; b < side; ++b) {
      for (int k = 0; k < dimension; ++k) {
        const float base = k == 0 ? static_cast<float>(a) : k == 1 ? static_cast<float>(b) : 0.0f;
        s.nodes.push_back(scale * (base + 0.1f * noise(random)));
      }
    }
  }
  std::uniform_real_distribution<float> along(-1.0f, static_cast<float>(side));
  for (int p = 0; p < pointCount; ++p) {
    std::vector<float> x(static_cast<size_t>(dimension));
    for (int k = 0; k < dimension; ++k)
      x[static_cast<size_t>(k)] = scale * (k < 2 ? along(random) : noise(random));
    s.points.push_back(x);
  }
  s.finish();
  return s;
}

// Moves every node a little (and some a lot) as a training step would.
void moveNodes(Scene& s, float step, std::mt19937& random) {
  std::normal_distribution<float> normal(0.0f, step);
  std::uniform_int_distribution<int> rare(0, 40);
  for (float& v : s.nodes) v += rare(random) == 0 ? 20.0f * normal(random) : normal(random);
}

// Runs iterations of moves and compares every iteration's assignment.
void expectSameOverMoves(Scene& s, int iterations, float step, std::mt19937& random,
                         long* formed = nullptr, long* full = nullptr) {
  PrunedSearch search;
  for (int it = 0; it < iterations; ++it) {
    ASSERT_EQ(prunedIndices(search, s), plainIndices(s)) << "iteration " << it;
    if (it > 0 && formed != nullptr) {
      *formed += search.last.distances;
      *full += search.last.fullDistances;
    }
    moveNodes(s, step, random);
  }
}

TEST(PrunedSearch, MatchesThePlainSearchOverMovingGrids) {
  std::mt19937 random(11);
  for (int dimension : {1, 2, 3, 17, 50}) {
    for (int side : {1, 3, 12}) {
      SCOPED_TRACE("dimension " + std::to_string(dimension) + ", side " + std::to_string(side));
      Scene s = sheetScene(side, dimension, 700, 1.0f, random);
      expectSameOverMoves(s, 12, 0.05f, random);
    }
  }
}

TEST(PrunedSearch, FormsFewDistancesWhenNodesBarelyMove) {
  std::mt19937 random(5);
  Scene s = sheetScene(20, 10, 3000, 1.0f, random);
  long formed = 0;
  long full = 0;
  expectSameOverMoves(s, 8, 0.002f, random, &formed, &full);
  ASSERT_GT(full, 0);
  EXPECT_LT(static_cast<double>(formed) / static_cast<double>(full), 0.25);
}

// Ties everywhere: nodes and points on a coarse lattice, duplicate nodes,
// duplicate points, points midway between two nodes.
TEST(PrunedSearch, KeepsTiesToTheLowestIndex) {
  std::mt19937 random(3);
  std::uniform_int_distribution<int> lattice(-3, 3);
  for (int dimension : {1, 2, 5}) {
    Scene s;
    s.dimension = dimension;
    for (int j = 0; j < 60 * dimension; ++j)
      s.nodes.push_back(0.5f * static_cast<float>(lattice(random)));
    for (int j = 0; j < 10; ++j)  // coinciding nodes
      std::copy_n(&s.nodes[static_cast<size_t>(j) * dimension], dimension,
                  &s.nodes[static_cast<size_t>(j + 20) * dimension]);
    std::uniform_int_distribution<int> pick(0, s.nodeCount() - 1);
    for (int p = 0; p < 400; ++p) {
      std::vector<float> x(static_cast<size_t>(dimension));
      const float* a = &s.nodes[static_cast<size_t>(pick(random)) * dimension];
      const float* b = &s.nodes[static_cast<size_t>(pick(random)) * dimension];
      for (int k = 0; k < dimension; ++k)
        x[static_cast<size_t>(k)] = p % 3 == 0   ? a[k]
                                    : p % 3 == 1 ? 0.5f * (a[k] + b[k])
                                                 : 0.25f * static_cast<float>(lattice(random));
      s.points.push_back(x);
      if (p % 7 == 0) s.points.push_back(x);  // a duplicate point
    }
    s.finish();
    PrunedSearch search;
    for (int it = 0; it < 10; ++it) {
      ASSERT_EQ(prunedIndices(search, s), plainIndices(s))
          << "dimension " << dimension << ", iteration " << it;
      // Nodes move to other lattice places, or not at all.
      for (int j = 0; j < s.nodeCount(); j += 3)
        s.nodes[static_cast<size_t>(j) * dimension] += 0.5f * static_cast<float>(it % 3 - 1);
    }
  }
}

TEST(PrunedSearch, MatchesOnTinyAndHugeCoordinates) {
  for (float scale : {1e-22f, 1e-19f, 1e-12f, 1e12f, 1e17f, 1e19f}) {
    SCOPED_TRACE("scale " + std::to_string(scale));
    std::mt19937 random(17);
    Scene s = sheetScene(6, 4, 500, scale, random);
    PrunedSearch search;
    for (int it = 0; it < 6; ++it) {
      ASSERT_EQ(prunedIndices(search, s), plainIndices(s)) << "iteration " << it;
      std::normal_distribution<float> normal(0.0f, 0.02f * scale);
      for (float& v : s.nodes) v += normal(random);
    }
  }
}

// Nodes added or removed between searches, and a point table swapped.
TEST(PrunedSearch, StartsAfreshWhenTheNodesOrPointsChange) {
  std::mt19937 random(23);
  Scene s = sheetScene(5, 3, 400, 1.0f, random);
  PrunedSearch search;
  ASSERT_EQ(prunedIndices(search, s), plainIndices(s));
  EXPECT_TRUE(search.last.fromScratch);
  moveNodes(s, 0.01f, random);
  ASSERT_EQ(prunedIndices(search, s), plainIndices(s));
  EXPECT_FALSE(search.last.fromScratch);
  // A grown grid: three more nodes, one on top of an existing node.
  s.nodes.insert(s.nodes.end(), s.nodes.begin(), s.nodes.begin() + 3);
  s.nodes.insert(s.nodes.end(), {0.5f, 0.5f, 0.0f, 2.5f, 1.5f, 0.0f});
  ASSERT_EQ(prunedIndices(search, s), plainIndices(s));
  EXPECT_TRUE(search.last.fromScratch);
  Scene other = sheetScene(5, 3, 300, 1.0f, random);
  other.nodes = s.nodes;
  ASSERT_EQ(prunedIndices(search, other), plainIndices(other));
  EXPECT_TRUE(search.last.fromScratch);
  Scene none = other;
  none.nodes.clear();
  EXPECT_EQ(prunedIndices(search, none), std::vector<int>(none.rows.size(), -1));
}

// Points with a coordinate beyond any finite square: no node (-1), as the
// plain search says, and the other points unaffected.
TEST(PrunedSearch, PointsWithoutAFiniteDistance) {
  std::mt19937 random(29);
  Scene s = sheetScene(4, 2, 50, 1.0f, random);
  s.points[3][0] = 3e38f;
  s.points[9][1] = std::nanf("");
  s.finish();
  PrunedSearch search;
  for (int it = 0; it < 4; ++it) {
    const std::vector<int> plain = plainIndices(s);
    ASSERT_EQ(plain[3], -1);
    ASSERT_EQ(prunedIndices(search, s), plain) << "iteration " << it;
    moveNodes(s, 0.01f, random);
  }
}

// 12,000 points, 100 nodes, 40 coordinates: both the fresh start and the
// bounded searches after it run in pieces on every thread count.
TEST(PrunedSearch, SameAnswerOnAnyThreadCount) {
  std::mt19937 random(31);
  Scene s = sheetScene(10, 40, 12000, 1.0f, random);
  const int saved = workerThreads();
  std::vector<std::vector<int>> first;
  for (int threads : {1, 2, 3, 5, 8}) {
    setWorkerThreads(threads);
    Scene copy = s;
    copy.finish();
    std::mt19937 moves(37);
    PrunedSearch search;
    std::vector<std::vector<int>> runs;
    for (int it = 0; it < 5; ++it) {
      runs.push_back(prunedIndices(search, copy));
      EXPECT_EQ(runs.back(), plainIndices(copy)) << threads << " threads, iteration " << it;
      moveNodes(copy, 0.02f, moves);
    }
    if (first.empty()) first = runs;
    EXPECT_EQ(runs, first) << threads << " threads";
  }
  setWorkerThreads(saved);
}

}  // namespace
}  // namespace manifit
