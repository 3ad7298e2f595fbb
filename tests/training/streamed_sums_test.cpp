// The sums over the assigned points that read the table in row order (the
// right-hand sides of all coordinates, the error figure) against the plain
// forms that walk each node's list.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "common/parallel.h"
#include "grid/centroid_sums.h"
#include "support/rhs_plain.h"
#include "training_fixture.h"

namespace manifit {
namespace {

class StreamedSumsTest : public ::testing::Test {
 protected:
  StreamedSumsTest() : line(37, 9) {
    std::mt19937 random(2);
    std::normal_distribution<float> normal(0.0f, 1.0f);
    std::vector<std::vector<float>> points(30000, std::vector<float>(9));
    for (std::vector<float>& x : points)
      for (float& v : x) v = normal(random);
    fillTable(table, points);
    for (int i = 0; i < 37; ++i) {
      for (float& v : line.nodes[static_cast<size_t>(i)]) v = normal(random);
    }
    map.setData(table);
    map.setGrid(line);
    map.setSystem(system);
    map.assignPoints();
  }

  // Every coordinate's plain right-hand side against the all-coordinates pass, bit for bit.
  void expectSameRhs() {
    std::vector<double> all;
    map.computeAllRhs(all);
    std::vector<double> one(37);
    for (int k = 0; k < 9; ++k) {
      computeRhsPlain(map, k, one.data());
      for (int i = 0; i < 37; ++i) {
        const double expected = one[static_cast<size_t>(i)];
        const double got = all[static_cast<size_t>(i) * 9 + k];
        ASSERT_EQ(0, std::memcmp(&expected, &got, sizeof got))
            << "node " << i << ", coordinate " << k;
      }
    }
  }

  // The error figure from the right-hand-side pass's sums against its own
  // pass over the points, bit for bit.
  void expectSameError(const char* what) {
    std::vector<double> rhs;
    std::vector<double> sums;
    map.computeAllRhs(rhs, &sums);
    ASSERT_EQ(rhs.size(), sums.size()) << what;
    const double plain = map.trainingRms();
    const double reused = map.trainingRms(sums);
    EXPECT_EQ(0, std::memcmp(&plain, &reused, sizeof plain))
        << what << ": " << plain << " against " << reused;
    // The right-hand sides themselves are the same with or without the sums.
    std::vector<double> alone;
    map.computeAllRhs(alone);
    ASSERT_EQ(alone.size(), rhs.size());
    EXPECT_EQ(0, std::memcmp(alone.data(), rhs.data(), rhs.size() * sizeof(double))) << what;
  }

  DataTable table;
  LinearGrid line;
  ElasticMap map;
  SparseSystem system;
};

TEST_F(StreamedSumsTest, AllRightHandSidesMatchEachCoordinatesSums) {
  const int saved = workerThreads();
  for (int threads : {1, 2, 5}) {
    setWorkerThreads(threads);
    expectSameRhs();
  }
  setWorkerThreads(saved);
  // Weighted points.
  table.weights.assign(30000, 0.0f);
  std::mt19937 random(6);
  std::uniform_real_distribution<float> weight(0.0f, 2.0f);
  table.totalWeight = 0.0f;
  for (float& w : table.weights) table.totalWeight += (w = weight(random));
  table.weighted = true;
  expectSameRhs();
  // A list out of point order takes the list-by-list path, with its own order.
  std::swap(map.assignment.lists[3].front(), map.assignment.lists[3].back());
  expectSameRhs();
}

TEST_F(StreamedSumsTest, ErrorFigureFromTheRightHandSideSumsIsTheSame) {
  const int saved = workerThreads();
  for (int threads : {1, 3}) {
    setWorkerThreads(threads);
    expectSameError("unweighted");
  }
  setWorkerThreads(saved);
  // Nodes without points, and points without a node.
  map.assignment.lists[5].clear();
  map.assignment.lists[6].clear();
  expectSameError("empty lists");
  // Weighted points: the right-hand sides carry the weights, the figure not.
  table.weights.assign(30000, 0.0f);
  std::mt19937 random(9);
  std::uniform_real_distribution<float> weight(0.1f, 3.0f);
  table.totalWeight = 0.0f;
  for (float& w : table.weights) table.totalWeight += (w = weight(random));
  table.weighted = true;
  expectSameError("weighted");
  // A list out of point order: summed list by list on both sides.
  std::swap(map.assignment.lists[3].front(), map.assignment.lists[3].back());
  expectSameError("unordered list");
  // Sums of the wrong size are not trusted: the figure makes its own pass.
  const double plain = map.trainingRms();
  const double refused = map.trainingRms(std::vector<double>(3, 1.0));
  EXPECT_EQ(0, std::memcmp(&plain, &refused, sizeof plain));
}

TEST_F(StreamedSumsTest, ErrorFigureMatchesTheListByListSum) {
  std::vector<int> owner;
  ASSERT_TRUE(pointOwners(map.assignment, 37, table.pointCount, owner));
  const double plain = centroidSquareSumByLists(table, map.assignment, 37, 9);
  const int saved = workerThreads();
  for (int threads : {1, 2, 5}) {
    setWorkerThreads(threads);
    const double streamed = centroidSquareSumStreamed(table, map.assignment, owner, 37, 9);
    EXPECT_EQ(0, std::memcmp(&plain, &streamed, sizeof plain)) << threads << " threads";
  }
  setWorkerThreads(saved);
  // Lists that cannot be summed in row order are refused by pointOwners.
  NodeAssignment twice = map.assignment;
  twice.lists[0].push_back(twice.lists[1].front());
  EXPECT_FALSE(pointOwners(twice, 37, table.pointCount, owner));
  NodeAssignment unordered = map.assignment;
  std::swap(unordered.lists[2].front(), unordered.lists[2].back());
  EXPECT_FALSE(pointOwners(unordered, 37, table.pointCount, owner));
  NodeAssignment outside = map.assignment;
  outside.lists[4].push_back(table.pointCount);
  EXPECT_FALSE(pointOwners(outside, 37, table.pointCount, owner));
}

}  // namespace
}  // namespace manifit
