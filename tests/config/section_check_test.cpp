// The second look at a run's section reads as little as the configuration
// reader does: a device, a NUL byte or an endless line stops it at once.
#include "config/section_check.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "data/temp_files.h"

namespace manifit {
namespace {

TEST(SectionCheck, ReportsTheSectionAndItsWarnings) {
  const std::string path = freshFolder() + "/run.ini";
  writeText(path, "#ALG1\ngrid.size1 5\nepoch.ep 1\n#ALG2\n");
  const SectionReport report = examineSection(path, 1);
  EXPECT_EQ(report.text, "#ALG1\ngrid.size1 5\nepoch.ep 1\n");
  ASSERT_EQ(report.warnings.size(), 2u);
  EXPECT_NE(report.warnings[0].find(path + ", line 3: epoch.ep comes before any epoch.id"),
            std::string::npos);
}

TEST(SectionCheck, StopsAtNulBytesAndEndlessLines) {
  // /dev/zero holds one endless line of NUL bytes: nothing to report.
  EXPECT_EQ(examineSection("/dev/zero", 1).text, "");

  // A gigabyte of NUL bytes after the section is never read.
  const std::string path = freshFolder() + "/run.ini";
  writeText(path, "#ALG1\ngrid.size1 5\nepoch.id 1\n");
  ASSERT_EQ(truncate(path.c_str(), off_t{1} << 30), 0);
  EXPECT_EQ(examineSection(path, 1).text, "#ALG1\ngrid.size1 5\nepoch.id 1\n");

  // A line longer than the configuration reader takes ends the look there.
  writeText(path, "#ALG1\nepoch.id 1\n" + std::string(5000000, 'x') + "\n#ALG2\n");
  EXPECT_EQ(examineSection(path, 1).text, "#ALG1\nepoch.id 1\n");
  EXPECT_EQ(examineSection(path, 2).text, "");

  // 899 characters and a carriage return still make one line.
  const std::string longest = "epoch.id 1" + std::string(889, ' ');
  writeText(path, "#ALG1\n" + longest + "\r\ngrid.size1 4\n");
  EXPECT_EQ(examineSection(path, 1).text, "#ALG1\n" + longest + "\ngrid.size1 4\n");
}

}  // namespace
}  // namespace manifit
