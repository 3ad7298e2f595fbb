// Whole runs of the built program compared byte for byte with recorded
// results: standard output (clock figures masked), exit status and every
// file the run writes. The cases are listed in tests/golden/cases.txt.
//
// With MANIFIT_RECORD_GOLDEN=1 in the environment the tests write the
// results instead of comparing them (scripts/record-golden.sh does that).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "data/temp_files.h"

namespace manifit {

namespace {

namespace fs = std::filesystem;

const fs::path goldenRoot = fs::path(MANIFIT_SOURCE_DIR) / "tests" / "golden";

struct GoldenCase {
  std::string name;
  std::string arguments;
};

// Names the case in test reports.
void PrintTo(const GoldenCase& golden, std::ostream* out) {
  *out << golden.name;
}

std::vector<GoldenCase> readCases() {
  std::vector<GoldenCase> cases;
  std::ifstream file(goldenRoot / "cases.txt");
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    const size_t blank = line.find(' ');
    cases.push_back(
        {line.substr(0, blank), blank == std::string::npos ? "" : line.substr(blank + 1)});
  }
  return cases;
}

// The clock figures of a run differ from run to run: each becomes "N".
std::string maskClockFigures(const std::string& text) {
  static const std::regex pc("Time spent for calc PC: -?[0-9]+");
  static const std::regex total("Time spent: -?[0-9]+");
  static const std::regex progress("Time: -?[0-9]+\\+\\(-?[0-9]+,-?[0-9]+\\)");
  std::string masked = std::regex_replace(text, pc, "Time spent for calc PC: N");
  masked = std::regex_replace(masked, total, "Time spent: N");
  return std::regex_replace(masked, progress, "Time: N+(N,N)");
}

// Every file of a folder, by name.
std::map<std::string, std::string> folderFiles(const fs::path& folder) {
  std::map<std::string, std::string> files;
  if (!fs::is_directory(folder)) return files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    files[entry.path().filename().string()] = readText(entry.path().string());
  }
  return files;
}

struct RunResult {
  std::string output;
  std::string status;
  std::map<std::string, std::string> files;  // written by the run
};

// Runs the case in a fresh folder that holds the inputs and nothing else.
RunResult runCase(const GoldenCase& golden) {
  const fs::path folder = fs::path(::testing::TempDir()) /
                          ("manifit_golden_" + std::to_string(getpid()) + "_" + golden.name);
  const fs::path work = folder / "run";
  fs::remove_all(folder);
  fs::create_directories(work);
  const fs::path examples = fs::path(MANIFIT_SOURCE_DIR) / "examples";
  std::vector<fs::path> inputs = {examples / "iris.txt", examples / "wine.txt",
                                  examples / "manifit.ini"};
  for (const fs::directory_entry& entry : fs::directory_iterator(goldenRoot / "inputs")) {
    inputs.push_back(entry.path());
  }
  for (const fs::path& input : inputs) fs::copy_file(input, work / input.filename());

  const std::string command = "cd '" + work.string() + "' && '" + MANIFIT_BINARY + "' " +
                              golden.arguments + " > ../stdout.txt 2> ../stderr.txt";
  const int raw = std::system(command.c_str());
  RunResult result;
  result.status = (WIFEXITED(raw) ? std::to_string(WEXITSTATUS(raw)) : "signal") + "\n";
  result.output = maskClockFigures(readText((folder / "stdout.txt").string()));
  result.files = folderFiles(work);
  for (const fs::path& input : inputs) result.files.erase(input.filename().string());
  return result;
}

void record(const GoldenCase& golden, const RunResult& result) {
  const fs::path folder = goldenRoot / golden.name;
  fs::remove_all(folder);
  fs::create_directories(folder / "files");
  writeText((folder / "stdout.txt").string(), result.output);
  writeText((folder / "status.txt").string(), result.status);
  for (const auto& [name, text] : result.files) writeText((folder / "files" / name).string(), text);
}

bool recording() {
  const char* value = std::getenv("MANIFIT_RECORD_GOLDEN");
  return value != nullptr && std::string(value) == "1";
}

class GoldenRun : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenRun, MatchesTheRecordedResult) {
  const GoldenCase& golden = GetParam();
  const RunResult result = runCase(golden);
  if (recording()) {
    record(golden, result);
    return;
  }
  const fs::path folder = goldenRoot / golden.name;
  ASSERT_TRUE(fs::is_directory(folder)) << "no recorded result for " << golden.name;
  EXPECT_EQ(result.status, readText((folder / "status.txt").string()));
  EXPECT_EQ(result.output, readText((folder / "stdout.txt").string()));

  const std::map<std::string, std::string> expected = folderFiles(folder / "files");
  for (const auto& [name, text] : expected) {
    const auto written = result.files.find(name);
    if (written == result.files.end()) {
      ADD_FAILURE() << golden.name << ": the run did not write " << name;
    } else {
      EXPECT_TRUE(written->second == text) << golden.name << ": " << name << " differs";
    }
  }
  for (const auto& [name, text] : result.files) {
    EXPECT_TRUE(expected.count(name) == 1) << golden.name << ": unexpected file " << name;
  }
}

std::string caseName(const ::testing::TestParamInfo<GoldenCase>& info) {
  std::string name = info.param.name;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenRun, ::testing::ValuesIn(readCases()), caseName);

}  // namespace

TEST(GoldenRunSupport, ClockFiguresAreMaskedAndNothingElse) {
  EXPECT_EQ(maskClockFigures("Time spent for calc PC: 63\nTime spent: 647\nFinal MSE: 0.774721\n"),
            "Time spent for calc PC: N\nTime spent: N\nFinal MSE: 0.774721\n");
  EXPECT_EQ(maskClockFigures("Ep: 1 It: 0 MSE: 1.00964 Df: 0.0804463 Time: 15+(19,42)\n"),
            "Ep: 1 It: 0 MSE: 1.00964 Df: 0.0804463 Time: N+(N,N)\n");
  EXPECT_EQ(maskClockFigures("Time: 1.5 seconds\n"), "Time: 1.5 seconds\n");
}

TEST(GoldenRunSupport, EveryCaseHasARecordedResult) {
  const std::vector<GoldenCase> cases = readCases();
  EXPECT_GE(cases.size(), 20u);
  for (const GoldenCase& golden : cases) {
    EXPECT_TRUE(fs::exists(goldenRoot / golden.name / "status.txt")) << golden.name;
  }
}

}  // namespace manifit
