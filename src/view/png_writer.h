// Small raster pictures for the page: an RGB image filled with boxes, discs
// and lines, written as a PNG file (8-bit RGB; the zlib stream uses the fixed
// Huffman codes and repeats of the previous byte, which suit pictures of
// flat-coloured cells). Deterministic.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace manifit {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // row after row, three bytes per pixel
};

// A width × height image of one colour (0xRRGGBB).
RgbImage blankImage(int width, int height, uint32_t colour);

// Fills the pixels whose centres lie in [x0, x1) × [y0, y1) (pixel units,
// y pointing down).
void fillBox(RgbImage& image, double x0, double y0, double x1, double y1, uint32_t colour);

// Fills the pixels whose centres lie within radius of (x, y).
void fillDisc(RgbImage& image, double x, double y, double radius, uint32_t colour);

// A line one pixel wide from (x0, y0) to (x1, y1).
void drawLine(RgbImage& image, double x0, double y0, double x1, double y1, uint32_t colour);

// "#rrggbb" as 0xRRGGBB (0 for any other text).
uint32_t colourValue(const std::string& hex);

// The image as the bytes of a PNG file.
std::string encodePng(const RgbImage& image);

}  // namespace manifit
