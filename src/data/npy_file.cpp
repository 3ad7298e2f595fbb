#include "data/npy_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "data/data_table.h"
#include "data/message.h"

namespace manifit {

namespace {

constexpr int64_t kMaxTableValues = 250000000;
constexpr size_t kMaxHeaderBytes = 65536;
const char kMagic[] = "\x93NUMPY";

struct Closer {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

struct NpyHeader {
  size_t dataOffset = 0;
  int itemSize = 4;  // 4 or 8
  bool bigEndian = false;
  bool fortran = false;
  std::vector<int64_t> shape;
};

Status fail(const std::string& name, const std::string& what) {
  return Status::failure("NumPy file " + name + ": " + what + ".\n");
}

// The value of a key in the header's dictionary text, up to the next comma
// at depth 0 (or the closing brace).
bool dictValue(const std::string& dict, const char* key, std::string& value) {
  const std::string quoted1 = std::string("'") + key + "'";
  const std::string quoted2 = std::string("\"") + key + "\"";
  size_t at = dict.find(quoted1);
  size_t length = quoted1.size();
  if (at == std::string::npos) {
    at = dict.find(quoted2);
    length = quoted2.size();
  }
  if (at == std::string::npos) return false;
  size_t p = dict.find(':', at + length);
  if (p == std::string::npos) return false;
  ++p;
  int depth = 0;
  const size_t start = p;
  for (; p < dict.size(); ++p) {
    const char c = dict[p];
    if (c == '(' || c == '[') ++depth;
    if (c == ')' || c == ']') --depth;
    if (depth < 0 || (depth == 0 && (c == ',' || c == '}'))) break;
  }
  value = dict.substr(start, p - start);
  const size_t b = value.find_first_not_of(" \t");
  const size_t e = value.find_last_not_of(" \t");
  value = b == std::string::npos ? "" : value.substr(b, e - b + 1);
  return true;
}

bool parseShape(const std::string& text, std::vector<int64_t>& shape) {
  if (text.size() < 2 || text.front() != '(' || text.back() != ')') return false;
  shape.clear();
  size_t p = 1;
  const size_t end = text.size() - 1;
  while (p < end) {
    while (p < end && (text[p] == ' ' || text[p] == ',')) ++p;
    if (p >= end) break;
    if (text[p] < '0' || text[p] > '9') return false;
    int64_t n = 0;
    while (p < end && text[p] >= '0' && text[p] <= '9') {
      if (n > (int64_t(1) << 40)) return false;
      n = n * 10 + (text[p] - '0');
      ++p;
    }
    shape.push_back(n);
    if (shape.size() > 8) return false;
  }
  return true;
}

Status parseHeader(const std::string& bytes, const std::string& name, NpyHeader& header) {
  if (bytes.size() < 6 || bytes.compare(0, 6, kMagic, 6) != 0)
    return fail(name, "not a .npy file (the magic string is missing)");
  if (bytes.size() < 10) return fail(name, "the header is cut short");
  const unsigned major = static_cast<unsigned char>(bytes[6]);
  size_t length = 0;
  size_t start = 0;
  if (major == 1) {
    length = static_cast<unsigned char>(bytes[8]) |
             (static_cast<size_t>(static_cast<unsigned char>(bytes[9])) << 8);
    start = 10;
  } else if (major == 2 || major == 3) {
    if (bytes.size() < 12) return fail(name, "the header is cut short");
    for (int i = 3; i >= 0; --i)
      length = (length << 8) | static_cast<unsigned char>(bytes[8 + static_cast<size_t>(i)]);
    start = 12;
  } else {
    return fail(name, formatMessage("format version %u is not known", major));
  }
  if (length > kMaxHeaderBytes)
    return fail(name, formatMessage("the header claims %zu bytes; at most %zu are accepted", length,
                                    kMaxHeaderBytes));
  if (bytes.size() < start + length) return fail(name, "the header is cut short");
  const std::string dict = bytes.substr(start, length);
  header.dataOffset = start + length;

  std::string descr, order, shape;
  if (!dictValue(dict, "descr", descr) || !dictValue(dict, "fortran_order", order) ||
      !dictValue(dict, "shape", shape)) {
    return fail(name, "the header lacks descr, fortran_order or shape");
  }
  if (descr.size() == 5 && (descr[0] == '\'' || descr[0] == '"') && descr[4] == descr[0]) {
    descr = descr.substr(1, 3);
  }
  if (descr.size() != 3 || descr[1] != 'f' || (descr[2] != '4' && descr[2] != '8') ||
      (descr[0] != '<' && descr[0] != '>' && descr[0] != '=' && descr[0] != '|')) {
    return fail(name, "the values are of type " + descr.substr(0, 20) +
                          "; only 32- and 64-bit floats ('<f4', '<f8') are read");
  }
  header.itemSize = descr[2] - '0';
  header.bigEndian = descr[0] == '>';
  if (order == "True") {
    header.fortran = true;
  } else if (order == "False") {
    header.fortran = false;
  } else {
    return fail(name, "fortran_order must be True or False");
  }
  if (!parseShape(shape, header.shape))
    return fail(name, "the shape " + shape.substr(0, 40) + " is not a tuple of sizes");
  return Status::success();
}

// Checks the data length against the shape before anything is allocated.
Status checkLength(const std::string& name, const NpyHeader& header, size_t fileSize,
                   int64_t values) {
  const uint64_t need = header.dataOffset + static_cast<uint64_t>(values) * header.itemSize;
  if (fileSize < need) {
    return fail(name, formatMessage("the data is cut short: %lld values need %llu bytes, the file "
                                    "has %zu",
                                    static_cast<long long>(values),
                                    static_cast<unsigned long long>(need), fileSize));
  }
  if (fileSize > need) {
    return fail(name, formatMessage("%llu bytes follow the %lld values of the array",
                                    static_cast<unsigned long long>(fileSize - need),
                                    static_cast<long long>(values)));
  }
  return Status::success();
}

// Where the bytes come from: memory or a file, read piece by piece.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t size() const = 0;
  // Copies n bytes from offset; false when they cannot be read.
  virtual bool read(uint64_t offset, size_t n, char* out) = 0;
};

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(const std::string& bytes) : bytes_(bytes) {}
  uint64_t size() const override { return bytes_.size(); }
  bool read(uint64_t offset, size_t n, char* out) override {
    if (offset + n > bytes_.size()) return false;
    std::memcpy(out, bytes_.data() + offset, n);
    return true;
  }

