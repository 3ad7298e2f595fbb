#include "geometry/nearest_node.h"

#include <cstdlib>
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

SearchKernel fastestKernel() {
  if (kernelSupported(SearchKernel::kAvx512)) return SearchKernel::kAvx512;
  if (kernelSupported(SearchKernel::kAvx2)) return SearchKernel::kAvx2;
  return SearchKernel::kPlain;
}

namespace {

const char* kernelName(SearchKernel kernel) {
  switch (kernel) {
    case SearchKernel::kPlain:
      return "plain";
    case SearchKernel::kAvx2:
      return "avx2";
    case SearchKernel::kAvx512:
      return "avx512";
  }
  return "plain";
}

const KernelRequest& environmentRequest() {
  static const KernelRequest request = readKernelRequest(std::getenv("MANIFIT_KERNEL"));
  return request;
}

}  // namespace

KernelRequest readKernelRequest(const char* value) {
  KernelRequest request;
  request.kernel = fastestKernel();
  if (value == nullptr || *value == '\0') return request;
  const std::string asked = value;
  const std::string fallback =
      std::string("; using the ") + kernelName(request.kernel) + " kernel\n";
  for (SearchKernel kernel : {SearchKernel::kPlain, SearchKernel::kAvx2, SearchKernel::kAvx512}) {
    if (asked != kernelName(kernel)) continue;
    if (kernelSupported(kernel)) {
      request.kernel = kernel;
    } else {
      request.problem = "manifit: MANIFIT_KERNEL=" + asked +
                        ": this processor or this build has no " + asked + " kernel" + fallback;
    }
    return request;
  }
  request.problem =
      "manifit: MANIFIT_KERNEL=" + asked + " is not a kernel (plain, avx2 or avx512)" + fallback;
  return request;
}

SearchKernel bestKernel() {
  return environmentRequest().kernel;
}

std::string kernelRequestWarning() {
  return environmentRequest().problem;
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
