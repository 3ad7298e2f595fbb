#include "view/run_view.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <set>

#include "common/output.h"
#include "view/colour_scale.h"
#include "view/png_image.h"
#include "view/png_writer.h"
#include "view/view_fixture.h"
#include "view/xml_check.h"

namespace manifit {
namespace {

std::vector<XmlElement> parsedPage(const std::string& path) {
  std::vector<XmlElement> elements;
  std::string error;
  EXPECT_TRUE(parseXml(readWholeFile(path), elements, error)) << error;
  return elements;
}

// The elements of the page's SVG picture with this id.
std::vector<XmlElement> pictureElements(const std::string& path, const std::string& id) {
  const std::string page = readWholeFile(path);
  const size_t begin = page.rfind("<svg", page.find("id=\"" + id + "\""));
  const size_t end = page.find("</svg>", begin);
  std::vector<XmlElement> elements;
  std::string error;
  EXPECT_NE(begin, std::string::npos) << id;
  if (begin == std::string::npos || end == std::string::npos) return elements;
  EXPECT_TRUE(parseXml(page.substr(begin, end + 6 - begin), elements, error)) << error;
  return elements;
}

const std::string* attribute(const XmlElement& element, const std::string& name) {
  const auto found = element.attributes.find(name);
  return found == element.attributes.end() ? nullptr : &found->second;
}

std::string fromBase64(const std::string& text) {
  const std::string digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  uint32_t bits = 0;
  int count = 0;
  for (char c : text) {
    const size_t value = digits.find(c);
    if (value == std::string::npos) break;  // the padding
    bits = (bits << 6) | static_cast<uint32_t>(value);
    count += 6;
    if (count >= 8) {
      count -= 8;
      out += static_cast<char>((bits >> count) & 0xFF);
    }
  }
  return out;
}

TEST(XmlCheckTest, TellsWellFormedFromBroken) {
  std::vector<XmlElement> elements;
  std::string error;
  EXPECT_TRUE(
      parseXml("<!DOCTYPE html>\n<a x=\"1 &amp; &#215;\"><b class='c'/>t&lt;"
               "<![CDATA[x < y && z]]></a>\n",
               elements, error))
      << error;
  EXPECT_EQ(countElements(elements, "b", "c"), 1);
  for (const char* broken :
       {"<a><b></a></b>", "<a x=1/>", "<a>&nbsp;</a>", "<a>&</a>", "<a/><b/>", "<a>",
        "<a x='1' x='2'/>", "text<a/>", "<a>x < y</a>", "<a><![CDATA[x</a>", "<![CDATA[x]]><a/>"}) {
    EXPECT_FALSE(parseXml(broken, elements, error)) << broken;
  }
}

TEST(SvgPageTest, CellShadesAndEscapedText) {
  EXPECT_EQ(cellColour(0, 7), "#ffffff");
  EXPECT_EQ(cellColour(0, 0), "#ffffff");
  EXPECT_EQ(cellColour(7, 7), "#7a7a7a");
  EXPECT_LT(cellColour(5, 7), cellColour(4, 7));  // more points, darker
  EXPECT_EQ(escapeText("a<b & \"c\" 'd'>"), "a&lt;b &amp; &quot;c&quot; &#39;d&#39;&gt;");
}

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

TEST(RunViewTest, PageHoldsOneElementPerPointNodeEdgeAndCell) {
  const std::string folder = writeRectangleRun("elements");
  CapturedOutput capture;
  ASSERT_EQ(runViewWith(rectangleRunArguments(folder)), 0);
  const std::string path = folder + "/page.html";
  const std::vector<XmlElement> elements = parsedPage(path);
  // Three data views (components 1-2, 1-3, 2-3), each with every point, node and edge.
  for (const char* id : {"view-data-12", "view-data-13", "view-data-23"}) {
    const std::vector<XmlElement> view = pictureElements(path, id);
    EXPECT_EQ(countElements(view, "circle", "point"), 8) << id;
    EXPECT_EQ(countElements(view, "circle", "node"), 6) << id;
    EXPECT_EQ(countElements(view, "line", "edge"), 7) << id;
  }
  const std::vector<XmlElement> map = pictureElements(path, "view-map");
  EXPECT_EQ(countElements(map, "circle", "map-point"), 8);
  EXPECT_EQ(countElements(map, "circle", "map-node"), 6);
  EXPECT_EQ(countElements(map, "rect", "cell"), 6);
  // One cell per node on the U-matrix and the quality map; each of the 3
  // component planes is one picture holding the colours of its nodes.
  for (const char* id : {"view-umatrix", "view-quality"}) {
    EXPECT_EQ(countElements(pictureElements(path, id), "rect", "cell"), 6) << id;
  }
  EXPECT_EQ(countElements(elements, "rect", "cell"), 3 * 6);
  // The nodes lie at (g0, g1, 0): plane 1 holds the values -1 and 1, plane 2
  // -1, 0 and 1, plane 3 the value 0 alone.
  const std::vector<std::vector<double>> planeValues = {{-1, 1}, {-1, 0, 1}, {0}};
  for (size_t k = 0; k < 3; ++k) {
    const std::string id = "view-plane-" + std::to_string(k + 1);
    const std::vector<XmlElement> plane = pictureElements(path, id);
    ASSERT_EQ(countElements(plane, "image", "cells-picture"), 1) << id;
    EXPECT_EQ(countElements(plane, "rect", "cell"), 0) << id;
    std::set<uint32_t> expected;
    const ColourScale scale{planeValues[k].front(), planeValues[k].back()};
    for (double v : planeValues[k]) expected.insert(colourValue(scaleColour(scale, v)));
    for (const XmlElement& element : plane) {
      if (element.name != "image") continue;
      const std::string* href = attribute(element, "href");
      ASSERT_NE(href, nullptr);
      const std::string prefix = "data:image/png;base64,";
      ASSERT_EQ(href->rfind(prefix, 0), 0u);
      PngImage image;
      std::string error;
      ASSERT_TRUE(decodePng(fromBase64(href->substr(prefix.size())), image, error)) << error;
      EXPECT_EQ(std::to_string(image.width), *attribute(element, "width"));
      std::set<uint32_t> found;
      for (uint32_t pixel : image.pixels) found.insert(pixel >> 8);
      EXPECT_EQ(found, expected) << id;
    }
  }
  // Nothing is fetched: the one script is inline, no linked file, no url() in the style.
  const std::string page = readWholeFile(path);
  int scripts = 0;
  for (const XmlElement& element : elements) {
    if (element.name == "script") ++scripts;
    EXPECT_EQ(attribute(element, "src"), nullptr);
    const std::string* href = attribute(element, "href");
    EXPECT_TRUE(href == nullptr || href->rfind("data:image/png;base64,", 0) == 0);
  }
  EXPECT_EQ(scripts, 1);
  for (const char* fetching : {"fetch(", "XMLHttpRequest", "import(", "WebSocket", ".src"}) {
    EXPECT_EQ(page.find(fetching), std::string::npos) << fetching;
  }
  EXPECT_EQ(page.find("url("), std::string::npos);
  EXPECT_EQ(page.find("@import"), std::string::npos);
  EXPECT_NE(page.find("<td>rectangle (simplerectangular), 3 &#215; 2 nodes</td>"),
            std::string::npos);
  EXPECT_NE(page.find("<td>6, 7, 2, 4</td>"), std::string::npos);
  EXPECT_NE(page.find("c &lt;&amp;&gt;"), std::string::npos);  // labels are escaped
  EXPECT_NE(page.find("58.62% of variance"), std::string::npos);
}

TEST(RunViewTest, NodesOnTheFirstComponentSitOnTheDrawnAxis) {
  const std::string folder = writeRectangleRun("axis");
  CapturedOutput capture;
  ASSERT_EQ(runViewWith(rectangleRunArguments(folder)), 0);
  const std::vector<XmlElement> elements = pictureElements(folder + "/page.html", "view-data-12");
  // The horizontal axis is the first "axis" line; nodes 2 and 3 of the 3 × 2
  // rectangle lie on the first component, (±1, 0, 0).
  const XmlElement* axis = nullptr;
  std::vector<const XmlElement*> nodes;
  for (const XmlElement& element : elements) {
    const std::string* cls = attribute(element, "class");
    if (!cls) continue;
    if (*cls == "axis" && !axis) axis = &element;
    if (*cls == "node") nodes.push_back(&element);
  }
  ASSERT_NE(axis, nullptr);
  ASSERT_EQ(nodes.size(), 6u);
  EXPECT_EQ(*attribute(*axis, "y1"), *attribute(*axis, "y2"));
  EXPECT_EQ(*attribute(*nodes[1], "cy"), *attribute(*axis, "y1"));
  EXPECT_EQ(*attribute(*nodes[4], "cy"), *attribute(*axis, "y1"));
  EXPECT_NE(*attribute(*nodes[0], "cy"), *attribute(*axis, "y1"));
}

TEST(RunViewTest, CellsAddUpToThePointCount) {
  const std::string folder = writeRectangleRun("cells");
  CapturedOutput capture;
  ASSERT_EQ(runViewWith(rectangleRunArguments(folder)), 0);
  const std::string whole = readWholeFile(folder + "/page.html");
  const size_t begin = whole.find("id=\"view-map\"");
  const std::string page = whole.substr(begin, whole.find("</svg>", begin) - begin);
  int total = 0;
  for (size_t at = page.find("<rect class=\"cell\""); at != std::string::npos;
       at = page.find("<rect class=\"cell\"", at + 1)) {
    const size_t title = page.find(": ", page.find("<title>node ", at)) + 2;
    total += std::atoi(page.c_str() + title);
  }
  EXPECT_EQ(total, 8);
}

TEST(RunViewTest, ALargeTableIsSampledInTheSvgAndWholeInThePayload) {
  const std::string folder = writeRectangleRun("large");
  // 5,000 points repeating the 8 of the run (same mean and variances), so
  // the summary still belongs to the table.
  const size_t count = 5000;
  std::vector<std::vector<double>> rows;
  std::vector<std::array<double, 3>> projections;
  std::string labels;
  for (size_t p = 0; p < count; ++p) {
    rows.push_back(rectangleRows()[p % 8]);
    projections.push_back({rows.back()[0], rows.back()[1], 0});
    labels += "kind" + std::to_string(p % 3) + "\n";
  }
  writeWholeFile(folder + "/norm", tableText(rows));
  writeWholeFile(folder + "/proj", projectionsText(projections));
  writeWholeFile(folder + "/labels", labels);
  CapturedOutput capture;
  ASSERT_EQ(runViewWith(rectangleRunArguments(folder)), 0);
  const std::string path = folder + "/page.html";
  const std::string page = readWholeFile(path);
  // Every third point (ceil(5000 / 2000) = 3): 1,667 in each picture of points,
  // without a title each (the script names every point).
  for (const char* id : {"view-data-12", "view-data-13", "view-data-23", "view-map"}) {
    const std::vector<XmlElement> view = pictureElements(path, id);
    const int drawn =
        countElements(view, "circle", std::string(id) == "view-map" ? "map-point" : "point");
    EXPECT_EQ(drawn, 1667) << id;
  }
  EXPECT_NE(page.find("hold an even sample: 1667 of the 5000 points (one in every 3)"),
            std::string::npos);
  EXPECT_EQ(page.find("<title>point "), std::string::npos);
  EXPECT_NE(page.find("\"count\":5000,\"step\":3,\"large\":true"), std::string::npos);
}

// Each failure: the message on standard error and exit status 1.
class RunViewDeathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = writeRectangleRun(
        "bad_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  }

  std::vector<std::string> withOption(const std::string& name, const std::string& value) const {
    std::vector<std::string> arguments = rectangleRunArguments(folder);
    arguments.push_back(name);
    arguments.push_back(value);
    return arguments;
  }

  std::string folder;
};

TEST_F(RunViewDeathTest, MissingMandatoryFilesPrintTheUsage) {
  EXPECT_EXIT(std::exit(runViewWith({})), ::testing::ExitedWithCode(1),
              "manifit-view: missing -map\nUsage: manifit-view -map file -normdat file -html file");
  EXPECT_EXIT(std::exit(runViewWith({"-map", "m", "-html", "h"})), ::testing::ExitedWithCode(1),
              "missing -normdat\nUsage:");
  EXPECT_EXIT(std::exit(runViewWith({"-map", "m", "-normdat", "n"})), ::testing::ExitedWithCode(1),
              "missing -html\nUsage:");
  EXPECT_EXIT(std::exit(runViewWith({"-map", "m", "-colour", "red"})), ::testing::ExitedWithCode(1),
              "unknown option -colour\nUsage:");
  EXPECT_EXIT(std::exit(runViewWith({"-map"})), ::testing::ExitedWithCode(1),
              "option -map needs a value\nUsage:");
  EXPECT_EXIT(std::exit(runViewWith(withOption("-type", "rectangular"))),
              ::testing::ExitedWithCode(1), "unknown grid type rectangular\nUsage:");
}

TEST_F(RunViewDeathTest, UnreadableFilesAreNamed) {
  for (const char* option : {"-map", "-summary", "-normdat", "-p", "-labels"}) {
    EXPECT_EXIT(std::exit(runViewWith(withOption(option, folder + "/absent"))),
                ::testing::ExitedWithCode(1), "^Can not read .*/absent\n$")
        << option;
  }
  EXPECT_EXIT(std::exit(runViewWith(withOption("-normdat", folder))), ::testing::ExitedWithCode(1),
              "^Can not read .*bad_UnreadableFilesAreNamed\n$");
  EXPECT_EXIT(std::exit(runViewWith(withOption("-html", folder + "/no/such/folder/page.html"))),
              ::testing::ExitedWithCode(1), "^Can not write .*/no/such/folder/page.html\n$");
}

TEST_F(RunViewDeathTest, APageNamingAnInputIsRefused) {
  const std::string map = readWholeFile(folder + "/map");
  EXPECT_EXIT(std::exit(runViewWith(withOption("-html", folder + "/map"))),
              ::testing::ExitedWithCode(1),
              "^The output .*/map \\(-html\\) is the input .*/map \\(-map\\); nothing was "
              "written.\n$");
  EXPECT_EXIT(std::exit(runViewWith(withOption("-html", folder + "/./proj"))),
              ::testing::ExitedWithCode(1), "is the input .*/proj \\(-p\\)");
  EXPECT_EQ(readWholeFile(folder + "/map"), map);
}

TEST_F(RunViewDeathTest, FilesThatDisagreeAreNamed) {
  writeWholeFile(folder + "/norm2", tableText({{1, 2}, {3, 4}}));
  EXPECT_EXIT(std::exit(runViewWith(withOption("-normdat", folder + "/norm2"))),
              ::testing::ExitedWithCode(1),
              "norm2: the points have 2 coordinates, but the map .*/map has 3\n");
  writeWholeFile(folder + "/temp2", summaryText({0, 0}, {{1, 0}, {0, 1}}, {0.5, 0.5}));
  EXPECT_EXIT(std::exit(runViewWith(withOption("-summary", folder + "/temp2"))),
              ::testing::ExitedWithCode(1),
              "temp2: the components have 2 coordinates, but the map .*/map has 3\n");
  writeWholeFile(folder + "/proj2", projectionsText({{0, 0, 0}}));
  EXPECT_EXIT(std::exit(runViewWith(withOption("-p", folder + "/proj2"))),
              ::testing::ExitedWithCode(1), "proj2: 1 projections, but .*/norm has 8 points\n");
  writeWholeFile(folder + "/labels2", "a\nb\n");
  EXPECT_EXIT(std::exit(runViewWith(withOption("-labels", folder + "/labels2"))),
              ::testing::ExitedWithCode(1), "labels2: 2 labels, but .*/norm has 8 points\n");
  EXPECT_EXIT(std::exit(runViewWith(withOption("-type", "circle"))), ::testing::ExitedWithCode(1),
              "map: the nodes and edges do not form a grid of type circle\n");
  writeWholeFile(folder + "/map2", "# DIMENSION\n3\n");
  EXPECT_EXIT(std::exit(runViewWith(withOption("-map", folder + "/map2"))),
              ::testing::ExitedWithCode(1), "map2: no \"# NODES\" block\n");
}

TEST_F(RunViewDeathTest, AGraphIsDrawnAsDiscsJoinedByItsEdges) {
  CapturedOutput capture;
  ASSERT_EQ(runViewWith(withOption("-type", "elgraph")), 0);
  const std::string path = folder + "/page.html";
  parsedPage(path);
  EXPECT_EQ(countElements(pictureElements(path, "view-data-12"), "line", "edge"), 7);
  const std::vector<XmlElement> map = pictureElements(path, "view-map");
  EXPECT_EQ(countElements(map, "circle", "map-point"), 8);
  EXPECT_EQ(countElements(map, "circle", "cell"), 6);
  EXPECT_EQ(countElements(map, "line", "link"), 7);
  EXPECT_EQ(countElements(pictureElements(path, "view-umatrix"), "circle", "cell"), 6);
  EXPECT_NE(readWholeFile(path).find("beside its nearest node"), std::string::npos);
}

}  // namespace
}  // namespace manifit
