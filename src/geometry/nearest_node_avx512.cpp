// The nearest-node search with AVX-512: sixteen nodes per vector, each lane
// forming one node's squared distance with the same single-precision
// operations, in the same coordinate order, as the plain search; a group of
// points shares every node load. Each lane keeps its own best (strict
// "smaller than", so the first of equal values) and the lanes are merged at
// the end by value, then by the lowest node index: the plain search's
// answer.
#include "geometry/block_squares.h"
#include "geometry/group_least.h"
#include "geometry/nearest_node.h"

// No standard-library template is used here: an instance compiled with these
// instruction-set flags could be picked by the linker for the whole program.

#if defined(__AVX512F__)
#include <immintrin.h>
#endif

namespace manifit {

#if defined(__AVX512F__)

namespace {

constexpr int kWidth = kNodeBlockWidth;
static_assert(kWidth == 16, "one AVX-512 vector holds one block");
constexpr int kPoints = 6;  // points sharing the node loads
constexpr int kBlocks = 2;  // blocks formed at once

struct LaneBest {
  __m512 value[kPoints];
  __m512i index[kPoints];
};

// Lanes of block b that hold one of the nodes [0, limit).
__mmask16 validLanes(int b, int limit) {
  const int left = limit - b * kWidth;
  return left >= kWidth ? static_cast<__mmask16>(0xFFFF)
                        : static_cast<__mmask16>((1u << left) - 1u);
}

// acc[i][p] = squared distances of point p to the nodes of block b + i,
// summed over the coordinates in index order.
template <int B>
void blockDistances(const NodeSearch& search, int b, int coordinates,
                    const float* const (&x)[kPoints], __m512 (&acc)[B][kPoints]) {
  const size_t stride = static_cast<size_t>(search.blockedDimension) * kWidth;
  const float* base = search.blocked + static_cast<size_t>(b) * stride;
  for (int i = 0; i < B; ++i)
    for (int p = 0; p < kPoints; ++p) acc[i][p] = _mm512_setzero_ps();
  for (int k = 0; k < coordinates; ++k) {
    __m512 node[B];
    for (int i = 0; i < B; ++i)
      node[i] =
          _mm512_loadu_ps(base + static_cast<size_t>(i) * stride + static_cast<size_t>(k) * kWidth);
    for (int p = 0; p < kPoints; ++p) {
      const __m512 xk = _mm512_set1_ps(x[p][k]);
      for (int i = 0; i < B; ++i) {
        const __m512 d = _mm512_sub_ps(node[i], xk);
        acc[i][p] = _mm512_add_ps(acc[i][p], _mm512_mul_ps(d, d));
      }
    }
  }
}

template <int B>
void keepSmaller(int b, int limit, const __m512 (&acc)[B][kPoints], LaneBest& best) {
  const __m512i lanes = _mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
  for (int i = 0; i < B; ++i) {
    const __mmask16 valid = validLanes(b + i, limit);
    const __m512i index = _mm512_add_epi32(_mm512_set1_epi32((b + i) * kWidth), lanes);
    for (int p = 0; p < kPoints; ++p) {
      const __mmask16 smaller =
          _mm512_mask_cmp_ps_mask(valid, acc[i][p], best.value[p], _CMP_LT_OQ);
      best.value[p] = _mm512_mask_blend_ps(smaller, best.value[p], acc[i][p]);
      best.index[p] = _mm512_mask_blend_epi32(smaller, best.index[p], index);
    }
  }
}

// The smallest lane value, ties to the lowest node index; -1 when no lane
// found a distance below infinity.
void mergeLanes(__m512 value, __m512i index, int& nearest, float& distance) {
  alignas(64) float values[kWidth];
  alignas(64) int indices[kWidth];
  _mm512_store_ps(values, value);
  _mm512_store_si512(reinterpret_cast<__m512i*>(indices), index);
  nearest = -1;
  distance = __builtin_inff();
  for (int lane = 0; lane < kWidth; ++lane) {
    if (indices[lane] < 0) continue;
    if (values[lane] < distance || (values[lane] == distance && indices[lane] < nearest)) {
      distance = values[lane];
      nearest = indices[lane];
    }
  }
}

}  // namespace

bool avx512KernelBuilt() {
  return true;
}

void nearestNodesAvx512(const NodeSearch& search, const float* const* points, long count,
                        int* index, float* distance) {
  const int limit = search.nodeLimit;
  const int used = (limit + kWidth - 1) / kWidth;
  for (long p0 = 0; p0 < count; p0 += kPoints) {
    // A short last group repeats its last point.
    const float* x[kPoints];
    for (int p = 0; p < kPoints; ++p) x[p] = points[p0 + p < count ? p0 + p : count - 1];
    LaneBest best;
    for (int p = 0; p < kPoints; ++p) {
      best.value[p] = _mm512_set1_ps(__builtin_inff());
      best.index[p] = _mm512_set1_epi32(-1);
    }
    int b = 0;
    for (; b + kBlocks <= used; b += kBlocks) {
      __m512 acc[kBlocks][kPoints];
      blockDistances<kBlocks>(search, b, search.coordinates, x, acc);
      keepSmaller<kBlocks>(b, limit, acc, best);
    }
    for (; b < used; ++b) {
      __m512 acc[1][kPoints];
      blockDistances<1>(search, b, search.coordinates, x, acc);
      keepSmaller<1>(b, limit, acc, best);
    }
    for (int p = 0; p < kPoints && p0 + p < count; ++p)
      mergeLanes(best.value[p], best.index[p], index[p0 + p], distance[p0 + p]);
  }
}

namespace {

// N blocks at once, one vector per block: N sums in flight.
template <int N>
void squaresOfBlocks(const float* values, const int* list, size_t stride, int dimension,
                     const float* x, float* out) {
  const float* base[N];
  __m512 acc[N];
  for (int i = 0; i < N; ++i) {
    base[i] = values + static_cast<size_t>(list[i]) * stride;
    acc[i] = _mm512_setzero_ps();
  }
  for (int k = 0; k < dimension; ++k) {
    const __m512 xk = _mm512_set1_ps(x[k]);
    const size_t at = static_cast<size_t>(k) * kWidth;
    for (int i = 0; i < N; ++i) {
      const __m512 d = _mm512_sub_ps(_mm512_loadu_ps(base[i] + at), xk);
      acc[i] = _mm512_add_ps(acc[i], _mm512_mul_ps(d, d));
    }
  }
  for (int i = 0; i < N; ++i) _mm512_storeu_ps(out + i * kWidth, acc[i]);
}

}  // namespace

void blockSquaresAvx512(const float* values, const int* list, int count, int dimension,
                        const float* x, float* out) {
  const size_t stride = static_cast<size_t>(dimension) * kWidth;
  int b = 0;
  for (; b + 8 <= count; b += 8)
    squaresOfBlocks<8>(values, list + b, stride, dimension, x, out + b * kWidth);
  const int left = count - b;
  if (left >= 4) {
    squaresOfBlocks<4>(values, list + b, stride, dimension, x, out + b * kWidth);
    b += 4;
  }
  switch (count - b) {
    case 3:
      squaresOfBlocks<3>(values, list + b, stride, dimension, x, out + b * kWidth);
      break;
    case 2:
      squaresOfBlocks<2>(values, list + b, stride, dimension, x, out + b * kWidth);
      break;
    case 1:
      squaresOfBlocks<1>(values, list + b, stride, dimension, x, out + b * kWidth);
      break;
    default:
      break;
  }
}

namespace {

static_assert(kGroupPoints == kPoints, "one group call fills the points of the kernel");

// The squares of kPoints points to B consecutive blocks from base, each
// block's vectors stored at out[p] + i * kWidth.
template <int B>
void groupBlocks(const float* base, size_t stride, int dimension, const float* const (&x)[kPoints],
                 float* const (&out)[kPoints]) {
  __m512 acc[B][kPoints];
  for (int i = 0; i < B; ++i)
    for (int p = 0; p < kPoints; ++p) acc[i][p] = _mm512_setzero_ps();
  for (int k = 0; k < dimension; ++k) {
    __m512 node[B];
    for (int i = 0; i < B; ++i)
      node[i] =
          _mm512_loadu_ps(base + static_cast<size_t>(i) * stride + static_cast<size_t>(k) * kWidth);
    for (int p = 0; p < kPoints; ++p) {
      const __m512 xk = _mm512_set1_ps(x[p][k]);
      for (int i = 0; i < B; ++i) {
        const __m512 d = _mm512_sub_ps(node[i], xk);
        acc[i][p] = _mm512_add_ps(acc[i][p], _mm512_mul_ps(d, d));
      }
    }
  }
  for (int i = 0; i < B; ++i)
    for (int p = 0; p < kPoints; ++p) _mm512_storeu_ps(out[p] + i * kWidth, acc[i][p]);
}

// The lane-wise minimum of two vectors without NaN (the masked forms: the
// unmasked intrinsics of GCC 12 trip its uninitialized-value warning).
__m512 lesser(__m512 a, __m512 b) {
  return _mm512_mask_min_ps(a, static_cast<__mmask16>(0xFFFF), a, b);
}

// The least lane of a vector of values that are not NaN (a minimum is
// exact, whatever the order): halves folded onto each other.
float leastLane(__m512 v) {
  const __mmask16 all = static_cast<__mmask16>(0xFFFF);
  v = lesser(v, _mm512_mask_shuffle_f32x4(v, all, v, v, _MM_SHUFFLE(1, 0, 3, 2)));
  v = lesser(v, _mm512_mask_shuffle_f32x4(v, all, v, v, _MM_SHUFFLE(2, 3, 0, 1)));
  v = lesser(v, _mm512_mask_permute_ps(v, all, v, _MM_SHUFFLE(1, 0, 3, 2)));
  v = lesser(v, _mm512_mask_permute_ps(v, all, v, _MM_SHUFFLE(2, 3, 0, 1)));
  return _mm512_cvtss_f32(v);
}

// The least values of one point's squares over lanes [0, size) of blocks
// whose squares lie at own: the same values as the plain loops (a minimum
// of values that are not NaN is exact whatever the order, and no square is
// -0).
// Written field by field into place: a record built aside and copied whole
// made the processor wait for its store on every call.
void leastOfBlocks(const float* own, int blocks, int size, LaneLeast& least) {
  least.first = 0.0f;
  least.firstLane = -1;
  least.second = 0.0f;
  least.finite = false;
  const __m512 infinity = _mm512_set1_ps(__builtin_inff());
  const __m512 largest = _mm512_set1_ps(__FLT_MAX__);
  __m512 lowest = infinity;
  for (int b = 0; b < blocks; ++b) {
    const __mmask16 valid = validLanes(b, size);
    const __m512 v = _mm512_mask_blend_ps(valid, infinity, _mm512_loadu_ps(own + b * kWidth));
    if (_mm512_mask_cmp_ps_mask(valid, v, largest, _CMP_LE_OQ) != valid) return;
    lowest = lesser(lowest, v);
  }
  const float first = leastLane(lowest);
  const __m512 firstVector = _mm512_set1_ps(first);
  int at = -1;
  for (int b = 0; b < blocks && at < 0; ++b) {
    const __mmask16 equal = _mm512_mask_cmp_ps_mask(
        validLanes(b, size), _mm512_loadu_ps(own + b * kWidth), firstVector, _CMP_EQ_OQ);
    if (equal != 0) at = b * kWidth + __builtin_ctz(static_cast<unsigned>(equal));
  }
  __m512 rest = infinity;
  for (int b = 0; b < blocks; ++b) {
    __mmask16 valid = validLanes(b, size);
    if (at >= b * kWidth && at < (b + 1) * kWidth)
      valid = static_cast<__mmask16>(valid & ~(1u << (at - b * kWidth)));
    rest = lesser(rest, _mm512_mask_blend_ps(valid, infinity, _mm512_loadu_ps(own + b * kWidth)));
  }
  least.first = first;
  least.firstLane = at;
  least.second = leastLane(rest);
  least.finite = true;
}

}  // namespace

void groupLeastAvx512(const float* values, int firstBlock, int blocks, int size, int dimension,
                      const float* const* x, int count, float* squares, LaneLeast* out) {
  if (count <= 0) return;
  const size_t stride = static_cast<size_t>(dimension) * kWidth;
  const size_t pointStride = static_cast<size_t>(blocks) * kWidth;
  // Missing points repeat the last one; their squares go to scratch room.
  alignas(64) float spare[2 * kWidth];
  const float* xs[kPoints];
  for (int p = 0; p < kPoints; ++p) xs[p] = x[p < count ? p : count - 1];
  for (int b = 0; b < blocks; b += 2) {
    const int pair = blocks - b >= 2 ? 2 : 1;
    float* to[kPoints];
    for (int p = 0; p < kPoints; ++p)
      to[p] = p < count ? squares + static_cast<size_t>(p) * pointStride + b * kWidth : spare;
    const float* base = values + static_cast<size_t>(firstBlock + b) * stride;
    if (pair == 2)
      groupBlocks<2>(base, stride, dimension, xs, to);
    else
      groupBlocks<1>(base, stride, dimension, xs, to);
  }
  for (int p = 0; p < count; ++p)
    leastOfBlocks(squares + static_cast<size_t>(p) * pointStride, blocks, size, out[p]);
}

#else

void groupLeastAvx512(const float* values, int firstBlock, int blocks, int size, int dimension,
                      const float* const* x, int count, float* squares, LaneLeast* out) {
  groupLeastPlain(values, firstBlock, blocks, size, dimension, x, count, squares, out);
}

bool avx512KernelBuilt() {
  return false;
}

void nearestNodesAvx512(const NodeSearch& search, const float* const* points, long count,
                        int* index, float* distance) {
  nearestNodesPlain(search, points, count, index, distance);
}

void blockSquaresAvx512(const float* values, const int* list, int count, int dimension,
                        const float* x, float* out) {
  blockSquaresPlain(values, list, count, dimension, x, out);
}

#endif

}  // namespace manifit
