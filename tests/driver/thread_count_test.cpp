// The thread count changes nothing but the clock figures: whole runs of the
// built program with one and with several threads print the same lines and
// write the same files, byte for byte.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <regex>
#include <string>

#include "data/temp_files.h"

namespace manifit {
namespace {

// A noisy bent sheet of 6000 points in 12 coordinates.
std::string sheetTable() {
  std::mt19937 random(99);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  std::normal_distribution<double> noise(0.0, 0.05);
  std::string text = "6000 12\n";
  char number[32];
  for (int p = 0; p < 6000; ++p) {
    const double u = uniform(random);
    const double v = uniform(random);
    for (int k = 0; k < 12; ++k) {
      const double x = (k % 3 == 0   ? u
                        : k % 3 == 1 ? v
                                     : u * u - v) *
                           (1.0 + 0.1 * k) +
                       noise(random);
      std::snprintf(number, sizeof number, "%.6f ", x);
      text += number;
    }
    text += "\n";
  }
  return text;
}

const char* kSections =
    "#ALG1\n"
    "grid.type simplerectangular\ngrid.size1 12\ngrid.size2 9\n"
    "epoch.id 1\nepoch.ep 1\nepoch.rp 1\nepoch.numiter 8\nepoch.eps 0.0001\n"
    "epoch.id 2\nepoch.ep 0.1\nepoch.rp 0.1\nepoch.numiter 8\nepoch.eps 0.0001\n"
    "#ALG2\n"
    "grid.type elgraph\ngrid.size1 40\ngrid.minclust 5\n"
    "epoch.id 1\nepoch.ep 1\nepoch.rp 1\nepoch.numiter 6\nepoch.eps 0.0001\n";

// Runs algorithm n with the thread count in its own folder; returns the
// standard output with the clock figures masked.
std::string runWith(const std::string& folder, int n, int threads) {
  const std::string command = "cd '" + folder + "' && '" + MANIFIT_BINARY +
                              "' -d ../table.txt -i ../run.ini -n " + std::to_string(n) +
                              " -o out.map -p out.proj -normdat out.norm -pcdat out.pc -t 10" +
                              " -threads " + std::to_string(threads) + " > stdout.txt";
  const int raw = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << command;
  std::string output = readText(folder + "/stdout.txt");
  output = std::regex_replace(output, std::regex(R"(Time: \d+\+\(\d+,\d+\))"), "Time: T");
  output = std::regex_replace(output, std::regex(R"(calc PC: \d+)"), "calc PC: T");
  output = std::regex_replace(output, std::regex(R"(Time spent: \d+)"), "Time spent: T");
  return output;
}

TEST(ThreadCount, RunsWithOneAndWithSeveralThreadsAreIdentical) {
  const std::string folder = freshFolder();
  writeText(folder + "/table.txt", sheetTable());
  writeText(folder + "/run.ini", kSections);
  for (int n : {1, 2}) {
    const std::string one = folder + "/one" + std::to_string(n);
    const std::string three = folder + "/three" + std::to_string(n);
    std::system(("mkdir -p '" + one + "' '" + three + "'").c_str());
    const std::string oneOutput = runWith(one, n, 1);
    const std::string threeOutput = runWith(three, n, 3);
    EXPECT_NE(std::string::npos, oneOutput.find("Ep: 1 It: 0 MSE:")) << oneOutput;
    EXPECT_EQ(oneOutput, threeOutput) << "algorithm " << n;
    for (const char* file : {"out.map", "out.proj", "out.norm", "out.pc", "temp", "mas"}) {
      if (n == 1 && std::string(file) == "mas") continue;  // written by graph grids only
      const std::string expected = readText(one + "/" + file);
      EXPECT_FALSE(expected.empty()) << file;
      EXPECT_TRUE(expected == readText(three + "/" + file)) << file << ", algorithm " << n;
    }
  }
}

}  // namespace
}  // namespace manifit
