#include "driver/model_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "data/temp_files.h"

namespace manifit {
namespace {

// A 2 x 2 rectangle in 3 coordinates with every field filled.
Model sampleModel() {
  Model m;
  m.gridType = "simplerectangular";
  m.size1 = 2;
  m.size2 = 2;
  m.dimension = 3;
  m.manifoldDimension = 2;
  m.nodes = {{0.1f, -0.2f, 1e-7f}, {1.0f / 3.0f, 2.0f, -3.5f}, {0, 0, 0}, {5e30f, -1e-30f, 7.0f}};
  m.nodesInput = m.nodes;
  m.gridCoordinates = {{{-1, -1, 0}}, {{1, -1, 0}}, {{-1, 1, 0}}, {{1, 1, 0}}};
  m.edges = {{{0, 1}}, {{2, 3}}, {{0, 2}}, {{1, 3}}};
  m.ribs = {{{1, 0, 3}}};
  m.triangles = {{{0, 1, 2}}, {{1, 3, 2}}};
  m.edgeCoefficients = {1.0f, 0.5f, 0.25f, 0.125f};
  m.ribCoefficients = {0.1f};
  m.columns = {"a", "b \"quoted\"", "caf\xC3\xA9"};
  m.normalized = true;
  m.mean = {5.843333333333333, -1e-300, 0.0};
  m.deviation = {0.8253012917851409, 1.0, 3.0};
  m.componentMean = {0.0, 1.0 / 7.0, -2.0};
  m.componentVectors = {{1, 0, 0}, {0, 0.6, 0.8}, {0, -0.8, 0.6}};
  m.varianceFractions = {0.7, 0.2, 0.1};
  m.configurationFile = "manifit.ini";
  m.algorithm = 4;
  m.section = "#ALG4\ngrid.type = simplerectangular\n";
  ProgressEntry first;
  first.stage = 0;
  first.iteration = 0;
  first.error = 0.41;
  first.df = 0.12;
  ProgressEntry second = first;
  second.iteration = 1;
  second.hasTestError = true;
  second.testError = 0.5;
  second.hasGmse = true;
  second.gmse = 0.25;
  m.history = {first, second};
  m.finalError = 0.123456789;
  m.fvu = 0.05;
  m.fitPoints = 150;
  m.testPoints = 3;
  m.discardedPoints = 2;
  return m;
}

bool sameBits(float a, float b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}
bool sameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ModelFile, RoundTripsEveryFieldBitForBit) {
  const Model m = sampleModel();
  const std::string path = freshFolder() + "/model.json";
  ASSERT_TRUE(writeModelFile(path, m).ok());
  Model r;
  const Status read = readModelFile(path, r);
  ASSERT_TRUE(read.ok()) << read.message;

  EXPECT_EQ(r.gridType, m.gridType);
  EXPECT_EQ(r.size1, 2);
  EXPECT_EQ(r.size2, 2);
  EXPECT_EQ(r.dimension, 3);
  EXPECT_EQ(r.manifoldDimension, 2);
  ASSERT_EQ(r.nodes.size(), m.nodes.size());
  for (size_t i = 0; i < m.nodes.size(); ++i)
    for (size_t k = 0; k < 3; ++k) {
      EXPECT_TRUE(sameBits(r.nodes[i][k], m.nodes[i][k])) << i << "," << k;
      EXPECT_TRUE(sameBits(r.nodesInput[i][k], m.nodesInput[i][k]));
      EXPECT_TRUE(sameBits(r.gridCoordinates[i][k], m.gridCoordinates[i][k]));
    }
  EXPECT_EQ(r.edges, m.edges);
  EXPECT_EQ(r.ribs, m.ribs);
  EXPECT_EQ(r.triangles, m.triangles);
  EXPECT_EQ(r.edgeCoefficients, m.edgeCoefficients);
  EXPECT_EQ(r.ribCoefficients, m.ribCoefficients);
  EXPECT_EQ(r.columns, m.columns);
  EXPECT_TRUE(r.normalized);
  for (size_t j = 0; j < 3; ++j) {
    EXPECT_TRUE(sameBits(r.mean[j], m.mean[j]));
    EXPECT_TRUE(sameBits(r.deviation[j], m.deviation[j]));
    EXPECT_TRUE(sameBits(r.componentMean[j], m.componentMean[j]));
  }
  EXPECT_EQ(r.componentVectors, m.componentVectors);
  EXPECT_EQ(r.varianceFractions, m.varianceFractions);
  EXPECT_EQ(r.configurationFile, "manifit.ini");
  EXPECT_EQ(r.algorithm, 4);
  EXPECT_EQ(r.section, m.section);
  ASSERT_EQ(r.history.size(), 2u);
  EXPECT_FALSE(r.history[0].hasTestError);
  EXPECT_FALSE(r.history[0].hasGmse);
  EXPECT_EQ(r.history[1].iteration, 1);
  EXPECT_TRUE(r.history[1].hasTestError);
  EXPECT_EQ(r.history[1].testError, 0.5);
  EXPECT_EQ(r.history[1].gmse, 0.25);
  EXPECT_EQ(r.history[0].error, 0.41);
  EXPECT_EQ(r.history[0].df, 0.12);
  EXPECT_TRUE(sameBits(r.finalError, m.finalError));
  EXPECT_EQ(r.fvu, 0.05);
  EXPECT_EQ(r.fitPoints, 150);
  EXPECT_EQ(r.testPoints, 3);
  EXPECT_EQ(r.discardedPoints, 2);

  // Written again, the text is the same.
  std::string first, second;
  ASSERT_TRUE(modelToText(m, first).ok());
  ASSERT_TRUE(modelToText(r, second).ok());
  EXPECT_EQ(first, second);
}

TEST(ModelFile, WritesNoNonFiniteNumberAndLeavesNoFile) {
  Model m = sampleModel();
  m.nodes[1][2] = std::numeric_limits<float>::quiet_NaN();
  const std::string folder = freshFolder();
  const Status written = writeModelFile(folder + "/model.json", m);
  EXPECT_FALSE(written.ok());
  EXPECT_NE(written.message.find("not finite"), std::string::npos);
  EXPECT_FALSE(fileExists(folder + "/model.json"));
  EXPECT_FALSE(writeModelFile(folder + "/missing/model.json", sampleModel()).ok());
}

// The sample's text with `from` replaced by `to` (which must occur).
std::string edited(const std::string& from, const std::string& to) {
  std::string text;
  EXPECT_TRUE(modelToText(sampleModel(), text).ok());
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string refusal(const std::string& text) {
  Model m;
  m.gridType = "untouched";
  const Status s = modelFromText(text, "m.json", m);
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(m.gridType, "untouched");
  EXPECT_EQ(s.message.rfind("Model file m.json", 0), 0u) << s.message;
  EXPECT_TRUE(!s.message.empty() && s.message.back() == '\n');
  return s.message;
}

TEST(ModelFile, RefusesWrongFormatVersionAndSyntax) {
  EXPECT_NE(refusal(edited("\"manifit-model\"", "\"other\"")).find("not \"manifit-model\""),
            std::string::npos);
  EXPECT_NE(refusal(edited("\"version\": 1", "\"version\": 2")).find("\"version\""),
            std::string::npos);
  EXPECT_NE(refusal(edited("\"format\": \"manifit-model\",", "")).find("\"format\" is missing"),
            std::string::npos);
  const std::string syntax = refusal(edited("\"size1\": 2,", "\"size1\": 2,,"));
  EXPECT_NE(syntax.find("line 6, column 16"), std::string::npos) << syntax;
  refusal("[]");
  refusal("");
}

TEST(ModelFile, ChecksEveryCountAndIndexNamingTheKey) {
  struct Case {
    const char* from;
    const char* to;
    const char* key;
  };
  const Case cases[] = {
      {"[2, 3]", "[2, 4]", "grid.edges[1][1]"},
      {"[0, 1]", "[0, -1]", "grid.edges[0][1]"},
      {"[1, 0, 3]", "[1, 0]", "grid.ribs[0]"},
      {"[1, 3, 2]", "[1, 3, 2.5]", "grid.triangles[1][2]"},
      {"[0, 0, 0],", "[0, 0],", "grid.nodes[2]"},
      {"\"dimension\": 3", "\"dimension\": 0", "grid.dimension"},
      {"\"simplerectangular\",\n    \"size1\"", "\"hexagon\",\n    \"size1\"", "grid.type"},
      {"[1, 0.5, 0.25, 0.125]", "[1, 0.5, 0.25]", "grid.edgeCoefficients"},
      {"[0.1]", "[\"x\"]", "grid.ribCoefficients[0]"},
      {"\"a\", ", "", "columns"},
      {"[0.8253012917851409, 1, 3]", "[0.8253012917851409, 0, 3]", "normalization.deviation[1]"},
      {"\"normalized\": true", "\"normalized\": 1", "normalization.normalized"},
      {"[0.7, 0.2, 0.1]", "[0.7]", "components.varianceFractions"},
      {"\"fit\": 150", "\"fit\": -1", "points.fit"},
      {"\"finalError\": 0.123456789", "\"finalError\": \"x\"", "finalError"},
      {"\"df\": 0.12}", "\"df\": null}", "history[0].df"},
      {"[5e+30, -1e-30, 7]", "[5e+39, -1e-30, 7]", "grid.nodes[3][0]"},
  };
  for (const Case& c : cases) {
    const std::string message = refusal(edited(c.from, c.to));
    EXPECT_NE(message.find(std::string("\"") + c.key + "\""), std::string::npos)
        << c.key << ": " << message;
  }
}

TEST(ModelFile, AcceptsKeysInAnyOrderAndIgnoresUnknownOnes) {
  const std::string text =
      edited("{\n  \"format\"", "{\n  \"later\": [1, {\"x\": 2}],\n  \"format\"");
  Model m;
  const Status s = modelFromText(text, "m.json", m);
  ASSERT_TRUE(s.ok()) << s.message;
  EXPECT_EQ(m.nodes.size(), 4u);
  EXPECT_FALSE(readModelFile(freshFolder() + "/absent.json", m).ok());
}

// A NUL byte ends the reading at once, with its line: /dev/zero is refused
// without reading a gigabyte first.
TEST(ModelFile, NulBytesAreRefusedAtOnce) {
  Model m;
  Status s = readModelFile("/dev/zero", m);
  EXPECT_EQ(s.message,
            "Model file /dev/zero, line 1: the file holds a NUL byte, so it is not a text file\n");
  const std::string path = freshFolder() + "/m.json";
  writeText(path, "{\n  \"format\": " + std::string(1, '\0') + "\n}\n");
  s = readModelFile(path, m);
  EXPECT_EQ(s.message, "Model file " + path +
                           ", line 2: the file holds a NUL byte, so it is not a text file\n");
}

}  // namespace
}  // namespace manifit
