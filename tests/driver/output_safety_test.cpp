// A run never overwrites its own inputs, and a failed run leaves every
// earlier output as it was.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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

const char* const kTable = "4 2\n1 2\n3 5\n4 4\n6 9\n";
const char* const kSection = "#ALG1\ngrid.type linear\ngrid.size1 3\n";
const char* const kWeights = "1 1 2 1\n";

}  // namespace

TEST(OutputSafety, AnOutputNamingAnInputIsRefusedBeforeAnythingIsWritten) {
  struct Case {
    std::string arguments;
    std::string message;
  };
  const std::string mandatory = "-d table.txt -i x.ini -n 1 ";
  const Case cases[] = {
      {mandatory + "-o m.map -normdat x.ini",
       "The output x.ini (-normdat) is the input x.ini (-i); nothing was written.\n"},
      {mandatory + "-o table.txt",
       "The output table.txt (-o) is the input table.txt (-d); nothing "
       "was written.\n"},
      {mandatory + "-o m.map -w w.txt -pcdat ./w.txt",
       "The output ./w.txt (-pcdat) is the input w.txt (-w); nothing was written.\n"},
      {mandatory + "-o m.map -p linked.txt",
       "The output linked.txt (-p) is the input table.txt (-d); nothing was written.\n"},
      {"-d temp -i x.ini -n 1 -o m.map",
       "The output temp (the component summary) is the input temp (-d); nothing was written.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const std::string folder = freshFolder();
    writeText(folder + "/table.txt", kTable);
    writeText(folder + "/temp", kTable);
    writeText(folder + "/x.ini", kSection);
    writeText(folder + "/w.txt", kWeights);
    ASSERT_EQ(link((folder + "/table.txt").c_str(), (folder + "/linked.txt").c_str()), 0);
    const Result result = runIn(folder, c.arguments);
    EXPECT_EQ(result.status, 1);
    // The option echo, then the refusal and nothing else.
    const size_t echo = result.output.find("Alg number: 1\n");
    ASSERT_NE(echo, std::string::npos) << result.output;
    const size_t refusal = result.output.find("The output ");
    ASSERT_NE(refusal, std::string::npos) << result.output;
    EXPECT_EQ(result.output.substr(refusal), c.message);
    EXPECT_EQ(result.output.find("Comp 0"), std::string::npos);
    EXPECT_EQ(readText(folder + "/table.txt"), kTable);
    EXPECT_EQ(readText(folder + "/temp"), kTable);
    EXPECT_EQ(readText(folder + "/x.ini"), kSection);
    EXPECT_EQ(readText(folder + "/w.txt"), kWeights);
    EXPECT_FALSE(fileExists(folder + "/m.map"));
  }
}

TEST(OutputSafety, DevicesAreNoFilesToOverwrite) {
  const std::string folder = freshFolder();
  writeText(folder + "/table.txt", kTable);
  writeText(folder + "/x.ini", kSection);
  const Result result =
      runIn(folder, "-d table.txt -i x.ini -n 1 -o m.map -p /dev/null -gen /dev/null");
  // The node file /dev/null holds no nodes; what matters is that the names were accepted.
  EXPECT_NE(result.output.find("Node file /dev/null holds no nodes."), std::string::npos)
      << result.output;
}

TEST(OutputSafety, AFailedRunLeavesEveryEarlierOutputAsItWas) {
  const std::string folder = freshFolder();
  writeText(folder + "/table.txt", kTable);
  // The section is read after the data are prepared, and refused.
  writeText(folder + "/x.ini", "#ALG1\ngrid.type linear\ngrid.size1 1\n");
  for (const char* name : {"m.map", "n.txt", "s.txt", "temp"}) {
    writeText(folder + "/" + name, std::string("earlier ") + name);
  }
  const Result result =
      runIn(folder, "-d table.txt -i x.ini -n 1 -o m.map -normdat n.txt -pcdat s.txt");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.output.find("Time spent for calc PC"), std::string::npos) << result.output;
  for (const char* name : {"m.map", "n.txt", "s.txt", "temp"}) {
    EXPECT_EQ(readText(folder + "/" + name), std::string("earlier ") + name);
  }
  EXPECT_EQ(std::system(("ls -A '" + folder + "' | grep -q '^\\.manifit-'").c_str()) == 0, false);
}

TEST(OutputSafety, AnOutputThatCannotBeWrittenStillLetsTheOthersInPlace) {
  const std::string folder = freshFolder();
  writeText(folder + "/table.txt", kTable);
  writeText(folder + "/x.ini", kSection);
  writeText(folder + "/m.map", "earlier");
  const Result result =
      runIn(folder, "-d table.txt -i x.ini -n 1 -o m.map -p missing/p.txt -normdat n.txt");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.output.find("Final MSE: "), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("Can not open file for writing missing/p.txt\n"), std::string::npos);
  EXPECT_EQ(readText(folder + "/m.map").rfind("# DATAFILENAME\n", 0), 0u);
  // The full-precision table of the end of the run, not the first version with its header.
  const std::string normalized = readText(folder + "/n.txt");
  EXPECT_EQ(std::count(normalized.begin(), normalized.end(), '\n'), 4);
  EXPECT_EQ(std::count(normalized.begin(), normalized.end(), '\t'), 8);
  EXPECT_TRUE(fileExists(folder + "/temp"));
}

}  // namespace manifit
