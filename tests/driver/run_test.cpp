// The built program run as a user runs it: its standard output and its exit
// status as the shell sees them.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>

#include "common/output.h"
#include "data/temp_files.h"
#include "driver/run.h"

namespace manifit {

namespace {

struct Result {
  int status = -1;
  std::string output;
};

// Runs the program in folder with the given arguments (already quoted as
// the shell needs them).
Result runProgram(const std::string& folder, const std::string& arguments) {
  const std::string command = "cd '" + folder + "' && '" + MANIFIT_BINARY + "' " + arguments +
                              " > stdout.txt 2> stderr.txt";
  const int raw = std::system(command.c_str());
  Result result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.output = readText(folder + "/stdout.txt");
  return result;
}

const std::string iris = std::string(MANIFIT_SOURCE_DIR) + "/examples/iris.txt";

const char* const header =
    "Dat file: table.txt\nIni file: x.ini\nOutput file: m.map\nAlg number: 1\n";

std::string mandatory() {
  return "-d table.txt -i x.ini -o m.map -n 1";
}

// A section that creates the default grid and trains nothing, so a run
// goes through to its end.
void writeUntrainedSection(const std::string& folder) {
  writeText(folder + "/x.ini", "#ALG1\n");
}

}  // namespace

TEST(Program, WithoutArgumentsOnlyTheFirstFatalLine) {
  const std::string folder = freshFolder();
  const Result result = runProgram(folder, "");
  EXPECT_EQ(result.status, 255);
  EXPECT_EQ(result.output, "FATAL ERROR: No data file was specified.\n");
  EXPECT_EQ(readText(folder + "/stderr.txt"), "");

  const char* programName[] = {"manifit"};
  EXPECT_EXIT(std::exit(runManifit(1, programName)), ::testing::ExitedWithCode(255), "");
}

TEST(Program, InProcessRunReturnsTheSameStatus) {
  const char* arguments[] = {"manifit", "-d", "t.txt", "-i", "x.ini", "-n"};
  CapturedOutput capture;
  EXPECT_EQ(runManifit(6, arguments), -1);
  EXPECT_EQ(capture.text(),
            "Dat file: t.txt\nIni file: x.ini\nFATAL ERROR: No output file was specified.\n");
}

TEST(Program, PreparesTheDataAndWritesItsFiles) {
  const std::string folder = freshFolder();
  writeText(folder + "/table.txt", readText(iris));
  writeUntrainedSection(folder);
  const Result result = runProgram(folder, mandatory() + " -normdat norm.txt -pcdat pc.txt");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output.rfind(std::string(header) + "Comp 0 \n", 0), 0u) << result.output;
  EXPECT_NE(result.output.find("Comp 2 \n"), std::string::npos);
  EXPECT_NE(result.output.find("\nTime spent for calc PC: "), std::string::npos);
  const std::string summary = readText(folder + "/temp");
  EXPECT_EQ(summary.substr(0, 4), "3 4\n");
  EXPECT_EQ(std::count(summary.begin(), summary.end(), '\n'), 8);
  // The end of the run replaces the table written after the normalization
  // with the plain dump of the normalized points.
  const std::string normalized = readText(folder + "/norm.txt");
  // (5.1 - 5.8433) / 0.8253, the first sepal length, with ten decimals.
  EXPECT_EQ(normalized.substr(0, 8), "-0.90068");
  EXPECT_EQ(normalized.find('\t'), 13u);
  EXPECT_EQ(std::count(normalized.begin(), normalized.end(), '\n'), 150);
  const std::string scores = readText(folder + "/pc.txt");
  EXPECT_EQ(std::count(scores.begin(), scores.end(), '\n'), 150);
}

TEST(Program, WithoutNormalizationTheTableIsWrittenAsRead) {
  const std::string folder = freshFolder();
  writeText(folder + "/table.txt", "2 2\n1.5 2\n-3 4e1\n");
  writeUntrainedSection(folder);
  const Result result = runProgram(folder, mandatory() + " -norm 0 -normdat norm.txt");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(readText(folder + "/norm.txt"),
            "1.5000000000\t2.0000000000\t\n-3.0000000000\t40.0000000000\t\n");
}

