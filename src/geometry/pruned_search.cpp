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

// The least square of one group's lanes; finite is cleared when a square is
// not finite (then the caller takes the group lane by lane).
float leastOfLanes(const float* squares, int size, bool& finite) {
  float first = std::numeric_limits<float>::infinity();
  bool ok = true;
  for (int i = 0; i < size; ++i) {
    const float v = squares[i];
    ok = ok && v <= std::numeric_limits<float>::max();
    first = v < first ? v : first;
  }
  finite = ok;
  return first;
}

// The least square of the lanes other than `skip`.
float leastExcept(const float* squares, int size, int skip) {
  float least = std::numeric_limits<float>::infinity();
  for (int i = 0; i < size; ++i) {
    if (i != skip) least = squares[i] < least ? squares[i] : least;
  }
  return least;
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
  int slice[kMaxGroups];  // where each marked group's squares start
  for (int g = 0; g < groups.groupCount; ++g) {
    if (!marked[g]) continue;
    slice[g] = listed * kNodeBlockWidth;
    for (int b = groups.firstBlock[static_cast<size_t>(g)];
         b < groups.firstBlock[static_cast<size_t>(g) + 1]; ++b)
      scratch.blocks[static_cast<size_t>(listed++)] = b;
  }
  blockSquaresWith(c.kernel, groups.values.data(), scratch.blocks.data(), listed, c.dimension, x,
                   scratch.squares.data());
  Candidate best;
  if (known >= 0) best.offer(knownSquare, known);
  float first[kMaxGroups];      // per marked group: its least square (bound value)
  float second[kMaxGroups];     // per group taken lane by lane: the next
  int firstNode[kMaxGroups];    // per group taken lane by lane: the node of first
  bool laneByLane[kMaxGroups];  // a square that is not finite
  long formed = 0;
  for (int g = 0; g < groups.groupCount; ++g) {
    if (!marked[g]) continue;
    const int from = groups.firstBlock[static_cast<size_t>(g)];
    const int size = groups.groupSize[static_cast<size_t>(g)];
    const int* lanes = groups.laneNode.data() + static_cast<size_t>(from) * kNodeBlockWidth;
    const float* squares = scratch.squares.data() + slice[g];
    formed += size;
    bool finite = true;
    first[g] = leastOfLanes(squares, size, finite);
    laneByLane[g] = !finite;
    if (finite) {
      if (size > 0 && first[g] <= best.square) {
        int at = 0;
        while (squares[at] != first[g]) ++at;  // the lowest node of equal squares
        best.offer(first[g], lanes[at]);
      }
      continue;
    }
    GroupLeast least;
    for (int lane = 0; lane < size; ++lane) {
      best.offer(squares[lane], lanes[lane]);
      least.offer(squares[lane], lanes[lane]);
    }
    first[g] = least.first;
    second[g] = least.second;
    firstNode[g] = least.firstNode;
  }
  nearest = best.node;
  const int home = nearest >= 0 ? groups.groupOf[static_cast<size_t>(nearest)] : -1;
  for (int g = 0; g < groups.groupCount; ++g) {
    if (!marked[g]) continue;
    float others = first[g];
    if (laneByLane[g]) {
      if (firstNode[g] == nearest) others = second[g];
    } else if (g == home) {
      const int from = groups.firstBlock[static_cast<size_t>(g)];
      const int* lanes = groups.laneNode.data() + static_cast<size_t>(from) * kNodeBlockWidth;
      const int size = groups.groupSize[static_cast<size_t>(g)];
      int at = 0;
      while (lanes[at] != nearest) ++at;
      others = leastExcept(scratch.squares.data() + slice[g], size, at);
    }
    lb[g] = lowerFromSquare(others, c.margin);
  }
  if (known >= 0 && nearest != known) {
    // The former nearest node now counts among its group's others.
    const int g = groups.groupOf[static_cast<size_t>(known)];
    if (!marked[g]) lb[g] = std::min(lb[g], lowerFromSquare(knownSquare, c.margin));
  }
  ub = upperFromSquare(best.square, c.margin);
  return formed;
}

// A fresh start for points [0, count): the full search gives each point its
// node and the upper bound; each group's bound is the distance to the
// group's sphere (a node of g is at least |x - centre| - radius away).
long startPoints(const PrunedSearch& s, const NodeSearch& full, const float* const* points,
                 long count, int* nearest, float* ub, float* lb, const RoundingMargin& margin) {
  std::vector<float> square(static_cast<size_t>(count));
  nearestNodesWith(s.kernel, full, points, count, nearest, square.data());
  const int groupCount = s.groups.groupCount;
  const int width = s.dimension;
  const double shrink = 1.0 - (width + 8.0) * std::ldexp(1.0, -52);
  double gap[kMaxGroups];
  for (long p = 0; p < count; ++p) {
    ub[p] = upperFromSquare(square[static_cast<size_t>(p)], margin);
    const float* x = points[p];
    std::fill(gap, gap + groupCount, 0.0);
    for (int k = 0; k < width; ++k) {
      const double xk = x[k];
      const double* centre = &s.centres[static_cast<size_t>(k) * groupCount];
      for (int g = 0; g < groupCount; ++g) {
        const double d = xk - centre[g];
        gap[g] += d * d;
      }
    }
    float* bound = lb + static_cast<size_t>(p) * groupCount;
    for (int g = 0; g < groupCount; ++g)
      bound[g] = floatBelow(std::sqrt(gap[g]) * shrink - s.radius[static_cast<size_t>(g)]);
  }
  return count * (static_cast<long>(full.nodeLimit) + groupCount);
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
    // floatBelow(lb - drift), without branches: negative, NaN and
    // subnormal results give 0.
    const float f = static_cast<float>((static_cast<double>(lb[g]) - c.groupDrift[g]) * kDown);
    lb[g] = f >= std::numeric_limits<float>::min() ? f : 0.0f;
    least = least < lb[g] ? least : lb[g];
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
    groupSpheres(cache, s.groups, s.centres, s.radius);
    buildNodeBlocks(cache, nodeCount, dimension, s.startBlocks);
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
      (same ? 0.3 : 3.3) * nodeCount * static_cast<double>(std::max(dimension, 1));
  const NodeSearch full = makeNodeSearch(cache, dimension, s.startBlocks, nodeCount, dimension);
  parallelFor(count, perPoint, [&](long begin, long end) {
    const size_t first = static_cast<size_t>(begin);
    if (!same) {
      formed += startPoints(s, full, points + begin, end - begin, &s.nearest[first],
                            &s.upper[first], &s.lower[first * groupCount], margin);
      std::copy(s.nearest.begin() + begin, s.nearest.begin() + end, index + begin);
      return;
    }
    long here = 0;
    Scratch scratch(s.groups);
    for (long p = begin; p < end; ++p) {
      const size_t at = static_cast<size_t>(p);
      here +=
          searchMoved(c, points[p], scratch, s.nearest[at], s.upper[at], &s.lower[at * groupCount]);
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
