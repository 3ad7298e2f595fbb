#include "config/configuration.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "common/output.h"
#include "grid/grid_types.h"
#include "training/elastic_map.h"

namespace manifit {
namespace {

class ConfigurationTest : public ::testing::Test {
 protected:
  ConfigurationTest() { map.dimension = 4; }

  // Writes the text to a fresh file and reads section n of it.
  Status read(const std::string& text, int n = 1) {
    path = ::testing::TempDir() + "manifit_config_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
    std::ofstream(path, std::ios::binary) << text;
    return readConfiguration(map, path, n, grid);
  }

  ElasticMap map;
  std::unique_ptr<Grid> grid;
  std::string path;
};

TEST_F(ConfigurationTest, EmptySectionGivesTheDefaults) {
  map.algtype = "epoch";
  ASSERT_TRUE(read("#ALG1\n").ok());
  auto* rectangle = dynamic_cast<RectangularGrid*>(grid.get());
  ASSERT_NE(rectangle, nullptr);
  EXPECT_EQ(rectangle->size1, 10);
  EXPECT_EQ(rectangle->size2, 10);
  EXPECT_EQ(rectangle->dimension, 4);
  EXPECT_EQ(map.grid, grid.get());
  EXPECT_EQ(map.dimension, 4);
  EXPECT_EQ(map.stageCount, 0);
  EXPECT_TRUE(map.stages.empty());
  EXPECT_EQ(map.algtype, "epoch");
  EXPECT_EQ(map.currentStage, 0);
  EXPECT_EQ(map.currentEp, 1.0f);
  EXPECT_EQ(map.currentRp, 1.0f);
  for (float s : map.initStretch) EXPECT_EQ(s, 0.8f);
}

TEST_F(ConfigurationTest, EveryKeyReachesItsField) {
  ASSERT_TRUE(read("#ALG1\n"
                   "algtype = other\n"
                   "grid.type\tlinear\n"
                   "grid.size1=12\n"
                   "init.stretch1 0.5\ninit.stretch2 0.25\ninit.stretch3 2\n"
                   "epoch.id 1\n"
                   "epoch.minimize false\nepoch.ep 0.5\nepoch.rp 0.25\nepoch.extrapolate 2\n"
                   "epoch.eps 0.125\nepoch.epsSLAU 0.0625\nepoch.numiter 7\nepoch.numiterSLAU 9\n"
                   "adapt.id x\n"
                   "adapt.type grow\nadapt.numiter 3\nadapt.numstep 4\nadapt.numevery 5\n"
                   "adapt.eps 0.5\nadapt.epsSLAU 0.25\nadapt.epsMSE 0.125\nadapt.ep 2\nadapt.rp 3\n"
                   "epoch.minimize false\n")
                  .ok());
  EXPECT_EQ(map.algtype, "other");
  ASSERT_NE(dynamic_cast<LinearGrid*>(grid.get()), nullptr);
  EXPECT_EQ(grid->nodeCount, 12);
  EXPECT_EQ(map.initStretch[0], 0.5f);
  EXPECT_EQ(map.initStretch[1], 0.25f);
  EXPECT_EQ(map.initStretch[2], 2.0f);
  ASSERT_EQ(map.stageCount, 2);
  const TrainingStage& epoch = map.stages[0];
  EXPECT_EQ(epoch.kind, 0);
  EXPECT_FALSE(epoch.minimize);
  EXPECT_EQ(epoch.ep, 0.5f);
  EXPECT_EQ(epoch.rp, 0.25f);
  EXPECT_EQ(epoch.extrapolate, 2);
  EXPECT_EQ(epoch.eps, 0.125f);
  EXPECT_EQ(epoch.epsSLAU, 0.0625f);
  EXPECT_EQ(epoch.numiter, 7);
  EXPECT_EQ(epoch.numiterSLAU, 9);
  const TrainingStage& adapt = map.stages[1];
  EXPECT_EQ(adapt.kind, 1);
  EXPECT_EQ(adapt.type, "grow");
  EXPECT_EQ(adapt.numiter, 3);
  EXPECT_EQ(adapt.numstep, 4);
  EXPECT_EQ(adapt.numevery, 5);
  EXPECT_EQ(adapt.eps, 0.5f);
  EXPECT_EQ(adapt.epsSLAU, 0.25f);
  EXPECT_EQ(adapt.epsMSE, 0.125f);
  EXPECT_EQ(adapt.ep, 2.0f);
  EXPECT_EQ(adapt.rp, 3.0f);
  EXPECT_FALSE(adapt.minimize);
  EXPECT_EQ(adapt.numiterSLAU, 100);  // no adapt. key for it
}

TEST_F(ConfigurationTest, StagesGetTheDefaultsOfTheirKind) {
  ASSERT_TRUE(read("#ALG1\nadapt.id 1\nepoch.id 1\n").ok());
  ASSERT_EQ(map.stageCount, 2);
  const TrainingStage& adapt = map.stages[0];
  EXPECT_EQ(adapt.kind, 1);
  EXPECT_EQ(adapt.epsMSE, 0.01f);
  EXPECT_EQ(adapt.numstep, 100);
  EXPECT_EQ(adapt.numevery, 1);
  const TrainingStage& epoch = map.stages[1];
  EXPECT_EQ(epoch.kind, 0);
  EXPECT_EQ(epoch.epsMSE, 0.0f);
  EXPECT_EQ(epoch.numstep, 0);
  EXPECT_EQ(epoch.numevery, 0);
  for (const TrainingStage& s : map.stages) {
    EXPECT_EQ(s.ep, 1.0f);
    EXPECT_EQ(s.rp, 1.0f);
    EXPECT_EQ(s.eps, 0.01f);
    EXPECT_EQ(s.epsSLAU, 0.01f);
    EXPECT_EQ(s.numiter, 100);
    EXPECT_EQ(s.numiterSLAU, 100);
    EXPECT_EQ(s.extrapolate, 0);
    EXPECT_TRUE(s.minimize);
    EXPECT_EQ(s.type, "");
  }
}

TEST_F(ConfigurationTest, HeaderIsMatchedAsAPrefix) {
  ASSERT_TRUE(read("grid.size1 3\n#ALG10\ngrid.size1 4\n#ALG1\ngrid.size1 5\n").ok());
  EXPECT_EQ(grid->nodeCount, 4 * 10);
  ASSERT_TRUE(read("#ALG2 comment after the header\ngrid.size1 6\n", 2).ok());
  EXPECT_EQ(grid->nodeCount, 6 * 10);
  ASSERT_TRUE(read("#ALG1\ngrid.size1 3\n#ALG0\ngrid.size1 7\n", 0).ok());
  EXPECT_EQ(grid->nodeCount, 7 * 10);
}

TEST_F(ConfigurationTest, SeparatorsAndIgnoredLines) {
  ASSERT_TRUE(read("#ALG1\n"
                   "\n"
                   "   \t\n"
                   "epoch.id\n"              // no value: no stage
                   "unknown.key 5\n"         // unknown: no effect
                   "epoch.id = = 1 extra\n"  // runs of separators
                   "epoch.numiter\t=\t42  tail\n"
                   "epoch.id 2\n"
                   "epoch.numiter=43\n")
                  .ok());
  ASSERT_EQ(map.stageCount, 2);
  EXPECT_EQ(map.stages[0].numiter, 42);
  EXPECT_EQ(map.stages[1].numiter, 43);
}

TEST_F(ConfigurationTest, MinimizeIsTrueOnlyForLowerCaseTrue) {
  ASSERT_TRUE(read("#ALG1\nepoch.id 1\nepoch.minimize True\nepoch.id 2\nepoch.minimize 1\n"
                   "epoch.id 3\nepoch.minimize false\nepoch.minimize true\n")
                  .ok());
  ASSERT_EQ(map.stageCount, 3);
  EXPECT_FALSE(map.stages[0].minimize);
  EXPECT_FALSE(map.stages[1].minimize);
  EXPECT_TRUE(map.stages[2].minimize);
}

TEST_F(ConfigurationTest, SizesAreTruncatedAndNumbersConvertLikeAtoiAndAtof) {
  ASSERT_TRUE(read("#ALG1\ngrid.size1 7.9\ngrid.size2 3.2e0\nepoch.id 1\nepoch.numiter 12abc\n"
                   "epoch.numiterSLAU abc\nepoch.ep 0.5x\nepoch.rp nothing\n")
                  .ok());
  auto* rectangle = dynamic_cast<RectangularGrid*>(grid.get());
  ASSERT_NE(rectangle, nullptr);
  EXPECT_EQ(rectangle->size1, 7);
  EXPECT_EQ(rectangle->size2, 3);
  EXPECT_EQ(map.stages[0].numiter, 12);
  EXPECT_EQ(map.stages[0].numiterSLAU, 0);
  EXPECT_EQ(map.stages[0].ep, 0.5f);
  EXPECT_EQ(map.stages[0].rp, 0.0f);
}

TEST_F(ConfigurationTest, HashLineEndsTheSection) {
  ASSERT_TRUE(read("#ALG1\nepoch.id 1\n# a comment\nepoch.id 2\ngrid.size1 3\n").ok());
  EXPECT_EQ(map.stageCount, 1);
  EXPECT_EQ(grid->nodeCount, 100);
}

TEST_F(ConfigurationTest, LaterValueWinsAndStageKeysNeedAStage) {
  ASSERT_TRUE(read("#ALG1\nepoch.numiter 5\nadapt.numevery 9\nadapt.id 1\nadapt.numevery 3\n"
                   "adapt.numevery 4\n")
                  .ok());
  ASSERT_EQ(map.stageCount, 1);
  EXPECT_EQ(map.stages[0].numevery, 4);
  EXPECT_EQ(map.stages[0].numiter, 100);
}

TEST_F(ConfigurationTest, CarriageReturnsAtLineEndsAreDropped) {
  ASSERT_TRUE(read("#ALG1\r\nalgtype other\r\ngrid.type circle\r\ngrid.size1 6\r\n"
                   "epoch.id 1\r\nadapt.id 1\r\nadapt.type break\r\nepoch.minimize true\r\n")
                  .ok());
  EXPECT_EQ(map.algtype, "other");
  ASSERT_NE(dynamic_cast<CircleGrid*>(grid.get()), nullptr);
  EXPECT_EQ(grid->nodeCount, 6);
  ASSERT_EQ(map.stageCount, 2);
  EXPECT_EQ(map.stages[1].type, "break");
  EXPECT_TRUE(map.stages[1].minimize);
}

TEST_F(ConfigurationTest, OverLongLinesAreRefusedNeverSplit) {
  // 899 characters fit the line buffer, with or without a carriage return.
  const std::string fits = "grid.size1 6 " + std::string(899 - 13, 'x');
  ASSERT_TRUE(read("#ALG1\n" + fits + "\n").ok());
  EXPECT_EQ(grid->nodeCount, 60);
  ASSERT_TRUE(read("#ALG1\r\n" + fits + "\r\n").ok());
  EXPECT_EQ(grid->nodeCount, 60);
  // One more is refused with its line number, before or inside the section.
  for (const std::string& text :
       {"#ALG1\n\n" + fits + "x\ngrid.size1 6\n", "\n\n" + fits + "x\n#ALG1\n"}) {
    const Status status = read(text);
    EXPECT_EQ(status.exitCode, 1);
    EXPECT_EQ(status.message,
              "Configuration file " + path + ", line 3: the line is longer than 899 characters.\n");
  }
}

TEST_F(ConfigurationTest, NulBytesAreRefusedAndReadingStopsAtTheSectionEnd) {
  Status status = readConfiguration(map, "/dev/zero", 1, grid);
  EXPECT_EQ(status.message,
            "Configuration file /dev/zero, line 1: the file holds a NUL byte, so it is not a text "
            "file.\n");
  EXPECT_EQ(grid, nullptr);
  status = read(std::string("#ALG1\ngrid.size1 6\ngrid.") + '\0' + "size2 7\n");
  EXPECT_EQ(status.message, "Configuration file " + path +
                                ", line 3: the file holds a NUL byte, so it is not a text file.\n");
  // What follows the section is never read.
  ASSERT_TRUE(read(std::string("#ALG1\ngrid.size1 6\n#end\n") + std::string(2000, '\0')).ok());
  EXPECT_EQ(grid->nodeCount, 60);
}

TEST_F(ConfigurationTest, RealsMustBeFiniteFloats) {
  for (const char* key :
       {"init.stretch1", "init.stretch3", "epoch.ep", "epoch.rp", "epoch.eps", "epoch.epsSLAU",
        "adapt.eps", "adapt.epsSLAU", "adapt.epsMSE", "adapt.ep", "adapt.rp"}) {
    for (const char* value : {"nan", "inf", "-inf", "1e39", "-3.5e38", "1e400"}) {
      SCOPED_TRACE(std::string(key) + " " + value);
      const Status status = read(std::string("#ALG1\nadapt.id 1\n") + key + " " + value + "\n");
      EXPECT_EQ(status.message, "Configuration file " + path + ", section #ALG1: the value \"" +
                                    value + "\" of " + key +
                                    " is not a finite number within the range of a 32-bit "
                                    "float.\n");
      EXPECT_EQ(grid, nullptr);
    }
  }
  // The float range itself is accepted; text that is no number still reads as 0.
  ASSERT_TRUE(read("#ALG1\nepoch.id 1\nepoch.ep 3.4e38\nepoch.rp -3.4e38\nepoch.eps abc\n").ok());
  EXPECT_EQ(map.stages[0].ep, 3.4e38f);
  EXPECT_EQ(map.stages[0].rp, -3.4e38f);
  EXPECT_EQ(map.stages[0].eps, 0.0f);
}

TEST_F(ConfigurationTest, EachGridTypeIsCreated) {
  ASSERT_TRUE(read("#ALG1\ngrid.type sphere\ngrid.size1 4\ngrid.size2 3\n").ok());
  ASSERT_NE(dynamic_cast<SphereGrid*>(grid.get()), nullptr);
  EXPECT_EQ(grid->nodeCount, 14);
  ASSERT_TRUE(read("#ALG1\ngrid.type elgraph\ngrid.size1 8\ngrid.minclust 3\n").ok());
  auto* graph = dynamic_cast<GraphGrid*>(grid.get());
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(graph->nodeCount, 8);
  EXPECT_EQ(graph->minclust, 3);
  EXPECT_EQ(map.grid, grid.get());
}

TEST_F(ConfigurationTest, RefusedInputsNameTheFileAndTheSection) {
  Status missing = readConfiguration(map, ::testing::TempDir() + "no_such_dir/none.ini", 3, grid);
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.message.find("none.ini"), std::string::npos);
  EXPECT_NE(missing.message.find("#ALG3"), std::string::npos);

