#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "view/page_views.h"
#include "view/svg_text.h"

namespace manifit {

namespace {

std::string jsNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.7g", value);
  return buffer;
}

std::string jsNumber(const std::optional<double>& value) {
  return value ? jsNumber(*value) : std::string("null");
}

// A JavaScript string literal that is safe inside a script element of an
// XHTML page (no "<", ">" or "&" appear literally).
std::string jsString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == '<' || c == '>' || c == '&' || c == 0x7f) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

template <typename T, typename F>
std::string jsArray(const std::vector<T>& values, F each) {
  std::string out = "[";
  for (size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out += ",";
    out += each(values[i]);
  }
  return out + "]";
}

std::string base64Bytes(const std::vector<uint8_t>& bytes) {
  return base64(bytes.data(), bytes.size());
}

// Little-endian unsigned integers of `width` bytes.
void appendUnsigned(std::vector<uint8_t>& bytes, uint32_t value, int width) {
  for (int k = 0; k < width; ++k) bytes.push_back(static_cast<uint8_t>(value >> (8 * k)));
}

uint32_t quantize(double value, double low, double high) {
  if (!(high > low)) return 0;
  return static_cast<uint32_t>(std::lround(scalePosition({low, high}, value) * 65535));
}

// Values of `columns` coordinates per point, each quantized to 16 bits over
// its range; "{data:..., lo:[...], hi:[...]}".
template <typename Row>
std::string quantizedColumns(const std::vector<Row>& rows, size_t columns) {
  std::vector<double> low(columns, 0.0);
  std::vector<double> high(columns, 0.0);
  for (size_t c = 0; c < columns; ++c) {
    for (size_t p = 0; p < rows.size(); ++p) {
      const double v = rows[p][c];
      if (p == 0 || v < low[c]) low[c] = v;
      if (p == 0 || v > high[c]) high[c] = v;
    }
  }
  std::vector<uint8_t> bytes;
  bytes.reserve(rows.size() * columns * 2);
  for (const Row& row : rows) {
    for (size_t c = 0; c < columns; ++c)
      appendUnsigned(bytes, quantize(row[c], low[c], high[c]), 2);
  }
  auto each = [](double v) { return jsNumber(v); };
  return "{\"data\":\"" + base64Bytes(bytes) + "\",\"lo\":" + jsArray(low, each) +
         ",\"hi\":" + jsArray(high, each) + "}";
}

std::string frameArray(const PlotFrame& f) {
  return "[" + jsNumber(f.left) + "," + jsNumber(f.top) + "," + jsNumber(f.width) + "," +
         jsNumber(f.height) + "," + jsNumber(f.xMin) + "," + jsNumber(f.xMax) + "," +
         jsNumber(f.yMin) + "," + jsNumber(f.yMax) + "]";
}

std::string pointsPayload(const PageData& page, const PointStyle& style) {
  const size_t n = page.pointScores.size();
  std::string out = "{\"count\":" + std::to_string(n) + ",\"step\":" + std::to_string(style.step) +
                    ",\"large\":" + (style.step > 1 ? "true" : "false");
  out += ",\"score\":" + quantizedColumns(page.pointScores, 3);
  std::vector<std::array<double, 2>> places;
  for (const PlanePoint& p : page.map.points) places.push_back({p.x, p.y});
  out += ",\"map\":" + quantizedColumns(places, 2);
  std::vector<uint8_t> bytes;
  bytes.reserve(n * 4);
  for (int node : page.nearest) appendUnsigned(bytes, static_cast<uint32_t>(node), 4);
  out += ",\"nearest\":\"" + base64Bytes(bytes) + "\"";
  if (!style.classes.empty()) {
    bytes.clear();
    for (int c : style.classes) appendUnsigned(bytes, static_cast<uint32_t>(c), 2);
    out += ",\"cls\":\"" + base64Bytes(bytes) + "\"";
  }
  if (style.numeric) {
    bytes.clear();
    for (double v : page.colourValues)
      appendUnsigned(bytes, quantize(v, style.scale.low, style.scale.high), 2);
    out += ",\"value\":\"" + base64Bytes(bytes) + "\",\"valueLow\":" + jsNumber(style.scale.low) +
           ",\"valueHigh\":" + jsNumber(style.scale.high);
  }
  if (!page.pointIds.empty()) {
    out += ",\"ids\":" + jsArray(page.pointIds, [](const std::string& s) { return jsString(s); });
  }
  return out + "}";
}

}  // namespace

