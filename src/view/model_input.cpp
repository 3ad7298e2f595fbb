#include "view/model_input.h"

#include <cstdio>

#include "common/json.h"
#include "view/text_lines.h"

namespace manifit {

namespace {

using json::Value;

// Reads members of the parsed model, checking each one; the first problem
// is kept as the message.
class Reader {
 public:
  explicit Reader(const std::string& path) : path_(path) {}
  const std::string& error() const { return error_; }

  bool fail(const std::string& key, const std::string& what) {
    if (error_.empty()) error_ = "Model file " + path_ + ": \"" + key + "\" " + what + "\n";
    return false;
  }

  // The member `key` of the object at `parent`; a failure when it is missing.
  const Value* member(const Value* object, const std::string& parent, const std::string& key) {
    if (object == nullptr) return nullptr;
    const std::string name = parent.empty() ? key : parent + "." + key;
    if (!object->isObject()) {
      fail(parent, "must be an object");
      return nullptr;
    }
    const Value* v = object->find(key);
    if (v == nullptr) fail(name, "is missing");
    return v;
  }

  bool integer(const Value* v, const std::string& key, long long low, long long high,
               long long& out) {
    if (v == nullptr) return false;
    long long read = 0;
    if (!json::toInt(*v, read)) return fail(key, "must be a whole number");
    if (read < low || read > high) {
      return fail(key, "must lie between " + std::to_string(low) + " and " + std::to_string(high) +
                           "; it is " + std::to_string(read));
    }
    out = read;
    return true;
  }

  bool text(const Value* v, const std::string& key, std::string& out) {
    if (v == nullptr) return false;
    if (!v->isString()) return fail(key, "must be a string");
    out = v->text;
    return true;
  }

  bool number(const Value& v, const std::string& key, double& out) {
    return json::toDouble(v, out) || fail(key, "must be a finite number");
  }

  // An array of `count` entries (any number when count is negative).
  bool array(const Value* v, const std::string& key, long long count) {
    if (v == nullptr) return false;
    if (!v->isArray()) return fail(key, "must be an array");
    if (count >= 0 && static_cast<long long>(v->items.size()) != count) {
      return fail(key, "must hold " + std::to_string(count) + " entries; it holds " +
                           std::to_string(v->items.size()));
    }
    return true;
  }

  bool numbers(const Value* v, const std::string& key, long long count, std::vector<double>& out) {
    if (!array(v, key, count)) return false;
    std::vector<double> read(v->items.size());
    for (size_t i = 0; i < read.size(); ++i) {
      if (!number(v->items[i], at(key, i), read[i])) return false;
    }
    out = std::move(read);
    return true;
  }

  // `count` rows of `width` numbers.
  bool rows(const Value* v, const std::string& key, long long count, long long width,
            std::vector<std::vector<double>>& out) {
    if (!array(v, key, count)) return false;
    std::vector<std::vector<double>> read(v->items.size());
    for (size_t i = 0; i < read.size(); ++i) {
      if (!numbers(&v->items[i], at(key, i), width, read[i])) return false;
    }
    out = std::move(read);
    return true;
  }

  // Rows of N node indices, each below nodeCount.
  template <size_t N>
  bool indexRows(const Value* v, const std::string& key, int nodeCount,
                 std::vector<std::array<int, N>>& out) {
    if (!array(v, key, -1)) return false;
    std::vector<std::array<int, N>> read(v->items.size());
    for (size_t i = 0; i < read.size(); ++i) {
      const std::string rowKey = at(key, i);
      if (!array(&v->items[i], rowKey, static_cast<long long>(N))) return false;
      for (size_t q = 0; q < N; ++q) {
        long long index = 0;
        if (!integer(&v->items[i].items[q], at(rowKey, q), 0, nodeCount - 1, index)) return false;
        read[i][q] = static_cast<int>(index);
      }
    }
    out = std::move(read);
    return true;
  }

  static std::string at(const std::string& key, size_t i) {
    return key + "[" + std::to_string(i) + "]";
  }

