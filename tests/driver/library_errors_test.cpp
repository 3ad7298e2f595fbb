// Every failure of the library comes back as a value with the tool's
// message, and the process goes on: bad configuration text, sizes over the
// limits, unusable tables, a stop asked by the callback, memory that runs
// out, a fatal condition of the linear algebra.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/parallel.h"
#include "driver/library_support.h"
#include "training/sparse_system.h"

namespace manifit {
namespace {

const char* const kLine = "#ALG1\ngrid.type linear\ngrid.size1 8\nepoch.id 1\nepoch.eps 0\n";

Section lineSection() {
  return readSectionText(kLine, 1, 4, "line.ini");
}

TEST(LibraryErrors, BadConfigurationTextIsAFailureWithTheToolsMessage) {
  struct Case {
    std::string text;
    int n;
    std::string message;
  };
  const Case cases[] = {
      {"#ALG1\ngrid.type hexagonal\n", 1, "No such grid type : hexagonal\n"},
      {"#ALG1\ngrid.size1 5\n", 2, "Configuration file mem.ini has no line beginning with #ALG2\n"},
      {"#ALG1\nepoch.id 1\nepoch.ep nan\n", 1,
       "Configuration file mem.ini, section #ALG1: the value \"nan\" of epoch.ep is not a finite "
       "number within the range of a 32-bit float.\n"},
      {"#ALG1\n" + std::string(900, 'x') + "\n", 1,
       "Configuration file mem.ini, line 2: the line is longer than 899 characters.\n"},
      {std::string("#ALG1\ngrid.") + '\0' + "size1 3\n", 1,
       "Configuration file mem.ini, line 2: the file holds a NUL byte, so it is not a text "
       "file.\n"},
      {"#ALG1\ngrid.type sphere\ngrid.size1 2\n", 1,
       "Grid type sphere needs grid.size1 >= 3 and grid.size2 >= 2, got 2 and 10\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const Section section = readSectionText(c.text, c.n, 4, "mem.ini");
    EXPECT_FALSE(section.ok());
    EXPECT_EQ(section.failure.exitStatus, 1);
    EXPECT_FALSE(section.failure.onStandardError);
    EXPECT_EQ(section.failure.message, c.message);
  }
}

TEST(LibraryErrors, SectionsFromTextAndFromAFileAreTheSame) {
  const std::string text =
      "# comment\n#ALG3\ngrid.type circle\ngrid.size1 12\nepoch.idd 1\nepoch.id 1\n"
      "epoch.ep 0.5\nadapt.id 2\nadapt.type grow\n#ALG4\n";
  const std::string path = freshFolder() + "/sections.ini";
  writeText(path, text);
  const Section fromText = readSectionText(text, 3, 2, path);
  const Section fromFile = readSection(path, 3, 2);
  ASSERT_TRUE(fromText.ok()) << fromText.failure.message;
  ASSERT_TRUE(fromFile.ok());
  EXPECT_EQ(fromText.text, fromFile.text);
  EXPECT_EQ(fromText.warnings, fromFile.warnings);
  ASSERT_EQ(fromText.warnings.size(), 1u);
  EXPECT_EQ(fromText.warnings[0],
            path + ", line 5: epoch.idd is not a key; did you mean epoch.id?\n");
  EXPECT_EQ(fromText.grid.type, GridType::Circle);
  EXPECT_EQ(fromText.grid.size1, 12);
  ASSERT_EQ(fromText.schedule.stages.size(), 2u);
  EXPECT_EQ(fromText.schedule.stages[0].ep, 0.5f);
  EXPECT_EQ(fromText.schedule.stages[1].kind, Stage::Kind::Adaptation);
  EXPECT_EQ(fromText.schedule.stages[1].type, "grow");
  EXPECT_EQ(fromText.schedule.stages[1].numevery, Stage::adaptation("grow").numevery);
  EXPECT_EQ(fromFile.schedule.stages[1].epsMSE, fromText.schedule.stages[1].epsMSE);
  const Section absent = readSection(path + ".absent", 1, 2);
  EXPECT_EQ(absent.failure.message,
            "Can not open configuration file " + path + ".absent (looking for section #ALG1)\n");
}

TEST(LibraryErrors, SizesOverTheLimitsAreRefusedBeforeAnythingIsBuilt) {
  const Section section = readSectionText(
      "#ALG1\ngrid.type simplerectangular\ngrid.size1 2000\ngrid.size2 1000\n", 1, 4, "big.ini");
  EXPECT_EQ(section.failure.message,
            "Grid type simplerectangular: grid.size1 2000 and grid.size2 1000 means 2000000 nodes, "
            "more than the 1000000 a grid can hold\n");

  const Table iris = loadTable(examplePath("iris.txt"));
  GridSpec grid;
  grid.type = GridType::Line;
  grid.size1 = 20000000;
  Schedule schedule;
  schedule.stages = {Stage::epoch(1.0f, 1.0f)};
  FitResult fit = manifit::fit(iris.view(), grid, schedule, FitOptions());
  EXPECT_EQ(fit.failure.message,
            "Grid type linear: grid.size1 20000000 means 20000000 nodes, more than the 1000000 a "
            "grid can hold\n");
  EXPECT_FALSE(fit.stopped);

  grid.size1 = 10;
  schedule.stages.push_back(Stage::adaptation("grow"));
  schedule.stages.back().numevery = 2000000;
  fit = manifit::fit(iris.view(), grid, schedule, FitOptions());
  EXPECT_EQ(fit.failure.message,
            "adapt.numevery 2000000 asks for more new nodes per step than the 1000000 a grid can "
            "hold.\n");
  schedule.stages.back() = Stage::epoch(NAN, 1.0f);
  fit = manifit::fit(iris.view(), grid, schedule, FitOptions());
  EXPECT_EQ(fit.failure.message,
            "Stage 2 of the schedule holds a value that is not a finite number.\n");
}

TEST(LibraryErrors, UnusableTablesAndMapsAreRefused) {
  const Section section = lineSection();
  std::vector<float> rows(40, 1.0f);
  for (size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<float>(i % 7);
  std::vector<float> weights(10, 1.0f);

  rows[13] = NAN;
  FitResult fit = manifit::fit(TableView{rows.data(), 10, 4, nullptr}, section.grid,
                               section.schedule, FitOptions());
  EXPECT_EQ(fit.failure.message, "The table's point 4, coordinate 2 is not a finite number.\n");
  rows[13] = 1.0f;
  weights[3] = -1.0f;
  fit = manifit::fit(TableView{rows.data(), 10, 4, weights.data()}, section.grid, section.schedule,
                     FitOptions());
  EXPECT_EQ(fit.failure.message, "The weight of point 4 is not a finite number of at least 0.\n");
  weights.assign(10, 0.0f);
  fit = manifit::fit(TableView{rows.data(), 10, 4, weights.data()}, section.grid, section.schedule,
                     FitOptions());
  EXPECT_EQ(fit.failure.message,
            "The weights add up to 0; their total must be a finite number above 0.\n");
  fit = manifit::fit(TableView{nullptr, 10, 4, nullptr}, section.grid, section.schedule,
                     FitOptions());
  EXPECT_EQ(fit.failure.message, "The table view has no rows or negative sizes.\n");
  fit = manifit::fit(TableView{rows.data(), 0, 4, nullptr}, section.grid, section.schedule,
                     FitOptions());
  EXPECT_EQ(fit.failure.message,
            "The table has 0 points of 4 coordinates; it needs at least one point of one "
            "coordinate.\n");

  // A split that draws every point leaves nothing to fit.
  FitOptions everything;
  everything.testFraction = 2.0;
  fit = manifit::fit(TableView{rows.data(), 10, 4, nullptr}, section.grid, section.schedule,
                     everything);
  EXPECT_EQ(fit.failure.message,
            "Table file (in memory): the random split drew all 10 points, so none are left to "
            "fit.\n");

  // Training what could not be prepared, projecting what does not fit.
  PreparedTable unprepared;
  unprepared.failure.exitStatus = 1;
  EXPECT_EQ(train(unprepared, section.grid, section.schedule, TrainOptions()).failure.message,
            "The table was not prepared.\n");
  fit = manifit::fit(TableView{rows.data(), 10, 4, nullptr}, section.grid, section.schedule,
                     FitOptions());
  ASSERT_TRUE(fit.ok()) << fit.failure.message;
  EXPECT_EQ(project(fit.map, TableView{rows.data(), 13, 3, nullptr}).failure.message,
            "The points have 3 coordinates, the map 4.\n");
  Map broken = fit.map;
  broken.edges[0][1] = 99;
  EXPECT_EQ(project(broken, TableView{rows.data(), 10, 4, nullptr}).failure.message,
            "The map's edges, ribs or triangles name nodes it does not have.\n");
  broken = fit.map;
  broken.nodes.pop_back();
  EXPECT_FALSE(project(broken, TableView{rows.data(), 10, 4, nullptr}).ok());
  EXPECT_TRUE(writeManifoldFile(broken, freshFolder() + "/m", "x").failed());
}

TEST(LibraryErrors, TheCallbackStopsTheFit) {
  const Section section = lineSection();
  const Table iris = loadTable(examplePath("iris.txt"));
  int iterations = 0;
  FitOptions options;
  options.progress = [&iterations](const Event& event) {
    return event.kind != Event::Kind::Iteration || ++iterations < 3;
  };
  FitResult fit = manifit::fit(iris.view(), section.grid, section.schedule, options);
  EXPECT_TRUE(fit.stopped);
  EXPECT_EQ(fit.failure.message, "the fit was stopped\n");
  EXPECT_EQ(fit.failure.exitStatus, 1);
  EXPECT_EQ(iterations, 3);

  // Stopped while the components are computed: no iteration at all.
  iterations = 0;
  options.progress = [&iterations](const Event& event) {
    iterations += event.kind == Event::Kind::Iteration;
    return event.text != "Comp 1 \n";
  };
  fit = manifit::fit(iris.view(), section.grid, section.schedule, options);
  EXPECT_TRUE(fit.stopped);
  EXPECT_EQ(fit.failure.message, "the fit was stopped\n");
  EXPECT_EQ(iterations, 0);

  // A callback that throws ends the fit with its text.
  options.progress = [](const Event& event) -> bool {
    if (event.kind == Event::Kind::Iteration) throw std::runtime_error("enough");
    return true;
  };
  fit = manifit::fit(iris.view(), section.grid, section.schedule, options);
  EXPECT_EQ(fit.failure.message, "The run failed: enough\n");
  EXPECT_TRUE(fit.failure.onStandardError);

  // The next fit runs to its end.
  fit = manifit::fit(iris.view(), section.grid, section.schedule, FitOptions());
  EXPECT_TRUE(fit.ok()) << fit.failure.message;
  EXPECT_FALSE(fit.stopped);
}

// No input makes a fit's matrix lack a diagonal (every node's row gets its
// data term); the condition is raised here from inside a fit, in its
// callback, to see that it comes back as the failure value the tool prints.
TEST(LibraryErrors, APreconditionerWithoutADiagonalEndsOnlyTheFit) {
  const Section section = lineSection();
  const Table iris = loadTable(examplePath("iris.txt"));
  const FitResult before = manifit::fit(iris.view(), section.grid, section.schedule, FitOptions());
  ASSERT_TRUE(before.ok());
  const int threads = workerThreads();

  FitOptions options;
  options.threads = 3;
  options.progress = [](const Event& event) {
    if (event.kind == Event::Kind::Iteration) {
      SparseSystem system;
      system.size = 2;
      system.reset();
      system.add(0, 0, 4.0);
      system.add(1, 0, -1.0);
      system.add(0, 1, -1.0);
      system.buildMatrix();
      system.buildPreconditioner();
    }
    return true;
  };
  const FitResult failed = manifit::fit(iris.view(), section.grid, section.schedule, options);
  EXPECT_EQ(failed.failure.exitStatus, 1);
  EXPECT_TRUE(failed.failure.onStandardError);
  EXPECT_EQ(failed.failure.message, "IC Preconditioner: diagonal not found!1\n");
  EXPECT_FALSE(failed.stopped);

  // The thread's settings are as they were, and a fit gives what it gave.
  EXPECT_EQ(workerThreads(), threads);
  const FitResult after = manifit::fit(iris.view(), section.grid, section.schedule, FitOptions());
  ASSERT_TRUE(after.ok());
  expectSameMap(before.map, after.map);
  expectSameHistory(before.history, after.history);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// The address space the process uses now, in bytes.
long long addressSpace() {
  std::ifstream statm("/proc/self/statm");
  long long pages = 0;
  statm >> pages;
  return pages * sysconf(_SC_PAGESIZE);
}

// A grid of 1000 x 1000 nodes is within the limits, but not within an
// address space 200 MB above what the process uses: the fit fails with the
// out-of-memory message and the process goes on (in a child, whose address
// space is limited).
TEST(LibraryErrors, MemoryThatRunsOutIsAFailure) {
  if (kAddressSanitizer) GTEST_SKIP() << "the address sanitizer reserves its own address space";
  const Table iris = loadTable(examplePath("iris.txt"));
  GridSpec grid;
  grid.size1 = 1000;
  grid.size2 = 1000;
  Schedule schedule;
  schedule.stages = {Stage::epoch(1.0f, 1.0f)};
  std::fflush(nullptr);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    rlimit limit;
    limit.rlim_cur = static_cast<rlim_t>(addressSpace() + (200LL << 20));
    limit.rlim_max = RLIM_INFINITY;
    if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(3);
    FitOptions options;
    options.threads = 2;
    const FitResult fit = manifit::fit(iris.view(), grid, schedule, options);
    const bool expected = !fit.ok() && fit.failure.onStandardError &&
                          fit.failure.message.rfind("Out of memory: ", 0) == 0;
    if (!expected) std::fprintf(stderr, "the fit gave: %s\n", fit.failure.message.c_str());
    // The process is still usable: a small fit still runs.
    const Section line = lineSection();
    const bool survives = manifit::fit(iris.view(), line.grid, line.schedule, options).ok();
    _exit(expected ? (survives ? 0 : 2) : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "the child ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

// A file descriptor redirected to a file while an object of this type lives.
class Redirected {
 public:
  Redirected(int fd, const std::string& path) : fd_(fd), saved_(dup(fd)) {
    std::fflush(nullptr);
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(file, fd);
    close(file);
  }
  ~Redirected() {
    std::fflush(nullptr);
    dup2(saved_, fd_);
    close(saved_);
  }

 private:
  int fd_;
  int saved_;
};

TEST(LibraryErrors, NothingReachesTheStreamsAndNoFileAppears) {
  const std::string folder = freshFolder();
  const std::string streams = freshFolder();
  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(folder.c_str()), 0);
  const Table iris = loadTable(examplePath("iris.txt"));
  {
    Redirected out(1, streams + "/stdout");
    Redirected err(2, streams + "/stderr");
    // A graph (which writes its diagnostics file only when named), a
    // section with warnings, a failing fit and a stopped one.
    const Section graph = readSection(examplePath("manifit.ini"), 11, 4);
    EXPECT_TRUE(manifit::fit(iris.view(), graph.grid, graph.schedule, FitOptions()).ok());
    const Section warned = readSectionText("#ALG1\nfoo 1\n", 1, 4, "warned.ini");
    EXPECT_EQ(warned.warnings.size(), 2u);
    const Section bad = readSectionText("#ALG1\ngrid.type x\n", 1, 4, "bad.ini");
    EXPECT_FALSE(bad.ok());
    FitOptions stopping;
    stopping.progress = [](const Event&) { return false; };
    EXPECT_TRUE(manifit::fit(iris.view(), graph.grid, graph.schedule, stopping).stopped);
  }
  ASSERT_EQ(chdir(previous), 0);
  EXPECT_EQ(readText(streams + "/stdout"), "");
  EXPECT_EQ(readText(streams + "/stderr"), "");
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

}  // namespace
}  // namespace manifit
