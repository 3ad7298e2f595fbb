#include "view/view_files.h"

#include <gtest/gtest.h>

#include <cmath>

#include "view/view_fixture.h"

namespace manifit {
namespace {

// Writes the text to a file of the folder and returns its path.
std::string fileWith(const std::string& folder, const std::string& name, const std::string& text) {
  const std::string path = folder + "/" + name;
  writeWholeFile(path, text);
  return path;
}

// Replaces the first occurrence of `from` in the text.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(ViewFilesTest, ReadsTheManifoldFileAsManifitWritesIt) {
  const std::string folder = freshFolder("files_map");
  FakeMap fake = rectangleMap(3, 2);
  fake.nodes[4] = {0.125, -2.5, 1e-8};
  ManifoldFile map;
  const Status status = readManifoldFile(fileWith(folder, "map", manifoldText(fake)), map);
  ASSERT_TRUE(status.ok()) << status.message;
  EXPECT_EQ(map.dimension, 3);
  EXPECT_EQ(map.nodeCount, 6);
  EXPECT_EQ(map.edgeCount, 7);
  EXPECT_EQ(map.ribCount, 2);
  EXPECT_EQ(map.triangleCount, 4);
  EXPECT_EQ(map.nodes[4], (std::vector<double>{0.125, -2.5, 0.00000001}));
  EXPECT_EQ(map.edges, fake.edges);
  EXPECT_EQ(map.ribs.size(), 2u);
  EXPECT_EQ(map.triangles.size(), 4u);
  EXPECT_EQ(map.gridCoords[5][0], 1.0);
  EXPECT_EQ(map.gridCoords[5][1], 1.0);
}

TEST(ViewFilesTest, RejectsBrokenManifoldFilesNamingFileAndLine) {
  const std::string folder = freshFolder("files_bad_map");
  const std::string good = manifoldText(rectangleMap(3, 2));
  struct Case {
    std::string text;
    std::string message;
  };
  const std::string map = folder + "/map";
  const Case cases[] = {
      {replaced(good, "# GRIDRIBS\n", "# OTHER\n"), map + ": no \"# GRIDRIBS\" block\n"},
      {replaced(good, "# EDGES\n7", "# EDGES\n8"),
       map + ", line 49: \"# GRIDEDGES\" has 7 lines, but the count says 8\n"},
      {replaced(good, "0 1 \n", "0 6 \n"), map + ", line 50: \"6\" is not a node number below 6\n"},
      {replaced(good, "0 1 \n", "0 \n"), map + ", line 50: expected 2 node numbers, found 1\n"},
      {replaced(good, "-1.00000000 -1.00000000 0.00000000 ", "-1.0 x 0"),
       map + ", line 42: \"x\" is not a finite number\n"},
      {replaced(good, "-1.00000000 -1.00000000 0.00000000 ", "-1.0 nan 0"),
       map + ", line 42: \"nan\" is not a finite number\n"},
      {replaced(good, "# DIMENSION\n3", "# DIMENSION\n-3"),
       map + ", line 8: \"-3\" is not a count\n"},
      {replaced(good, "# NODES\n6", "# NODES\n6 6"),
       map + ", line 29: \"# NODES\" must hold one integer\n"},
      {replaced(good, "# TONES", "# DIMENSION"),
       map + ", line 22: a second \"# DIMENSION\" block\n"},
      {"7\n" + good, map + ", line 1: text before the first \"#\" block\n"},
  };
  for (const Case& c : cases) {
    writeWholeFile(map, c.text);
    ManifoldFile read;
    const Status status = readManifoldFile(map, read);
    EXPECT_EQ(status.exitCode, 1);
    EXPECT_EQ(status.message, c.message);
  }
  ManifoldFile read;
  EXPECT_EQ(readManifoldFile(folder + "/absent", read).message,
            "Can not read " + folder + "/absent\n");
}

TEST(ViewFilesTest, ReadsTheSummaryAndAcceptsAnUnusedDegenerateComponent) {
  const std::string folder = freshFolder("files_summary");
  std::string text =
      summaryText({0.5, -1, 2}, {{0.6, 0.8, 0}, {-0.8, 0.6, 0}, {0, 0, 1}}, {0.7, 0.2995, 0.0005});
  // Extraction on data without a third direction leaves "nan" in the last one.
  text = replaced(text, "   0.00000    0.00000    1.00000 ", "      -nan        nan        nan ");
  ComponentSummary summary;
  const Status status = readComponentSummary(fileWith(folder, "temp", text), summary);
  ASSERT_TRUE(status.ok()) << status.message;
  EXPECT_EQ(summary.componentCount, 3);
  EXPECT_EQ(summary.dimension, 3);
  EXPECT_EQ(summary.mean, (std::vector<double>{0.5, -1, 2}));
  EXPECT_EQ(summary.components[1], (std::vector<double>{-0.8, 0.6, 0}));
  EXPECT_EQ(summary.fractions[0], 0.7);
  EXPECT_EQ(summary.fractions[1], 0.2995);
  EXPECT_TRUE(std::isnan(summary.components[2][0]));
  EXPECT_NE(text.find("5.000000e-04\t1.000000\n"), std::string::npos);
}

TEST(ViewFilesTest, RejectsSummariesThatCannotGiveThePlane) {
  const std::string folder = freshFolder("files_bad_summary");
  const std::string good = summaryText({0, 0}, {{1, 0}, {0, 1}, {0, 0}}, {0.5, 0.5, 0});
  const std::string path = folder + "/temp";
  const std::pair<std::string, std::string> cases[] = {
      {replaced(good, "   1.00000    0.00000 ", "nan 0"),
       path + ", line 3: \"nan\" is not a finite number\n"},
      {"1 2\n0 0\n1 0\n1 1\n",
       path + ", line 1: two principal components are needed for the plane\n"},
      {replaced(good, "3 2\n", "3\n"),
       path + ", line 1: expected the component count and the dimension\n"},
      {replaced(good, "   1.00000    0.00000 ", "1 0 0"),
       path + ", line 3: expected 2 values, found 3\n"},
      {replaced(good, "0.500000\t1.000000", "0.5"),
       path + ", line 7: expected 2 values, found 1\n"},
      {replaced(good, "0.500000\t1.000000", ""),
       path + ": expected 8 lines for 3 components, found 7\n"},
      {"", path + ": the file is empty\n"},
  };
  for (const auto& [text, message] : cases) {
    writeWholeFile(path, text);
    ComponentSummary summary;
    EXPECT_EQ(readComponentSummary(path, summary).message, message) << text;
  }
}

TEST(ViewFilesTest, ReadsPointsProjectionsAndLabels) {
  const std::string folder = freshFolder("files_points");
  PointTable table;
  ASSERT_TRUE(
      readPointTable(fileWith(folder, "norm", tableText({{1, -2}, {0.25, 3}})), table).ok());
  EXPECT_EQ(table.dimension, 2);
  EXPECT_EQ(table.rows, (std::vector<std::vector<double>>{{1, -2}, {0.25, 3}}));

  std::vector<Projection> projections;
  ASSERT_TRUE(readProjections(fileWith(folder, "proj", projectionsText({{-1, 0.5, 0}, {1, 1, 0}})),
                              projections)
                  .ok());
  ASSERT_EQ(projections.size(), 2u);
  EXPECT_EQ(projections[0], (Projection{-1, 0.5, 0}));

  std::vector<std::string> labels;
  ASSERT_TRUE(
      readLabels(fileWith(folder, "labels", "setosa\r\n  Iris virginica \n\n\n"), labels).ok());
  EXPECT_EQ(labels, (std::vector<std::string>{"setosa", "Iris virginica"}));
}

TEST(ViewFilesTest, RejectsBrokenPointProjectionAndLabelFiles) {
  const std::string folder = freshFolder("files_bad_points");
  PointTable table;
  EXPECT_EQ(readPointTable(fileWith(folder, "norm", "1\t2\t\n3\t\n"), table).message,
            folder + "/norm, line 2: 1 values, but line 1 has 2\n");
  EXPECT_EQ(readPointTable(fileWith(folder, "norm", "1\tinf\t\n"), table).message,
            folder + "/norm, line 1: \"inf\" is not a finite number\n");
  EXPECT_EQ(readPointTable(fileWith(folder, "norm", "\n \n"), table).message,
            folder + "/norm: the file holds no points\n");
  std::vector<Projection> projections;
  EXPECT_EQ(readProjections(fileWith(folder, "proj", "1\t2\t3\n1\t2\n"), projections).message,
            folder + "/proj, line 2: expected 3 grid coordinates, found 2\n");
  std::vector<std::string> labels;
  EXPECT_EQ(readLabels(fileWith(folder, "labels", "a\n\nb\n"), labels).message,
            folder + "/labels, line 2: empty label\n");
}

// Every input of the viewer is text: a NUL byte (a device such as /dev/zero,
// a binary file) is refused at once, naming the file and the line.
TEST(ViewFilesTest, RefusesNulBytesInEveryInput) {
  ManifoldFile manifold;
  EXPECT_EQ(readManifoldFile("/dev/zero", manifold).message,
            "/dev/zero, line 1: the file holds a NUL byte, so it is not a text file\n");
  const std::string folder = freshFolder("files_nul");
  const std::string text = std::string("1\t2\n3\t4\n5") + '\0' + "\t6\n";
  const std::string message = ", line 3: the file holds a NUL byte, so it is not a text file\n";
  PointTable table;
  const std::string norm = fileWith(folder, "norm", text);
  EXPECT_EQ(readPointTable(norm, table).message, norm + message);
  std::vector<Projection> projections;
  const std::string proj = fileWith(folder, "proj", text);
  EXPECT_EQ(readProjections(proj, projections).message, proj + message);
  std::vector<std::string> labels;
  const std::string names = fileWith(folder, "labels", text);
  EXPECT_EQ(readLabels(names, labels).message, names + message);
  ComponentSummary summary;
  const std::string temp = fileWith(folder, "temp", text);
  EXPECT_EQ(readComponentSummary(temp, summary).message, temp + message);
}

// manifit writes single-precision numbers; a larger one would overflow the
// page's geometry into "nan", so it is refused with its place.
TEST(ViewFilesTest, RefusesNumbersBeyondTheFloatRange) {
  const std::string folder = freshFolder("files_range");
  PointTable table;
  const std::string norm = fileWith(folder, "norm", "1\t2\n1.7e308\t-1.7e308\n");
  EXPECT_EQ(readPointTable(norm, table).message,
            norm + ", line 2: \"1.7e308\" is beyond the range of a 32-bit float\n");
  ASSERT_TRUE(readPointTable(fileWith(folder, "norm", "3.4e38\t-3.4e38\n"), table).ok());
  EXPECT_EQ(table.rows[0][0], 3.4e38);
  std::vector<Projection> projections;
  const std::string proj = fileWith(folder, "proj", "1\t2\t-1e39\n");
  EXPECT_EQ(readProjections(proj, projections).message,
            proj + ", line 1: \"-1e39\" is beyond the range of a 32-bit float\n");
}

}  // namespace
}  // namespace manifit
