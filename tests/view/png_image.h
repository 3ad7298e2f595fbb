// A minimal PNG reader for the browser test: 8-bit RGB or RGBA, not
// interlaced (what headless Chromium writes for a screenshot). The zlib
// stream is inflated here and checked against its Adler-32 sum, so a decoding
// fault cannot pass unnoticed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace manifit {

struct PngImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xRRGGBBAA, row after row
};

// False with a message when the bytes are no PNG this reader supports.
bool decodePng(const std::string& bytes, PngImage& image, std::string& error);

// Inflates a zlib stream (RFC 1950/1951); false on any fault.
bool inflateZlib(const std::vector<uint8_t>& stream, std::vector<uint8_t>& out, std::string& error);

// The number of distinct pixel values.
size_t distinctColours(const PngImage& image);

}  // namespace manifit
