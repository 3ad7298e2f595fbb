// Whole training runs of the built program on small data sets: the lines it
// prints (clock ticks masked) and the files it writes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "common/output.h"
#include "data/temp_files.h"
#include "driver/options.h"
#include "driver/prepare_data.h"
#include "driver/training_run.h"

namespace manifit {
namespace {

struct TrainedRun {
  int status = -1;
  std::string output;
  std::string folder;
};

const std::string irisPath = std::string(MANIFIT_SOURCE_DIR) + "/examples/iris.txt";

// Runs manifit on the iris data (or the given table) with the section text as
// its configuration, selecting algorithm n.
TrainedRun train(const std::string& section, const std::string& extra = "", int n = 1,
                 const std::string& table = "") {
  TrainedRun run;
  run.folder = freshFolder();
  writeText(run.folder + "/table.txt", table.empty() ? readText(irisPath) : table);
  writeText(run.folder + "/run.ini", section);
  const std::string command = "cd '" + run.folder + "' && '" + MANIFIT_BINARY +
                              "' -d table.txt -i run.ini -n " + std::to_string(n) +
                              " -o out.map -dat iris " + extra + " > stdout.txt 2> stderr.txt";
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.output = readText(run.folder + "/stdout.txt");
  return run;
}

// The lines after the component extraction, clock ticks replaced by T.
std::vector<std::string> trainingLines(const std::string& output) {
  std::vector<std::string> lines;
  std::istringstream in(output);
  bool started = false;
  const std::regex ticks(R"(Time: \d+\+\(\d+,\d+\)$)");
  const std::regex spent(R"(^Time spent: \d+$)");
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("Proceeding with ", 0) == 0) started = true;
    if (!started) continue;
    line = std::regex_replace(line, ticks, "Time: T+(T,T)");
    line = std::regex_replace(line, spent, "Time spent: T");
    lines.push_back(line);
  }
  return lines;
}

// The "Ep:" field of each progress line and every other line as it stands.
std::vector<std::string> stageTrace(const std::string& output) {
  std::vector<std::string> trace;
  const std::regex progress(R"(Ep: (\d+) It: \d+ .*)");
  for (const std::string& line : trainingLines(output)) {
    std::smatch match;
    if (std::regex_match(line, match, progress)) {
      trace.push_back("E" + match[1].str());
    } else if (line.rfind("Final MSE: ", 0) != 0 && line.rfind("Proceeding", 0) != 0 &&
               line.rfind("Time spent", 0) != 0) {
      trace.push_back(line);
    }
  }
  return trace;
}

int progressLineCount(const std::string& output) {
  int count = 0;
  for (const std::string& line : trainingLines(output)) count += line.rfind("Ep: ", 0) == 0;
  return count;
}

std::string nodeCountOf(const std::string& manifold) {
  const size_t at = manifold.find("# NODES\n");
  if (at == std::string::npos) return "";
  return manifold.substr(at + 8, manifold.find('\n', at + 8) - at - 8);
}

std::string finalErrorText(const std::string& output) {
  std::smatch match;
  if (!std::regex_search(output, match, std::regex("\nFinal MSE: (.*)\n"))) return "";
  return match[1].str();
}

const char* const kLine = "#ALG1\ngrid.type linear\ngrid.size1 5\n";

TEST(TrainingRun, ProgressLinesBetweenTheFixedLines) {
  const TrainedRun run = train(std::string(kLine) + "epoch.id 1\nepoch.numiter 3\nepoch.eps 0\n");
  ASSERT_EQ(run.status, 0) << run.output;
  const std::vector<std::string> lines = trainingLines(run.output);
  ASSERT_EQ(lines.size(), 7u) << run.output;
  EXPECT_EQ(lines[0], "Proceeding with 150 points");
  EXPECT_EQ(lines[1], "Strategy: epoch");
  const std::regex progress(
      R"(Ep: 1 It: (\d) MSE: (\d\.\d{1,6}|0\.\d{1,6}) Df: ([0-9.e+-]+) Time: T\+\(T,T\))");
  for (int i = 0; i < 3; ++i) {
    std::smatch match;
    ASSERT_TRUE(std::regex_match(lines[2 + i], match, progress)) << lines[2 + i];
    EXPECT_EQ(match[1].str(), std::to_string(i));
  }
  EXPECT_EQ(lines[5], "Time spent: T");
  EXPECT_TRUE(std::regex_match(lines[6], std::regex(R"(Final MSE: 0\.\d+)"))) << lines[6];
  EXPECT_EQ(readText(run.folder + "/stderr.txt"), "");
}

