#include "driver/options.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/output.h"

namespace manifit {

namespace {

Options scan(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "manifit");
  return scanOptions(static_cast<int>(arguments.size()), arguments.data());
}

}  // namespace

TEST(ScanOptions, DefaultsWhenNothingIsGiven) {
  const Options options = scan({});
  EXPECT_FALSE(options.data || options.ini || options.output || options.weights ||
               options.normdat || options.pcdat || options.gen || options.projections);
  EXPECT_EQ(options.algorithm, -1);
  EXPECT_EQ(options.dataName, "none");
  EXPECT_EQ(options.testPercent, -1);
  EXPECT_EQ(options.takePercent, -1);
  EXPECT_EQ(options.norm, 1);
}

TEST(ScanOptions, EveryOptionTakesTheNextArgumentAndTheLastValueWins) {
  const Options options = scan(
      {"-d",   "a.txt", "-i",    "x.ini", "-o",    "m.map", "-n",       "2",     "-w",     "w.txt",
       "-t",   "20",    "-take", "30",    "-norm", "0",     "-normdat", "n.txt", "-pcdat", "pc.txt",
       "-gen", "g.txt", "-p",    "p.txt", "-d",    "b.txt", "-n",       "5",     "stray"});
  EXPECT_EQ(*options.data, "b.txt");
  EXPECT_EQ(*options.ini, "x.ini");
  EXPECT_EQ(*options.output, "m.map");
  EXPECT_EQ(options.algorithm, 5);
  EXPECT_EQ(*options.weights, "w.txt");
  EXPECT_EQ(options.testPercent, 20);
  EXPECT_EQ(options.takePercent, 30);
  EXPECT_EQ(options.norm, 0);
  EXPECT_EQ(*options.normdat, "n.txt");
  EXPECT_EQ(*options.pcdat, "pc.txt");
  EXPECT_EQ(*options.gen, "g.txt");
  EXPECT_EQ(*options.projections, "p.txt");
}

TEST(ScanOptions, AValueIsAlsoExaminedAsAnOption) {
  const Options options = scan({"-dat", "-p", "proj.txt", "-D", "ignored"});
  EXPECT_EQ(options.dataName, "-p");
  EXPECT_EQ(*options.projections, "proj.txt");
  EXPECT_FALSE(options.data);  // names are case-sensitive
}

TEST(ScanOptions, NumbersReadLikeAtoi) {
  EXPECT_EQ(scan({"-n", "seven"}).algorithm, 0);
  EXPECT_EQ(scan({"-n", " 12abc"}).algorithm, 12);
  EXPECT_EQ(scan({"-n", "+3"}).algorithm, 3);
  EXPECT_EQ(scan({"-n", "010"}).algorithm, 10);
  EXPECT_EQ(scan({"-t", "-4"}).testPercent, -4);
  EXPECT_EQ(scan({"-norm", "1.9"}).norm, 1);
}

TEST(ScanOptions, AnOptionGivenLastChangesNothing) {
  EXPECT_EQ(scan({"-n", "4", "-n"}).algorithm, 4);
  EXPECT_EQ(scan({"-t"}).testPercent, -1);
  EXPECT_EQ(scan({"-norm"}).norm, 1);
  EXPECT_FALSE(scan({"-d"}).data);
  EXPECT_EQ(*scan({"-d", "a", "-d"}).data, "a");
  EXPECT_EQ(scan({"-dat"}).dataName, "none");
}

TEST(ValidateOptions, AcceptedValuesArePrintedInOrder) {
  const Options options = scan({"-p", "p.txt", "-n", "0", "-o", "m.map", "-i", "x.ini", "-gen",
                                "g.txt", "-w", "w.txt", "-d", "a.txt"});
  CapturedOutput capture;
  EXPECT_TRUE(validateOptions(options).ok());
  EXPECT_EQ(
      capture.text(),
      "Dat file: a.txt\nWeight file: w.txt\nGenerating manifold file: g.txt\nIni file: x.ini\n"
      "Output file: m.map\nAlg number: 0\nFile for projections: p.txt\n");
}

TEST(ValidateOptions, TheFirstMissingMandatoryOptionStops) {
  struct Case {
    std::vector<const char*> arguments;
    const char* printed;
    const char* message;
  };
  const Case cases[] = {
      {{}, "", "FATAL ERROR: No data file was specified.\n"},
      {{"-d", "a", "-o", "m"},
       "Dat file: a\n",
       "FATAL ERROR: No initialization file was specified.\n"},
      {{"-d", "a", "-i", "x"},
       "Dat file: a\nIni file: x\n",
       "FATAL ERROR: No output file was specified.\n"},
      {{"-d", "a", "-i", "x", "-o", "m"},
       "Dat file: a\nIni file: x\nOutput file: m\n",
       "FATAL ERROR: algorithm number must be specified.\n"},
      {{"-d", "a", "-i", "x", "-o", "m", "-n", "-1"},
       "Dat file: a\nIni file: x\nOutput file: m\n",
       "FATAL ERROR: algorithm number must be specified.\n"},
  };
  for (const Case& c : cases) {
    CapturedOutput capture;
    const Status status = validateOptions(scan(c.arguments));
    EXPECT_EQ(status.exitCode, -1);
    EXPECT_EQ(status.message, c.message);
    EXPECT_EQ(capture.text(), c.printed);
  }
}

}  // namespace manifit
