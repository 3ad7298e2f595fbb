#include "geometry/nearest_node.h"

#include <limits>

#include "common/parallel.h"
#include "geometry/distance.h"

namespace manifit {

namespace {

bool processorHas(SearchKernel kernel) {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  switch (kernel) {
    case SearchKernel::kAvx2:
      return __builtin_cpu_supports("avx2");
    case SearchKernel::kAvx512:
      return __builtin_cpu_supports("avx512f");
    case SearchKernel::kPlain:
      return true;
  }
  return false;
#else
  return kernel == SearchKernel::kPlain;
#endif
}

}  // namespace

bool kernelSupported(SearchKernel kernel) {
  switch (kernel) {
    case SearchKernel::kPlain:
      return true;
    case SearchKernel::kAvx2:
      return avx2KernelBuilt() && processorHas(kernel);
    case SearchKernel::kAvx512:
      return avx512KernelBuilt() && processorHas(kernel);
  }
  return false;
}

SearchKernel bestKernel() {
  static const SearchKernel best = kernelSupported(SearchKernel::kAvx512) ? SearchKernel::kAvx512
                                   : kernelSupported(SearchKernel::kAvx2) ? SearchKernel::kAvx2
                                                                          : SearchKernel::kPlain;
  return best;
}

NodeSearch makeNodeSearch(const float* cache, int cacheStride, const NodeBlocks& blocks,
                          int nodeLimit, int coordinates) {
  NodeSearch search;
  search.cache = cache;
  search.cacheStride = cacheStride;
  search.nodeLimit = nodeLimit;
  search.coordinates = coordinates;
  if (blocks.nodeCount >= nodeLimit && blocks.dimension >= coordinates && !blocks.values.empty()) {
    search.blocked = blocks.values.data();
    search.blockedDimension = blocks.dimension;
  }
  return search;
}

// The reference: one distance at a time, exactly as the assignment is defined.
void nearestNodesPlain(const NodeSearch& search, const float* const* points, long count, int* index,
                       float* distance) {
  for (long p = 0; p < count; ++p) {
    float best = std::numeric_limits<float>::infinity();
    int nearest = -1;
    for (int j = 0; j < search.nodeLimit; ++j) {
      const float d = squaredDistanceToRow(search.cache, static_cast<long>(j) * search.cacheStride,
                                           points[p], search.coordinates);
      if (d < best) {
        best = d;
        nearest = j;
      }
    }
    index[p] = nearest;
    distance[p] = best;
  }
}

void nearestNodesWith(SearchKernel kernel, const NodeSearch& search, const float* const* points,
                      long count, int* index, float* distance) {
  const bool blocked = search.blocked != nullptr && kernelSupported(kernel);
  if (blocked && kernel == SearchKernel::kAvx512) {
    nearestNodesAvx512(search, points, count, index, distance);
  } else if (blocked && kernel == SearchKernel::kAvx2) {
    nearestNodesAvx2(search, points, count, index, distance);
  } else {
    nearestNodesPlain(search, points, count, index, distance);
  }
}

void nearestNodes(const NodeSearch& search, const float* const* points, long count, int* index,
                  float* distance) {
  const SearchKernel kernel = bestKernel();
  const double perPoint =
      3.0 * search.nodeLimit * (search.coordinates > 0 ? search.coordinates : 1);
  parallelFor(count, perPoint, [&](long begin, long end) {
    nearestNodesWith(kernel, search, points + begin, end - begin, index + begin, distance + begin);
  });
}

}  // namespace manifit