TEST(TrainingRun, StagesAreNumberedInScheduleOrder) {
  const TrainedRun run = train(std::string(kLine) +
                               "epoch.id 1\nepoch.numiter 2\nepoch.eps 0\n"
                               "epoch.id 2\nepoch.numiter 1\n"
                               "adapt.id 3\nadapt.type grow\nadapt.numstep 2\nadapt.epsMSE 0\n"
                               "adapt.numiter 1\n"
                               "epoch.id 4\nepoch.numiter 1\n");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(stageTrace(run.output),
            (std::vector<std::string>{"Strategy: epoch", "E1", "E1", "E2", "Adaptation step: 1",
                                      "E3", "Adaptation step: 2", "E3", "E4"}));
  // Two grow steps of one node each.
  EXPECT_EQ(nodeCountOf(readText(run.folder + "/out.map")), "7");
}

TEST(TrainingRun, EpochsWithoutMinimizationPrintNothing) {
  const TrainedRun run =
      train(std::string(kLine) + "epoch.id 1\nepoch.minimize false\nepoch.id 2\nepoch.numiter 0\n");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(progressLineCount(run.output), 0);
  EXPECT_NE(finalErrorText(run.output), "");
}

TEST(TrainingRun, LargeEpsEndsEachEpochAfterOneIteration) {
  const TrainedRun run =
      train(std::string(kLine) + "epoch.id 1\nepoch.eps 1e30\nepoch.id 2\nepoch.eps 1e30\n");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(stageTrace(run.output), (std::vector<std::string>{"Strategy: epoch", "E1", "E2"}));
}

TEST(TrainingRun, OtherStrategyWritesThePlacedGrid) {
  const std::string files = "-p proj.txt -normdat norm.txt";
  const TrainedRun other = train("#ALG1\nalgtype annealing\nepoch.id 1\n", files);
  ASSERT_EQ(other.status, 0) << other.output;
  EXPECT_EQ(stageTrace(other.output), (std::vector<std::string>{"Strategy: annealing"}));
  // The same grid placed and not trained by an epoch that does not minimize.
  const TrainedRun placed = train("#ALG1\nepoch.id 1\nepoch.minimize false\n", files);
  ASSERT_EQ(placed.status, 0) << placed.output;
  EXPECT_EQ(finalErrorText(other.output), finalErrorText(placed.output));
  EXPECT_EQ(readText(other.folder + "/out.map"), readText(placed.folder + "/out.map"));
  EXPECT_EQ(readText(other.folder + "/proj.txt"), readText(placed.folder + "/proj.txt"));
  const std::string norm = readText(other.folder + "/norm.txt");
  EXPECT_EQ(std::count(norm.begin(), norm.end(), '\n'), 150);
  EXPECT_EQ(std::count(norm.begin(), norm.end(), '\t'), 600);
  EXPECT_EQ(nodeCountOf(readText(other.folder + "/out.map")), "100");
  const std::string projections = readText(other.folder + "/proj.txt");
  EXPECT_EQ(std::count(projections.begin(), projections.end(), '\n'), 150);
}