 private:
  const std::string& bytes_;
};

class FileSource : public ByteSource {
 public:
  bool open(const std::string& path) {
    file_.reset(std::fopen(path.c_str(), "rb"));
    if (!file_ || std::fseek(file_.get(), 0, SEEK_END) != 0) return false;
    const long end = std::ftell(file_.get());
    if (end < 0) return false;
    size_ = static_cast<uint64_t>(end);
    return std::fseek(file_.get(), 0, SEEK_SET) == 0;
  }
  uint64_t size() const override { return size_; }
  bool read(uint64_t offset, size_t n, char* out) override {
    if (offset != position_ && std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) != 0)
      return false;
    const bool ok = std::fread(out, 1, n, file_.get()) == n;
    position_ = offset + n;
    return ok;
  }

 private:
  std::unique_ptr<std::FILE, Closer> file_;
  uint64_t size_ = 0;
  uint64_t position_ = 0;
};

// The header's bytes: the fixed start and the dictionary text.
Status readHeader(ByteSource& source, const std::string& name, NpyHeader& header) {
  const size_t most = static_cast<size_t>(std::min<uint64_t>(source.size(), 12 + kMaxHeaderBytes));
  std::string bytes(most, '\0');
  if (!source.read(0, most, &bytes[0])) return fail(name, "the file can not be read");
  return parseHeader(bytes, name, header);
}

// Reads `count` values in order, rounded once to float each, handing value k
// to store(k, value); false from store stops the reading.
template <typename Store>
Status readValues(ByteSource& source, const std::string& name, const NpyHeader& header,
                  int64_t count, Store store) {
  const uint16_t probe = 1;
  unsigned char first;
  std::memcpy(&first, &probe, 1);
  const bool swap = (first == 1) == header.bigEndian;
  const size_t item = static_cast<size_t>(header.itemSize);
  const int64_t piece = 65536;
  std::vector<char> buffer(static_cast<size_t>(piece) * item);
  for (int64_t done = 0; done < count; done += piece) {
    const int64_t n = std::min(piece, count - done);
    if (!source.read(header.dataOffset + static_cast<uint64_t>(done) * item,
                     static_cast<size_t>(n) * item, buffer.data())) {
      return fail(name, "the data can not be read");
    }
    for (int64_t i = 0; i < n; ++i) {
      unsigned char raw[8];
      std::memcpy(raw, buffer.data() + static_cast<size_t>(i) * item, item);
      if (swap) {
        for (size_t b = 0; b < item / 2; ++b) std::swap(raw[b], raw[item - 1 - b]);
      }
      float value;
      if (item == 4) {
        std::memcpy(&value, raw, 4);
      } else {
        double d;
        std::memcpy(&d, raw, 8);
        value = static_cast<float>(d);
      }
      const Status stored = store(done + i, value);
      if (!stored.ok()) return stored;
    }
  }
  return Status::success();
}

