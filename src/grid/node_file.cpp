// Grid::readNodes: the grid node file, one node per line, values separated by
// blanks and tabs.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "common/input_file.h"
#include "grid/grid.h"
#include "grid/grid_types.h"

namespace manifit {

namespace {

// Lines are read in pieces of at most this many characters; a longer line is
// refused rather than read as two nodes.
constexpr size_t kMaxLineLength = 9999;

// Reads one line without its line end ("\n" or "\r\n"); false at end of file.
// A line longer than kMaxLineLength is cut there and flagged as too long; a
// NUL byte ends the reading and is flagged.
bool readLine(std::FILE* file, std::string& line, bool& tooLong, bool& nulByte) {
  line.clear();
  tooLong = false;
  nulByte = false;
  bool any = false;
  int c;
  while ((c = std::getc(file)) != EOF) {
    any = true;
    if (c == '\n') break;
    if (c == '\0') {
      nulByte = true;
      return true;
    }
    if (line.size() > kMaxLineLength) {
      // The line is refused anyway: stop reading it (it may never end).
      tooLong = true;
      return true;
    }
    line.push_back(static_cast<char>(c));
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > kMaxLineLength) tooLong = true;
  return any;
}

// The tokens of a line, split at blanks and tabs.
std::vector<std::string> splitTokens(const std::string& line) {
  std::vector<std::string> tokens;
  size_t start = 0;
  while (start < line.size()) {
    const size_t begin = line.find_first_not_of(" \t", start);
    if (begin == std::string::npos) break;
    size_t end = line.find_first_of(" \t", begin);
    if (end == std::string::npos) end = line.size();
    tokens.push_back(line.substr(begin, end - begin));
    start = end;
  }
  return tokens;
}

// atof's prefix rule, rounded once to float: the longest numeric prefix counts
// and a token without one reads as 0.
float tokenValue(const std::string& token) {
  return std::strtof(token.c_str(), nullptr);
}

std::string lineMessage(const std::string& path, long long lineNumber, const std::string& text) {
  return "Node file " + path + ", line " + std::to_string(lineNumber) + ": " + text + ".\n";
}

// One line of the file: nothing for a line without tokens, otherwise the node
// of its first `dimension` values, each a finite float.
Status readNodeLine(const std::string& path, long long lineNumber, const std::string& line,
                    int dimension, std::vector<std::vector<float>>& fileNodes) {
  const std::vector<std::string> tokens = splitTokens(line);
  if (tokens.empty()) return Status::success();
  if (static_cast<int>(tokens.size()) < dimension) {
    return Status::failure(lineMessage(path, lineNumber,
                                       "the node has " + std::to_string(tokens.size()) + " of " +
                                           std::to_string(dimension) + " coordinates"));
  }
  std::vector<float> position(static_cast<size_t>(dimension));
  for (size_t i = 0; i < position.size(); ++i) {
    position[i] = tokenValue(tokens[i]);
    if (!std::isfinite(position[i])) {
      return Status::failure(lineMessage(path, lineNumber,
                                         "coordinate " + std::to_string(i + 1) +
                                             " is not a finite number: \"" + tokens[i] + "\""));
    }
  }
  fileNodes.push_back(std::move(position));
  return Status::success();
}

}  // namespace

Status Grid::readNodes(const std::string& path) {
  if (dimension < 1) {
    return Status::failure("Node file " + path + ": the grid dimension is not set.\n");
  }
  const FilePointer file = openInputFile(path);
  if (!file) return Status::failure("Can not open file " + path + "\n");

  // The nodes join the grid only once the whole file has been read.
  std::vector<std::vector<float>> fileNodes;
  std::string line;
  bool tooLong = false;
  bool nulByte = false;
  long long lineNumber = 0;
  while (readLine(file.get(), line, tooLong, nulByte)) {
    ++lineNumber;
    if (nulByte) {
      return Status::failure(
          lineMessage(path, lineNumber, "the file holds a NUL byte, so it is not a text file"));
    }
    if (tooLong) {
      return Status::failure(
          lineMessage(path, lineNumber,
                      "the line is longer than " + std::to_string(kMaxLineLength) + " characters"));
    }
    const Status status = readNodeLine(path, lineNumber, line, dimension, fileNodes);
    if (!status.ok()) return status;
    // A grid of the file's nodes must stay within what a grid can hold.
    const long long total = nodeCount + static_cast<long long>(fileNodes.size());
    if (total > gridNodeLimit() || total * dimension > gridValueLimit()) {
      return Status::failure(
          checkGridCapacity("Node file " + path + " up to line " + std::to_string(lineNumber),
                            total, dimension)
              .message);
    }
  }
  if (fileNodes.empty()) return Status::failure("Node file " + path + " holds no nodes.\n");
  addNodes(std::move(fileNodes));
  return Status::success();
}

void Grid::addNodes(std::vector<std::vector<float>> positions) {
  for (std::vector<float>& position : positions) {
    std::vector<float> coords(3, 0.0f);
    std::copy_n(position.begin(), std::min<size_t>(3, position.size()), coords.begin());
    nodes.push_back(std::move(position));
    gridCoords.push_back(std::move(coords));
  }
  nodeCount = static_cast<int>(nodes.size());
  edgeCount = static_cast<int>(edges.size());
  ribCount = static_cast<int>(ribs.size());
  triangleCount = static_cast<int>(triangles.size());
}

}  // namespace manifit