TEST(TrainingRun, TestTableAddsItsError) {
  const TrainedRun run =
      train(std::string(kLine) + "epoch.id 1\nepoch.numiter 2\nepoch.eps 0\n", "-t 20");
  ASSERT_EQ(run.status, 0) << run.output;
  const std::regex withTest(R"(Ep: 1 It: \d MSE: [0-9.e+-]+/[0-9.e+-]+ Df: .*)");
  int matched = 0;
  for (const std::string& line : trainingLines(run.output)) {
    matched += std::regex_match(line, withTest);
  }
  EXPECT_EQ(matched, 2) << run.output;
  EXPECT_EQ(run.output.find("Proceeding with 150 points"), std::string::npos);

  // -t 0 draws nothing: no test error.
  const TrainedRun none = train(std::string(kLine) + "epoch.id 1\nepoch.numiter 1\n", "-t 0");
  ASSERT_EQ(none.status, 0) << none.output;
  EXPECT_NE(none.output.find("Proceeding with 150 points"), std::string::npos);
  EXPECT_FALSE(std::regex_search(none.output, std::regex("MSE: [0-9.e+-]+/")));
}

TEST(TrainingRun, GeneratingManifoldAddsItsDistance) {
  const std::string folderText = "0 0 0 0\n\n1 0 0 0\n";
  TrainedRun run;
  {
    run.folder = freshFolder();
    writeText(run.folder + "/gen.txt", folderText);
    writeText(run.folder + "/run.ini", std::string(kLine) + "epoch.id 1\nepoch.numiter 2\n");
    const std::string command = "cd '" + run.folder + "' && '" + MANIFIT_BINARY + "' -d '" +
                                irisPath + "' -i run.ini -n 1 -o out.map -gen gen.txt > stdout.txt";
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.output = readText(run.folder + "/stdout.txt");
  }
  ASSERT_EQ(run.status, 0) << run.output;
  const std::regex withGmse(R"(Ep: 1 It: \d MSE: [0-9.e+-]+ GMSE \d+\.\d{4}  Df: .*)");
  int matched = 0;
  for (const std::string& line : trainingLines(run.output)) {
    matched += std::regex_match(line, withGmse);
  }
  EXPECT_GE(matched, 1) << run.output;
  EXPECT_EQ(matched, progressLineCount(run.output));
  // The manifold file describes the trained line, not the generating one.
  EXPECT_EQ(nodeCountOf(readText(run.folder + "/out.map")), "5");
}

TEST(TrainingRun, UnreadableGeneratingManifoldStopsTheRun) {
  const TrainedRun run = train(std::string(kLine) + "epoch.id 1\n", "-gen absent.txt");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(trainingLines(run.output).size(), 0u);
  EXPECT_NE(run.output.find("Can not open file absent.txt\n"), std::string::npos) << run.output;
  EXPECT_FALSE(fileExists(run.folder + "/out.map"));
}

TEST(TrainingRun, ExtrapolationGrowsTheRectangle) {
  const TrainedRun run = train("#ALG1\nepoch.id 1\nepoch.numiter 2\nepoch.extrapolate 1\n");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("Extrapolation step... \n"), std::string::npos);
  const std::string manifold = readText(run.folder + "/out.map");
  EXPECT_EQ(nodeCountOf(manifold), "144");
  EXPECT_NE(manifold.find("# EDGES\n264\n"), std::string::npos);
}