TEST(Program, MissingWeightsFileRunsUnweighted) {
  const std::string folder = freshFolder();
  writeText(folder + "/table.txt", "3 1\n1 2 3\n");
  writeUntrainedSection(folder);
  const Result result = runProgram(folder, mandatory() + " -w absent.txt");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(
      result.output.rfind(
          "Dat file: table.txt\nWeight file: absent.txt\nIni file: x.ini\nOutput file: m.map\n"
          "Alg number: 1\nFile not found.\nComp 0 \n",
          0),
      0u)
      << result.output;
  EXPECT_TRUE(fileExists(folder + "/temp"));
}

TEST(Program, BadInputStopsWithItsMessageAndStatusOne) {
  struct Case {
    const char* table;
    const char* weights;  // null: no -w
    const char* extra;
    const char* message;
  };
  const Case cases[] = {
      {nullptr, nullptr, "", "File not found: table.txt.\n"},
      {"0 3\n", nullptr, "",
       "Table file table.txt: the header declares 0 points of 3 coordinates; both counts must be 1 "
       "or more.\n"},
      {"900000 900000\n1\n", nullptr, "",
       "Table file table.txt: the header declares 900000 points of 900000 coordinates, "
       "810000000000 numbers; a table can hold at most 250000000.\n"},
      {"9000 9000\n1\n", nullptr, "",
       "Table file table.txt: the header declares 9000 points of 9000 coordinates, more numbers "
       "than the file can hold.\n"},
      {"2 2\n1 2\n3\n", nullptr, "",
       "Table file table.txt: point 2, coordinate 2 is missing (the file ends after 3 of 4 "
       "numbers).\n"},
      {"2 2\n1 2\n3 four\n", nullptr, "",
       "Table file table.txt, line 3: point 2, coordinate 2 is not a number: \"four\".\n"},
      {"2 2\n1 2\ninf 4\n", nullptr, "",
       "Table file table.txt, line 3: point 2, coordinate 1 is not a finite number: \"inf\".\n"},
      {"2 1\n1 2\n", "1\n", "",
       "Weights file weights.txt: the weight of point 2 is missing (the file ends after 1 of 2 "
       "weights).\n"},
      {"2 1\n1 2\n", "1 -1\n", "",
       "Weights file weights.txt, line 1: the weight of point 2 is negative: \"-1\".\n"},
      {"2 1\n1 2\n", "0 0\n", "",
       "Weights file weights.txt: the weights add up to 0; their total must be a finite number "
       "above 0.\n"},
      {"2 1\n1 2\n", "1 0\n", " -t 50",
       "Weights file weights.txt: the random split kept only points of weight 0, so there is "
       "nothing to fit.\n"},
      {"2 1\n1 2\n", nullptr, " -normdat no/such/folder.txt",
       "Can not open file no/such/folder.txt for writing. \n"},
      {"2 1\n1 2\n", nullptr, " -t 100",
       "Table file table.txt: the random split drew all 2 points, so none are left to fit.\n"},
  };
  for (const Case& c : cases) {
    const std::string folder = freshFolder();
    if (c.table != nullptr) writeText(folder + "/table.txt", c.table);
    std::string arguments = mandatory() + c.extra;
    std::string expected = header;
    if (c.weights != nullptr) {
      writeText(folder + "/weights.txt", c.weights);
      arguments += " -w weights.txt";
      expected =
          "Dat file: table.txt\nWeight file: weights.txt\nIni file: x.ini\nOutput file: m.map\nAlg "
          "number: 1\n";
    }
    const Result result = runProgram(folder, arguments);
    EXPECT_EQ(result.status, 1) << c.message;
    EXPECT_EQ(result.output, expected + c.message);
    EXPECT_FALSE(fileExists(folder + "/temp")) << c.message;
  }
}

}  // namespace manifit
