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

// A placed rectangle, a line and a circle (runs of nodes as groups) and a
// sphere, with extrapolation.
const char* kShapes =
    "#ALG1\n"
    "grid.type simplerectangular\ngrid.size1 12\ngrid.size2 10\n"
    "epoch.id 1\nepoch.ep 1\nepoch.rp 1\nepoch.numiter 5\nepoch.eps 0\nepoch.extrapolate 1\n"
    "epoch.id 2\nepoch.ep 0.02\nepoch.rp 0.02\nepoch.numiter 5\nepoch.eps 0\n"
    "#ALG2\n"
    "grid.type linear\ngrid.size1 60\n"
    "epoch.id 1\nepoch.ep 0.1\nepoch.rp 0.1\nepoch.numiter 6\nepoch.eps 0\n"
    "#ALG3\n"
    "grid.type circle\ngrid.size1 50\n"
    "epoch.id 1\nepoch.ep 0.1\nepoch.rp 0.1\nepoch.numiter 6\nepoch.eps 0\n"
    "#ALG4\n"
    "grid.type sphere\ngrid.size1 10\ngrid.size2 8\n"
    "epoch.id 1\nepoch.ep 0.1\nepoch.rp 0.1\nepoch.numiter 6\nepoch.eps 0\n";

// fewest: the assignments each training must at least make (a training on
// degenerate data may end its epochs early).
void expectSameTrainings(DataTable& table, const std::string& what,
                         const char* sections = kSections, size_t fewest = 4) {
  PrincipalComponents components(table);
  {
    CapturedOutput quiet;
    components.computeComponents(3);
    components.toVarianceFractions();
  }
  const std::string folder = freshFolder();
  writeText(folder + "/run.ini", sections);
  for (int n = 1; n <= 4; ++n) {
    SCOPED_TRACE(what + ", algorithm " + std::to_string(n));
    const Training full = train(table, components, folder + "/run.ini", n, true);
    const Training pruned = train(table, components, folder + "/run.ini", n, false);
    ASSERT_GE(full.assignments.size(), fewest);
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
// tiny or huge: at 1e-15 the node offsets (the placement scales by the
// variance) are near 1e-30 and the squares subnormal, at 1e9 the squares
// come near the float range.
TEST(PrunedTraining, LatticeTablesWithDuplicatesTinyAndHuge) {
  for (float scale : {1.0f, 1e-6f, 1e-15f, 1e8f, 1e9f}) {
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
    expectSameTrainings(table, "scale " + std::to_string(scale), kSections, 2);
  }
}

// A curved sheet of 12,000 points in 50 coordinates: enough work that the
// searches of every iteration run in pieces on each thread count, over
// rectangles, lines, circles and spheres.
TEST(PrunedTraining, LargeSheetOnOneToEightThreads) {
  std::mt19937 random(43);
  std::uniform_real_distribution<float> along(-1.0f, 1.0f);
  std::normal_distribution<float> noise(0.0f, 0.05f);
  std::vector<std::vector<float>> points;
  for (int p = 0; p < 12000; ++p) {
    const float u = along(random);
    const float v = along(random);
    std::vector<float> x(50);
    for (int k = 0; k < 50; ++k)
      x[static_cast<size_t>(k)] = std::sin(0.3f * static_cast<float>(k + 1) * u) +
                                  std::cos(0.2f * static_cast<float>(k + 2) * v) + noise(random);
    points.push_back(x);
  }
  DataTable table;
  fillTable(table, points);
  const int saved = workerThreads();
  for (int threads : {1, 2, 3, 8}) {
    setWorkerThreads(threads);
    expectSameTrainings(table, std::to_string(threads) + " threads", kShapes);
  }
  setWorkerThreads(saved);
}

// Points on a line in three coordinates: the rectangle is placed with no
// extent across the line, so its rows of nodes coincide, and many points
// are equally far from two coinciding nodes.
TEST(PrunedTraining, CoincidingNodes) {
  std::vector<std::vector<float>> points;
  for (int p = 0; p < 400; ++p) {
    const float t = static_cast<float>(p % 37) * 0.25f;
    points.push_back({t, 2.0f * t, 1.0f});
  }
  DataTable table;
  fillTable(table, points);
  expectSameTrainings(table, "points on a line", kSections, 2);
}

}  // namespace
}  // namespace manifit
