#include "geometry/block_squares.h"

#include <cstddef>

namespace manifit {

void blockSquaresPlain(const float* values, const int* list, int count, int dimension,
                       const float* x, float* out) {
  for (int b = 0; b < count; ++b) {
    const float* block =
        values + static_cast<size_t>(list[b]) * static_cast<size_t>(dimension) * kNodeBlockWidth;
    for (int lane = 0; lane < kNodeBlockWidth; ++lane) {
      float sum = 0.0f;
      for (int k = 0; k < dimension; ++k) {
        const float d = block[static_cast<size_t>(k) * kNodeBlockWidth + lane] - x[k];
        sum += d * d;
      }
      out[b * kNodeBlockWidth + lane] = sum;
    }
  }
}

void blockSquaresWith(SearchKernel kernel, const float* values, const int* list, int count,
                      int dimension, const float* x, float* out) {
  if (kernel == SearchKernel::kAvx512 && kernelSupported(kernel))
    blockSquaresAvx512(values, list, count, dimension, x, out);
  else if (kernel == SearchKernel::kAvx2 && kernelSupported(kernel))
    blockSquaresAvx2(values, list, count, dimension, x, out);
  else
    blockSquaresPlain(values, list, count, dimension, x, out);
}

}  // namespace manifit