TEST(TrainingRun, ConfigurationEdgeCases) {
  struct Case {
    const char* name;
    std::string section;
    int n;
    int progressLines;
    const char* nodes;
  };
  const Case cases[] = {
      {"header 10 is found for n = 1",
       "#ALG10\ngrid.type linear\ngrid.size1 6\n#ALG1\ngrid.type linear\ngrid.size1 4\n", 1, 0,
       "6"},
      {"epoch.id without value makes no stage", std::string(kLine) + "epoch.id\nepoch.numiter 3\n",
       1, 0, "5"},
      {"True is not true", std::string(kLine) + "epoch.id 1\nepoch.minimize True\n", 1, 0, "5"},
      {"size 7.9 is 7", "#ALG1\ngrid.type linear\ngrid.size1 7.9\n", 1, 0, "7"},
      {"a # line ends the section",
       std::string(kLine) + "epoch.id 1\nepoch.eps 1e9\n# note\nepoch.id 2\ngrid.size1 9\n", 1, 1,
       "5"},
      {"the last numevery counts",
       std::string(kLine) + "adapt.id 1\nadapt.type grow\nadapt.numstep 1\nadapt.numevery 1\n"
                            "adapt.numiter 1\nadapt.numevery 3\n",
       1, 1, "8"},
      {"section 0", "#ALG1\ngrid.size1 3\n#ALG0\ngrid.type circle\ngrid.size1 12\n", 0, 0, "12"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TrainedRun run = train(c.section, "", c.n);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(progressLineCount(run.output), c.progressLines) << run.output;
    EXPECT_EQ(nodeCountOf(readText(run.folder + "/out.map")), c.nodes);
  }
}

TEST(TrainingRun, RefusedConfigurationsStopBeforeTraining) {
  struct Case {
    std::string section;
    int n;
    const char* message;
  };
  const Case cases[] = {
      {"#ALG1\ngrid.type hexagonal\n", 1, "\nNo such grid type : hexagonal\n"},
      {"#ALG1\n", 2, "\nConfiguration file run.ini has no line beginning with #ALG2\n"},
      {"#ALG1\ngrid.type sphere\ngrid.size1 2\n", 1, "grid.size1 >= 3"},
      {"#ALG1\nalgtype " + std::string(120, 'x') + "\n", 1, "at most 99"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const TrainedRun run = train(c.section, "", c.n);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("Proceeding with"), std::string::npos);
    EXPECT_FALSE(fileExists(run.folder + "/out.map"));
  }
  TrainedRun missing = train("#ALG1\n");
  {
    const std::string command = "cd '" + missing.folder + "' && '" + MANIFIT_BINARY +
                                "' -d table.txt -i none.ini -n 4 -o out.map > stdout.txt";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
    EXPECT_NE(readText(missing.folder + "/stdout.txt")
                  .find("Can not open configuration file none.ini (looking for section #ALG4)\n"),
              std::string::npos);
  }
}

TEST(TrainingRun, ExampleSectionsTrainTheIrisData) {
  const std::string ini = readText(std::string(MANIFIT_SOURCE_DIR) + "/examples/manifit.ini");
  const char* nodes[] = {"100", "50", "20", "20"};
  for (int n = 1; n <= 4; ++n) {
    SCOPED_TRACE(n);
    const TrainedRun run = train(ini, "-p proj.txt", n);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_GT(progressLineCount(run.output), 0);
    EXPECT_EQ(nodeCountOf(readText(run.folder + "/out.map")), nodes[n - 1]);
    EXPECT_EQ(run.output.find("Result = "), std::string::npos) << run.output;
  }
}

TEST(TrainingRun, ProceedsWithTheKeptPartOfASplit) {
  const TrainedRun run =
      train(std::string(kLine) + "epoch.id 1\nepoch.numiter 1\n", "-t 30 -normdat norm.txt");
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string norm = readText(run.folder + "/norm.txt");
  const long kept = std::count(norm.begin(), norm.end(), '\n');
  EXPECT_LT(kept, 150);
  EXPECT_NE(run.output.find("Proceeding with " + std::to_string(kept) + " points\n"),
            std::string::npos)
      << run.output;
}

// The -normdat file turns unwritable between the preparation and the end of
// the run: the other outputs are written, then the run fails.
TEST(TrainingRun, UnwritableNormalizedTableAtTheEnd) {
  const std::string folder = freshFolder();
  writeText(folder + "/run.ini", "#ALG1\ngrid.type circle\ngrid.size1 5\n");
  Options options;
  options.data = irisPath;
  options.ini = folder + "/run.ini";
  options.algorithm = 1;
  options.output = folder + "/out.map";
  PreparedData prepared;
  CapturedOutput capture;
  ASSERT_TRUE(prepareData(options, prepared).ok());
  options.normdat = folder + "/no/such/norm.txt";
  const Status status = runTraining(options, prepared);
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.message, "Can not open file " + *options.normdat + " for writing. \n");
  EXPECT_NE(capture.text().find("\nFinal MSE: "), std::string::npos);
  EXPECT_EQ(nodeCountOf(readText(folder + "/out.map")), "5");
}

}  // namespace
}  // namespace manifit
