#include <gtest/gtest.h>

#include "common/output.h"
#include "components/principal_components.h"
#include "data/data_table.h"
#include "data/temp_files.h"

namespace manifit {

TEST(WriteSummary, SmallVariancesInExponentFormWithARunningTotal) {
  DataTable table;
  table.allocateRows(1, 2);
  PrincipalComponents pc(table);
  pc.componentCount = 3;
  pc.mean = {1.0, -2.5};
  pc.components = {{0.6, 0.8}, {-0.8, 0.6}, {1.0, 0.0}};
  pc.variances = {0.5, 0.0005, 0.001};
  const std::string path = freshFolder() + "/temp";
  ASSERT_TRUE(pc.writeSummary(path));
  EXPECT_EQ(readText(path),
            "3 2\n"
            "     1.000     -2.500 \n"
            "   0.60000    0.80000 \n"
            "  -0.80000    0.60000 \n"
            "   1.00000    0.00000 \n"
            "0.500000\t0.500000\n"
            "5.000000e-04\t0.500500\n"
            "0.001000\t0.501500\n");
}

TEST(ComponentFiles, UnwritablePathsPrintTheirMessages) {
  DataTable table;
  table.allocateRows(1, 1);
  PrincipalComponents pc(table);
  pc.quiet = true;
  pc.computeComponents(1);
  const std::string path = freshFolder() + "/missing/folder";
  CapturedOutput capture;
  EXPECT_FALSE(pc.writeSummary(path));
  EXPECT_FALSE(pc.writeScores(path));
  EXPECT_EQ(capture.text(), "Can not use " + path + " !!!\nCan not open file for writing " + path);
}

TEST(WriteScores, ProjectionsOntoEachComponentOneLinePerPoint) {
  // Points on the diagonal; the middle one is the mean.
  DataTable line;
  line.allocateRows(3, 2);
  const float diagonal[] = {0, 1, 2, 3, 4, 5};
  std::copy(diagonal, diagonal + 6, line.storage.begin());
  PrincipalComponents along(line);
  along.quiet = true;
  along.computeComponents(1);
  const std::string path = freshFolder() + "/scores";
  ASSERT_TRUE(along.writeScores(path));
  EXPECT_EQ(readText(path), "-2.8284270763\t\n0.0000000000\t\n2.8284270763\t\n");

  // A spread in two directions; the last point is the mean.
  DataTable cross;
  cross.allocateRows(5, 2);
  const float values[] = {0, 0, 4, 0, 2, 1, 2, -1, 2, 0};
  std::copy(values, values + 10, cross.storage.begin());
  PrincipalComponents both(cross);
  both.quiet = true;
  both.computeComponents(2);
  ASSERT_TRUE(both.writeScores(path));
  const std::string text = readText(path);
  EXPECT_EQ(text.substr(text.rfind('\n', text.size() - 2) + 1), "0.0000000000\t0.0000000000\t\n");
}

}  // namespace manifit
