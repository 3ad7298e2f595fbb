#include "view/png_image.h"

#include <cstdlib>
#include <set>

namespace manifit {

namespace {

struct Bits {
  const std::vector<uint8_t>& data;
  size_t byte = 0;
  int bit = 0;
  bool overrun = false;

  int take(int count) {
    int value = 0;
    for (int i = 0; i < count; ++i) {
      if (byte >= data.size()) {
        overrun = true;
        return 0;
      }
      value |= ((data[byte] >> bit) & 1) << i;
      if (++bit == 8) {
        bit = 0;
        ++byte;
      }
    }
    return value;
  }
  void alignToByte() {
    if (bit != 0) {
      bit = 0;
      ++byte;
    }
  }
};

// A canonical Huffman code: how many codes of each length, and the symbols
// in code order.
struct Huffman {
  int counts[16] = {};
  std::vector<int> symbols;
};

Huffman buildHuffman(const int* lengths, int n) {
  Huffman code;
  for (int i = 0; i < n; ++i) ++code.counts[lengths[i]];
  code.counts[0] = 0;
  int offsets[16] = {};
  for (int len = 1; len < 15; ++len) offsets[len + 1] = offsets[len] + code.counts[len];
  code.symbols.assign(static_cast<size_t>(n), 0);
  for (int i = 0; i < n; ++i) {
    if (lengths[i] != 0) code.symbols[static_cast<size_t>(offsets[lengths[i]]++)] = i;
  }
  return code;
}

// Reads one symbol, most significant code bit first; -1 on a bad code.
int decodeSymbol(Bits& bits, const Huffman& code) {
  int value = 0;
  int first = 0;
  int index = 0;
  for (int len = 1; len < 16; ++len) {
    value |= bits.take(1);
    const int count = code.counts[len];
    if (value - count < first) return code.symbols[static_cast<size_t>(index + value - first)];
    index += count;
    first += count;
    first <<= 1;
    value <<= 1;
  }
  return -1;
}

const int kLengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                           31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const int kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                            2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const int kDistanceBase[] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                             33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                             1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const int kDistanceExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                              6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

bool inflateCodes(Bits& bits, const Huffman& lengths, const Huffman& distances,
                  std::vector<uint8_t>& out, std::string& error) {
  while (true) {
    const int symbol = decodeSymbol(bits, lengths);
    if (symbol < 0 || bits.overrun) return error = "bad literal/length code", false;
    if (symbol < 256) {
      out.push_back(static_cast<uint8_t>(symbol));
      continue;
    }
    if (symbol == 256) return true;
    const int l = symbol - 257;
    if (l >= 29) return error = "bad length symbol", false;
    const int length = kLengthBase[l] + bits.take(kLengthExtra[l]);
    const int d = decodeSymbol(bits, distances);
    if (d < 0 || d >= 30 || bits.overrun) return error = "bad distance code", false;
    const size_t distance = static_cast<size_t>(kDistanceBase[d] + bits.take(kDistanceExtra[d]));
    if (distance > out.size()) return error = "distance before the start", false;
    for (int i = 0; i < length; ++i) out.push_back(out[out.size() - distance]);
  }
}

bool dynamicCodes(Bits& bits, Huffman& lengths, Huffman& distances, std::string& error) {
  const int literalCount = bits.take(5) + 257;
  const int distanceCount = bits.take(5) + 1;
  const int codeCount = bits.take(4) + 4;
  static const int order[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
  int codeLengths[19] = {};
  for (int i = 0; i < codeCount; ++i) codeLengths[order[i]] = bits.take(3);
  const Huffman lengthCode = buildHuffman(codeLengths, 19);
  int all[320] = {};
  int filled = 0;
  while (filled < literalCount + distanceCount) {
    const int symbol = decodeSymbol(bits, lengthCode);
    if (symbol < 0 || bits.overrun) return error = "bad code-length code", false;
    if (symbol < 16) {
      all[filled++] = symbol;
      continue;
    }
    int repeat = 0;
    int value = 0;
    if (symbol == 16) {
      if (filled == 0) return error = "repeat without a previous length", false;
      value = all[filled - 1];
      repeat = 3 + bits.take(2);
    } else if (symbol == 17) {
      repeat = 3 + bits.take(3);
    } else {
      repeat = 11 + bits.take(7);
    }
    if (filled + repeat > literalCount + distanceCount) return error = "too many lengths", false;
    for (int i = 0; i < repeat; ++i) all[filled++] = value;
  }
  lengths = buildHuffman(all, literalCount);
  distances = buildHuffman(all + literalCount, distanceCount);
  return true;
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

uint32_t bigEndian(const std::string& bytes, size_t at) {
  return (static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) << 24) |
         (static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 16) |
         (static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 8) |
         static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3]));
}

int paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a);
  const int pb = std::abs(p - b);
  const int pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

}  // namespace

