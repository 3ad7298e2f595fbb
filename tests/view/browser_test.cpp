// The end-to-end test: the iris example through manifit and manifit-view,
// and the page rendered by headless Chromium.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "view/png_image.h"
#include "view/view_files.h"
#include "view/view_fixture.h"
#include "view/xml_check.h"

namespace manifit {
namespace {

// --- the PNG reader on streams whose content is known -----------------------

// "abcabcabcabc hello hello hello!" compressed with fixed Huffman codes and
// back-references.
const std::vector<uint8_t> kFixedStream = {0x78, 0xda, 0x4b, 0x4c, 0x4a, 0x4e, 0x84, 0x21,
                                           0x85, 0x8c, 0xd4, 0x9c, 0x9c, 0x7c, 0x64, 0x52,
                                           0x11, 0x00, 0xb8, 0x55, 0x0b, 0x56};

std::string bigEndian(uint32_t value) {
  return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
          static_cast<char>(value >> 8), static_cast<char>(value)};
}

// A PNG whose image data sits in one stored (uncompressed) deflate block.
std::string storedPng(int width, int height, int colourType, const std::vector<uint8_t>& raw) {
  uint32_t a = 1, b = 0;
  for (uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  std::string zlib = "\x78\x01";
  zlib += '\x01';  // final stored block
  zlib += static_cast<char>(raw.size() & 0xFF);
  zlib += static_cast<char>(raw.size() >> 8);
  zlib += static_cast<char>(~raw.size() & 0xFF);
  zlib += static_cast<char>((~raw.size() >> 8) & 0xFF);
  zlib += std::string(raw.begin(), raw.end()) + bigEndian((b << 16) | a);
  std::string header = bigEndian(static_cast<uint32_t>(width)) +
                       bigEndian(static_cast<uint32_t>(height)) + "\x08" +
                       static_cast<char>(colourType) + std::string(3, '\0');
  auto chunk = [](const std::string& type, const std::string& data) {
    return bigEndian(static_cast<uint32_t>(data.size())) + type + data + "CRC!";
  };
  return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", zlib) +
         chunk("IEND", "");
}

TEST(PngImageTest, InflatesAFixedHuffmanStream) {
  std::vector<uint8_t> out;
  std::string error;
  ASSERT_TRUE(inflateZlib(kFixedStream, out, error)) << error;
  EXPECT_EQ(std::string(out.begin(), out.end()), "abcabcabcabc hello hello hello!");
  std::vector<uint8_t> damaged = kFixedStream;
  damaged[8] ^= 0x10;
  EXPECT_FALSE(inflateZlib(damaged, out, error));
}

TEST(PngImageTest, UndoesEveryRowFilter) {
  // 2 × 5 RGB, one row per filter type: none, sub, up, average, Paeth.
  const std::vector<uint8_t> raw = {0, 10, 20, 30, 40,  50,  60,   // none: (10,20,30) (40,50,60)
                                    1, 11, 21, 31, 5,   5,   5,    // sub: (11,21,31) (16,26,36)
                                    2, 1,  1,  1,  250, 250, 250,  // up: (12,22,32) (10,20,30)
                                    3, 6,  11, 16, 1,   2,   3,    // average: (12,22,32) (12,23,34)
                                    4, 0,  0,  0,  1,   1,   1};   // Paeth: (12,22,32) (13,24,35)
  PngImage image;
  std::string error;
  ASSERT_TRUE(decodePng(storedPng(2, 5, 2, raw), image, error)) << error;
  ASSERT_EQ(image.width, 2);
  ASSERT_EQ(image.height, 5);
  const std::vector<uint32_t> expected = {0x0a141eff, 0x28323cff, 0x0b151fff, 0x101a24ff,
                                          0x0c1620ff, 0x0a141eff, 0x0c1620ff, 0x0c1722ff,
                                          0x0c1620ff, 0x0d1823ff};
  EXPECT_EQ(image.pixels, expected);
  EXPECT_EQ(distinctColours(image), 7u);
  EXPECT_FALSE(decodePng("GIF89a", image, error));
}

// --- the iris example end to end ------------------------------------------

std::string viewerBinary() {
  return (std::filesystem::path(MANIFIT_BINARY).parent_path() / "manifit-view").string();
}

// Runs manifit on the iris data in the folder (where its "temp" lands) and
// then manifit-view; returns the page's path.
std::string runIrisExample(const std::string& folder) {
  const std::string source = MANIFIT_SOURCE_DIR;
  const std::string train = "cd '" + folder + "' && '" + MANIFIT_BINARY + "' -d '" + source +
                            "/examples/iris.txt' -i '" + source +
                            "/examples/manifit.ini' -n 1 -o iris.map -dat iris -p iris.proj "
                            "-normdat iris.norm -pcdat iris.pc > manifit.log 2>&1";
  EXPECT_EQ(std::system(train.c_str()), 0) << readWholeFile(folder + "/manifit.log");
  const std::string view = "cd '" + folder + "' && '" + viewerBinary() +
                           "' -map iris.map -normdat iris.norm -p iris.proj -labels '" + source +
                           "/examples/iris-labels.txt' -html iris.html > view.log 2>&1";
  EXPECT_EQ(std::system(view.c_str()), 0) << readWholeFile(folder + "/view.log");
  return folder + "/iris.html";
}

TEST(IrisPageTest, HoldsEveryPointNodeAndEdgeOfTheRun) {
  const std::string folder = freshFolder("iris_page");
  const std::string page = runIrisExample(folder);
  ManifoldFile map;
  const Status status = readManifoldFile(folder + "/iris.map", map);
  ASSERT_TRUE(status.ok()) << status.message;
  std::vector<XmlElement> elements;
  std::string error;
  ASSERT_TRUE(parseXml(readWholeFile(page), elements, error)) << error;
  // Three data views (components 1-2, 1-3, 2-3); the map, the U-matrix and
  // the quality each with one cell per node; four component planes, each a
  // picture.
  EXPECT_EQ(countElements(elements, "circle", "point"), 3 * 150);
  EXPECT_EQ(countElements(elements, "circle", "node"), 3 * map.nodeCount);
  EXPECT_EQ(countElements(elements, "line", "edge"), 3 * map.edgeCount);
  EXPECT_EQ(countElements(elements, "circle", "map-point"), 150);
  EXPECT_EQ(countElements(elements, "rect", "cell"), 3 * map.nodeCount);
  EXPECT_EQ(countElements(elements, "image", "cells-picture"), 4);
  const std::string text = readWholeFile(page);
  EXPECT_NE(text.find("rectangle (simplerectangular), 10 &#215; 10 nodes"), std::string::npos);
  EXPECT_NE(text.find("virginica"), std::string::npos);
  // The page is a function of the files alone.
  const std::string again = "cd '" + folder + "' && '" + viewerBinary() +
                            "' -map iris.map -normdat iris.norm -p iris.proj -labels '" +
                            MANIFIT_SOURCE_DIR +
                            "/examples/iris-labels.txt' -html again.html "
                            "> /dev/null";
  ASSERT_EQ(std::system(again.c_str()), 0);
  EXPECT_EQ(readWholeFile(folder + "/again.html"), text);
}

bool chromiumInstalled() {
  return std::system("command -v chromium > /dev/null 2>&1") == 0;
}

TEST(BrowserTest, IrisPageRendersInHeadlessChromium) {
  if (!chromiumInstalled()) GTEST_SKIP() << "chromium is not installed";
  const std::string folder = freshFolder("iris_browser");
  const std::string page = runIrisExample(folder);
  const std::string png = folder + "/iris.png";
  const std::string command =
      "timeout 300 chromium --headless --no-sandbox --disable-gpu --no-first-run "
      "--disable-background-networking --disable-component-update --disable-sync "
      "--user-data-dir='" +
      folder +
      "/profile' --hide-scrollbars --window-size=1200,800 "
      "--screenshot='" +
      png + "' 'file://" + page + "' > '" + folder + "/chromium.log' 2>&1";
  std::system(command.c_str());  // its status varies with harmless warnings; the file counts
  ASSERT_TRUE(std::filesystem::exists(png)) << readWholeFile(folder + "/chromium.log");
  PngImage image;
  std::string error;
  ASSERT_TRUE(decodePng(readWholeFile(png), image, error)) << error;
  EXPECT_EQ(image.width, 1200);
  EXPECT_EQ(image.height, 800);
  // A blank or failed page has one colour or a few; the drawn one has the
  // label colours, their blends, greys of the cells and text.
  EXPECT_GT(distinctColours(image), 50u);
}

}  // namespace
}  // namespace manifit
