// Nearest-node search: for each point, the node with the strictly smallest
// squared distance (single precision, summed over the coordinates in index
// order, as squaredDistanceToRow does), ties going to the lowest node index.
// Several implementations compute exactly the same values and differ only in
// how many distances they form at once; the plain one is the reference.
#pragma once

#include <string>

#include "geometry/node_blocks.h"

namespace manifit {

enum class SearchKernel { kPlain, kAvx2, kAvx512 };

// True when this build and this processor can run the kernel.
bool kernelSupported(SearchKernel kernel);

// The fastest supported kernel.
SearchKernel fastestKernel();

// The kernel an environment value asks for: "plain", "avx2" or "avx512";
// unset or empty asks for none. problem says why the request cannot be met
// ("" when it can, or when nothing was asked); kernel is then the fastest
// supported one.
struct KernelRequest {
  SearchKernel kernel = SearchKernel::kPlain;
  std::string problem;
};
KernelRequest readKernelRequest(const char* value);

// The kernel of every search, chosen once: the one MANIFIT_KERNEL names when
// it is supported, otherwise the fastest supported one.
SearchKernel bestKernel();

// A line for standard error when MANIFIT_KERNEL names a kernel that cannot be
// used, "" otherwise. The library never prints it; the programs do.
std::string kernelRequestWarning();

// The part of a search: nodes [0, nodeLimit) of the layout, the first
// `coordinates` coordinates of each node and of each point.
struct NodeSearch {
  const float* cache = nullptr;  // row-major, cacheStride floats per node
  int cacheStride = 0;
  const float* blocked = nullptr;  // the same nodes as NodeBlocks::values; none: plain only
  int blockedDimension = 0;        // NodeBlocks::dimension of that layout
  int nodeLimit = 0;
  int coordinates = 0;
};

// A search over the first nodeLimit nodes of a cache and its blocked layout;
// the layout is used only when it holds those nodes and coordinates.
NodeSearch makeNodeSearch(const float* cache, int cacheStride, const NodeBlocks& blocks,
                          int nodeLimit, int coordinates);

// For points[0..count): index[p] = the nearest node (-1 when no distance is
// below +infinity) and distance[p] = its squared distance (+infinity then).
void nearestNodesWith(SearchKernel kernel, const NodeSearch& search, const float* const* points,
                      long count, int* index, float* distance);

// The same with the best kernel, over the worker threads.
void nearestNodes(const NodeSearch& search, const float* const* points, long count, int* index,
                  float* distance);

// The kernels themselves (single-threaded); the vector ones exist only in
// builds for processors that have them.
void nearestNodesPlain(const NodeSearch& search, const float* const* points, long count, int* index,
                       float* distance);
void nearestNodesAvx2(const NodeSearch& search, const float* const* points, long count, int* index,
                      float* distance);
void nearestNodesAvx512(const NodeSearch& search, const float* const* points, long count,
                        int* index, float* distance);
bool avx2KernelBuilt();
bool avx512KernelBuilt();

}  // namespace manifit
