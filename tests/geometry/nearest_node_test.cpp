#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "common/parallel.h"
#include "geometry/nearest_node.h"

namespace manifit {
namespace {

// Nodes and points as plain row-major arrays.
struct Case {
  int nodes = 0;
  int dimension = 0;
  std::vector<float> cache;
  NodeBlocks blocks;
  std::vector<std::vector<float>> points;
  std::vector<const float*> pointers;

  void finish() {
    buildNodeBlocks(cache.data(), nodes, dimension, blocks);
    pointers.clear();
    for (const std::vector<float>& x : points) pointers.push_back(x.data());
  }
  NodeSearch search(int limit, int coordinates) const {
    return makeNodeSearch(cache.data(), dimension, blocks, limit, coordinates);
  }
};

// Random nodes on a coarse lattice (so distances tie often), with duplicate
// nodes, points on nodes, points midway between two nodes and random points.
Case randomCase(int nodes, int dimension, std::mt19937& random) {
  std::uniform_int_distribution<int> lattice(-4, 4);
  Case c;
  c.nodes = nodes;
  c.dimension = dimension;
  c.cache.resize(static_cast<size_t>(nodes) * dimension);
  for (float& v : c.cache) v = 0.5f * static_cast<float>(lattice(random));
  std::uniform_int_distribution<int> pick(0, nodes - 1);
  for (int copy = 0; copy < nodes / 3; ++copy) {
    const int from = pick(random);
    const int to = pick(random);
    std::copy_n(&c.cache[static_cast<size_t>(from) * dimension], dimension,
                &c.cache[static_cast<size_t>(to) * dimension]);
  }
  std::normal_distribution<float> normal(0.0f, 1.5f);
  for (int p = 0; p < 11; ++p) {
    std::vector<float> x(static_cast<size_t>(dimension));
    const float* a = &c.cache[static_cast<size_t>(pick(random)) * dimension];
    const float* b = &c.cache[static_cast<size_t>(pick(random)) * dimension];
    for (int k = 0; k < dimension; ++k) {
      if (p % 3 == 0)
        x[static_cast<size_t>(k)] = a[k];
      else if (p % 3 == 1)
        x[static_cast<size_t>(k)] = 0.5f * (a[k] + b[k]);
      else
        x[static_cast<size_t>(k)] = normal(random);
    }
    c.points.push_back(x);
  }
  c.finish();
  return c;
}

// The kernel gives the plain search's nodes and the same bits of the
// distances.
void expectSameAsPlain(SearchKernel kernel, const Case& c, int limit, int coordinates) {
  const NodeSearch search = c.search(limit, coordinates);
  const long count = static_cast<long>(c.pointers.size());
  std::vector<int> plainIndex(static_cast<size_t>(count));
  std::vector<float> plainDistance(static_cast<size_t>(count));
  nearestNodesPlain(search, c.pointers.data(), count, plainIndex.data(), plainDistance.data());
  std::vector<int> index(static_cast<size_t>(count), -7);
  std::vector<float> distance(static_cast<size_t>(count), -7.0f);
  nearestNodesWith(kernel, search, c.pointers.data(), count, index.data(), distance.data());
  EXPECT_EQ(plainIndex, index) << "kernel " << static_cast<int>(kernel) << ", " << c.nodes
                               << " nodes, limit " << limit << ", coordinates " << coordinates;
  EXPECT_EQ(0, std::memcmp(plainDistance.data(), distance.data(), sizeof(float) * count));
}

// Each test runs once per kernel and skips a kernel this build or this
// processor cannot run.
class EveryKernel : public ::testing::TestWithParam<SearchKernel> {
 protected:
  void SetUp() override {
    if (!kernelSupported(GetParam())) {
      GTEST_SKIP() << "kernel " << static_cast<int>(GetParam()) << " is not available here";
    }
  }
};

TEST_P(EveryKernel, MatchesThePlainSearchForEveryNodeAndCoordinateCount) {
  std::mt19937 random(17);
  for (int nodes = 1; nodes <= 129; ++nodes) {
    const Case c = randomCase(nodes, 1 + (nodes * 7) % 60, random);
    expectSameAsPlain(GetParam(), c, nodes, c.dimension);
  }
  for (int dimension = 1; dimension <= 60; ++dimension) {
    const Case c = randomCase(1 + (dimension * 13) % 129, dimension, random);
    expectSameAsPlain(GetParam(), c, c.nodes, dimension);
  }
}

TEST_P(EveryKernel, PartOfTheNodesAndOfTheCoordinates) {
  std::mt19937 random(5);
  const Case c = randomCase(70, 9, random);
  for (int limit : {0, 1, 15, 16, 17, 33, 69})
    for (int coordinates : {0, 1, 4, 9}) expectSameAsPlain(GetParam(), c, limit, coordinates);
}

TEST_P(EveryKernel, TiesGoToTheLowestIndexInEveryLane) {
  // 40 copies of one node: every lane of every block ties; the first wins.
  Case c;
  c.nodes = 40;
  c.dimension = 3;
  c.cache.assign(120, 1.0f);
  c.points = {{1, 1, 1}, {0, 0, 0}, {2, 2, 2}};
  c.finish();
  std::vector<int> index(3);
  std::vector<float> distance(3);
  nearestNodesWith(GetParam(), c.search(40, 3), c.pointers.data(), 3, index.data(),
                   distance.data());
  EXPECT_EQ((std::vector<int>{0, 0, 0}), index);
  EXPECT_EQ((std::vector<float>{0.0f, 3.0f, 3.0f}), distance);
}

TEST_P(EveryKernel, OverflowingAndNotANumberDistancesAreNeverNearest) {
  Case c;
  c.nodes = 20;
  c.dimension = 2;
  for (int j = 0; j < 20; ++j) {
    const float far = j == 17 ? 1.0f : 3e30f;  // only node 17 is within reach
    c.cache.push_back(j == 5 ? std::numeric_limits<float>::quiet_NaN() : far);
    c.cache.push_back(0.0f);
  }
  // A point whose distance to every node overflows has no nearest node.
  c.points = {{0.0f, 0.0f}, {-3e30f, 0.0f}, {std::numeric_limits<float>::quiet_NaN(), 0.0f}};
  c.finish();
  std::vector<int> index(3);
  std::vector<float> distance(3);
  nearestNodesWith(GetParam(), c.search(20, 2), c.pointers.data(), 3, index.data(),
                   distance.data());
  EXPECT_EQ((std::vector<int>{17, -1, -1}), index);
  EXPECT_EQ(1.0f, distance[0]);
  EXPECT_EQ(std::numeric_limits<float>::infinity(), distance[1]);
  EXPECT_EQ(std::numeric_limits<float>::infinity(), distance[2]);
}

std::string kernelTestName(const ::testing::TestParamInfo<SearchKernel>& info) {
  switch (info.param) {
    case SearchKernel::kPlain:
      return "Plain";
    case SearchKernel::kAvx2:
      return "Avx2";
    case SearchKernel::kAvx512:
      return "Avx512";
  }
  return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(Kernels, EveryKernel,
                         ::testing::Values(SearchKernel::kPlain, SearchKernel::kAvx2,
                                           SearchKernel::kAvx512),
                         kernelTestName);

TEST(KernelRequest, NamesAKernelOrFallsBackToTheFastestWithAReason) {
  const KernelRequest none = readKernelRequest(nullptr);
  EXPECT_EQ(fastestKernel(), none.kernel);
  EXPECT_EQ("", none.problem);
  EXPECT_EQ("", readKernelRequest("").problem);

  const KernelRequest plain = readKernelRequest("plain");
  EXPECT_EQ(SearchKernel::kPlain, plain.kernel);
  EXPECT_EQ("", plain.problem);

  for (const char* name : {"avx2", "avx512"}) {
    const SearchKernel asked =
        std::string(name) == "avx2" ? SearchKernel::kAvx2 : SearchKernel::kAvx512;
    const KernelRequest request = readKernelRequest(name);
    if (kernelSupported(asked)) {
      EXPECT_EQ(asked, request.kernel);
      EXPECT_EQ("", request.problem);
    } else {
      EXPECT_EQ(fastestKernel(), request.kernel);
      EXPECT_NE(std::string::npos, request.problem.find(name)) << request.problem;
    }
  }

  for (const char* wrong : {"AVX2", "sse", "plain ", "avx"}) {
    const KernelRequest request = readKernelRequest(wrong);
    EXPECT_EQ(fastestKernel(), request.kernel) << wrong;
    EXPECT_NE(std::string::npos,
              request.problem.find("MANIFIT_KERNEL=" + std::string(wrong) + " is not a kernel"))
        << request.problem;
    EXPECT_EQ('\n', request.problem.back());
  }
}

// The suite runs once per forced kernel: the searches of the whole process
// use the kernel MANIFIT_KERNEL names whenever it is supported.
TEST(KernelRequest, TheEnvironmentsKernelIsTheOneUsed) {
  const char* value = std::getenv("MANIFIT_KERNEL");
  const KernelRequest request = readKernelRequest(value);
  EXPECT_EQ(request.kernel, bestKernel());
  EXPECT_EQ(request.problem, kernelRequestWarning());
  if (value == nullptr || *value == '\0') {
    EXPECT_EQ(fastestKernel(), bestKernel());
  } else if (request.problem.empty()) {
    EXPECT_EQ(value, std::string(bestKernel() == SearchKernel::kPlain  ? "plain"
                                 : bestKernel() == SearchKernel::kAvx2 ? "avx2"
                                                                       : "avx512"));
  }
}

TEST(NearestNode, TheOutcomeDoesNotDependOnTheThreadCount) {
  std::mt19937 random(3);
  Case c = randomCase(100, 12, random);
  std::normal_distribution<float> normal(0.0f, 1.0f);
  c.points.clear();
  for (int p = 0; p < 5003; ++p) {
    std::vector<float> x(12);
    for (float& v : x) v = normal(random);
    c.points.push_back(x);
  }
  c.finish();
  const NodeSearch search = c.search(100, 12);
  const long count = static_cast<long>(c.pointers.size());
  std::vector<int> plain(static_cast<size_t>(count));
  std::vector<float> plainDistance(static_cast<size_t>(count));
  nearestNodesPlain(search, c.pointers.data(), count, plain.data(), plainDistance.data());
  const int saved = workerThreads();
  for (int threads : {1, 2, 3, 8}) {
    setWorkerThreads(threads);
    std::vector<int> index(static_cast<size_t>(count));
    std::vector<float> distance(static_cast<size_t>(count));
    nearestNodes(search, c.pointers.data(), count, index.data(), distance.data());
    EXPECT_EQ(plain, index) << threads << " threads";
    EXPECT_EQ(0, std::memcmp(plainDistance.data(), distance.data(), sizeof(float) * count));
  }
  setWorkerThreads(saved);
}

TEST(ParallelFor, EveryItemOnceWhateverTheThreadCount) {
  const int saved = workerThreads();
  for (int threads : {1, 2, 7}) {
    setWorkerThreads(threads);
    for (long count : {0L, 1L, 5L, 1000L}) {
      std::vector<int> seen(static_cast<size_t>(count), 0);
      parallelFor(count, 1e6, [&](long begin, long end) {
        for (long i = begin; i < end; ++i) ++seen[static_cast<size_t>(i)];
      });
      EXPECT_EQ(std::vector<int>(static_cast<size_t>(count), 1), seen);
    }
  }
  setWorkerThreads(0);
  EXPECT_EQ(1, workerThreads());
  setWorkerThreads(saved);
}

}  // namespace
}  // namespace manifit
