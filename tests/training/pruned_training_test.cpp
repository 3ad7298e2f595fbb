// Whole trainings with the pruned nearest-node search and with the full one:
// every iteration's assignment, every progress line and the fitted nodes are
// the same, on real and adversarial tables, grids that grow, graphs,
// extrapolation and any thread count.
#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>
#include <vector>

#include "common/parallel.h"
#include "config/configuration.h"
#include "data/temp_files.h"
#include "training_fixture.h"

namespace manifit {
namespace {

struct Training {
  std::vector<NodeAssignment> assignments;
  std::string output;
  std::vector<std::vector<float>> nodes;
};

Training train(DataTable& table, const PrincipalComponents& components, const std::string& ini,
               int n, bool full) {
  Training result;
  CapturedOutput captured;
  sharedRandom().state = 1;
  ElasticMap map;
  map.setData(table);
  map.fullSearch = full;
  map.assignmentLog = &result.assignments;
  std::unique_ptr<Grid> grid;
  const Status configured = readConfiguration(map, ini, n, grid);
  EXPECT_TRUE(configured.ok()) << configured.message;
  if (!configured.ok()) return result;
  SparseSystem system;
  map.setSystem(system);
  map.placeGrid(components.mean, components.components, components.variances, 3);
  const Status trained = grid->type == kGraph ? map.runGraphSchedule() : map.runStrategy();
  EXPECT_TRUE(trained.ok()) << trained.message;
  map.assignPoints();
  result.nodes = grid->nodes;
  result.output =
      std::regex_replace(captured.text(), std::regex(R"(Time: \d+\+\(\d+,\d+\))"), "Time: T");
  return result;
}

const char* kSections =
    "#ALG1\n"
    "grid.type simplerectangular\ngrid.size1 9\ngrid.size2 7\n"
    "epoch.id 1\nepoch.ep 1\nepoch.rp 1\nepoch.numiter 10\nepoch.eps 0\n"
    "epoch.extrapolate 1\n"
    "epoch.id 2\nepoch.ep 0.05\nepoch.rp 0.05\nepoch.numiter 10\nepoch.eps 0\n"
    "#ALG2\n"
    "grid.type simplerectangular\ngrid.size1 4\ngrid.size2 4\n"
    "epoch.id 1\nepoch.ep 0.5\nepoch.rp 0.5\nepoch.numiter 6\nepoch.eps 0\n"
    "adapt.id 1\nadapt.type grow\nadapt.numiter 6\nadapt.numstep 2\nadapt.numevery 3\n"
    "adapt.eps 0\n"
    "#ALG3\n"
    "grid.type elgraph\ngrid.size1 30\ngrid.minclust 3\n"
    "epoch.id 1\nepoch.ep 1\nepoch.rp 1\nepoch.numiter 6\nepoch.eps 0\n"
    "#ALG4\n"
    "grid.type simplerectangular\ngrid.size1 3\ngrid.size2 3\n"
    "epoch.id 1\nepoch.ep 0.01\nepoch.rp 0.01\nepoch.numiter 8\nepoch.eps 0\n";

void expectSameTrainings(DataTable& table, const std::string& what) {
  PrincipalComponents components(table);
  {
    CapturedOutput quiet;
    components.computeComponents(3);
    components.toVarianceFractions();
  }
  const std::string folder = freshFolder();
  writeText(folder + "/run.ini", kSections);
  for (int n = 1; n <= 4; ++n) {
    SCOPED_TRACE(what + ", algorithm " + std::to_string(n));
    const Training full = train(table, components, folder + "/run.ini", n, true);
    const Training pruned = train(table, components, folder + "/run.ini", n, false);
    ASSERT_GT(full.assignments.size(), 3u);
    ASSERT_EQ(full.assignments.size(), pruned.assignments.size());
    for (size_t it = 0; it < full.assignments.size(); ++it)
      ASSERT_EQ(full.assignments[it].lists, pruned.assignments[it].lists) << "assignment " << it;
    EXPECT_EQ(full.output, pruned.output);
    EXPECT_EQ(full.nodes, pruned.nodes);
  }
}

TEST(PrunedTraining, IrisOnOneToEightThreads) {
  IrisData iris;
  const int saved = workerThreads();
  for (int threads : {1, 2, 8}) {
    setWorkerThreads(threads);
    expectSameTrainings(iris.table, std::to_string(threads) + " threads");
  }
  setWorkerThreads(saved);
}

// Points on a coarse lattice (many equal distances), each repeated, scaled
// tiny or huge.
TEST(PrunedTraining, LatticeTablesWithDuplicatesTinyAndHuge) {
  for (float scale : {1.0f, 1e-6f, 1e8f}) {
    std::mt19937 random(41);
    std::uniform_int_distribution<int> lattice(-3, 3);
    std::vector<std::vector<float>> points;
    for (int p = 0; p < 300; ++p) {
      std::vector<float> x(5);
      for (float& v : x) v = scale * 0.5f * static_cast<float>(lattice(random));
      x[0] += scale * 0.3f * static_cast<float>(p % 11);
      points.push_back(x);
      if (p % 4 == 0) points.push_back(x);
    }
    DataTable table;
    fillTable(table, points);
    expectSameTrainings(table, "scale " + std::to_string(scale));
  }
}

}  // namespace
}  // namespace manifit
