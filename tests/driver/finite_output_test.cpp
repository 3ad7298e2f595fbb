// No number that is not finite ever reaches an output file: the run stops
// first, naming the cause.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "data/temp_files.h"

namespace manifit {

namespace {

struct Result {
  int status = -1;
  std::string output;
};

Result runIn(const std::string& folder, const std::string& arguments) {
  const std::string command = "cd '" + folder + "' && '" + MANIFIT_BINARY + "' " + arguments +
                              " > stdout.txt 2> stderr.txt";
  const int raw = std::system(command.c_str());
  Result result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.output = readText(folder + "/stdout.txt");
  return result;
}

// The last line of the text.
std::string lastLine(const std::string& text) {
  const size_t end = text.empty() ? 0 : text.size() - 1;
  const size_t start = text.rfind('\n', end == 0 ? 0 : end - 1);
  return start == std::string::npos ? text : text.substr(start + 1);
}

}  // namespace

TEST(FiniteOutputs, HugeUnnormalizedValuesStopTheRunBeforeAnyFile) {
  struct Case {
    std::string table;
    std::string message;
  };
  const Case cases[] = {
      // The single-precision residuals overflow: the components are not finite.
      {"4 2\n3.4e38 1\n-3.4e38 2\n3e38 -1\n1e38 5\n",
       "Table file t.txt: the principal components are not finite numbers (the coordinates are "
       "too large for single-precision arithmetic; normalize the table or scale it down).\n"},
      // The components are finite, but a score sums past the float range.
      {"2 2\n3e38 3e38\n-3e38 -3e38\n",
       "Table file t.txt: the component score of point 1 is not a finite number (the coordinates "
       "are too large for single-precision arithmetic; normalize the table or scale it down).\n"},
  };
  for (const Case& c : cases) {
    const std::string folder = freshFolder();
    writeText(folder + "/t.txt", c.table);
    writeText(folder + "/x.ini", "#ALG1\ngrid.type linear\ngrid.size1 3\n");
    const Result result = runIn(folder, "-d t.txt -i x.ini -n 1 -o m.map -pcdat s.txt -norm 0");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(lastLine(result.output), c.message);
    EXPECT_FALSE(fileExists(folder + "/temp"));
    EXPECT_FALSE(fileExists(folder + "/s.txt"));
    EXPECT_FALSE(fileExists(folder + "/m.map"));
  }
}

TEST(FiniteOutputs, NormalizedHugeValuesTrainNormally) {
  // The same values normalized: the statistics stay finite, so does everything after.
  const std::string folder = freshFolder();
  writeText(folder + "/t.txt", "5 2\n3.4e38 1\n-3.4e38 2\n3e38 -1\n1e38 5\n2e20 3\n");
  writeText(folder + "/x.ini", "#ALG1\ngrid.type linear\ngrid.size1 3\nepoch.id 1\n");
  const Result result =
      runIn(folder, "-d t.txt -i x.ini -n 1 -o m.map -pcdat s.txt -normdat n.txt");
  EXPECT_EQ(result.status, 0) << result.output;
  for (const char* name : {"temp", "s.txt", "m.map", "n.txt"}) {
    const std::string text = readText(folder + "/" + name);
    EXPECT_FALSE(text.empty()) << name;
    EXPECT_EQ(text.find("nan"), std::string::npos) << name;
    EXPECT_EQ(text.find("inf"), std::string::npos) << name;
  }
  // The first column is scaled, not flattened to zeros: (3.4e38 - mean) / deviation.
  const float first = std::strtof(readText(folder + "/n.txt").c_str(), nullptr);
  EXPECT_GT(first, 1.0f);
  EXPECT_LT(first, 2.0f);
}

TEST(FiniteOutputs, AStretchThatPlacesTheGridOutOfReachIsRefused) {
  const std::string folder = freshFolder();
  writeText(folder + "/x.ini", "#ALG1\ninit.stretch1 1e38\nepoch.id 1\n");
  const std::string iris = std::string(MANIFIT_SOURCE_DIR) + "/examples/iris.txt";
  const Result result = runIn(folder, "-d '" + iris + "' -i x.ini -n 1 -o m.map");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(lastLine(result.output),
            "Configuration file x.ini, section #ALG1: init.stretch1 1e+38, init.stretch2 0.8 and "
            "init.stretch3 0.8 place the grid so far out that its distances overflow; use smaller "
            "stretches.\n");
  EXPECT_FALSE(fileExists(folder + "/m.map"));
  // A large but reachable stretch trains.
  writeText(folder + "/x.ini", "#ALG1\ninit.stretch1 1e6\nepoch.id 1\nepoch.numiter 2\n");
  EXPECT_EQ(runIn(folder, "-d '" + iris + "' -i x.ini -n 1 -o m.map").status, 0);
}

}  // namespace manifit