std::string base64(const uint8_t* bytes, size_t size) {
  static const char* const kDigits =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((size + 2) / 3 * 4);
  for (size_t i = 0; i < size; i += 3) {
    const uint32_t a = bytes[i];
    const uint32_t b = i + 1 < size ? bytes[i + 1] : 0;
    const uint32_t c = i + 2 < size ? bytes[i + 2] : 0;
    const uint32_t triple = (a << 16) | (b << 8) | c;
    out += kDigits[(triple >> 18) & 63];
    out += kDigits[(triple >> 12) & 63];
    out += i + 1 < size ? kDigits[(triple >> 6) & 63] : '=';
    out += i + 2 < size ? kDigits[triple & 63] : '=';
  }
  return out;
}

std::string base64(const std::string& bytes) {
  return base64(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

std::string pagePayload(const PageData& page, const PointStyle& style,
                        const std::vector<PlotFrame>& dataFrames, const PlotFrame& map) {
  auto number = [](const auto& v) { return jsNumber(v); };
  auto text = [](const std::string& s) { return jsString(s); };
  std::string out = "window.MANIFIT_DATA = {\n";
  out += "\"nodes\":" + std::to_string(page.nodeCount) + ",\n";
  out += "\"counts\":" + jsArray(page.nodeCounts, [](int c) { return std::to_string(c); }) + ",\n";
  out += "\"umatrix\":" + jsArray(page.uMatrix, number) + ",\n";
  out += "\"quality\":" + jsArray(page.quality, number) + ",\n";
  out += "\"columns\":" + jsArray(page.columns, text) + ",\n";
  out += "\"units\":" + jsString(page.valueUnits) + ",\n";
  out += "\"values\":" +
         jsArray(page.nodeValues,
                 [&](const std::vector<double>& values) { return jsArray(values, number); }) +
         ",\n";
  out += "\"labels\":" + jsArray(style.distinct, text) + ",\n";
  out += "\"colourName\":" + jsString(page.colourName) + ",\n";
  std::vector<std::string> palette;
  for (size_t i = 0; i < 10; ++i) palette.push_back(categoryColour(i));
  out += "\"palette\":" + jsArray(palette, text) + ",\n";
  std::vector<std::string> sequence;
  for (int i = 0; i <= 8; ++i) sequence.push_back(sequenceColour(i / 8.0));
  out += "\"sequence\":" + jsArray(sequence, text) + ",\n";
  out += "\"mapAxes\":[" + jsString(page.map.xLabel) + "," + jsString(page.map.yLabel) + "],\n";
  out += "\"strip\":" + std::string(page.map.strip ? "true" : "false") + ",\n";
  const char* const pairs[] = {"12", "13", "23"};
  out += "\"frames\":{\"data\":[";
  for (size_t i = 0; i < dataFrames.size(); ++i) {
    if (i > 0) out += ",";
    out += "{\"pair\":\"" + std::string(pairs[i]) + "\",\"box\":" + frameArray(dataFrames[i]) + "}";
  }
  out += "],\"map\":" + frameArray(map) + "},\n";
  // The component planes are pictures: where each node lies on them.
  out += "\"planes\":{\"discs\":" + std::string(page.map.discs ? "true" : "false") +
         ",\"shapes\":" +
         jsArray(nodeShapesInPixels(page, planeFrame(page)),
                 [](const std::array<double, 4>& shape) {
                   return jsArray(std::vector<double>(shape.begin(), shape.end()),
                                  [](double v) { return manifit::number(v); });
                 }) +
         "},\n";
  out += "\"points\":" + pointsPayload(page, style) + "\n};\n";
  return out;
}

}  // namespace manifit
