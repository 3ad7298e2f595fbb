#include "geometry/node_groups.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace manifit {

namespace {

double squaredGap(const float* a, const float* b, int dimension) {
  double sum = 0.0;
  for (int k = 0; k < dimension; ++k) {
    const double d = static_cast<double>(a[k]) - static_cast<double>(b[k]);
    sum += d * d;
  }
  return sum;
}

const float* rowOf(const float* cache, int j, int dimension) {
  return cache + static_cast<size_t>(j) * static_cast<size_t>(dimension);
}

// Seeds spread out by farthest-point traversal from node 0.
std::vector<int> spreadSeeds(const float* cache, int nodeCount, int dimension, int wanted) {
  std::vector<int> seeds{0};
  std::vector<double> gap(static_cast<size_t>(nodeCount), std::numeric_limits<double>::infinity());
  while (static_cast<int>(seeds.size()) < wanted) {
    const float* last = rowOf(cache, seeds.back(), dimension);
    int farthest = -1;
    double far = 0.0;
    for (int j = 0; j < nodeCount; ++j) {
      gap[static_cast<size_t>(j)] = std::min(
          gap[static_cast<size_t>(j)], squaredGap(rowOf(cache, j, dimension), last, dimension));
      if (gap[static_cast<size_t>(j)] > far) {
        far = gap[static_cast<size_t>(j)];
        farthest = j;
      }
    }
    if (farthest < 0) break;  // every node coincides with a seed
    seeds.push_back(farthest);
  }
  return seeds;
}

// The nearest to node j of the centres g that allowed(g) admits (ties to the
// lower centre; the first admitted one when no distance is below infinity),
// -1 when none is admitted; gap receives its squared distance.
template <typename Allowed>
int nearestCentre(const float* cache, int j, int dimension, const std::vector<float>& centres,
                  const Allowed& allowed, double& gap) {
  const int count = static_cast<int>(centres.size() / static_cast<size_t>(dimension));
  int nearest = -1;
  int first = -1;
  gap = std::numeric_limits<double>::infinity();
  for (int g = 0; g < count; ++g) {
    if (!allowed(g)) continue;
    if (first < 0) first = g;
    const double d =
        squaredGap(rowOf(cache, j, dimension), rowOf(centres.data(), g, dimension), dimension);
    if (d < gap) {
      gap = d;
      nearest = g;
    }
  }
  return nearest >= 0 ? nearest : first;
}

// Each node to its nearest centre (ties to the lower centre).
void assignToCentres(const float* cache, int nodeCount, int dimension,
                     const std::vector<float>& centres, std::vector<int>& groupOf) {
  double gap = 0.0;
  for (int j = 0; j < nodeCount; ++j) {
    groupOf[static_cast<size_t>(j)] = nearestCentre(
        cache, j, dimension, centres, [](int) { return true; }, gap);
  }
}

// Centres moved to the means of their nodes; an empty group keeps its centre.
void moveCentres(const float* cache, int nodeCount, int dimension, const std::vector<int>& groupOf,
                 std::vector<float>& centres) {
  const size_t width = static_cast<size_t>(dimension);
  const size_t count = centres.size() / width;
  std::vector<double> sums(centres.size(), 0.0);
  std::vector<int> sizes(count, 0);
  for (int j = 0; j < nodeCount; ++j) {
    const size_t g = static_cast<size_t>(groupOf[static_cast<size_t>(j)]);
    ++sizes[g];
    for (size_t k = 0; k < width; ++k) sums[g * width + k] += rowOf(cache, j, dimension)[k];
  }
  for (size_t g = 0; g < count; ++g) {
    if (sizes[g] == 0) continue;
    for (size_t k = 0; k < width; ++k)
      centres[g * width + k] = static_cast<float>(sums[g * width + k] / sizes[g]);
  }
}

// Each node to a centre with at most `capacity` nodes: the nodes nearest to
// their own nearest centre choose first; a node whose nearest centre is full
// goes to the nearest one with room (ties to the lower centre, the lower
// node first on equal distances, so the result is deterministic).
void assignWithCapacity(const float* cache, int nodeCount, int dimension,
                        const std::vector<float>& centres, int capacity,
                        std::vector<int>& groupOf) {
  const int count = static_cast<int>(centres.size() / static_cast<size_t>(dimension));
  const auto any = [](int) { return true; };
  std::vector<double> nearestGap(static_cast<size_t>(nodeCount));
  std::vector<int> wanted(static_cast<size_t>(nodeCount));
  for (int j = 0; j < nodeCount; ++j) {
    wanted[static_cast<size_t>(j)] =
        nearestCentre(cache, j, dimension, centres, any, nearestGap[static_cast<size_t>(j)]);
  }
  std::vector<int> order(static_cast<size_t>(nodeCount));
  for (int j = 0; j < nodeCount; ++j) order[static_cast<size_t>(j)] = j;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return nearestGap[static_cast<size_t>(a)] < nearestGap[static_cast<size_t>(b)];
  });
  std::vector<int> room(static_cast<size_t>(count), capacity);
  const auto hasRoom = [&](int g) { return room[static_cast<size_t>(g)] > 0; };
  double gap = 0.0;
  for (int j : order) {
    int g = wanted[static_cast<size_t>(j)];
    if (!hasRoom(g)) g = nearestCentre(cache, j, dimension, centres, hasRoom, gap);
    --room[static_cast<size_t>(g)];
    groupOf[static_cast<size_t>(j)] = g;
  }
}