  Status noSection = read("#ALG2\ngrid.size1 5\n", 3);
  EXPECT_EQ(noSection.exitCode, 1);
  EXPECT_NE(noSection.message.find(path), std::string::npos);
  EXPECT_NE(noSection.message.find("#ALG3"), std::string::npos);
  EXPECT_EQ(grid, nullptr);

  Status longName = read("#ALG1\nalgtype " + std::string(100, 'a') + "\n");
  EXPECT_EQ(longName.exitCode, 1);
  EXPECT_NE(longName.message.find("99"), std::string::npos);
  EXPECT_NE(longName.message.find(path), std::string::npos);
  EXPECT_TRUE(read("#ALG1\nalgtype " + std::string(99, 'a') + "\n").ok());
  EXPECT_EQ(map.algtype.size(), 99u);
}

TEST_F(ConfigurationTest, UnknownGridTypeIsReported) {
  CapturedOutput capture;
  Status status = read("#ALG1\ngrid.type hexagonal\n");
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(capture.text(), "No such grid type : hexagonal\n");
  EXPECT_EQ(grid, nullptr);
}

TEST_F(ConfigurationTest, UnusableSizesAreRefused) {
  for (const char* size : {"1", "0.5", "-3", "nan", "1e300", "-1e300"}) {
    SCOPED_TRACE(size);
    Status status = read(std::string("#ALG1\ngrid.size1 ") + size + "\n");
    EXPECT_EQ(status.exitCode, 1);
    EXPECT_FALSE(status.message.empty());
    EXPECT_EQ(grid, nullptr);
  }
}

}  // namespace
}  // namespace manifit
