#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "geometry/node_groups.h"

namespace manifit {
namespace {

// Every node in exactly one group, listed in ascending order in its group's
// first lanes, with its coordinates in place; returns the largest group.
int expectWellLaidOut(const std::vector<float>& cache, int nodeCount, int dimension,
                      const NodeGroups& groups) {
  std::vector<int> seen(static_cast<size_t>(nodeCount), 0);
  int largest = 0;
  for (int g = 0; g < groups.groupCount; ++g) {
    const int first = groups.firstBlock[static_cast<size_t>(g)];
    const int blocks = groups.firstBlock[static_cast<size_t>(g) + 1] - first;
    const int size = groups.groupSize[static_cast<size_t>(g)];
    EXPECT_GT(size, 0);
    EXPECT_EQ(blocks, (size + kNodeBlockWidth - 1) / kNodeBlockWidth) << "group " << g;
    largest = std::max(largest, size);
    int previous = -1;
    for (int lane = 0; lane < blocks * kNodeBlockWidth; ++lane) {
      const int at = first * kNodeBlockWidth + lane;
      const int j = groups.laneNode[static_cast<size_t>(at)];
      if (lane >= size) {
        EXPECT_EQ(j, -1);
        continue;
      }
      EXPECT_GT(j, previous);
      previous = j;
      ++seen[static_cast<size_t>(j)];
      EXPECT_EQ(groups.groupOf[static_cast<size_t>(j)], g);
      for (int k = 0; k < dimension; ++k) {
        const size_t block = static_cast<size_t>(at / kNodeBlockWidth);
        const size_t value =
            (block * static_cast<size_t>(dimension) + static_cast<size_t>(k)) * kNodeBlockWidth +
            static_cast<size_t>(at % kNodeBlockWidth);
        EXPECT_EQ(groups.values[value], cache[static_cast<size_t>(j * dimension + k)]);
      }
    }
  }
  for (int j = 0; j < nodeCount; ++j) EXPECT_EQ(seen[static_cast<size_t>(j)], 1) << "node " << j;
  return largest;
}

TEST(NodeGroups, GroupsHoldAnEvenShareInWholeBlocks) {
  std::mt19937 random(7);
  std::normal_distribution<float> noise(0.0f, 1.0f);
  const int dimension = 3;
  for (int nodeCount : {1, 15, 16, 17, 33, 400, 401, 1000}) {
    for (int wanted : {1, 2, 13, 64}) {
      std::vector<float> cache;
      for (int j = 0; j < nodeCount; ++j) {
        // A bent sheet with a dense corner, so plain clustering would be uneven.
        const float a = static_cast<float>(j % 20);
        const float b = static_cast<float>(j / 20) * (j % 3 == 0 ? 0.05f : 1.0f);
        cache.insert(cache.end(), {a, b, 0.01f * a * a + 0.001f * noise(random)});
      }
      NodeGroups groups;
      buildNodeGroups(cache.data(), nodeCount, dimension, wanted, groups);
      ASSERT_LE(groups.groupCount, std::min(wanted, nodeCount));
      const int largest = expectWellLaidOut(cache, nodeCount, dimension, groups);
      const int share = (nodeCount + std::min(wanted, nodeCount) - 1) / std::min(wanted, nodeCount);
      const int capacity = (share + kNodeBlockWidth - 1) / kNodeBlockWidth * kNodeBlockWidth;
      EXPECT_LE(largest, capacity) << nodeCount << " nodes, " << wanted << " groups";

      NodeGroups again;
      buildNodeGroups(cache.data(), nodeCount, dimension, wanted, again);
      EXPECT_EQ(again.groupOf, groups.groupOf);
    }
  }
}

TEST(NodeGroups, CoincidingNodesStillFormGroups) {
  const int dimension = 2;
  for (int nodeCount : {5, 40, 100}) {
    std::vector<float> cache(static_cast<size_t>(nodeCount * dimension), 1.5f);
    cache[0] = -3.0f;  // one node apart from the rest
    NodeGroups groups;
    buildNodeGroups(cache.data(), nodeCount, dimension, 8, groups);
    EXPECT_GE(groups.groupCount, 1);
    EXPECT_LE(groups.groupCount, 2);
    expectWellLaidOut(cache, nodeCount, dimension, groups);
  }
}

}  // namespace
}  // namespace manifit