Status tableFrom(ByteSource& source, const std::string& name, DataTable& table) {
  NpyHeader header;
  Status status = readHeader(source, name, header);
  if (!status.ok()) return status;
  if (header.shape.size() != 2) {
    return fail(name, formatMessage("the array has %zu dimensions; a table needs 2 (points, "
                                    "coordinates)",
                                    header.shape.size()));
  }
  const int64_t points = header.shape[0];
  const int64_t columns = header.shape[1];
  if (points < 1 || columns < 1 || points > 2147483647LL || columns > 2147483647LL ||
      points * columns > kMaxTableValues) {
    return fail(name, formatMessage("the shape (%lld, %lld) is no table manifit can hold: both "
                                    "sizes 1 or more, at most %lld values",
                                    static_cast<long long>(points), static_cast<long long>(columns),
                                    static_cast<long long>(kMaxTableValues)));
  }
  status = checkLength(name, header, source.size(), points * columns);
  if (!status.ok()) return status;
  DataTable loaded;
  loaded.allocateRows(static_cast<int>(points), static_cast<int>(columns));
  float* storage = loaded.storage.data();
  status = readValues(source, name, header, points * columns, [&](int64_t k, float value) {
    // Row-major storage: C order is already row after row.
    const int64_t i = header.fortran ? k % points : k / columns;
    const int64_t j = header.fortran ? k / points : k % columns;
    if (!std::isfinite(value)) {
      return fail(name,
                  formatMessage("point %lld, coordinate %lld is not a finite number",
                                static_cast<long long>(i + 1), static_cast<long long>(j + 1)));
    }
    storage[i * columns + j] = value;
    return Status::success();
  });
  if (!status.ok()) return status;
  table = std::move(loaded);
  return Status::success();
}

Status weightsFrom(ByteSource& source, const std::string& name, int count,
                   std::vector<float>& weights) {
  NpyHeader header;
  Status status = readHeader(source, name, header);
  if (!status.ok()) return status;
  const bool column = header.shape.size() == 2 && header.shape[1] == 1;
  if (!(header.shape.size() == 1 || column) || header.shape[0] != count) {
    std::string shape;
    for (int64_t n : header.shape) shape += (shape.empty() ? "" : ", ") + std::to_string(n);
    return fail(name, formatMessage("weights need one value per point, the shape (%i,); the "
                                    "array's shape is (%s)",
                                    count, shape.c_str()));
  }
  status = checkLength(name, header, source.size(), count);
  if (!status.ok()) return status;
  std::vector<float> read(static_cast<size_t>(count));
  float total = 0.0f;
  double wideTotal = 0.0;  // carried in double where a float sum would lose weights
  status = readValues(source, name, header, count, [&](int64_t i, float w) {
    if (!std::isfinite(w) || w < 0.0f) {
      return fail(name, formatMessage("the weight of point %lld is %g; weights must be finite "
                                      "and 0 or more",
                                      static_cast<long long>(i + 1), static_cast<double>(w)));
    }
    read[static_cast<size_t>(i)] = w;
    total += w;
    wideTotal += w;
    return Status::success();
  });
  if (!status.ok()) return status;
  if (largeTable(count)) total = static_cast<float>(wideTotal);
  if (!(total > 0.0f) || !std::isfinite(total)) {
    return fail(name, formatMessage("the weights add up to %g; their total must be a finite "
                                    "number above 0",
                                    static_cast<double>(total)));
  }
  weights = std::move(read);
  return Status::success();
}

}  // namespace

bool isNpyFile(const std::string& path) {
  std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  char magic[6];
  return std::fread(magic, 1, 6, file.get()) == 6 && std::memcmp(magic, kMagic, 6) == 0;
}

Status parseNpyTable(const std::string& bytes, const std::string& name, DataTable& table) {
  MemorySource source(bytes);
  return tableFrom(source, name, table);
}

Status readNpyTable(const std::string& path, DataTable& table) {
  FileSource source;
  if (!source.open(path))
    return Status::failure(formatMessage("File not found: %s.\n", path.c_str()));
  return tableFrom(source, path, table);
}

Status parseNpyWeights(const std::string& bytes, const std::string& name, int count,
                       std::vector<float>& weights) {
  MemorySource source(bytes);
  return weightsFrom(source, name, count, weights);
}

Status readNpyWeights(const std::string& path, int count, std::vector<float>& weights) {
  FileSource source;
  if (!source.open(path))
    return Status::failure(formatMessage("File not found: %s.\n", path.c_str()));
  return weightsFrom(source, path, count, weights);
}

}  // namespace manifit
