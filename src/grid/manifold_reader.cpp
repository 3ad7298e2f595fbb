// Grid::readManifold: a manifold description file (as writeManifold writes
// it) read back into a grid. The file streams word by word; every count is
// checked against the grid limits and every list entry against the node
// count before it is kept, and the lists grow only as their words arrive.
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "data/text_words.h"
#include "data/word_stream.h"
#include "grid/grid.h"
#include "grid/grid_types.h"

namespace manifit {

namespace {

// The most edges, ribs or triangles a file may declare.
constexpr long long kMaxPieces = kMaxGridValues;

class ManifoldWords {
 public:
  explicit ManifoldWords(const std::string& path) : path_(path) {}

  bool open() { return words_.open(path_); }

  Status fail(const std::string& what) const {
    return Status::failure("Manifold file " + path_ + ", line " + std::to_string(words_.line) +
                           ": " + what + ".\n");
  }

  // Skips to the words "#" "key"; false when the file ends first.
  bool seek(const char* key) {
    const char* word = nullptr;
    size_t length = 0;
    bool hash = false;
    while (words_.next(word, length)) {
      if (hash && std::string(word, length) == key) return true;
      hash = length == 1 && word[0] == '#';
    }
    return false;
  }

  bool nextInt(int& value) {
    const char* word = nullptr;
    size_t length = 0;
    return words_.next(word, length) && parseIntWord(word, length, value);
  }

  bool nextFloat(float& value) {
    const char* word = nullptr;
    size_t length = 0;
    return words_.next(word, length) && parseFloatFast(word, length, value) && std::isfinite(value);
  }

 private:
  std::string path_;
  WordStream words_;
};

struct Counts {
  int dimension = 0;
  int nodes = 0;
  int edges = 0;
  int ribs = 0;
  int triangles = 0;
};

Status readCount(ManifoldWords& in, const char* key, int least, long long most, int& count) {
  if (!in.seek(key)) return in.fail(std::string("the section # ") + key + " is missing");
  if (!in.nextInt(count) || count < least || count > most) {
    return in.fail(std::string("the count of # ") + key + " is not a whole number from " +
                   std::to_string(least) + " to " + std::to_string(most));
  }
  return Status::success();
}

Status readCounts(ManifoldWords& in, Counts& c) {
  Status s = readCount(in, "DIMENSION", 1, gridValueLimit(), c.dimension);
  if (s.ok()) s = readCount(in, "NODES", 1, gridNodeLimit(), c.nodes);
  if (s.ok() && static_cast<long long>(c.nodes) * c.dimension > gridValueLimit()) {
    s = in.fail(std::to_string(c.nodes) + " nodes of " + std::to_string(c.dimension) +
                " coordinates are more than a grid can hold");
  }
  if (s.ok()) s = readCount(in, "EDGES", 0, kMaxPieces, c.edges);
  if (s.ok()) s = readCount(in, "RIBS", 0, kMaxPieces, c.ribs);
  if (s.ok()) s = readCount(in, "TRIANGLES", 0, kMaxPieces, c.triangles);
  return s;
}

// count rows of `width` values each, floats appended to out.
Status readFloats(ManifoldWords& in, const char* key, long long count, std::vector<float>& out) {
  if (!in.seek(key)) return in.fail(std::string("the section # ") + key + " is missing");
  for (long long i = 0; i < count; ++i) {
    float value = 0.0f;
    if (!in.nextFloat(value)) {
      return in.fail(std::string("value ") + std::to_string(i + 1) + " of # " + key +
                     " is missing or not a finite number");
    }
    out.push_back(value);
  }
  return Status::success();
}

// count lists of N node indices, each below nodes.
template <size_t N>
Status readLists(ManifoldWords& in, const char* key, int count, int nodes,
                 std::vector<std::array<int, N>>& out) {
  if (!in.seek(key)) return in.fail(std::string("the section # ") + key + " is missing");
  for (int i = 0; i < count; ++i) {
    std::array<int, N> entry{};
    for (size_t k = 0; k < N; ++k) {
      if (!in.nextInt(entry[k]) || entry[k] < 0 || entry[k] >= nodes) {
        return in.fail(std::string("entry ") + std::to_string(i + 1) + " of # " + key +
                       " does not hold " + std::to_string(N) + " node numbers below " +
                       std::to_string(nodes));
      }
    }
    out.push_back(entry);
  }
  return Status::success();
}

}  // namespace

Status Grid::readManifold(const std::string& path) {
  ManifoldWords in(path);
  if (!in.open()) return Status::failure("Can not open file " + path + "\n");
  Counts c;
  Status s = readCounts(in, c);
  std::vector<float> values;
  if (s.ok())
    s = readFloats(in, "GRIDNODES", static_cast<long long>(c.nodes) * c.dimension, values);
  std::vector<std::array<int, 2>> readEdges;
  std::vector<std::array<int, 3>> readRibs;
  std::vector<std::array<int, 3>> readTriangles;
  if (s.ok()) s = readLists(in, "GRIDEDGES", c.edges, c.nodes, readEdges);
  if (s.ok()) s = readLists(in, "GRIDRIBS", c.ribs, c.nodes, readRibs);
  if (s.ok()) s = readLists(in, "GRIDTRIANGLES", c.triangles, c.nodes, readTriangles);
  std::vector<float> planar;
  if (s.ok()) s = readFloats(in, "GRIDNODES2D", 2LL * c.nodes, planar);
  std::vector<float> readEdgeCoefs;
  std::vector<float> readRibCoefs;
  if (s.ok()) s = readFloats(in, "GRIDEP", c.edges, readEdgeCoefs);
  if (s.ok()) s = readFloats(in, "GRIDRP", c.ribs, readRibCoefs);
  if (!s.ok()) return s;

  clearAll();
  dimension = c.dimension;
  manifoldDimension = c.triangles > 0 ? 2 : 1;
  nodeCount = c.nodes;
  const size_t d = static_cast<size_t>(c.dimension);
  for (size_t i = 0; i < static_cast<size_t>(c.nodes); ++i) {
    nodes.emplace_back(values.begin() + static_cast<long>(i * d),
                       values.begin() + static_cast<long>((i + 1) * d));
    gridCoords.push_back({planar[2 * i], planar[2 * i + 1], 0.0f});
  }
  edges = std::move(readEdges);
  ribs = std::move(readRibs);
  triangles = std::move(readTriangles);
  edgeCoefs = std::move(readEdgeCoefs);
  ribCoefs = std::move(readRibCoefs);
  edgeCount = c.edges;
  ribCount = c.ribs;
  triangleCount = c.triangles;
  buildIncidence();
  return Status::success();
}

}  // namespace manifit
