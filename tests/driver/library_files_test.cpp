// The library's files: the model file and the manifold file read back, the
// writers with and without an output set, and the node file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/library_support.h"

namespace manifit {
namespace {

// A fit of iris with the section's grid, normalized.
FitResult fitIris(int section) {
  const Section read = readSection(examplePath("manifit.ini"), section, 4);
  EXPECT_TRUE(read.ok()) << read.failure.message;
  const Table table = loadTable(examplePath("iris.txt"));
  return fit(table.view(), read.grid, read.schedule, FitOptions());
}

// count points of 4 coordinates spread over [-3, 3), from a fixed seed.
std::vector<float> newPoints(int count) {
  std::vector<float> points;
  unsigned state = 12345;
  for (int i = 0; i < 4 * count; ++i) {
    state = state * 1103515245u + 12345u;
    points.push_back(static_cast<float>((state >> 8) % 6000) / 1000.0f - 3.0f);
  }
  return points;
}

ModelInfo irisInfo() {
  ModelInfo info;
  info.columns = {"a", "b", "c", "d"};
  info.configurationFile = "manifit.ini";
  info.algorithm = 2;
  info.fvu = 0.25;
  return info;
}

TEST(LibraryFiles, AReloadedModelProjectsNewPointsExactlyAsTheOriginal) {
  for (int section : {1, 2, 11}) {
    SCOPED_TRACE("section " + std::to_string(section));
    const FitResult original = fitIris(section);
    ASSERT_TRUE(original.ok()) << original.failure.message;
    const std::string path = freshFolder() + "/model.json";
    ASSERT_FALSE(writeModelFile(original, irisInfo(), path).failed());
    const ModelFile reloaded = readModelFile(path);
    ASSERT_TRUE(reloaded.ok()) << reloaded.failure.message;
    expectSameMap(original.map, reloaded.fit.map);
    expectSameHistory(original.history, reloaded.fit.history);
    EXPECT_EQ(reloaded.info.columns, irisInfo().columns);
    EXPECT_EQ(reloaded.info.algorithm, 2);

    const std::vector<float> points = newPoints(500);
    const TableView view{points.data(), 500, 4, nullptr};
    const ProjectResult before = project(original.map, view);
    const ProjectResult after = project(reloaded.fit.map, view, 1);
    ASSERT_TRUE(before.ok() && after.ok());
    EXPECT_EQ(before.projection.nearestNode, after.projection.nearestNode);
    EXPECT_TRUE(sameBits(before.projection.coordinates, after.projection.coordinates));
    EXPECT_TRUE(sameBits(before.projection.squaredDistance, after.projection.squaredDistance));
  }
}

TEST(LibraryFiles, TheManifoldFileReadsBackAtItsPrecision) {
  const FitResult fit = fitIris(1);
  ASSERT_TRUE(fit.ok());
  const std::string path = freshFolder() + "/iris.map";
  ASSERT_FALSE(writeManifoldFile(fit.map, path, "iris").failed());
  const MapFile read = readManifoldFile(path);
  ASSERT_TRUE(read.ok()) << read.failure.message;
  const Map& map = read.map;
  EXPECT_EQ(map.dimension, 4);
  EXPECT_EQ(map.manifoldDimension, 2);
  EXPECT_EQ(map.edges, fit.map.edges);
  EXPECT_EQ(map.ribs, fit.map.ribs);
  EXPECT_EQ(map.triangles, fit.map.triangles);
  char text[64];
  ASSERT_EQ(map.nodes.size(), fit.map.nodes.size());
  for (size_t i = 0; i < map.nodes.size(); ++i) {
    std::snprintf(text, sizeof text, "%10.8f", static_cast<double>(fit.map.nodes[i]));
    EXPECT_EQ(map.nodes[i], std::strtof(text, nullptr)) << i;
  }
  ASSERT_EQ(map.gridCoordinates.size(), fit.map.gridCoordinates.size());
  for (size_t i = 0; i < map.gridCoordinates.size(); ++i) {
    std::snprintf(text, sizeof text, "%10.8f", static_cast<double>(fit.map.gridCoordinates[i]));
    EXPECT_EQ(map.gridCoordinates[i], i % 3 == 2 ? 0.0f : std::strtof(text, nullptr)) << i;
  }
  ASSERT_EQ(map.edgeCoefficients.size(), fit.map.edgeCoefficients.size());
  std::snprintf(text, sizeof text, "%10.5f", static_cast<double>(fit.map.edgeCoefficients[0]));
  EXPECT_EQ(map.edgeCoefficients[0], std::strtof(text, nullptr));

  // The map read back is written back as the same file, and projects.
  const std::string again = path + ".again";
  ASSERT_FALSE(writeManifoldFile(map, again, "iris").failed());
  EXPECT_EQ(readText(again), readText(path));
  const std::vector<float> points = newPoints(10);
  EXPECT_TRUE(project(map, TableView{points.data(), 10, 4, nullptr}).ok());
}

TEST(LibraryFiles, DamagedManifoldFilesAreRefused) {
  const FitResult fit = fitIris(3);
  ASSERT_TRUE(fit.ok());
  const std::string folder = freshFolder();
  ASSERT_FALSE(writeManifoldFile(fit.map, folder + "/line.map", "x").failed());
  const std::string good = readText(folder + "/line.map");
  struct Case {
    const char* name;
    std::string text;
    const char* message;
  };
  std::string badEdge = good;
  const size_t edge = badEdge.find("# GRIDEDGES\n") + 12;
  badEdge.replace(edge, badEdge.find(' ', edge) - edge, "99");  // of 20 nodes
  std::string hugeCount = good;
  hugeCount.replace(hugeCount.find("# NODES\n20"), 10, "# NODES\n2000000000");
  std::string noNodes = good;
  noNodes.replace(noNodes.find("# NODES\n20"), 10, "# NODES\n0");
  const Case cases[] = {
      {"truncated", good.substr(0, good.find("# GRIDRP")), "the section # GRIDRP is missing"},
      {"a node past the end", good.substr(0, good.find("# GRIDNODES\n") + 40),
       "of # GRIDNODES is missing"},
      {"a count over the limit", hugeCount,
       "the count of # NODES is not a whole number from 1 to 1000000"},
      {"no nodes", noNodes, "the count of # NODES is not a whole number from 1 to 1000000"},
      {"an edge to a missing node", badEdge,
       "entry 1 of # GRIDEDGES does not hold 2 node numbers below 20"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    writeText(folder + "/bad.map", c.text);
    const MapFile read = readManifoldFile(folder + "/bad.map");
    EXPECT_FALSE(read.ok());
    EXPECT_NE(read.failure.message.find(c.message), std::string::npos) << read.failure.message;
    EXPECT_EQ(read.failure.message.rfind("Manifold file " + folder + "/bad.map, line ", 0), 0u);
  }
  const MapFile missing = readManifoldFile(folder + "/absent.map");
  EXPECT_EQ(missing.failure.message, "Can not open file " + folder + "/absent.map\n");
}

TEST(LibraryFiles, AnOutputSetPutsItsFilesInPlaceOnlyAtTheEnd) {
  const FitResult fit = fitIris(3);
  ASSERT_TRUE(fit.ok());
  const std::string folder = freshFolder();
  writeText(folder + "/line.map", "earlier\n");
  {
    OutputSet set;
    ASSERT_FALSE(writeManifoldFile(fit.map, folder + "/line.map", "x", &set).failed());
    EXPECT_FALSE(set.empty());
    // A set given up before placeAll leaves every earlier file as it was.
  }
  EXPECT_EQ(readText(folder + "/line.map"), "earlier\n");
  OutputSet set;
  ASSERT_FALSE(writeManifoldFile(fit.map, folder + "/line.map", "x", &set).failed());
  ASSERT_FALSE(writeSummaryFile(fit.components, folder + "/temp", &set).failed());
  EXPECT_EQ(readText(folder + "/line.map"), "earlier\n");
  EXPECT_FALSE(fileExists(folder + "/temp"));
  EXPECT_TRUE(set.placeAll().empty());
  EXPECT_EQ(readText(folder + "/line.map").rfind("# DATAFILENAME\nx.qxd\n", 0), 0u);
  EXPECT_EQ(readText(folder + "/temp").rfind("3 4\n", 0), 0u);
}

TEST(LibraryFiles, UnwritableFilesFailWithTheToolsMessages) {
  const FitResult fit = fitIris(3);
  ASSERT_TRUE(fit.ok());
  const std::string path = freshFolder() + "/no/such/folder/file";
  Failure f = writeManifoldFile(fit.map, path, "x");
  EXPECT_EQ(f.message, "Can not open file for writing: " + path);
  EXPECT_EQ(f.exitStatus, 1);
  EXPECT_FALSE(f.onStandardError);
  f = writeProjectionsFile(fit.projection, path);
  EXPECT_EQ(f.message, "Can not open file for writing " + path + "\n");
  f = writeSummaryFile(fit.components, path);
  EXPECT_EQ(f.message, "Can not use " + path + " !!!\n");
  const Table table = loadTable(examplePath("iris.txt"));
  f = writeTableFile(table.view(), path);
  EXPECT_EQ(f.message, "Can not open file " + path + " for writing. \n");
  ModelInfo info = irisInfo();
  f = writeModelFile(fit, info, path);
  EXPECT_TRUE(f.failed());
  info.columns.pop_back();
  f = writeModelFile(fit, info, freshFolder() + "/model.json");
  EXPECT_NE(f.message.find("do not match its 4 coordinates"), std::string::npos) << f.message;
}

TEST(LibraryFiles, PreparedTablesWriteTheirScoresAndNormalizedRows) {
  Table table;
  table.dimension = 2;
  for (int i = 0; i < 10; ++i) {
    table.values.push_back(static_cast<float>(i));
    table.values.push_back(static_cast<float>(i % 3));
  }
  table.pointCount = 10;
  const Normalization normalization = computeNormalization(table.view());
  const PreparedTable prepared = prepare(table, normalization, PrepareOptions());
  ASSERT_TRUE(prepared.ok()) << prepared.failure.message;
  const std::string folder = freshFolder();
  ASSERT_FALSE(writeScoresFile(prepared, folder + "/scores").failed());
  ASSERT_FALSE(writeNormalizedTableFile(prepared, folder + "/rows").failed());
  const std::string scores = readText(folder + "/scores");
  EXPECT_EQ(std::count(scores.begin(), scores.end(), '\n'), 10);
  EXPECT_EQ(std::count(scores.begin(), scores.end(), '\t'), 30);
  // The rows were not normalized here: they come back as they were.
  const std::string rows = readText(folder + "/rows");
  EXPECT_EQ(rows.substr(0, 27), "0.0000000000\t0.0000000000\t\n");
  EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 10);
}

TEST(LibraryFiles, NodeFilesGiveTheirRows) {
  const NodeFile nodes = readNodeFile(goldenInput("iris-gen.txt"), 4);
  ASSERT_TRUE(nodes.ok()) << nodes.failure.message;
  ASSERT_GE(nodes.nodes.size(), 8u);
  EXPECT_EQ(nodes.nodes.size() % 4, 0u);
  EXPECT_EQ(nodes.nodes[0], -1.5f);
  EXPECT_EQ(nodes.nodes[4], -0.75f);
  const NodeFile missing = readNodeFile("absent-nodes.txt", 4);
  EXPECT_EQ(missing.failure.message, "Can not open file absent-nodes.txt\n");
  const NodeFile narrow = readNodeFile(goldenInput("iris-gen.txt"), 5);
  EXPECT_NE(narrow.failure.message.find("the node has 4 of 5 coordinates"), std::string::npos);
}

}  // namespace
}  // namespace manifit
