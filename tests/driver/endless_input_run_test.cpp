// Whole runs with an endless device as each input: every reader, and every
// second look at an input, stops at the first NUL byte with status 1.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "data/temp_files.h"

namespace manifit {
namespace {

const std::string kIris = std::string(MANIFIT_SOURCE_DIR) + "/examples/iris.txt";

struct Result {
  int status = -1;
  std::string output;
};

// The program with the arguments in folder; a reader that does not stop is
// ended by the time limit (status 124).
Result runIn(const std::string& folder, const std::string& program, const std::string& arguments) {
  const std::string command = "cd '" + folder + "' && timeout 120 '" + program + "' " + arguments +
                              " > stdout.txt 2> stderr.txt";
  const int raw = std::system(command.c_str());
  Result result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.output = readText(folder + "/stdout.txt") + readText(folder + "/stderr.txt");
  return result;
}

TEST(EndlessInputRun, DevZeroAsAnyInputIsRefusedAtOnce) {
  const std::string folder = freshFolder();
  writeText(folder + "/run.ini", "#ALG1\ngrid.size1 4\ngrid.size2 4\nepoch.id 1\n");
  ASSERT_EQ(
      runIn(folder, MANIFIT_BINARY, "-d '" + kIris + "' -i run.ini -n 1 -o m.map -model m.json")
          .status,
      0);
  const std::string train = "-d '" + kIris + "' -n 1 -o out.map ";
  const struct {
    std::string program;
    std::string arguments;
  } cases[] = {
      {MANIFIT_BINARY, "-d /dev/zero -i run.ini -n 1 -o out.map"},
      {MANIFIT_BINARY, train + "-i run.ini -w /dev/zero"},
      {MANIFIT_BINARY, train + "-i /dev/zero"},
      {MANIFIT_BINARY, train + "-i run.ini -gen /dev/zero"},
      {MANIFIT_PROJECT_BINARY, "-model /dev/zero -d '" + kIris + "' -points p.csv"},
      {MANIFIT_PROJECT_BINARY, "-model m.json -d /dev/zero -points p.csv"},
      {MANIFIT_VIEW_BINARY, "-model /dev/zero -d '" + kIris + "' -html p.html"},
      {MANIFIT_VIEW_BINARY, "-map /dev/zero -normdat /dev/zero -html p.html"},
  };
  for (const auto& c : cases) {
    const Result result = runIn(folder, c.program, c.arguments);
    EXPECT_EQ(result.status, 1) << c.arguments << "\n" << result.output;
    EXPECT_NE(result.output.find("/dev/zero, line 1: the file holds a NUL byte"), std::string::npos)
        << c.arguments << "\n"
        << result.output;
  }
}

}  // namespace
}  // namespace manifit
