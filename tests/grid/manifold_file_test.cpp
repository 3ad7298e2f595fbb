#include <gtest/gtest.h>

#include <string>

#include "common/output.h"
#include "grid/grid.h"
#include "grid/grid_types.h"
#include "grid_file_paths.h"

namespace manifit {

TEST(ManifoldFile, SmallGridIsWrittenByteForByte) {
  Grid grid;
  grid.type = kRectangular;
  grid.dimension = 3;
  grid.nodeCount = 3;
  grid.edgeCount = 2;
  grid.ribCount = 1;
  grid.triangleCount = 1;
  grid.nodes = {{0.5f, -1.25f, 12.5f}, {0.0f, 2.0f, -0.125f}, {1.0f, 1.0f, 1.0f}};
  grid.gridCoords = {{-1.0f, -1.0f, 0.0f}, {1.0f, -1.0f, 0.0f}, {-1.0f, 0.5f, 0.0f}};
  grid.edges = {{0, 1}, {1, 2}};
  grid.edgeCoefs = {1.0f, 0.25f};
  grid.ribs = {{1, 0, 2}};
  grid.ribCoefs = {12.5f};
  grid.triangles = {{0, 1, 2}};

  const std::string expected =
      "# DATAFILENAME\n"
      "iris.qxd\n"
      "\n"
      "# TABLENAME\n"
      "iris.qxt\n"
      "\n"
      "# DIMENSION\n"
      "3\n"
      "\n"
      "# INITIALIZATION\n"
      "MAINCOMP 0.5 30 FALSE\n"
      "\n"
      "# ELASTICITY\n"
      "1 1\n"
      "\n"
      "# DISCRETE\n"
      "FALSE\n"
      "\n"
      "# SMOOTHNESS\n"
      "1\n"
      "\n"
      "# TONES\n"
      "0\n"
      "\n"
      "# GRIDTYPE\n"
      "RECTANGULAR\n"
      "10 10\n"
      "\n"
      "# NODES\n"
      "3\n"
      "\n"
      "# EDGES\n"
      "2\n"
      "\n"
      "# RIBS\n"
      "1\n"
      "\n"
      "# TRIANGLES\n"
      "1\n"
      "\n"
      "# GRIDNODES\n"
      "0.50000000 -1.25000000 12.50000000 \n"
      "0.00000000 2.00000000 -0.12500000 \n"
      "1.00000000 1.00000000 1.00000000 \n"
      "\n"
      "# GRIDEDGES\n"
      "0 1 \n"
      "1 2 \n"
      "\n"
      "# GRIDRIBS\n"
      "1 0 2 \n"
      "\n"
      "# GRIDTRIANGLES\n"
      "0 1 2 \n"
      "\n"
      "# GRIDNODES2D\n"
      "-1.00000000 -1.00000000 \n"
      "1.00000000 -1.00000000 \n"
      "-1.00000000 0.50000000 \n"
      "\n"
      "# GRIDEP\n"
      "   1.00000    0.25000 \n"
      "\n"
      "# GRIDRP\n"
      "  12.50000 \n"
      "\n";
  const std::string path = gridFilesTempFolder() + "map.txt";
  EXPECT_TRUE(grid.writeManifold(path, "iris"));
  EXPECT_EQ(readTextFile(path), expected);
}

TEST(ManifoldFile, LinearGridStillSaysRectangularAndHasNoTriangles) {
  LinearGrid grid(5, 2);
  const std::string path = gridFilesTempFolder() + "map.txt";
  ASSERT_TRUE(grid.writeManifold(path, "data"));
  const std::string text = readTextFile(path);
  EXPECT_NE(text.find("# GRIDTYPE\nRECTANGULAR\n10 10\n\n# NODES\n5\n\n"), std::string::npos);
  EXPECT_NE(text.find("# TRIANGLES\n0\n\n"), std::string::npos);
  EXPECT_NE(text.find("\n# GRIDTRIANGLES\n\n# GRIDNODES2D\n"
                      "-1.00000000 0.00000000 \n"
                      "-0.60000002 0.00000000 \n"),
            std::string::npos);
  EXPECT_NE(text.find("# GRIDRP\n   1.00000    1.00000    1.00000 \n\n"), std::string::npos);
}

TEST(ManifoldFile, BareGridWithoutEdgesOrTypeWritesEmptyBlocks) {
  Grid grid;
  grid.dimension = 1;
  grid.nodeCount = 1;
  grid.nodes = {{2.0f}};
  grid.gridCoords = {{2.0f}};  // a short row: the second coordinate reads as 0
  const std::string path = gridFilesTempFolder() + "map.txt";
  ASSERT_TRUE(grid.writeManifold(path, "none"));
  const std::string text = readTextFile(path);
  const std::string names = "# DATAFILENAME\nnone.qxd\n\n# TABLENAME\nnone.qxt\n\n";
  EXPECT_EQ(text.substr(0, names.size()), names);
  EXPECT_NE(text.find("# TONES\n0\n\n# GRIDTYPE\n# NODES\n1\n\n"), std::string::npos);
  EXPECT_NE(text.find("# GRIDNODES2D\n2.00000000 0.00000000 \n\n# GRIDEP\n\n\n# GRIDRP\n\n\n"),
            std::string::npos);
  EXPECT_EQ(text.size(), text.rfind("# GRIDRP\n\n\n") + 11);
}

TEST(ManifoldFile, UnwritablePathPrintsTheMessageWithoutLineEnd) {
  Grid grid;
  const std::string path = gridFilesTempFolder() + "missing/map.txt";
  CapturedOutput capture;
  EXPECT_FALSE(grid.writeManifold(path, "none"));
  EXPECT_EQ(capture.text(), "Can not open file for writing: " + path);
}

TEST(ManifoldFile, FailedWriteIsReported) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  Grid grid;
  CapturedOutput capture;
  EXPECT_FALSE(grid.writeManifold("/dev/full", "none"));
  EXPECT_EQ(capture.text(), "Can not write file /dev/full\n");
}

}  // namespace manifit
