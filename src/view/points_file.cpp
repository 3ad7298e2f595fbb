#include "view/points_file.h"

#include <cerrno>
#include <cstdlib>

#include "view/text_lines.h"

namespace manifit {

namespace {

const char* const kResultNames[] = {"part", "node", "u", "v", "w", "squared_distance"};
constexpr size_t kResultCount = 6;

// Splits CSV records (RFC 4180 quoting, LF or CR LF line ends) one at a time.
class CsvRecords {
 public:
  explicit CsvRecords(const std::string& text) : s_(text) {}

  // The next record and the line it starts on; false at the end or on a
  // quoting error (then error() tells it).
  bool next(std::vector<std::string>& fields, int& line) {
    fields.clear();
    if (pos_ >= s_.size()) return false;
    line = line_;
    std::string field;
    bool quoted = false;
    while (pos_ < s_.size()) {
      const char c = s_[pos_++];
      if (quoted) {
        if (c == '"' && pos_ < s_.size() && s_[pos_] == '"') {
          field += '"';
          ++pos_;
        } else if (c == '"') {
          quoted = false;
        } else {
          if (c == '\n') ++line_;
          field += c;
        }
      } else if (c == '"' && field.empty()) {
        quoted = true;
      } else if (c == ',') {
        fields.push_back(std::move(field));
        field.clear();
      } else if (c == '\n' || (c == '\r' && pos_ < s_.size() && s_[pos_] == '\n')) {
        if (c == '\r') ++pos_;
        ++line_;
        break;
      } else {
        field += c;
      }
    }
    if (quoted) {
      error_ = "a quoted field that begins on line " + std::to_string(line) + " never closes";
      return false;
    }
    fields.push_back(std::move(field));
    return true;
  }

  const std::string& error() const { return error_; }

 private:
  const std::string& s_;
  size_t pos_ = 0;
  int line_ = 1;
  std::string error_;
};

bool parseRow(const std::string& text, long long& row) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return false;
  char* end = nullptr;
  errno = 0;
  row = std::strtoll(text.c_str(), &end, 10);
  return *end == '\0' && errno == 0 && row >= 1;
}

Status checkHeader(const std::vector<std::string>& header, const std::string& path) {
  bool ok = header.size() >= kResultCount + 1 && header[0] == "row";
  for (size_t k = 0; ok && k < kResultCount; ++k) {
    ok = header[header.size() - kResultCount + k] == kResultNames[k];
  }
  if (ok) return Status::success();
  return lineError(path, 1,
                   "not a per-point file of manifit -points (the header is row, the text "
                   "columns, then part,node,u,v,w,squared_distance)");
}

// The results of one record; false (with the message) when they do not read.
Status parseLine(const std::vector<std::string>& fields, const std::string& path, int line,
                 int nodeCount, PointLine& out) {
  if (!parseRow(fields[0], out.row)) {
    return lineError(path, line, "the row \"" + fields[0].substr(0, 40) + "\" is not a row number");
  }
  const size_t first = fields.size() - kResultCount;
  out.part = fields[first];
  if (!parseInteger(fields[first + 1], out.node) || out.node < 0 || out.node >= nodeCount) {
    return lineError(path, line,
                     "the node \"" + fields[first + 1].substr(0, 40) +
                         "\" is not a node of the map (0 to " + std::to_string(nodeCount - 1) +
                         ")");
  }
  for (size_t k = 0; k < 3; ++k) {
    if (!parseNumber(fields[first + 2 + k], out.coordinates[k])) {
      return lineError(path, line,
                       std::string("the grid coordinate ") + kResultNames[2 + k] + " \"" +
                           fields[first + 2 + k].substr(0, 40) + "\" is not a finite number");
    }
  }
  return Status::success();
}

}  // namespace

Status parsePointsFile(const std::string& text, const std::string& path, int nodeCount,
                       std::vector<PointLine>& lines) {
  CsvRecords records(text);
  std::vector<std::string> header;
  int line = 0;
  if (!records.next(header, line)) {
    return lineError(path, 0, records.error().empty() ? "the file is empty" : records.error());
  }
  Status status = checkHeader(header, path);
  if (!status.ok()) return status;
  std::vector<PointLine> read;
  std::vector<std::string> fields;
  long long lastRow = 0;
  while (records.next(fields, line)) {
    if (fields.size() == 1 && fields[0].empty()) continue;  // a blank line
    if (fields.size() != header.size()) {
      return lineError(path, line,
                       std::to_string(fields.size()) + " fields, but the header has " +
                           std::to_string(header.size()));
    }
    PointLine entry;
    if (fields[fields.size() - kResultCount] == "dropped") {
      if (!parseRow(fields[0], entry.row)) {
        return lineError(path, line,
                         "the row \"" + fields[0].substr(0, 40) + "\" is not a row number");
      }
    } else {
      status = parseLine(fields, path, line, nodeCount, entry);
      if (!status.ok()) return status;
    }
    if (entry.row <= lastRow) {
      return lineError(path, line,
                       "row " + std::to_string(entry.row) + " comes after row " +
                           std::to_string(lastRow) + "; the rows must increase");
    }
    lastRow = entry.row;
    if (fields[fields.size() - kResultCount] != "dropped") read.push_back(entry);
  }
  if (!records.error().empty()) return lineError(path, 0, records.error());
  lines = std::move(read);
  return Status::success();
}

Status readPointsFile(const std::string& path, int nodeCount, std::vector<PointLine>& lines) {
  std::string text;
  const Status status = readWholeText(path, text);
  if (!status.ok()) return status;
  return parsePointsFile(text, path, nodeCount, lines);
}

Status projectionsOfRows(const std::vector<PointLine>& lines,
                         const std::vector<long long>& rowNumbers, const std::string& pointsPath,
                         const std::string& tablePath, std::vector<Projection>& projections) {
  std::vector<Projection> matched;
  size_t k = 0;
  for (long long row : rowNumbers) {
    if (k < lines.size() && lines[k].row < row) {
      return lineError(pointsPath, 0,
                       "row " + std::to_string(lines[k].row) + " is not a row of " + tablePath);
    }
    if (k >= lines.size() || lines[k].row != row) {
      return lineError(pointsPath, 0,
                       "no results for row " + std::to_string(row) + " of " + tablePath);
    }
    matched.push_back(lines[k].coordinates);
    ++k;
  }
  if (k < lines.size()) {
    return lineError(pointsPath, 0,
                     "row " + std::to_string(lines[k].row) + " is not a row of " + tablePath);
  }
  projections = std::move(matched);
  return Status::success();
}

}  // namespace manifit
