#include "view/png_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace manifit {

namespace {

void setPixel(RgbImage& image, int x, int y, uint32_t colour) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
  const size_t at =
      (static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)) * 3;
  image.rgb[at] = static_cast<uint8_t>(colour >> 16);
  image.rgb[at + 1] = static_cast<uint8_t>(colour >> 8);
  image.rgb[at + 2] = static_cast<uint8_t>(colour);
}

// The first pixel index whose centre is at or after position v, within [0, limit].
int firstCentreFrom(double v, int limit) {
  const double i = std::ceil(v - 0.5);
  if (!(i > 0)) return 0;
  return i >= limit ? limit : static_cast<int>(i);
}

// Bits written from the lowest up, as deflate packs them.
class BitWriter {
 public:
  void bits(uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
      if (used_ == 0) bytes.push_back(0);
      if ((value >> i) & 1u) bytes.back() = static_cast<uint8_t>(bytes.back() | (1u << used_));
      used_ = (used_ + 1) % 8;
    }
  }
  // A Huffman code, its first bit the highest.
  void code(uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) bits((value >> i) & 1u, 1);
  }
  std::vector<uint8_t> bytes;

 private:
  int used_ = 0;
};

// The fixed Huffman code of a literal or length symbol (0-287).
void symbol(BitWriter& out, int s) {
  if (s < 144) {
    out.code(0x30 + static_cast<uint32_t>(s), 8);
  } else if (s < 256) {
    out.code(0x190 + static_cast<uint32_t>(s - 144), 9);
  } else if (s < 280) {
    out.code(static_cast<uint32_t>(s - 256), 7);
  } else {
    out.code(0xC0 + static_cast<uint32_t>(s - 280), 8);
  }
}

const int kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const int kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};

// A repeat of the previous byte, `length` (3-258) times: distance 1.
void repeat(BitWriter& out, int length) {
  int k = 28;
  while (kLengthBase[k] > length) --k;
  symbol(out, 257 + k);
  out.bits(static_cast<uint32_t>(length - kLengthBase[k]), kLengthExtra[k]);
  out.code(0, 5);  // distance code 0: distance 1
}

// One fixed-Huffman block holding the data: literals, and repeats of the
// previous byte for runs of four or more.
std::vector<uint8_t> deflateFixed(const std::vector<uint8_t>& data) {
  BitWriter out;
  out.bits(1, 1);  // the last block
  out.bits(1, 2);  // fixed Huffman codes
  size_t i = 0;
  while (i < data.size()) {
    symbol(out, data[i]);
    size_t run = 0;
    while (i + 1 + run < data.size() && data[i + 1 + run] == data[i] && run < 258) ++run;
    if (run >= 3) {
      repeat(out, static_cast<int>(run));
      i += 1 + run;
    } else {
      ++i;
    }
  }
  symbol(out, 256);
  return out.bytes;
}

uint32_t adler32(const std::vector<uint8_t>& data) {
  uint32_t a = 1;
  uint32_t b = 0;
  for (uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

std::array<uint32_t, 256> crcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

uint32_t crc32(const std::string& bytes) {
  static const std::array<uint32_t, 256> table = crcTable();
  uint32_t c = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) c = table[(c ^ byte) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void appendBigEndian(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void chunk(std::string& out, const char* type, const std::string& data) {
  appendBigEndian(out, static_cast<uint32_t>(data.size()));
  const std::string typed = std::string(type) + data;
  out += typed;
  appendBigEndian(out, crc32(typed));
}

// The filtered rows: a row equal to the one above is all zeros under the
// "up" filter; any other row takes the "sub" filter (each byte less the one
// a pixel before), which turns a run of one colour into zeros.
std::vector<uint8_t> filteredRows(const RgbImage& image) {
  const size_t stride = static_cast<size_t>(image.width) * 3;
  std::vector<uint8_t> rows;
  rows.reserve((stride + 1) * static_cast<size_t>(image.height));
  for (size_t y = 0; y < static_cast<size_t>(image.height); ++y) {
    const uint8_t* row = image.rgb.data() + y * stride;
    if (y > 0 && std::equal(row, row + stride, row - stride)) {
      rows.push_back(2);
      rows.insert(rows.end(), stride, 0);
      continue;
    }
    rows.push_back(1);
    for (size_t i = 0; i < stride; ++i) {
      rows.push_back(static_cast<uint8_t>(row[i] - (i >= 3 ? row[i - 3] : 0)));
    }
  }
  return rows;
}

}  // namespace

RgbImage blankImage(int width, int height, uint32_t colour) {
  RgbImage image;
  image.width = std::max(width, 1);
  image.height = std::max(height, 1);
  image.rgb.resize(static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 3);
  for (size_t p = 0; p < image.rgb.size(); p += 3) {
    image.rgb[p] = static_cast<uint8_t>(colour >> 16);
    image.rgb[p + 1] = static_cast<uint8_t>(colour >> 8);
    image.rgb[p + 2] = static_cast<uint8_t>(colour);
  }
  return image;
}

void fillBox(RgbImage& image, double x0, double y0, double x1, double y1, uint32_t colour) {
  const int left = firstCentreFrom(x0, image.width);
  const int right = firstCentreFrom(x1, image.width);
  const int top = firstCentreFrom(y0, image.height);
  const int bottom = firstCentreFrom(y1, image.height);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) setPixel(image, x, y, colour);
  }
}

void fillDisc(RgbImage& image, double x, double y, double radius, uint32_t colour) {
  const int left = firstCentreFrom(x - radius, image.width);
  const int right = firstCentreFrom(x + radius, image.width);
  const int top = firstCentreFrom(y - radius, image.height);
  const int bottom = firstCentreFrom(y + radius, image.height);
  for (int py = top; py <= bottom && py < image.height; ++py) {
    for (int px = left; px <= right && px < image.width; ++px) {
      const double dx = px + 0.5 - x;
      const double dy = py + 0.5 - y;
      if (dx * dx + dy * dy <= radius * radius) setPixel(image, px, py, colour);
    }
  }
}

void drawLine(RgbImage& image, double x0, double y0, double x1, double y1, uint32_t colour) {
  const double steps = std::ceil(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0)));
  if (!(steps < 1e5)) return;  // off any picture of the page
  const int n = std::max(static_cast<int>(steps), 1);
  for (int i = 0; i <= n; ++i) {
    const double t = static_cast<double>(i) / n;
    setPixel(image, static_cast<int>(std::floor(x0 + (x1 - x0) * t)),
             static_cast<int>(std::floor(y0 + (y1 - y0) * t)), colour);
  }
}

uint32_t colourValue(const std::string& hex) {
  if (hex.size() != 7 || hex[0] != '#') return 0;
  char* end = nullptr;
  const unsigned long value = std::strtoul(hex.c_str() + 1, &end, 16);
  return *end == '\0' ? static_cast<uint32_t>(value) : 0;
}

std::string encodePng(const RgbImage& image) {
  std::string png("\x89PNG\r\n\x1a\n", 8);
  std::string header;
  appendBigEndian(header, static_cast<uint32_t>(image.width));
  appendBigEndian(header, static_cast<uint32_t>(image.height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB, not interlaced
  chunk(png, "IHDR", header);
  const std::vector<uint8_t> rows = filteredRows(image);
  std::string stream("\x78\x01", 2);
  const std::vector<uint8_t> deflated = deflateFixed(rows);
  stream.append(deflated.begin(), deflated.end());
  appendBigEndian(stream, adler32(rows));
  chunk(png, "IDAT", stream);
  chunk(png, "IEND", "");
  return png;
}

}  // namespace manifit
