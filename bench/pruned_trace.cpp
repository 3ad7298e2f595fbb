// The pruned nearest-node search alone over a training's iterations: trains
// the map of a configuration section on a table file (normalized, as a run
// does), keeps the node positions of every iteration, then replays them
// through the pruned search and the full one, on the same threads. Prints
// per iteration the share of squared distances the pruned search formed and
// both times, and checks that every point got the same node.
//
//   pruned_trace table.txt config.ini [section, default 1] [threads]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "common/output.h"
#include "common/parallel.h"
#include "components/principal_components.h"
#include "config/configuration.h"
#include "data/column_statistics.h"
#include "data/data_table.h"
#include "geometry/pruned_search.h"
#include "grid/grid.h"
#include "grid/grid_types.h"
#include "training/elastic_map.h"
#include "training/sparse_system.h"

namespace manifit {
namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The node positions (row-major) before every assignment of the training.
std::vector<std::vector<float>> trainedNodes(DataTable& table, const std::string& ini, int n) {
  std::vector<std::vector<float>> kept;
  CapturedOutput quiet;
  ElasticMap map;
  map.setData(table);
  std::unique_ptr<Grid> grid;
  if (!readConfiguration(map, ini, n, grid).ok()) return kept;
  SparseSystem system;
  map.setSystem(system);
  PrincipalComponents components(table);
  components.computeComponents(3);
  components.toVarianceFractions();
  map.placeGrid(components.mean, components.components, components.variances, 3);
  map.keepGoing = [&] {
    grid->refreshNodeCache();
    kept.push_back(grid->nodeCache);
    return true;
  };
  grid->refreshNodeCache();
  kept.push_back(grid->nodeCache);
  if (grid->type == kGraph)
    map.runGraphSchedule();
  else
    map.runStrategy();
  return kept;
}

int traceRun(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: pruned_trace table.txt config.ini [section] [threads]\n");
    return 1;
  }
  const int section = argc > 3 ? std::atoi(argv[3]) : 1;
  if (argc > 4) setWorkerThreads(std::atoi(argv[4]));
  DataTable table;
  ColumnStatistics statistics;
  const Status read = table.readTable(argv[1]);
  if (!read.ok()) {
    std::fprintf(stderr, "%s", read.message.c_str());
    return 1;
  }
  statistics.computeStatistics(table);
  table.statistics = &statistics;
  table.normalize();
  const std::vector<std::vector<float>> iterations = trainedNodes(table, argv[2], section);
  const int dimension = table.dimension;
  std::printf("%d points x %d, %zu iterations, %d threads\n", table.pointCount, dimension,
              iterations.size(), workerThreads());
  std::printf("%9s %6s %10s %12s %12s\n", "iteration", "nodes", "formed %", "pruned (ms)",
              "full (ms)");
  PrunedSearch pruned;
  std::vector<int> fromPruned(static_cast<size_t>(table.pointCount));
  std::vector<int> fromFull(fromPruned.size());
  std::vector<float> distance(fromPruned.size());
  double prunedTotal = 0.0;
  double fullTotal = 0.0;
  for (size_t it = 0; it < iterations.size(); ++it) {
    const std::vector<float>& cache = iterations[it];
    const int nodes = static_cast<int>(cache.size()) / dimension;
    Clock::time_point start = Clock::now();
    prunedNearestNodes(pruned, cache.data(), nodes, dimension, table.rows.data(), table.pointCount,
                       fromPruned.data());
    const double prunedTime = millisecondsSince(start);
    NodeBlocks blocks;
    buildNodeBlocks(cache.data(), nodes, dimension, blocks);
    start = Clock::now();
    nearestNodes(makeNodeSearch(cache.data(), dimension, blocks, nodes, dimension),
                 table.rows.data(), table.pointCount, fromFull.data(), distance.data());
    const double fullTime = millisecondsSince(start);
    if (fromPruned != fromFull) {
      std::printf("iteration %zu: the pruned search gave other nodes\n", it);
      return 1;
    }
    prunedTotal += prunedTime;
    fullTotal += fullTime;
    std::printf("%9zu %6d %10.1f %12.2f %12.2f%s\n", it, nodes,
                100.0 * static_cast<double>(pruned.last.distances) /
                    static_cast<double>(std::max(1L, pruned.last.fullDistances)),
                prunedTime, fullTime, pruned.last.fromScratch ? "  (fresh start)" : "");
  }
  std::printf("total: pruned %.1f ms, full %.1f ms, ratio full / pruned %.2f; same nodes\n",
              prunedTotal, fullTotal, fullTotal / std::max(prunedTotal, 1e-9));
  return 0;
}

}  // namespace
}  // namespace manifit

int main(int argc, char** argv) {
  return manifit::traceRun(argc, argv);
}
