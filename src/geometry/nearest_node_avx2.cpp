// The nearest-node search with AVX2: each block of sixteen nodes is formed as
// two vectors of eight lanes, each lane forming one node's squared distance
// with the same single-precision operations, in the same coordinate order,
// as the plain search; a group of points shares every node load. Each lane
// keeps its own best (strict "smaller than", so the first of equal values)
// and the lanes are merged at the end by value, then by the lowest node
// index: the plain search's answer.
#include "geometry/block_squares.h"
#include "geometry/nearest_node.h"

// No standard-library template is used here: an instance compiled with these
// instruction-set flags could be picked by the linker for the whole program.

#if defined(__AVX2__)
#include <immintrin.h>
#endif

namespace manifit {

#if defined(__AVX2__)

namespace {

constexpr int kHalf = 8;  // lanes per vector
constexpr int kHalves = kNodeBlockWidth / kHalf;
static_assert(kHalves * kHalf == kNodeBlockWidth, "a block is a whole number of vectors");
constexpr int kPoints = 6;  // points sharing the node loads

struct LaneBest {
  __m256 value[kPoints][kHalves];
  __m256i index[kPoints][kHalves];
};

// acc[p][h] = squared distances of point p to the nodes of half h of block b,
// summed over the coordinates in index order.
void blockDistances(const NodeSearch& search, int b, int coordinates,
                    const float* const (&x)[kPoints], __m256 (&acc)[kPoints][kHalves]) {
  const size_t stride = static_cast<size_t>(search.blockedDimension) * kNodeBlockWidth;
  const float* base = search.blocked + static_cast<size_t>(b) * stride;
  for (int p = 0; p < kPoints; ++p)
    for (int h = 0; h < kHalves; ++h) acc[p][h] = _mm256_setzero_ps();
  for (int k = 0; k < coordinates; ++k) {
    __m256 node[kHalves];
    for (int h = 0; h < kHalves; ++h)
      node[h] = _mm256_loadu_ps(base + static_cast<size_t>(k) * kNodeBlockWidth + h * kHalf);
    for (int p = 0; p < kPoints; ++p) {
      const __m256 xk = _mm256_set1_ps(x[p][k]);
      for (int h = 0; h < kHalves; ++h) {
        const __m256 d = _mm256_sub_ps(node[h], xk);
        acc[p][h] = _mm256_add_ps(acc[p][h], _mm256_mul_ps(d, d));
      }
    }
  }
}

void keepSmaller(int b, int limit, const __m256 (&acc)[kPoints][kHalves], LaneBest& best) {
  const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  for (int h = 0; h < kHalves; ++h) {
    const int first = b * kNodeBlockWidth + h * kHalf;
    const __m256i index = _mm256_add_epi32(_mm256_set1_epi32(first), lanes);
    // Lanes holding one of the nodes [0, limit).
    const __m256 valid =
        _mm256_castsi256_ps(_mm256_cmpgt_epi32(_mm256_set1_epi32(limit - first), lanes));
    for (int p = 0; p < kPoints; ++p) {
      const __m256 smaller =
          _mm256_and_ps(valid, _mm256_cmp_ps(acc[p][h], best.value[p][h], _CMP_LT_OQ));
      best.value[p][h] = _mm256_blendv_ps(best.value[p][h], acc[p][h], smaller);
      best.index[p][h] = _mm256_castps_si256(_mm256_blendv_ps(_mm256_castsi256_ps(best.index[p][h]),
                                                              _mm256_castsi256_ps(index), smaller));
    }
  }
}

// The smallest lane value, ties to the lowest node index; -1 when no lane
// found a distance below infinity.
void mergeLanes(const __m256 (&value)[kHalves], const __m256i (&index)[kHalves], int& nearest,
                float& distance) {
  alignas(32) float values[kNodeBlockWidth];
  alignas(32) int indices[kNodeBlockWidth];
  for (int h = 0; h < kHalves; ++h) {
    _mm256_store_ps(values + h * kHalf, value[h]);
    _mm256_store_si256(reinterpret_cast<__m256i*>(indices + h * kHalf), index[h]);
  }
  nearest = -1;
  distance = __builtin_inff();
  for (int lane = 0; lane < kNodeBlockWidth; ++lane) {
    if (indices[lane] < 0) continue;
    if (values[lane] < distance || (values[lane] == distance && indices[lane] < nearest)) {
      distance = values[lane];
      nearest = indices[lane];
    }
  }
}

}  // namespace

bool avx2KernelBuilt() {
  return true;
}

void nearestNodesAvx2(const NodeSearch& search, const float* const* points, long count, int* index,
                      float* distance) {
  const int limit = search.nodeLimit;
  const int used = (limit + kNodeBlockWidth - 1) / kNodeBlockWidth;
  for (long p0 = 0; p0 < count; p0 += kPoints) {
    // A short last group repeats its last point.
    const float* x[kPoints];
    for (int p = 0; p < kPoints; ++p) x[p] = points[p0 + p < count ? p0 + p : count - 1];
    LaneBest best;
    for (int p = 0; p < kPoints; ++p) {
      for (int h = 0; h < kHalves; ++h) {
        best.value[p][h] = _mm256_set1_ps(__builtin_inff());
        best.index[p][h] = _mm256_set1_epi32(-1);
      }
    }
    for (int b = 0; b < used; ++b) {
      __m256 acc[kPoints][kHalves];
      blockDistances(search, b, search.coordinates, x, acc);
      keepSmaller(b, limit, acc, best);
    }
    for (int p = 0; p < kPoints && p0 + p < count; ++p)
      mergeLanes(best.value[p], best.index[p], index[p0 + p], distance[p0 + p]);
  }
}

// Up to four blocks at a time, two vectors per block: eight sums in flight.
void blockSquaresAvx2(const float* values, const int* list, int count, int dimension,
                      const float* x, float* out) {
  constexpr int kAtOnce = 4;
  const size_t stride = static_cast<size_t>(dimension) * kNodeBlockWidth;
  for (int b0 = 0; b0 < count; b0 += kAtOnce) {
    const int n = count - b0 < kAtOnce ? count - b0 : kAtOnce;
    const float* base[kAtOnce];
    __m256 acc[kAtOnce][kHalves];
    for (int i = 0; i < kAtOnce; ++i) {
      base[i] = values + static_cast<size_t>(list[b0 + (i < n ? i : 0)]) * stride;
      for (int h = 0; h < kHalves; ++h) acc[i][h] = _mm256_setzero_ps();
    }
    for (int k = 0; k < dimension; ++k) {
      const __m256 xk = _mm256_set1_ps(x[k]);
      const size_t at = static_cast<size_t>(k) * kNodeBlockWidth;
      for (int i = 0; i < n; ++i) {
        for (int h = 0; h < kHalves; ++h) {
          const __m256 d = _mm256_sub_ps(_mm256_loadu_ps(base[i] + at + h * kHalf), xk);
          acc[i][h] = _mm256_add_ps(acc[i][h], _mm256_mul_ps(d, d));
        }
      }
    }
    for (int i = 0; i < n; ++i)
      for (int h = 0; h < kHalves; ++h)
        _mm256_storeu_ps(out + (b0 + i) * kNodeBlockWidth + h * kHalf, acc[i][h]);
  }
}

#else

bool avx2KernelBuilt() {
  return false;
}

void nearestNodesAvx2(const NodeSearch& search, const float* const* points, long count, int* index,
                      float* distance) {
  nearestNodesPlain(search, points, count, index, distance);
}

void blockSquaresAvx2(const float* values, const int* list, int count, int dimension,
                      const float* x, float* out) {
  blockSquaresPlain(values, list, count, dimension, x, out);
}

#endif

}  // namespace manifit