bool inflateZlib(const std::vector<uint8_t>& stream, std::vector<uint8_t>& out,
                 std::string& error) {
  out.clear();
  if (stream.size() < 6 || (stream[0] & 0x0F) != 8 || ((stream[0] << 8) | stream[1]) % 31 != 0) {
    return error = "no zlib header", false;
  }
  Bits bits{stream, 2, 0, false};
  bool last = false;
  while (!last) {
    last = bits.take(1) == 1;
    const int type = bits.take(2);
    if (type == 0) {
      bits.alignToByte();
      if (bits.byte + 4 > stream.size()) return error = "truncated stored block", false;
      const size_t length = stream[bits.byte] | (stream[bits.byte + 1] << 8);
      const size_t check = stream[bits.byte + 2] | (stream[bits.byte + 3] << 8);
      if ((length ^ 0xFFFF) != check) return error = "bad stored length", false;
      bits.byte += 4;
      if (bits.byte + length > stream.size()) return error = "truncated stored block", false;
      out.insert(out.end(), stream.begin() + static_cast<long>(bits.byte),
                 stream.begin() + static_cast<long>(bits.byte + length));
      bits.byte += length;
    } else if (type == 1) {
      int fixed[288];
      for (int i = 0; i < 288; ++i) fixed[i] = i < 144 ? 8 : i < 256 ? 9 : i < 280 ? 7 : 8;
      int fixedDistances[30];
      for (int& length : fixedDistances) length = 5;
      if (!inflateCodes(bits, buildHuffman(fixed, 288), buildHuffman(fixedDistances, 30), out,
                        error)) {
        return false;
      }
    } else if (type == 2) {
      Huffman lengths;
      Huffman distances;
      if (!dynamicCodes(bits, lengths, distances, error)) return false;
      if (!inflateCodes(bits, lengths, distances, out, error)) return false;
    } else {
      return error = "reserved block type", false;
    }
    if (bits.overrun) return error = "truncated stream", false;
  }
  bits.alignToByte();
  if (bits.byte + 4 > stream.size()) return error = "no Adler-32 sum", false;
  const uint32_t expected = (static_cast<uint32_t>(stream[bits.byte]) << 24) |
                            (static_cast<uint32_t>(stream[bits.byte + 1]) << 16) |
                            (static_cast<uint32_t>(stream[bits.byte + 2]) << 8) |
                            stream[bits.byte + 3];
  if (adler32(out) != expected) return error = "Adler-32 sum does not match", false;
  return true;
}

bool decodePng(const std::string& bytes, PngImage& image, std::string& error) {
  static const char signature[] = "\x89PNG\r\n\x1a\n";
  if (bytes.compare(0, 8, signature, 8) != 0) return error = "no PNG signature", false;
  std::vector<uint8_t> compressed;
  int channels = 0;
  bool ended = false;
  for (size_t at = 8; !ended;) {
    if (at + 12 > bytes.size()) return error = "truncated chunk", false;
    const size_t length = bigEndian(bytes, at);
    const std::string type = bytes.substr(at + 4, 4);
    if (at + 12 + length > bytes.size()) return error = "truncated chunk " + type, false;
    const size_t data = at + 8;
    if (type == "IHDR") {
      image.width = static_cast<int>(bigEndian(bytes, data));
      image.height = static_cast<int>(bigEndian(bytes, data + 4));
      const int depth = static_cast<uint8_t>(bytes[data + 8]);
      const int colour = static_cast<uint8_t>(bytes[data + 9]);
      const int interlace = static_cast<uint8_t>(bytes[data + 12]);
      if (depth != 8 || (colour != 2 && colour != 6) || interlace != 0) {
        return error = "unsupported PNG kind", false;
      }
      if (image.width <= 0 || image.height <= 0 || image.width > 20000 || image.height > 20000) {
        return error = "bad image size", false;
      }
      channels = colour == 6 ? 4 : 3;
    } else if (type == "IDAT") {
      compressed.insert(compressed.end(), bytes.begin() + static_cast<long>(data),
                        bytes.begin() + static_cast<long>(data + length));
    } else if (type == "IEND") {
      ended = true;
    }
    at = data + length + 4;
  }
  if (channels == 0) return error = "no IHDR chunk", false;
  std::vector<uint8_t> raw;
  if (!inflateZlib(compressed, raw, error)) return false;
  const size_t stride = static_cast<size_t>(image.width) * static_cast<size_t>(channels);
  if (raw.size() != static_cast<size_t>(image.height) * (stride + 1)) {
    return error = "image data of the wrong size", false;
  }
  // Undo the per-row filters in place.
  std::vector<uint8_t> previous(stride, 0);
  image.pixels.clear();
  for (int y = 0; y < image.height; ++y) {
    uint8_t* row = raw.data() + static_cast<size_t>(y) * (stride + 1);
    const int filter = row[0];
    uint8_t* line = row + 1;
    for (size_t i = 0; i < stride; ++i) {
      const int a =
          i >= static_cast<size_t>(channels) ? line[i - static_cast<size_t>(channels)] : 0;
      const int b = previous[i];
      const int c =
          i >= static_cast<size_t>(channels) ? previous[i - static_cast<size_t>(channels)] : 0;
      int predictor = 0;
      switch (filter) {
        case 0:
          break;
        case 1:
          predictor = a;
          break;
        case 2:
          predictor = b;
          break;
        case 3:
          predictor = (a + b) / 2;
          break;
        case 4:
          predictor = paeth(a, b, c);
          break;
        default:
          return error = "bad filter type", false;
      }
      line[i] = static_cast<uint8_t>(line[i] + predictor);
    }
    previous.assign(line, line + stride);
    for (int x = 0; x < image.width; ++x) {
      const uint8_t* p = line + static_cast<size_t>(x) * static_cast<size_t>(channels);
      const uint32_t alpha = channels == 4 ? p[3] : 255;
      image.pixels.push_back((static_cast<uint32_t>(p[0]) << 24) |
                             (static_cast<uint32_t>(p[1]) << 16) |
                             (static_cast<uint32_t>(p[2]) << 8) | alpha);
    }
  }
  return true;
}

size_t distinctColours(const PngImage& image) {
  return std::set<uint32_t>(image.pixels.begin(), image.pixels.end()).size();
}

}  // namespace manifit
