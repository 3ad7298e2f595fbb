#include "driver/model_file.h"

#include <cstdio>
#include <memory>

#include "common/atomic_output_file.h"
#include "common/input_file.h"
#include "grid/grid_types.h"

namespace manifit {

namespace {

using json::Value;

// The longest model file read: far beyond the largest grid a run can fit.
constexpr long kMaxModelBytes = 1L << 30;

const char* const kGridTypes[] = {"simplerectangular", "sphere", "linear", "circle", "elgraph"};

template <typename T>
Value floatArray(const T& values) {
  Value a = Value::array();
  for (float x : values) a.push(Value::fromFloat(x));
  return a;
}

Value doubleArray(const std::vector<double>& values) {
  Value a = Value::array();
  for (double x : values) a.push(Value::fromDouble(x));
  return a;
}

template <typename T>
Value intArray(const T& values) {
  Value a = Value::array();
  for (int x : values) a.push(Value::fromInt(x));
  return a;
}

template <typename Rows, typename Make>
Value rowsArray(const Rows& rows, Make make) {
  Value a = Value::array();
  for (const auto& row : rows) a.push(make(row));
  return a;
}

Value gridValue(const Model& m) {
  Value g = Value::object();
  g.set("type", Value::fromString(m.gridType));
  g.set("size1", Value::fromInt(m.size1));
  g.set("size2", Value::fromInt(m.size2));
  g.set("dimension", Value::fromInt(m.dimension));
  g.set("manifoldDimension", Value::fromInt(m.manifoldDimension));
  auto floats = [](const auto& row) { return floatArray(row); };
  auto ints = [](const auto& row) { return intArray(row); };
  g.set("nodes", rowsArray(m.nodes, floats));
  g.set("nodesInput", rowsArray(m.nodesInput, floats));
  g.set("gridCoordinates", rowsArray(m.gridCoordinates, floats));
  g.set("edges", rowsArray(m.edges, ints));
  g.set("ribs", rowsArray(m.ribs, ints));
  g.set("triangles", rowsArray(m.triangles, ints));
  g.set("edgeCoefficients", floatArray(m.edgeCoefficients));
  g.set("ribCoefficients", floatArray(m.ribCoefficients));
  return g;
}

Value historyValue(const std::vector<ProgressEntry>& history) {
  Value a = Value::array();
  for (const ProgressEntry& e : history) {
    Value r = Value::object();
    r.set("stage", Value::fromInt(e.stage));
    r.set("iteration", Value::fromInt(e.iteration));
    r.set("error", Value::fromDouble(e.error));
    r.set("testError", e.hasTestError ? Value::fromDouble(e.testError) : Value::null());
    r.set("gmse", e.hasGmse ? Value::fromDouble(e.gmse) : Value::null());
    r.set("df", Value::fromDouble(e.df));
    a.push(std::move(r));
  }
  return a;
}

Value modelValue(const Model& m) {
  Value doc = Value::object();
  doc.set("format", Value::fromString("manifit-model"));
  doc.set("version", Value::fromInt(1));
  doc.set("grid", gridValue(m));
  Value columns = Value::array();
  for (const std::string& c : m.columns) columns.push(Value::fromString(c));
  doc.set("columns", std::move(columns));
  Value norm = Value::object();
  norm.set("normalized", Value::fromBool(m.normalized));
  norm.set("mean", doubleArray(m.mean));
  norm.set("deviation", doubleArray(m.deviation));
  doc.set("normalization", std::move(norm));
  Value comp = Value::object();
  comp.set("mean", doubleArray(m.componentMean));
  comp.set("vectors", rowsArray(m.componentVectors, doubleArray));
  comp.set("varianceFractions", doubleArray(m.varianceFractions));
  doc.set("components", std::move(comp));
  Value conf = Value::object();
  conf.set("file", Value::fromString(m.configurationFile));
  conf.set("algorithm", Value::fromInt(m.algorithm));
  conf.set("section", Value::fromString(m.section));
  doc.set("configuration", std::move(conf));
  doc.set("history", historyValue(m.history));
  doc.set("finalError", Value::fromDouble(m.finalError));
  doc.set("fvu", Value::fromDouble(m.fvu));
  Value points = Value::object();
  points.set("fit", Value::fromInt(m.fitPoints));
  points.set("test", Value::fromInt(m.testPoints));
  points.set("discarded", Value::fromInt(m.discardedPoints));
  doc.set("points", std::move(points));
  return doc;
}

// Reads the members of a parsed model, checking each; the first problem
// stops it with a message naming the file and the key.
class ModelReader {
 public:
  explicit ModelReader(const std::string& name) : name_(name) {}
  const std::string& error() const { return error_; }

