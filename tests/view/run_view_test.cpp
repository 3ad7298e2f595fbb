#include "view/run_view.h"

#include <gtest/gtest.h>

#include "common/output.h"
#include "view/view_fixture.h"

namespace manifit {
namespace {

TEST(RunViewTest, WritesTheSameBytesForTheSameInputs) {
  const std::string folder = writeRectangleRun("same_bytes");
  CapturedOutput capture;
  ASSERT_EQ(runViewWith(rectangleRunArguments(folder)), 0);
  const std::string first = readWholeFile(folder + "/page.html");
  ASSERT_EQ(runViewWith(rectangleRunArguments(folder)), 0);
  EXPECT_EQ(readWholeFile(folder + "/page.html"), first);
  EXPECT_EQ(capture.text(),
            "Page written: " + folder + "/page.html\nPage written: " + folder + "/page.html\n");
}

}  // namespace
}  // namespace manifit
