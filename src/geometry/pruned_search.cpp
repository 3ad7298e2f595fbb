#include "geometry/pruned_search.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>

#include "common/parallel.h"
#include "geometry/block_squares.h"

namespace manifit {

namespace {

constexpr int kMaxGroups = 64;
constexpr int kNodesPerGroup = 25;
constexpr int kChunkBlocks = 16;             // blocks whose squares are formed in one call
constexpr long kLowerBoundBudget = 4000000;  // floats of lower bounds
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// A few double roundings, relative: every bound is moved outward by this.
const double kNudge = std::ldexp(1.0, -48);
// Factors that survive one rounding to float (relative error 2^-24).
const double kUp = 1.0 + std::ldexp(1.0, -22);
const double kDown = 1.0 - std::ldexp(1.0, -22);

// How far a computed squared distance may lie from the exact one: the
// single-precision difference, square and sum of `dimension` terms give
// |computed - exact| <= relative * exact + absolute (absolute: underflow).
struct RoundingMargin {
  double relative = 0.0;
  double absolute = 0.0;
  bool usable = false;
};

RoundingMargin roundingMargin(int dimension) {
  RoundingMargin margin;
  margin.relative = 2.0 * (dimension + 3.0) * std::ldexp(1.0, -24);
  margin.absolute = (4.0 * dimension + 4.0) * std::ldexp(1.0, -149);
  margin.usable = margin.relative < 0.25;
  return margin;
}

// A float at or above v: the product moves v up by more than the rounding
// to float can take back; below the normal range, the smallest normal.
float floatAbove(double v) {
  if (std::isnan(v)) return std::numeric_limits<float>::infinity();
  if (v < static_cast<double>(std::numeric_limits<float>::min()))
    return v <= 0.0 ? 0.0f : std::numeric_limits<float>::min();
  return static_cast<float>(v * kUp);
}

// A float at or below v (0 for anything not above 0).
float floatBelow(double v) {
  if (!(v > 0.0)) return 0.0f;
  if (std::isinf(v)) return std::numeric_limits<float>::infinity();
  const float f = static_cast<float>(v * kDown);
  return f < std::numeric_limits<float>::min() ? 0.0f : f;
}

// The exact distance is at most this when the computed square is d.
float upperFromSquare(float d, const RoundingMargin& m) {
  if (!(d < std::numeric_limits<float>::infinity())) return std::numeric_limits<float>::infinity();
  return floatAbove(std::sqrt((static_cast<double>(d) + m.absolute) / (1.0 - m.relative)));
}

// The exact distance is at least this when the computed square is d (a
// square that is not finite proves nothing).
float lowerFromSquare(float d, const RoundingMargin& m) {
  if (!(d < std::numeric_limits<float>::infinity())) return 0.0f;
  const double v = (static_cast<double>(d) - m.absolute) / (1.0 + m.relative);
  return v > 0.0 ? floatBelow(std::sqrt(v)) : 0.0f;
}

// A node whose exact distance exceeds this has a computed square strictly
// above that of any node whose exact distance is at most ub.
double pruneThreshold(float ub, const RoundingMargin& m) {
  if (!(ub < std::numeric_limits<float>::infinity())) return kInfinity;
  const double u = ub;
  const double t = std::sqrt(((1.0 + m.relative) * u * u + 2.0 * m.absolute) / (1.0 - m.relative));
  return t + t * kNudge;
}

// sum (node[k] - x[k])^2 in single precision, in coordinate order.
float squaredDistanceTo(const float* node, const float* x, int dimension) {
  float sum = 0.0f;
  for (int k = 0; k < dimension; ++k) {
    const float d = node[k] - x[k];
    sum += d * d;
  }
  return sum;
}

// The plain search's order: the smaller square, on equal squares the lower
// index; only squares below +infinity count.
struct Candidate {
  float square = std::numeric_limits<float>::infinity();
  int node = -1;
  void offer(float d, int j) {
    if (d < square || (d == square && j < node && node >= 0)) {
      square = d;
      node = j;
    }
  }
};

// Per group searched: the smallest square (and its node) and the second.
struct GroupLeast {
  float first = std::numeric_limits<float>::infinity();
  int firstNode = -1;
  float second = std::numeric_limits<float>::infinity();
  void offer(float d, int j) {
    const float v = d < std::numeric_limits<float>::infinity() ? d : 0.0f;  // NaN and inf: 0
    if (v < first || (v == first && j < firstNode)) {
      second = first;
      first = v;
      firstNode = j;
    } else if (v < second) {
      second = v;
    }
  }
};

struct PassContext {
  SearchKernel kernel = SearchKernel::kPlain;
  const NodeGroups* groups = nullptr;
  const float* cache = nullptr;
  int dimension = 0;
  RoundingMargin margin;
  const float* drift = nullptr;       // per node
  const float* groupDrift = nullptr;  // per group
};

// The least squares of one group's lanes (ascending nodes); false when a
// square is not finite, which the caller then takes lane by lane.
bool leastOfGroup(const float* squares, const int* lanes, int size, GroupLeast& least) {
  float first = std::numeric_limits<float>::infinity();
  bool finite = true;
  for (int i = 0; i < size; ++i) {
    const float v = squares[i];
    finite = finite && v <= std::numeric_limits<float>::max();
    first = v < first ? v : first;
  }
  if (!finite || size == 0) return finite;
  int at = 0;
  while (squares[at] != first) ++at;  // the lowest node of equal squares
  float second = std::numeric_limits<float>::infinity();
  for (int i = 0; i < size; ++i) {
    if (i != at) second = squares[i] < second ? squares[i] : second;
  }
  least.first = first;
  least.firstNode = lanes[at];
  least.second = second;
  return true;
}

// Room for the squares of every block and the list of blocks to form.
struct Scratch {
  std::vector<float> squares;
  std::vector<int> blocks;
  explicit Scratch(const NodeGroups& groups)
      : squares(groups.laneNode.size()), blocks(groups.laneNode.size() / kNodeBlockWidth) {}
};

// Searches the marked groups of one point; `known` is a node whose square
// `knownSquare` is already computed (-1: none). Sets the point's nearest node
// and bounds; returns the number of squares formed.
long searchGroups(const PassContext& c, const float* x, const bool* marked, int known,
                  float knownSquare, Scratch& scratch, int& nearest, float& ub, float* lb) {
  const NodeGroups& groups = *c.groups;
  int listed = 0;
  for (int g = 0; g < groups.groupCount; ++g) {
    if (!marked[g]) continue;
    for (int b = groups.firstBlock[static_cast<size_t>(g)];
         b < groups.firstBlock[static_cast<size_t>(g) + 1]; ++b)
      scratch.blocks[static_cast<size_t>(listed++)] = b;
  }
  blockSquaresWith(c.kernel, groups.values.data(), scratch.blocks.data(), listed, c.dimension, x,
                   scratch.squares.data());
  Candidate best;
  if (known >= 0) best.offer(knownSquare, known);
  GroupLeast least[kMaxGroups];
  long formed = 0;
  const float* squares = scratch.squares.data();
  for (int g = 0; g < groups.groupCount; ++g) {
    if (!marked[g]) continue;
    const int from = groups.firstBlock[static_cast<size_t>(g)];
    const int size = groups.groupSize[static_cast<size_t>(g)];
    const int* lanes = groups.laneNode.data() + static_cast<size_t>(from) * kNodeBlockWidth;
    formed += size;
    if (leastOfGroup(squares, lanes, size, least[g])) {
      if (size > 0) best.offer(least[g].first, least[g].firstNode);
    } else {
      for (int lane = 0; lane < size; ++lane) {
        best.offer(squares[lane], lanes[lane]);
        least[g].offer(squares[lane], lanes[lane]);
      }
    }
    squares +=
        static_cast<size_t>(groups.firstBlock[static_cast<size_t>(g) + 1] - from) * kNodeBlockWidth;
  }
  nearest = best.node;
  for (int g = 0; g < groups.groupCount; ++g) {
    if (!marked[g]) continue;
    lb[g] =
        lowerFromSquare(least[g].firstNode != nearest ? least[g].first : least[g].second, c.margin);
  }
  if (known >= 0 && nearest != known) {
    // The former nearest node now counts among its group's others.
    const int g = groups.groupOf[static_cast<size_t>(known)];
    if (!marked[g]) lb[g] = std::min(lb[g], lowerFromSquare(knownSquare, c.margin));
  }
  ub = upperFromSquare(best.square, c.margin);
  return formed;
}

// Every distance of one point: the start of its bounds.
long searchAll(const PassContext& c, const float* x, Scratch& scratch, int& nearest, float& ub,
               float* lb) {
  bool marked[kMaxGroups];
  std::fill(marked, marked + kMaxGroups, true);
  return searchGroups(c, x, marked, -1, 0.0f, scratch, nearest, ub, lb);
}

// One point after the nodes moved: loosen, test, search what the bounds
// cannot exclude.
long searchMoved(const PassContext& c, const float* x, Scratch& scratch, int& nearest, float& ub,
                 float* lb) {
  const int groupCount = c.groups->groupCount;
  const int known = nearest;
  float bound = known >= 0 ? floatAbove(static_cast<double>(ub) + c.drift[known])
                           : std::numeric_limits<float>::infinity();
  float least = std::numeric_limits<float>::infinity();
  for (int g = 0; g < groupCount; ++g) {
    lb[g] = floatBelow(static_cast<double>(lb[g]) - c.groupDrift[g]);
    least = std::min(least, lb[g]);
  }
  if (static_cast<double>(least) > pruneThreshold(bound, c.margin)) {
    ub = bound;
    return 0;
  }
  float knownSquare = std::numeric_limits<float>::infinity();
  long formed = 0;
  if (known >= 0) {
    knownSquare = squaredDistanceTo(
        c.cache + static_cast<size_t>(known) * static_cast<size_t>(c.dimension), x, c.dimension);
    bound = upperFromSquare(knownSquare, c.margin);
    formed = 1;
  }
  const double threshold = pruneThreshold(bound, c.margin);
  bool marked[kMaxGroups];
  bool any = false;
  for (int g = 0; g < groupCount; ++g) {
    marked[g] = !(static_cast<double>(lb[g]) > threshold);
    any = any || marked[g];
  }
  if (!any) {
    ub = bound;
    return formed;
  }
  return formed + searchGroups(c, x, marked, known, knownSquare, scratch, nearest, ub, lb);
}

// drift[j] >= the distance node j moved; groupDrift[g] = the largest in g.
void nodeDrift(const PrunedSearch& s, const float* cache, std::vector<float>& drift,
               std::vector<float>& groupDrift) {
  const size_t width = static_cast<size_t>(s.dimension);
  drift.assign(static_cast<size_t>(s.nodeCount), 0.0f);
  groupDrift.assign(static_cast<size_t>(s.groups.groupCount), 0.0f);
  const double widen = 1.0 + (s.dimension + 8.0) * std::ldexp(1.0, -52);
  for (size_t j = 0; j < drift.size(); ++j) {
    double sum = 0.0;
    for (size_t k = 0; k < width; ++k) {
      const double d = static_cast<double>(cache[j * width + k]) -
                       static_cast<double>(s.lastNodes[j * width + k]);
      sum += d * d;
    }
    drift[j] = floatAbove(std::sqrt(sum) * widen);
    float& most = groupDrift[static_cast<size_t>(s.groups.groupOf[j])];
    most = std::max(most, drift[j]);
  }
}

}  // namespace

int prunedGroupCount(int nodeCount, long count) {
  const long byNodes =
      (static_cast<long>(std::max(nodeCount, 0)) + kNodesPerGroup - 1) / kNodesPerGroup;
  const long byMemory = count > 0 ? kLowerBoundBudget / count : kMaxGroups;
  return static_cast<int>(
      std::max(1L, std::min({static_cast<long>(kMaxGroups), byNodes, byMemory})));
}

void prunedNearestNodes(PrunedSearch& s, const float* cache, int nodeCount, int dimension,
                        const float* const* points, long count, int* index) {
  const RoundingMargin margin = roundingMargin(dimension);
  const bool same = s.valid && !s.restartNext && s.nodeCount == nodeCount &&
                    s.dimension == dimension && s.pointCount == count && s.points == points &&
                    margin.usable;
  const size_t width = static_cast<size_t>(std::max(dimension, 0));
  s.last = PrunedSearchStats();
  s.last.points = count;
  s.last.fullDistances = count * std::max(nodeCount, 0);
  s.last.fromScratch = !same;
  if (count <= 0) return;
  if (nodeCount <= 0) {
    std::fill(index, index + count, -1);
    s.valid = false;
    return;
  }
  if (!same) {
    s.nodeCount = nodeCount;
    s.dimension = dimension;
    s.pointCount = count;
    s.points = points;
    buildNodeGroups(cache, nodeCount, dimension, prunedGroupCount(nodeCount, count), s.groups);
    s.nearest.assign(static_cast<size_t>(count), -1);
    s.upper.assign(static_cast<size_t>(count), 0.0f);
    s.lower.assign(static_cast<size_t>(count) * static_cast<size_t>(s.groups.groupCount), 0.0f);
  } else {
    refillNodeGroups(cache, s.groups);
  }
  std::vector<float> drift;
  std::vector<float> groupDrift;
  if (same) nodeDrift(s, cache, drift, groupDrift);

  PassContext c;
  c.kernel = s.kernel;
  c.groups = &s.groups;
  c.cache = cache;
  c.dimension = dimension;
  c.margin = margin;
  c.drift = drift.data();
  c.groupDrift = groupDrift.data();
  const size_t groupCount = static_cast<size_t>(s.groups.groupCount);
  std::atomic<long> formed{0};
  const double perPoint =
      (same ? 0.3 : 3.0) * nodeCount * static_cast<double>(std::max(dimension, 1));
  parallelFor(count, perPoint, [&](long begin, long end) {
    long here = 0;
    Scratch scratch(s.groups);
    for (long p = begin; p < end; ++p) {
      const size_t at = static_cast<size_t>(p);
      float* lb = &s.lower[at * groupCount];
      here += same ? searchMoved(c, points[p], scratch, s.nearest[at], s.upper[at], lb)
                   : searchAll(c, points[p], scratch, s.nearest[at], s.upper[at], lb);
      index[p] = s.nearest[at];
    }
    formed += here;
  });
  s.last.distances = formed.load();
  s.lastNodes.assign(cache, cache + static_cast<size_t>(nodeCount) * width);
  s.valid = margin.usable;
  // A search that had to form most distances anyway regroups the nodes.
  s.restartNext = same && 2 * s.last.distances > s.last.fullDistances;
}

}  // namespace manifit
