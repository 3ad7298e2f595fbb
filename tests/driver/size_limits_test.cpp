// The program refuses absurd sizes with a message and status 1 instead of
// running out of memory.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "data/temp_files.h"

namespace manifit {
namespace {

struct Outcome {
  int status = -1;
  std::string output;
};

Outcome runIn(const std::string& folder) {
  const std::string command = "cd '" + folder + "' && '" + MANIFIT_BINARY +
                              "' -d table.txt -i x.ini -o m.map -n 1 > stdout.txt 2>&1";
  const int raw = std::system(command.c_str());
  Outcome outcome;
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  outcome.output = readText(folder + "/stdout.txt");
  return outcome;
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(ProgramSizeLimits, HugeRectangleStopsWithAMessage) {
  const std::string folder = freshFolder();
  writeText(folder + "/table.txt", "4 2\n0 0\n1 0\n0 1\n1 1\n");
  writeText(folder + "/x.ini", "#ALG1\ngrid.size1 100000\ngrid.size2 100000\nepoch.id 1\n");
  writeText(folder + "/m.map", "earlier\n");
  const Outcome outcome = runIn(folder);
  EXPECT_EQ(1, outcome.status);
  EXPECT_TRUE(endsWith(outcome.output,
                       "Grid type simplerectangular: grid.size1 100000 and grid.size2 100000 means "
                       "10000000000 nodes, more than the 1000000 a grid can hold\n"))
      << outcome.output;
  EXPECT_EQ("earlier\n", readText(folder + "/m.map"));
}

TEST(ProgramSizeLimits, GrowingPastTheNodeLimitStopsWithAMessage) {
  const std::string folder = freshFolder();
  writeText(folder + "/table.txt", "5 1\n1\n2\n3\n4\n5\n");
  // A line just below the limit; the first grow step would pass it.
  writeText(folder + "/x.ini",
            "#ALG1\ngrid.type linear\ngrid.size1 999995\nadapt.id 1\nadapt.type grow\n"
            "adapt.numevery 10\nadapt.numstep 5\nepoch.minimize false\n");
  const Outcome outcome = runIn(folder);
  EXPECT_EQ(1, outcome.status);
  EXPECT_TRUE(endsWith(outcome.output,
                       "Adaptation step: 1\nAdaptation step 1: growing the grid of 999995 nodes by "
                       "10 means 1000005 nodes, more than the 1000000 a grid can hold\n"))
      << outcome.output;
  EXPECT_FALSE(fileExists(folder + "/m.map"));
}

}  // namespace
}  // namespace manifit
