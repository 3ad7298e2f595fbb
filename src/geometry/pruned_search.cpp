#include "geometry/pruned_search.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "common/parallel.h"
#include "geometry/group_least.h"

namespace manifit {

namespace {

constexpr int kMaxGroups = 64;
constexpr int kNodesPerGroup = 2 * kNodeBlockWidth;
constexpr long kLowerBoundBudget = 4000000;  // lower bounds (two bytes each)
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// A few double roundings, relative: every bound is moved outward by this.
const double kNudge = std::ldexp(1.0, -48);
// Factors that survive one rounding to float (relative error 2^-24).
const double kUp = 1.0 + std::ldexp(1.0, -22);
const double kDown = 1.0 - std::ldexp(1.0, -22);
const float kDownFloat = 1.0f - 0x1p-22f;

// How far a computed squared distance may lie from the exact one: the
// single-precision difference, square and sum of `dimension` terms give
// |computed - exact| <= relative * exact + absolute (absolute: underflow).
// The factors below carry those bounds in multiplications, each moved
// outward by kNudge to cover their own roundings.
struct RoundingMargin {
  double relative = 0.0;
  double absolute = 0.0;
  double exactFromBelow = 0.0;  // >= 1 / (1 - relative)
  double exactFromAbove = 0.0;  // <= 1 / (1 + relative)
  double growth = 0.0;          // >= (1 + relative) / (1 - relative)
  double floor = 0.0;           // >= 2 absolute / (1 - relative)
  bool usable = false;
};

RoundingMargin roundingMargin(int dimension) {
  RoundingMargin margin;
  margin.relative = 2.0 * (dimension + 3.0) * std::ldexp(1.0, -24);
  margin.absolute = (4.0 * dimension + 4.0) * std::ldexp(1.0, -149);
  margin.exactFromBelow = (1.0 + kNudge) / (1.0 - margin.relative);
  margin.exactFromAbove = (1.0 - kNudge) / (1.0 + margin.relative);
  margin.growth = (1.0 + kNudge) * (1.0 + margin.relative) / (1.0 - margin.relative);
  margin.floor = (1.0 + kNudge) * 2.0 * margin.absolute / (1.0 - margin.relative);
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
  return floatAbove(std::sqrt((static_cast<double>(d) + m.absolute) * m.exactFromBelow));
}

// The exact distance is at least this when the computed square is d (a
// square that is not finite proves nothing).
float lowerFromSquare(float d, const RoundingMargin& m) {
  if (!(d < std::numeric_limits<float>::infinity())) return 0.0f;
  const double v = (static_cast<double>(d) - m.absolute) * m.exactFromAbove;
  return v > 0.0 ? floatBelow(std::sqrt(v)) : 0.0f;
}

// The square of a threshold t such that a node whose exact distance
// exceeds t has a computed square strictly above that of any node whose
// exact distance squared is at most u2 (+infinity when u2 is not finite).
double thresholdSquare(double u2, const RoundingMargin& m) {
  if (!(u2 < kInfinity)) return kInfinity;
  return u2 * m.growth + m.floor;
}

// The same threshold as a float at or above it.
float pruneThreshold(double u2, const RoundingMargin& m) {
  const double t2 = thresholdSquare(u2, m);
  if (!(t2 < kInfinity)) return std::numeric_limits<float>::infinity();
  const double t = std::sqrt(t2);
  return floatAbove(t + t * kNudge);
}

// At or above the exact squared distance when the computed square is d.
double upperSquare(float d, const RoundingMargin& m) {
  if (!(d < std::numeric_limits<float>::infinity())) return kInfinity;
  return (static_cast<double>(d) + m.absolute) * m.exactFromBelow;
}

// Bit g set where !(lb[g] > threshold), for g in [0, count): the groups
// whose bound cannot exclude them.
uint64_t notAbove(const float* lb, int count, float threshold) {
  uint64_t mask = 0;
  int g = 0;
#if defined(__SSE2__)
  const __m128 t = _mm_set1_ps(threshold);
  for (; g + 4 <= count; g += 4) {
    const int bits = _mm_movemask_ps(_mm_cmpngt_ps(_mm_loadu_ps(lb + g), t));
    mask |= static_cast<uint64_t>(static_cast<unsigned>(bits)) << g;
  }
#endif
  for (; g < count; ++g) mask |= static_cast<uint64_t>(!(lb[g] > threshold)) << g;
  return mask;
}

// A lower bound kept in two bytes: the float's upper half (its sign,
// exponent and seven leading fraction bits), which cuts the rest off and so
// rounds a bound of 0 or more down, never up; +infinity stays +infinity.
uint16_t packBelow(float bound) {
  uint32_t bits = 0;
  std::memcpy(&bits, &bound, sizeof bits);
  return static_cast<uint16_t>(bits >> 16);
}

float unpackBound(uint16_t packed) {
  const uint32_t bits = static_cast<uint32_t>(packed) << 16;
  float bound = 0.0f;
  std::memcpy(&bound, &bits, sizeof bound);
  return bound;
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
  bool fresh = false;                 // no bounds yet: every group is searched
};

// A point whose bounds could not prove its node: the groups to search.
struct Pending {
  long point = 0;
  int known = -1;  // its node before the search (-1: none)
  float knownSquare = std::numeric_limits<float>::infinity();
  uint64_t marked = 0;  // bit g: search group g
};

// One point after the nodes moved: loosens its bounds lb by the node
// movement; true (and ub set) when they prove its node without a distance.
bool provenByBounds(const PassContext& c, int known, float& ub, float* lb) {
  const int groupCount = c.groups->groupCount;
  const float bound = known >= 0 ? floatAbove(static_cast<double>(ub) + c.drift[known])
                                 : std::numeric_limits<float>::infinity();
  float least = std::numeric_limits<float>::infinity();
  for (int g = 0; g < groupCount; ++g) {
    // Below lb - drift, without branches: the rounded difference times
    // (1 - 2^-22), rounded again, stays under the exact one; negative, NaN
    // and subnormal results give 0.
    const float f = (lb[g] - c.groupDrift[g]) * kDownFloat;
    lb[g] = f >= std::numeric_limits<float>::min() ? f : 0.0f;
    least = least < lb[g] ? least : lb[g];
  }
  // least > t, compared squared: the float's square is exact in double.
  const double u = bound;
  const double t2 = known >= 0 ? thresholdSquare(u * u, c.margin) : kInfinity;
  if (!(static_cast<double>(least) * least > t2)) return false;
  ub = bound;
  return true;
}

// The squares of points x[i] to the nodes node[i] of the row-major cache,
// for i in [0, count), eight at a time so that eight sums are in flight;
// each is sum (node[k] - x[k])^2 in single precision in coordinate order,
// as the plain search forms it.
void knownSquares(const float* cache, int dimension, const float* const* x, const int* node,
                  int count, float* out) {
  constexpr int kTogether = 8;
  for (int i0 = 0; i0 < count; i0 += kTogether) {
    const int n = std::min(kTogether, count - i0);
    const float* a[kTogether];
    const float* b[kTogether];
    float sum[kTogether];
    for (int j = 0; j < kTogether; ++j) {
      const int i = i0 + std::min(j, n - 1);
      a[j] = cache + static_cast<size_t>(node[i]) * static_cast<size_t>(dimension);
      b[j] = x[i];
      sum[j] = 0.0f;
    }
    for (int k = 0; k < dimension; ++k) {
      for (int j = 0; j < kTogether; ++j) {
        const float d = a[j][k] - b[j][k];
        sum[j] += d * d;
      }
    }
    for (int j = 0; j < n; ++j) out[i0 + j] = sum[j];
  }
}

// With the square of the distance to its former node (+infinity: none),
// marks in entry the groups its bounds cannot exclude; none marked: ub set.
void markGroups(const PassContext& c, float knownSquare, float& ub, const float* lb,
                Pending& entry) {
  entry.marked = notAbove(lb, c.groups->groupCount,
                          pruneThreshold(upperSquare(knownSquare, c.margin), c.margin));
  if (entry.marked == 0) ub = upperFromSquare(knownSquare, c.margin);
  entry.knownSquare = knownSquare;
}

// What the search of one group gives one point: the plain search's winner
// among the group's nodes, and for the bounds the least square (its lowest
// node) and the least of the other nodes (squares that are not finite count
// as 0 there).
struct GroupResult {
  float winnerSquare = std::numeric_limits<float>::infinity();
  int winner = -1;
  float first = 0.0f;
  int firstNode = -1;
  float second = 0.0f;
};

GroupResult fromLeast(const LaneLeast& least, const int* lanes) {
  GroupResult r;
  r.winnerSquare = least.first;
  r.winner = lanes[least.firstLane];
  r.first = least.first;
  r.firstNode = r.winner;
  r.second = least.second;
  return r;
}

// The same lane by lane, for a group with a square that is not finite.
GroupResult laneByLane(const float* squares, int size, const int* lanes) {
  Candidate best;
  GroupLeast least;
  for (int lane = 0; lane < size; ++lane) {
    best.offer(squares[lane], lanes[lane]);
    least.offer(squares[lane], lanes[lane]);
  }
  GroupResult r;
  r.winnerSquare = best.square;
  r.winner = best.node;
  r.first = least.first;
  r.firstNode = least.firstNode;
  r.second = least.second;
  return r;
}

// Points screened together; the points that need a group are searched
// together, several at a time, so they share the node loads.
constexpr long kBatchPoints = 1024;
// Coordinates of a point asked for ahead of their use, a cache line at a time.
constexpr int kFloatsPerLine = 16;
constexpr int kPrefetchFloats = 16 * kFloatsPerLine;

struct Batch {
  std::vector<long> checked;                // points whose bounds proved nothing
  std::vector<int> checkedNodes;            // their former nodes, where they have one
  std::vector<const float*> checkedPoints;  // and the points of those
  std::vector<float> knownSquare = std::vector<float>(kBatchPoints);  // and their squares
  std::vector<Pending> pending;
  std::vector<float> bounds;              // per point of the batch and group
  std::vector<std::vector<int>> members;  // per group: the pending points that search it
  std::vector<GroupResult> results;       // per pending point and group
  std::vector<float> squares;             // kGroupPoints x the largest group's lanes
  LaneLeast least[kGroupPoints];
  explicit Batch(const NodeGroups& groups)
      : bounds(static_cast<size_t>(kBatchPoints) * groups.groupCount),
        members(static_cast<size_t>(groups.groupCount)),
        results(static_cast<size_t>(kBatchPoints) * groups.groupCount),
        squares(static_cast<size_t>(kGroupPoints) * groups.laneNode.size()) {}
};

// Searches group g for its pending points; returns the squares formed.
long searchGroup(const PassContext& c, const float* const* points, int g, Batch& batch) {
  const NodeGroups& groups = *c.groups;
  const std::vector<int>& list = batch.members[static_cast<size_t>(g)];
  const int from = groups.firstBlock[static_cast<size_t>(g)];
  const int blocks = groups.firstBlock[static_cast<size_t>(g) + 1] - from;
  const int size = groups.groupSize[static_cast<size_t>(g)];
  const int* lanes = groups.laneNode.data() + static_cast<size_t>(from) * kNodeBlockWidth;
  const size_t groupCount = static_cast<size_t>(groups.groupCount);
  for (size_t i = 0; i < list.size(); i += kGroupPoints) {
    const int n = static_cast<int>(std::min<size_t>(kGroupPoints, list.size() - i));
    const float* x[kGroupPoints];
    for (int j = 0; j < n; ++j)
      x[j] = points[batch.pending[static_cast<size_t>(list[i + j])].point];
    groupLeastWith(c.kernel, groups.values.data(), from, blocks, size, c.dimension, x, n,
                   batch.squares.data(), batch.least);
    for (int j = 0; j < n; ++j) {
      const float* own = batch.squares.data() + static_cast<size_t>(j) * blocks * kNodeBlockWidth;
      batch.results[static_cast<size_t>(list[i + j]) * groupCount + g] =
          batch.least[j].finite ? fromLeast(batch.least[j], lanes) : laneByLane(own, size, lanes);
    }
  }
  return static_cast<long>(list.size()) * size;
}

// A pending point's node and bounds from its searched groups.
void finishPoint(const PassContext& c, const Pending& entry, const GroupResult* results,
                 int& nearest, float& ub, float* lb) {
  const NodeGroups& groups = *c.groups;
  Candidate best;
  if (entry.known >= 0) best.offer(entry.knownSquare, entry.known);
  for (uint64_t left = entry.marked; left != 0; left &= left - 1) {
    const int g = __builtin_ctzll(left);
    if (results[g].winner >= 0) best.offer(results[g].winnerSquare, results[g].winner);
  }
  nearest = best.node;
  for (uint64_t left = entry.marked; left != 0; left &= left - 1) {
    const int g = __builtin_ctzll(left);
    const float others = results[g].firstNode == nearest ? results[g].second : results[g].first;
    lb[g] = lowerFromSquare(others, c.margin);
  }
  if (entry.known >= 0 && nearest != entry.known) {
    // The former nearest node now counts among its group's others.
    const int g = groups.groupOf[static_cast<size_t>(entry.known)];
    if ((entry.marked >> g & 1) == 0)
      lb[g] = std::min(lb[g], lowerFromSquare(entry.knownSquare, c.margin));
  }
  ub = upperFromSquare(best.square, c.margin);
}

// Searches the groups listed in batch.members and finishes the pending
// points with what they found. Returns the number of squares formed.
long searchPending(const PassContext& c, const float* const* points, long from, PrunedSearch& s,
                   Batch& batch) {
  const size_t groupCount = static_cast<size_t>(c.groups->groupCount);
  long formed = 0;
  for (size_t g = 0; g < groupCount; ++g) {
    if (!batch.members[g].empty()) formed += searchGroup(c, points, static_cast<int>(g), batch);
  }
  for (size_t i = 0; i < batch.pending.size(); ++i) {
    const Pending& entry = batch.pending[i];
    const size_t at = static_cast<size_t>(entry.point);
    finishPoint(c, entry, &batch.results[i * groupCount], s.nearest[at], s.upper[at],
                &batch.bounds[static_cast<size_t>(entry.point - from) * groupCount]);
  }
  return formed;
}

// The bounds of points [from, to) packed and their nodes given out.
void storeBatch(PrunedSearch& s, long from, long to, int* index, const Batch& batch) {
  const size_t groupCount = static_cast<size_t>(s.groups.groupCount);
  for (long p = from; p < to; ++p) {
    const size_t at = static_cast<size_t>(p);
    const float* lb = &batch.bounds[static_cast<size_t>(p - from) * groupCount];
    uint16_t* packed = &s.lower[at * groupCount];
    for (size_t g = 0; g < groupCount; ++g) packed[g] = packBelow(lb[g]);
    index[p] = s.nearest[at];
  }
}

// A fresh start for points [from, to): every group searched, which gives
// each point its node (the full search's) and the exact least square of
// every group's other nodes for its bounds.
long startBatch(const PassContext& c, const float* const* points, long from, long to,
                PrunedSearch& s, int* index, Batch& batch) {
  const size_t groupCount = static_cast<size_t>(c.groups->groupCount);
  const uint64_t all = groupCount >= 64 ? ~uint64_t{0} : (uint64_t{1} << groupCount) - 1;
  batch.pending.clear();
  for (size_t g = 0; g < groupCount; ++g) {
    std::vector<int>& list = batch.members[g];
    list.resize(static_cast<size_t>(to - from));
    for (long p = from; p < to; ++p)
      list[static_cast<size_t>(p - from)] = static_cast<int>(p - from);
  }
  for (long p = from; p < to; ++p) {
    Pending entry;
    entry.point = p;
    entry.marked = all;
    batch.pending.push_back(entry);
  }
  const long formed = searchPending(c, points, from, s, batch);
  storeBatch(s, from, to, index, batch);
  return formed;
}

// Points [from, to) after the nodes moved: their bounds loosened and
// tested, the distances to their former nodes formed together, then the
// groups the bounds cannot exclude searched group by group. Returns the
// number of squares formed.
long searchBatch(const PassContext& c, const float* const* points, long from, long to,
                 PrunedSearch& s, int* index, Batch& batch) {
  if (c.fresh) return startBatch(c, points, from, to, s, index, batch);
  const size_t groupCount = static_cast<size_t>(c.groups->groupCount);
  batch.pending.clear();
  batch.checked.clear();
  batch.checkedNodes.clear();
  batch.checkedPoints.clear();
  for (std::vector<int>& list : batch.members) list.clear();
  long formed = 0;
  for (long p = from; p < to; ++p) {
    const size_t at = static_cast<size_t>(p);
    const uint16_t* packed = &s.lower[at * groupCount];
    float* lb = &batch.bounds[static_cast<size_t>(p - from) * groupCount];
    for (size_t g = 0; g < groupCount; ++g) lb[g] = unpackBound(packed[g]);
    if (provenByBounds(c, s.nearest[at], s.upper[at], lb)) continue;
    // The point's coordinates are read next, from memory: ask for them now.
    for (int k = 0; k < std::min(c.dimension, kPrefetchFloats); k += kFloatsPerLine)
      __builtin_prefetch(points[p] + k);
    batch.checked.push_back(p);
    if (s.nearest[at] >= 0) {
      batch.checkedNodes.push_back(s.nearest[at]);
      batch.checkedPoints.push_back(points[p]);
    }
  }
  knownSquares(c.cache, c.dimension, batch.checkedPoints.data(), batch.checkedNodes.data(),
               static_cast<int>(batch.checkedNodes.size()), batch.knownSquare.data());
  formed += static_cast<long>(batch.checkedNodes.size());
  size_t withNode = 0;
  for (long p : batch.checked) {
    const size_t at = static_cast<size_t>(p);
    Pending entry;
    entry.point = p;
    entry.known = s.nearest[at];
    const float square =
        entry.known >= 0 ? batch.knownSquare[withNode++] : std::numeric_limits<float>::infinity();
    markGroups(c, square, s.upper[at], &batch.bounds[static_cast<size_t>(p - from) * groupCount],
               entry);
    if (entry.marked == 0) continue;
    for (uint64_t left = entry.marked; left != 0; left &= left - 1)
      batch.members[static_cast<size_t>(__builtin_ctzll(left))].push_back(
          static_cast<int>(batch.pending.size()));
    batch.pending.push_back(entry);
  }
  formed += searchPending(c, points, from, s, batch);
  storeBatch(s, from, to, index, batch);
  return formed;
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
    s.lower.assign(static_cast<size_t>(count) * static_cast<size_t>(s.groups.groupCount), 0);
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
  c.fresh = !same;
  std::atomic<long> formed{0};
  const double perPoint =
      (same ? 0.3 : 3.3) * nodeCount * static_cast<double>(std::max(dimension, 1));
  parallelFor(count, perPoint, [&](long begin, long end) {
    long here = 0;
    Batch batch(s.groups);
    for (long from = begin; from < end; from += kBatchPoints)
      here += searchBatch(c, points, from, std::min(end, from + kBatchPoints), s, index, batch);
    formed += here;
  });
  s.last.distances = formed.load();
  s.lastNodes.assign(cache, cache + static_cast<size_t>(nodeCount) * width);
  s.valid = margin.usable;
  // A search that had to form most distances anyway regroups the nodes.
  s.restartNext = same && 10 * s.last.distances > 9 * s.last.fullDistances;
}

}  // namespace manifit