  bool fail(const std::string& key, const std::string& what) {
    if (error_.empty()) error_ = "Model file " + name_ + ": \"" + key + "\" " + what + "\n";
    return false;
  }

  const Value* member(const Value& object, const std::string& parent, const char* key,
                      bool required = true) {
    const Value* v = object.find(key);
    if (v == nullptr && required) fail(path(parent, key), "is missing");
    return v;
  }

  static std::string path(const std::string& parent, const std::string& key) {
    return parent.empty() ? key : parent + "." + key;
  }
  static std::string index(const std::string& key, size_t i) {
    return key + "[" + std::to_string(i) + "]";
  }

  bool integer(const Value* v, const std::string& key, long long low, long long high,
               long long& out) {
    if (v == nullptr) return false;
    if (!json::toInt(*v, out)) return fail(key, "must be a whole number");
    if (out < low || out > high) {
      return fail(key, "must lie between " + std::to_string(low) + " and " + std::to_string(high) +
                           "; it is " + std::to_string(out));
    }
    return true;
  }
  bool integer(const Value* v, const std::string& key, long long low, long long high, int& out) {
    long long wide = 0;
    if (!integer(v, key, low, high, wide)) return false;
    out = static_cast<int>(wide);
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
  bool number(const Value& v, const std::string& key, float& out) {
    return json::toFloat(v, out) || fail(key, "must be a finite number within float range");
  }

  // An array of exactly `count` elements (any count when count < 0).
  bool array(const Value* v, const std::string& key, long long count) {
    if (v == nullptr) return false;
    if (!v->isArray()) return fail(key, "must be an array");
    if (count >= 0 && static_cast<long long>(v->items.size()) != count) {
      return fail(key, "must hold " + std::to_string(count) + " entries; it holds " +
                           std::to_string(v->items.size()));
    }
    return true;
  }

  template <typename T>
  bool numbers(const Value* v, const std::string& key, long long count, std::vector<T>& out) {
    if (!array(v, key, count)) return false;
    std::vector<T> read(v->items.size());
    for (size_t i = 0; i < read.size(); ++i) {
      if (!number(v->items[i], index(key, i), read[i])) return false;
    }
    out = std::move(read);
    return true;
  }

  template <size_t N>
  bool floatRows(const Value* v, const std::string& key, long long count,
                 std::vector<std::array<float, N>>& out) {
    if (!array(v, key, count)) return false;
    std::vector<std::array<float, N>> read(v->items.size());
    for (size_t i = 0; i < read.size(); ++i) {
      std::vector<float> row;
      if (!numbers(&v->items[i], index(key, i), N, row)) return false;
      for (size_t q = 0; q < N; ++q) read[i][q] = row[q];
    }
    out = std::move(read);
    return true;
  }

  bool vectorRows(const Value* v, const std::string& key, long long count, long long width,
                  std::vector<std::vector<float>>& out) {
    if (!array(v, key, count)) return false;
    std::vector<std::vector<float>> read(v->items.size());
    for (size_t i = 0; i < read.size(); ++i) {
      if (!numbers(&v->items[i], index(key, i), width, read[i])) return false;
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
      const std::string rowKey = index(key, i);
      if (!array(&v->items[i], rowKey, N)) return false;
      for (size_t q = 0; q < N; ++q) {
        if (!integer(&v->items[i].items[q], index(rowKey, q), 0, nodeCount - 1, read[i][q]))
          return false;
      }
    }
    out = std::move(read);
    return true;
  }

 private:
  std::string name_;
  std::string error_;
};

bool readGrid(ModelReader& r, const Value& doc, Model& m) {
  const Value* grid = r.member(doc, "", "grid");
  if (grid == nullptr) return false;
  if (!grid->isObject()) return r.fail("grid", "must be an object");
  if (!r.text(r.member(*grid, "grid", "type"), "grid.type", m.gridType)) return false;
  bool known = false;
  for (const char* type : kGridTypes) known = known || m.gridType == type;
  if (!known) {
    return r.fail("grid.type",
                  "must be simplerectangular, sphere, linear, circle or elgraph; it is \"" +
                      m.gridType.substr(0, 40) + "\"");
  }
  const long long maxNodes = gridNodeLimit();
  const long long maxValues = gridValueLimit();
  if (!r.integer(r.member(*grid, "grid", "size1"), "grid.size1", 0, maxNodes, m.size1) ||
      !r.integer(r.member(*grid, "grid", "size2"), "grid.size2", 0, maxNodes, m.size2) ||
      !r.integer(r.member(*grid, "grid", "dimension"), "grid.dimension", 1, maxValues,
                 m.dimension) ||
      !r.integer(r.member(*grid, "grid", "manifoldDimension"), "grid.manifoldDimension", 0, 3,
                 m.manifoldDimension)) {
    return false;
  }
  const Value* nodes = r.member(*grid, "grid", "nodes");
  if (!r.array(nodes, "grid.nodes", -1)) return false;
  const long long n = static_cast<long long>(nodes->items.size());
  if (n < 1 || n > maxNodes || n * m.dimension > maxValues) {
    return r.fail("grid.nodes",
                  "holds " + std::to_string(n) + " nodes of " + std::to_string(m.dimension) +
                      " coordinates; a grid holds from 1 to " + std::to_string(maxNodes) +
                      " nodes and at most " + std::to_string(maxValues) + " coordinates");
  }
  const int nodeCount = static_cast<int>(n);
  return r.vectorRows(nodes, "grid.nodes", n, m.dimension, m.nodes) &&
         r.vectorRows(r.member(*grid, "grid", "nodesInput"), "grid.nodesInput", n, m.dimension,
                      m.nodesInput) &&
         r.floatRows(r.member(*grid, "grid", "gridCoordinates"), "grid.gridCoordinates", n,
                     m.gridCoordinates) &&
         r.indexRows(r.member(*grid, "grid", "edges"), "grid.edges", nodeCount, m.edges) &&
         r.indexRows(r.member(*grid, "grid", "ribs"), "grid.ribs", nodeCount, m.ribs) &&
         r.indexRows(r.member(*grid, "grid", "triangles"), "grid.triangles", nodeCount,
                     m.triangles) &&
         r.numbers(r.member(*grid, "grid", "edgeCoefficients"), "grid.edgeCoefficients",
                   static_cast<long long>(m.edges.size()), m.edgeCoefficients) &&
         r.numbers(r.member(*grid, "grid", "ribCoefficients"), "grid.ribCoefficients",
                   static_cast<long long>(m.ribs.size()), m.ribCoefficients);
}

bool readColumns(ModelReader& r, const Value& doc, Model& m) {
  const Value* columns = r.member(doc, "", "columns");
  if (!r.array(columns, "columns", m.dimension)) return false;
  m.columns.clear();
  for (size_t i = 0; i < columns->items.size(); ++i) {
    std::string name;
    if (!r.text(&columns->items[i], ModelReader::index("columns", i), name)) return false;
    m.columns.push_back(std::move(name));
  }
  const Value* norm = r.member(doc, "", "normalization");
  if (norm == nullptr) return false;
  const Value* flag = r.member(*norm, "normalization", "normalized");
  if (flag == nullptr) return false;
  if (flag->kind != json::Kind::Bool)
    return r.fail("normalization.normalized", "must be true or false");
  m.normalized = flag->boolean;
  if (!r.numbers(r.member(*norm, "normalization", "mean"), "normalization.mean", m.dimension,
                 m.mean) ||
      !r.numbers(r.member(*norm, "normalization", "deviation"), "normalization.deviation",
                 m.dimension, m.deviation)) {
    return false;
  }
  for (size_t j = 0; j < m.deviation.size(); ++j) {
    if (!(m.deviation[j] > 0.0)) {
      return r.fail(ModelReader::index("normalization.deviation", j), "must be above 0");
    }
  }
  return true;
}

bool readComponents(ModelReader& r, const Value& doc, Model& m) {
  const Value* comp = r.member(doc, "", "components");
  if (comp == nullptr) return false;
  if (!r.numbers(r.member(*comp, "components", "mean"), "components.mean", m.dimension,
                 m.componentMean)) {
    return false;
  }
  const Value* vectors = r.member(*comp, "components", "vectors");
  if (!r.array(vectors, "components.vectors", -1)) return false;
  if (vectors->items.size() > 3) return r.fail("components.vectors", "holds more than 3 vectors");
  m.componentVectors.assign(vectors->items.size(), {});
  for (size_t i = 0; i < vectors->items.size(); ++i) {
    if (!r.numbers(&vectors->items[i], ModelReader::index("components.vectors", i), m.dimension,
                   m.componentVectors[i])) {
      return false;
    }
  }
  return r.numbers(r.member(*comp, "components", "varianceFractions"),
                   "components.varianceFractions",
                   static_cast<long long>(m.componentVectors.size()), m.varianceFractions);
}

bool optionalNumber(ModelReader& r, const Value& v, const std::string& key, bool& has,
                    double& out) {
  has = !v.isNull();
  return !has || r.number(v, key, out);
}

bool readRun(ModelReader& r, const Value& doc, Model& m) {
  const Value* conf = r.member(doc, "", "configuration");
  if (conf == nullptr) return false;
  if (!r.text(r.member(*conf, "configuration", "file"), "configuration.file",
              m.configurationFile) ||
      !r.integer(r.member(*conf, "configuration", "algorithm"), "configuration.algorithm", 0,
                 2147483647LL, m.algorithm) ||
      !r.text(r.member(*conf, "configuration", "section"), "configuration.section", m.section)) {
    return false;
  }
  const Value* history = r.member(doc, "", "history");
  if (!r.array(history, "history", -1)) return false;
  m.history.assign(history->items.size(), ProgressEntry());
  for (size_t i = 0; i < history->items.size(); ++i) {
    const Value& e = history->items[i];
    const std::string key = ModelReader::index("history", i);
    if (!e.isObject()) return r.fail(key, "must be an object");
    ProgressEntry& p = m.history[i];
    const Value* test = r.member(e, key, "testError");
    const Value* gmse = r.member(e, key, "gmse");
    const Value* error = r.member(e, key, "error");
    const Value* df = r.member(e, key, "df");
    if (!r.integer(r.member(e, key, "stage"), key + ".stage", -1, 2147483647LL, p.stage) ||
        !r.integer(r.member(e, key, "iteration"), key + ".iteration", 0, 2147483647LL,
                   p.iteration) ||
        error == nullptr || !r.number(*error, key + ".error", p.error) || test == nullptr ||
        !optionalNumber(r, *test, key + ".testError", p.hasTestError, p.testError) ||
        gmse == nullptr || !optionalNumber(r, *gmse, key + ".gmse", p.hasGmse, p.gmse) ||
        df == nullptr || !r.number(*df, key + ".df", p.df)) {
      return false;
    }
  }
  const Value* finalError = r.member(doc, "", "finalError");
  const Value* fvu = r.member(doc, "", "fvu");
  const Value* points = r.member(doc, "", "points");
  if (finalError == nullptr || !r.number(*finalError, "finalError", m.finalError) ||
      fvu == nullptr || !r.number(*fvu, "fvu", m.fvu) || points == nullptr) {
    return false;
  }
  const long long most = 1LL << 40;
  return r.integer(r.member(*points, "points", "fit"), "points.fit", 0, most, m.fitPoints) &&
         r.integer(r.member(*points, "points", "test"), "points.test", 0, most, m.testPoints) &&
         r.integer(r.member(*points, "points", "discarded"), "points.discarded", 0, most,
                   m.discardedPoints);
}

}  // namespace

Status modelToText(const Model& model, std::string& text) {
  std::string message;
  if (!json::write(modelValue(model), text, message)) {
    return Status::failure("The model can not be written: " + message + "\n");
  }
  return Status::success();
}

Status writeModelFile(const std::string& path, const Model& model, StagedOutputs* staging) {
  std::string text;
  const Status made = modelToText(model, text);
  if (!made.ok()) return made;
  AtomicOutputFile file(path, staging);
  if (!file.isOpen()) return Status::failure("Can not open file for writing: " + path + "\n");
  std::fwrite(text.data(), 1, text.size(), file.get());
  if (!file.commit()) return Status::failure("Can not write file " + path + "\n");
  return Status::success();
}

Status modelFromText(const std::string& text, const std::string& name, Model& model) {
  json::Value doc;
  json::ParseError error;
  json::ParseLimits limits;
  limits.maxBytes = static_cast<size_t>(kMaxModelBytes);
  if (!json::parse(text, doc, error, limits)) {
    return Status::failure("Model file " + name + ", line " + std::to_string(error.line) +
                           ", column " + std::to_string(error.column) + ": " + error.message +
                           "\n");
  }
  ModelReader r(name);
  if (!doc.isObject()) return Status::failure("Model file " + name + ": not a JSON object\n");
  std::string format;
  long long version = 0;
  if (!r.text(r.member(doc, "", "format"), "format", format)) return Status::failure(r.error());
  if (format != "manifit-model") {
    return Status::failure("Model file " + name + ": \"format\" is \"" + format.substr(0, 40) +
                           "\", not \"manifit-model\"\n");
  }
  if (!r.integer(r.member(doc, "", "version"), "version", 1, 1, version))
    return Status::failure(r.error());
  Model read;
  if (!readGrid(r, doc, read) || !readColumns(r, doc, read) || !readComponents(r, doc, read) ||
      !readRun(r, doc, read)) {
    return Status::failure(r.error());
  }
  model = std::move(read);
  return Status::success();
}

Status readModelFile(const std::string& path, Model& model) {
  const FilePointer file = openInputFile(path);
  if (!file) return Status::failure("Model file " + path + " can not be opened\n");
  std::string text;
  long nulLine = 0;
  switch (readTextFile(file.get(), static_cast<size_t>(kMaxModelBytes), text, nulLine)) {
    case TextFileEnd::complete:
      break;
    case TextFileEnd::tooLarge:
      return Status::failure("Model file " + path + ": larger than " +
                             std::to_string(kMaxModelBytes) + " bytes\n");
    case TextFileEnd::nulByte:
      return Status::failure("Model file " + path + ", line " + std::to_string(nulLine) +
                             ": the file holds a NUL byte, so it is not a text file\n");
    case TextFileEnd::readError:
      return Status::failure("Model file " + path + " can not be read\n");
  }
  return modelFromText(text, path, model);
}

}  // namespace manifit
