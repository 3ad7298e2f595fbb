// The page's PNG pictures, read back by the tests' own PNG reader.
#include "view/png_writer.h"

#include <gtest/gtest.h>

#include "view/png_image.h"

namespace manifit {
namespace {

uint32_t pixel(const PngImage& image, int x, int y) {
  return image.pixels[static_cast<size_t>(y) * static_cast<size_t>(image.width) +
                      static_cast<size_t>(x)] >>
         8;
}

TEST(PngWriterTest, BoxesDiscsAndLinesReadBackPixelForPixel) {
  // 300 pixels wide: rows longer than the longest repeat (258 bytes), runs
  // of one colour, rows equal to the one above and rows that differ.
  RgbImage image = blankImage(300, 40, 0xFFFFFF);
  fillBox(image, 0, 0, 150, 20, 0x440154);
  fillBox(image, 150, 0, 300, 20, 0xFDE725);
  fillBox(image, 10.4, 30.6, 12.6, 33.4, 0x123456);  // centres 10.5 … 11.5, 31.5 … 32.5
  fillDisc(image, 200, 30, 4, 0x00FF00);
  drawLine(image, 0, 39.5, 299.9, 39.5, 0x888888);
  for (int x = 0; x < 300; x += 7) fillBox(image, x, 25, x + 1, 26, static_cast<uint32_t>(x));
  PngImage read;
  std::string error;
  ASSERT_TRUE(decodePng(encodePng(image), read, error)) << error;
  ASSERT_EQ(read.width, 300);
  ASSERT_EQ(read.height, 40);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 300; ++x) {
      const size_t at = (static_cast<size_t>(y) * 300 + static_cast<size_t>(x)) * 3;
      const uint32_t written =
          (uint32_t{image.rgb[at]} << 16) | (uint32_t{image.rgb[at + 1]} << 8) | image.rgb[at + 2];
      ASSERT_EQ(pixel(read, x, y), written) << x << ", " << y;
    }
  }
  EXPECT_EQ(pixel(read, 149, 19), 0x440154u);
  EXPECT_EQ(pixel(read, 150, 0), 0xFDE725u);
  EXPECT_EQ(pixel(read, 10, 31), 0x123456u);
  EXPECT_EQ(pixel(read, 12, 31), 0x123456u);
  EXPECT_EQ(pixel(read, 13, 31), 0xFFFFFFu);
  EXPECT_EQ(pixel(read, 11, 33), 0xFFFFFFu);
  EXPECT_EQ(pixel(read, 200, 30), 0x00FF00u);
  EXPECT_EQ(pixel(read, 205, 30), 0xFFFFFFu);
  EXPECT_EQ(pixel(read, 123, 39), 0x888888u);
  // Shapes beyond the picture are clipped, never written outside it.
  fillBox(image, -50, -50, 1e9, 1e9, 0x010203);
  fillDisc(image, -1e6, 5, 3, 0x010203);
  drawLine(image, -1e12, 0, 1e12, 0, 0x010203);
  ASSERT_TRUE(decodePng(encodePng(image), read, error)) << error;
  EXPECT_EQ(pixel(read, 299, 39), 0x010203u);
  EXPECT_EQ(colourValue("#fde725"), 0xFDE725u);
  EXPECT_EQ(colourValue("fde725"), 0u);
}

}  // namespace
}  // namespace manifit
