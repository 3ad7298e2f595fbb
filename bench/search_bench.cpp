// The nearest-node search: the plain loop against the vector kernels on one
// thread, and the best kernel over several threads. GFLOP/s counts three
// operations (difference, square, sum) per point, node and coordinate.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "common/parallel.h"
#include "geometry/nearest_node.h"

namespace manifit {
namespace {

struct SearchData {
  std::vector<float> nodes;
  NodeBlocks blocks;
  std::vector<float> points;
  std::vector<const float*> rows;
  std::vector<int> index;
  std::vector<float> distance;

  SearchData(long pointCount, int nodeCount, int dimension) {
    std::mt19937 random(7);
    std::normal_distribution<float> normal(0.0f, 1.0f);
    nodes.resize(static_cast<size_t>(nodeCount) * dimension);
    for (float& x : nodes) x = normal(random);
    buildNodeBlocks(nodes.data(), nodeCount, dimension, blocks);
    points.resize(static_cast<size_t>(pointCount) * dimension);
    for (float& x : points) x = normal(random);
    for (long p = 0; p < pointCount; ++p)
      rows.push_back(&points[static_cast<size_t>(p) * dimension]);
    index.resize(static_cast<size_t>(pointCount));
    distance.resize(static_cast<size_t>(pointCount));
  }
};

void setRate(benchmark::State& state, long points, int nodes, int dimension) {
  const double flops = 3.0 * static_cast<double>(points) * nodes * dimension;
  state.counters["GFLOP"] = benchmark::Counter(
      flops * 1e-9 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Arguments: kernel (0 plain, 1 AVX2, 2 AVX-512), points, nodes, coordinates.
void searchOneThread(benchmark::State& state) {
  const auto kernel = static_cast<SearchKernel>(state.range(0));
  const long points = state.range(1);
  const int nodes = static_cast<int>(state.range(2));
  const int dimension = static_cast<int>(state.range(3));
  if (!kernelSupported(kernel)) {
    state.SkipWithError("this processor lacks the kernel's instruction set");
    return;
  }
  SearchData data(points, nodes, dimension);
  const NodeSearch search =
      makeNodeSearch(data.nodes.data(), dimension, data.blocks, nodes, dimension);
  for (auto _ : state) {
    nearestNodesWith(kernel, search, data.rows.data(), points, data.index.data(),
                     data.distance.data());
    benchmark::DoNotOptimize(data.index.data());
  }
  setRate(state, points, nodes, dimension);
}

// Arguments: threads, points, nodes, coordinates; the best kernel.
void searchThreads(benchmark::State& state) {
  const int threads = static_cast<int>(state.range(0));
  const long points = state.range(1);
  const int nodes = static_cast<int>(state.range(2));
  const int dimension = static_cast<int>(state.range(3));
  SearchData data(points, nodes, dimension);
  const NodeSearch search =
      makeNodeSearch(data.nodes.data(), dimension, data.blocks, nodes, dimension);
  const int saved = workerThreads();
  setWorkerThreads(threads);
  for (auto _ : state) {
    nearestNodes(search, data.rows.data(), points, data.index.data(), data.distance.data());
    benchmark::DoNotOptimize(data.index.data());
  }
  setWorkerThreads(saved);
  setRate(state, points, nodes, dimension);
}

// Plain against vector kernels, on the sizes of the target (D >= 20, K >= 400).
BENCHMARK(searchOneThread)
    ->ArgNames({"kernel", "N", "K", "D"})
    ->Args({0, 20000, 400, 50})
    ->Args({1, 20000, 400, 50})
    ->Args({2, 20000, 400, 50})
    ->Args({0, 20000, 400, 20})
    ->Args({1, 20000, 400, 20})
    ->Args({2, 20000, 400, 20})
    ->Args({2, 20000, 1000, 50})
    ->Args({2, 20000, 129, 7})
    ->Unit(benchmark::kMillisecond);

// One and two threads; the cost grows linearly with N and with D.
BENCHMARK(searchThreads)
    ->ArgNames({"threads", "N", "K", "D"})
    ->Args({1, 50000, 400, 50})
    ->Args({1, 100000, 400, 50})
    ->Args({1, 200000, 400, 50})
    ->Args({2, 50000, 400, 50})
    ->Args({2, 100000, 400, 50})
    ->Args({2, 200000, 400, 50})
    ->Args({1, 100000, 400, 25})
    ->Args({1, 100000, 400, 100})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace manifit