 private:
  std::string path_;
  std::string error_;
};

const char* const kGridTypes[] = {"simplerectangular", "sphere", "linear", "circle", "elgraph"};

bool readGrid(Reader& r, const Value& doc, ModelInput& m) {
  const Value* grid = r.member(&doc, "", "grid");
  if (!r.text(r.member(grid, "grid", "type"), "grid.type", m.gridType)) return false;
  bool known = false;
  for (const char* type : kGridTypes) known = known || m.gridType == type;
  if (!known) {
    return r.fail("grid.type",
                  "must be simplerectangular, sphere, linear, circle or elgraph; it is \"" +
                      m.gridType.substr(0, 40) + "\"");
  }
  long long dimension = 0;
  if (!r.integer(r.member(grid, "grid", "dimension"), "grid.dimension", 1, kMaxModelValues,
                 dimension)) {
    return false;
  }
  const Value* nodes = r.member(grid, "grid", "nodes");
  if (!r.array(nodes, "grid.nodes", -1)) return false;
  const long long n = static_cast<long long>(nodes->items.size());
  if (n < 1 || n * dimension > kMaxModelValues) {
    return r.fail("grid.nodes", "holds " + std::to_string(n) + " nodes of " +
                                    std::to_string(dimension) +
                                    " coordinates; a map holds at least 1 node and at most " +
                                    std::to_string(kMaxModelValues) + " coordinates");
  }
  ManifoldFile& map = m.manifold;
  map.dimension = static_cast<int>(dimension);
  map.nodeCount = static_cast<int>(n);
  std::vector<std::vector<double>> coordinates;
  if (!r.rows(nodes, "grid.nodes", n, dimension, map.nodes) ||
      !r.rows(r.member(grid, "grid", "nodesInput"), "grid.nodesInput", n, dimension,
              m.nodesInput) ||
      !r.rows(r.member(grid, "grid", "gridCoordinates"), "grid.gridCoordinates", n, 3,
              coordinates) ||
      !r.indexRows(r.member(grid, "grid", "edges"), "grid.edges", map.nodeCount, map.edges) ||
      !r.indexRows(r.member(grid, "grid", "ribs"), "grid.ribs", map.nodeCount, map.ribs) ||
      !r.indexRows(r.member(grid, "grid", "triangles"), "grid.triangles", map.nodeCount,
                   map.triangles)) {
    return false;
  }
  map.gridCoords.resize(coordinates.size());
  for (size_t i = 0; i < coordinates.size(); ++i) {
    map.gridCoords[i] = {coordinates[i][0], coordinates[i][1]};
  }
  map.edgeCount = static_cast<int>(map.edges.size());
  map.ribCount = static_cast<int>(map.ribs.size());
  map.triangleCount = static_cast<int>(map.triangles.size());
  return true;
}

bool readColumns(Reader& r, const Value& doc, ModelInput& m) {
  const long long dimension = m.manifold.dimension;
  const Value* columns = r.member(&doc, "", "columns");
  if (!r.array(columns, "columns", dimension)) return false;
  m.columns.assign(columns->items.size(), std::string());
  for (size_t i = 0; i < columns->items.size(); ++i) {
    if (!r.text(&columns->items[i], Reader::at("columns", i), m.columns[i])) return false;
  }
  const Value* norm = r.member(&doc, "", "normalization");
  const Value* flag = r.member(norm, "normalization", "normalized");
  if (flag == nullptr) return false;
  if (flag->kind != json::Kind::Bool) {
    return r.fail("normalization.normalized", "must be true or false");
  }
  m.normalized = flag->boolean;
  if (!r.numbers(r.member(norm, "normalization", "mean"), "normalization.mean", dimension,
                 m.mean) ||
      !r.numbers(r.member(norm, "normalization", "deviation"), "normalization.deviation", dimension,
                 m.deviation)) {
    return false;
  }
  for (size_t j = 0; j < m.deviation.size(); ++j) {
    if (!(m.deviation[j] > 0.0)) {
      return r.fail(Reader::at("normalization.deviation", j), "must be above 0");
    }
  }
  return true;
}

bool readComponents(Reader& r, const Value& doc, ModelInput& m) {
  const long long dimension = m.manifold.dimension;
  const Value* comp = r.member(&doc, "", "components");
  ComponentSummary& s = m.summary;
  if (!r.numbers(r.member(comp, "components", "mean"), "components.mean", dimension, s.mean)) {
    return false;
  }
  const Value* vectors = r.member(comp, "components", "vectors");
  if (!r.array(vectors, "components.vectors", -1)) return false;
  if (vectors->items.size() < 2 || vectors->items.size() > 3) {
    return r.fail("components.vectors",
                  "must hold 2 or 3 vectors (the page draws the plane of the first two); it "
                  "holds " +
                      std::to_string(vectors->items.size()));
  }
  if (!r.rows(vectors, "components.vectors", static_cast<long long>(vectors->items.size()),
              dimension, s.components) ||
      !r.numbers(r.member(comp, "components", "varianceFractions"), "components.varianceFractions",
                 static_cast<long long>(s.components.size()), s.fractions)) {
    return false;
  }
  s.componentCount = static_cast<int>(s.components.size());
  s.dimension = static_cast<int>(dimension);
  return true;
}

bool readHistory(Reader& r, const Value& doc, ModelInput& m) {
  const Value* history = r.member(&doc, "", "history");
  if (!r.array(history, "history", -1)) return false;
  m.history.assign(history->items.size(), HistoryEntry());
  for (size_t i = 0; i < history->items.size(); ++i) {
    const Value& e = history->items[i];
    const std::string key = Reader::at("history", i);
    HistoryEntry& entry = m.history[i];
    long long stage = 0;
    long long iteration = 0;
    const Value* error = r.member(&e, key, "error");
    const Value* test = r.member(&e, key, "testError");
    if (!r.integer(r.member(&e, key, "stage"), key + ".stage", -1, 2147483647LL, stage) ||
        !r.integer(r.member(&e, key, "iteration"), key + ".iteration", 0, 2147483647LL,
                   iteration) ||
        error == nullptr || !r.number(*error, key + ".error", entry.error) || test == nullptr) {
      return false;
    }
    entry.stage = static_cast<int>(stage);
    entry.iteration = static_cast<int>(iteration);
    if (!test->isNull()) {
      double value = 0;
      if (!r.number(*test, key + ".testError", value)) return false;
      entry.testError = value;
    }
  }
  const Value* points = r.member(&doc, "", "points");
  const long long most = 1LL << 40;
  return r.integer(r.member(points, "points", "fit"), "points.fit", 0, most, m.fitPoints) &&
         r.integer(r.member(points, "points", "test"), "points.test", 0, most, m.testPoints) &&
         r.integer(r.member(points, "points", "discarded"), "points.discarded", 0, most,
                   m.discardedPoints);
}

}  // namespace

Status modelFromJson(const std::string& text, const std::string& path, ModelInput& model) {
  Value doc;
  json::ParseError error;
  json::ParseLimits limits;
  limits.maxBytes = kMaxModelFileBytes;
  if (!json::parse(text, doc, error, limits)) {
    return Status::failure("Model file " + path + ", line " + std::to_string(error.line) +
                           ", column " + std::to_string(error.column) + ": " + error.message +
                           "\n");
  }
  if (!doc.isObject()) return Status::failure("Model file " + path + ": not a JSON object\n");
  Reader r(path);
  std::string format;
  if (!r.text(r.member(&doc, "", "format"), "format", format)) return Status::failure(r.error());
  if (format != "manifit-model") {
    return Status::failure("Model file " + path + ": \"format\" is \"" + format.substr(0, 40) +
                           "\", not \"manifit-model\"\n");
  }
  long long version = 0;
  ModelInput read;
  if (!r.integer(r.member(&doc, "", "version"), "version", 1, 1, version) ||
      !readGrid(r, doc, read) || !readColumns(r, doc, read) || !readComponents(r, doc, read) ||
      !readHistory(r, doc, read)) {
    return Status::failure(r.error());
  }
  model = std::move(read);
  return Status::success();
}

Status readModelInput(const std::string& path, ModelInput& model) {
  std::string text;
  const Status status = readWholeText(path, text, kMaxModelFileBytes);
  if (!status.ok()) return status;
  return modelFromJson(text, path, model);
}

}  // namespace manifit
