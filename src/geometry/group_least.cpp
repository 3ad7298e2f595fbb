#include "geometry/group_least.h"

#include <cstddef>
#include <limits>

namespace manifit {

namespace {

// The least values of squares[0..size).
LaneLeast leastOf(const float* squares, int size) {
  LaneLeast least;
  float first = std::numeric_limits<float>::infinity();
  for (int lane = 0; lane < size; ++lane) {
    if (!(squares[lane] <= std::numeric_limits<float>::max())) return least;
    first = squares[lane] < first ? squares[lane] : first;
  }
  int at = 0;
  while (at < size && squares[at] != first) ++at;
  float second = std::numeric_limits<float>::infinity();
  for (int lane = 0; lane < size; ++lane) {
    if (lane != at) second = squares[lane] < second ? squares[lane] : second;
  }
  least.first = first;
  least.firstLane = at < size ? at : -1;
  least.second = second;
  least.finite = true;
  return least;
}

}  // namespace

void groupLeastPlain(const float* values, int firstBlock, int blocks, int size, int dimension,
                     const float* const* x, int count, float* squares, LaneLeast* out) {
  const size_t stride = static_cast<size_t>(dimension) * kNodeBlockWidth;
  for (int p = 0; p < count; ++p) {
    float* own = squares + static_cast<size_t>(p) * blocks * kNodeBlockWidth;
    for (int lane = 0; lane < size; ++lane) {
      const float* block =
          values + static_cast<size_t>(firstBlock + lane / kNodeBlockWidth) * stride;
      float sum = 0.0f;
      for (int k = 0; k < dimension; ++k) {
        const float d =
            block[static_cast<size_t>(k) * kNodeBlockWidth + lane % kNodeBlockWidth] - x[p][k];
        sum += d * d;
      }
      own[lane] = sum;
    }
    out[p] = leastOf(own, size);
  }
}

void groupLeastWith(SearchKernel kernel, const float* values, int firstBlock, int blocks, int size,
                    int dimension, const float* const* x, int count, float* squares,
                    LaneLeast* out) {
  if (kernel == SearchKernel::kAvx512 && kernelSupported(kernel))
    groupLeastAvx512(values, firstBlock, blocks, size, dimension, x, count, squares, out);
  else
    groupLeastPlain(values, firstBlock, blocks, size, dimension, x, count, squares, out);
}

}  // namespace manifit