// Group numbers made consecutive, empty groups dropped; returns the count.
int compactGroups(std::vector<int>& groupOf, int count) {
  std::vector<int> renumber(static_cast<size_t>(count), -1);
  int next = 0;
  for (int& g : groupOf) {
    if (renumber[static_cast<size_t>(g)] < 0) renumber[static_cast<size_t>(g)] = next++;
    g = renumber[static_cast<size_t>(g)];
  }
  return next;
}

}  // namespace

void buildNodeGroups(const float* cache, int nodeCount, int dimension, int wanted,
                     NodeGroups& groups) {
  groups = NodeGroups();
  groups.dimension = std::max(dimension, 0);
  if (nodeCount <= 0) return;
  groups.groupOf.assign(static_cast<size_t>(nodeCount), 0);
  int count = 1;
  if (dimension > 0 && wanted > 1) {
    const std::vector<int> seeds =
        spreadSeeds(cache, nodeCount, dimension, std::min(wanted, nodeCount));
    std::vector<float> centres;
    for (int s : seeds)
      centres.insert(centres.end(), rowOf(cache, s, dimension),
                     rowOf(cache, s, dimension) + dimension);
    for (int round = 0; round < 4; ++round) {
      assignToCentres(cache, nodeCount, dimension, centres, groups.groupOf);
      moveCentres(cache, nodeCount, dimension, groups.groupOf, centres);
    }
    // Groups of at most a whole number of blocks, as even as the count allows.
    const int seedCount = static_cast<int>(seeds.size());
    const int even = (nodeCount + seedCount - 1) / seedCount;
    const int capacity = (even + kNodeBlockWidth - 1) / kNodeBlockWidth * kNodeBlockWidth;
    assignWithCapacity(cache, nodeCount, dimension, centres, capacity, groups.groupOf);
    count = compactGroups(groups.groupOf, seedCount);
  }
  groups.groupCount = count;

  std::vector<std::vector<int>> members(static_cast<size_t>(count));
  for (int j = 0; j < nodeCount; ++j)
    members[static_cast<size_t>(groups.groupOf[static_cast<size_t>(j)])].push_back(j);
  groups.firstBlock.assign(static_cast<size_t>(count) + 1, 0);
  groups.groupSize.assign(static_cast<size_t>(count), 0);
  for (int g = 0; g < count; ++g) {
    const int size = static_cast<int>(members[static_cast<size_t>(g)].size());
    const int blocks = (size + kNodeBlockWidth - 1) / kNodeBlockWidth;
    groups.groupSize[static_cast<size_t>(g)] = size;
    groups.largestGroup = std::max(groups.largestGroup, size);
    groups.firstBlock[static_cast<size_t>(g) + 1] =
        groups.firstBlock[static_cast<size_t>(g)] + blocks;
    for (int lane = 0; lane < blocks * kNodeBlockWidth; ++lane)
      groups.laneNode.push_back(
          lane < size ? members[static_cast<size_t>(g)][static_cast<size_t>(lane)] : -1);
  }
  refillNodeGroups(cache, groups);
}

void refillNodeGroups(const float* cache, NodeGroups& groups) {
  const size_t width = static_cast<size_t>(groups.dimension);
  const size_t lanes = groups.laneNode.size();
  groups.values.assign(lanes * width, 0.0f);
  for (size_t at = 0; at < lanes; ++at) {
    const int j = groups.laneNode[at];
    if (j < 0) continue;
    const size_t block = at / kNodeBlockWidth;
    const size_t lane = at % kNodeBlockWidth;
    for (size_t k = 0; k < width; ++k)
      groups.values[(block * width + k) * kNodeBlockWidth + lane] =
          cache[static_cast<size_t>(j) * width + k];
  }
}

}  // namespace manifit
