#include "view/view_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/json.h"
#include "view/run_view.h"

namespace manifit {

namespace {

std::string format(const char* pattern, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, pattern, value);
  return buffer;
}

// The points of the rectangle run: their mean is 0 and their variances along
// the axes are 0.9525, 0.66 and 0.0125 of a total of 1.625.
const std::vector<std::vector<double>> kRectangleRows = {
    {-1, -1, 0.1}, {-0.9, -1, -0.1}, {-1, -0.8, 0}, {1, 1, 0.2},
    {0.9, 0.8, 0}, {1, 0, -0.2},     {1, 0, 0},     {-1, 1, 0}};

}  // namespace

const std::vector<std::vector<double>>& rectangleRows() {
  return kRectangleRows;
}

int runViewWith(const std::vector<std::string>& arguments) {
  std::vector<const char*> argv = {"manifit-view"};
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  return runView(static_cast<int>(argv.size()), argv.data());
}

std::vector<std::string> rectangleRunArguments(const std::string& folder) {
  return {"-map",     folder + "/map",    "-summary", folder + "/temp",
          "-normdat", folder + "/norm",   "-p",       folder + "/proj",
          "-labels",  folder + "/labels", "-html",    folder + "/page.html"};
}

std::string freshFolder(const std::string& name) {
  const std::filesystem::path folder =
      std::filesystem::path(::testing::TempDir()) / ("manifit_view_" + name);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder.string();
}

std::string readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeWholeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

std::string manifoldText(const FakeMap& map) {
  std::string out = "# DATAFILENAME\nnone.qxd\n\n# TABLENAME\nnone.qxt\n\n";
  out += "# DIMENSION\n" + std::to_string(map.dimension) + "\n\n";
  out += "# INITIALIZATION\nMAINCOMP 0.5 30 FALSE\n\n# ELASTICITY\n1 1\n\n";
  out += "# DISCRETE\nFALSE\n\n# SMOOTHNESS\n1\n\n# TONES\n0\n\n";
  out += "# GRIDTYPE\nRECTANGULAR\n10 10\n\n";
  out += "# NODES\n" + std::to_string(map.nodes.size()) + "\n\n";
  out += "# EDGES\n" + std::to_string(map.edges.size()) + "\n\n";
  out += "# RIBS\n" + std::to_string(map.ribCount) + "\n\n";
  out += "# TRIANGLES\n" + std::to_string(map.triangleCount) + "\n\n";
  out += "# GRIDNODES\n";
  for (const auto& node : map.nodes) {
    for (double value : node) out += format("%10.8f ", value);
    out += "\n";
  }
  out += "\n# GRIDEDGES\n";
  for (const auto& edge : map.edges) {
    out += std::to_string(edge[0]) + " " + std::to_string(edge[1]) + " \n";
  }
  out += "\n# GRIDRIBS\n";
  for (int i = 0; i < map.ribCount; ++i) out += "0 0 0 \n";
  out += "\n# GRIDTRIANGLES\n";
  for (int i = 0; i < map.triangleCount; ++i) out += "0 0 0 \n";
  out += "\n# GRIDNODES2D\n";
  for (const auto& coords : map.gridCoords) {
    out += format("%10.8f ", coords[0]) + format("%10.8f ", coords[1]) + "\n";
  }
  out += "\n# GRIDEP\n";
  for (size_t i = 0; i < map.edges.size(); ++i) out += format("%10.5f ", 1.0);
  out += "\n\n# GRIDRP\n";
  for (int i = 0; i < map.ribCount; ++i) out += format("%10.5f ", 1.0);
  out += "\n\n";
  return out;
}

std::string summaryText(const std::vector<double>& mean,
                        const std::vector<std::vector<double>>& components,
                        const std::vector<double>& fractions) {
  std::string out = std::to_string(components.size()) + " " + std::to_string(mean.size()) + "\n";
  for (double value : mean) out += format("%10.3f ", value);
  out += "\n";
  for (const auto& component : components) {
    for (double value : component) out += format("%10.5f ", value);
    out += "\n";
  }
  double sum = 0;
  for (double fraction : fractions) {
    sum += fraction;
    out += format(fraction < 0.001 ? "%e" : "%f", fraction) + "\t" + format("%f", sum) + "\n";
  }
  return out;
}

std::string tableText(const std::vector<std::vector<double>>& rows) {
  std::string out;
  for (const auto& row : rows) {
    for (double value : row) out += format("%10.10f\t", value);
    out += "\n";
  }
  return out;
}

std::string projectionsText(const std::vector<std::array<double, 3>>& projections) {
  std::string out;
  for (const auto& p : projections) {
    out += format("%f\t", p[0]) + format("%f\t", p[1]) + format("%f\n", p[2]);
  }
  return out;
}

FakeMap rectangleMap(int a, int b) {
  FakeMap map;
  map.dimension = 3;
  for (int q = 0; q < a * b; ++q) {
    const double g0 = 2.0 * (q / a) / (b - 1) - 1;
    const double g1 = 2.0 * (q % a) / (a - 1) - 1;
    map.nodes.push_back({g0, g1, 0});
    map.gridCoords.push_back({g0, g1});
  }
  for (int i = 0; i < b; ++i) {
    for (int j = 0; j < a; ++j) {
      if (j < a - 1) map.edges.push_back({i * a + j, i * a + j + 1});
      if (i < b - 1) map.edges.push_back({i * a + j, (i + 1) * a + j});
    }
  }
  map.ribCount = 2 * (a * b - a - b);
  map.triangleCount = 2 * (a - 1) * (b - 1);
  return map;
}

FakeMap lineMap(int n) {
  FakeMap map;
  map.dimension = 3;
  for (int i = 0; i < n; ++i) {
    const double g = 2.0 * i / n - 1;
    map.nodes.push_back({g, 0, 0});
    map.gridCoords.push_back({g, 0});
    if (i + 1 < n) map.edges.push_back({i, i + 1});
  }
  map.ribCount = n - 2;
  return map;
}

std::string writeRectangleRun(const std::string& name) {
  const std::string folder = freshFolder(name);
  writeWholeFile(folder + "/map", manifoldText(rectangleMap(3, 2)));
  // The summary is that of the table.
  writeWholeFile(folder + "/temp", summaryText({0, 0, 0}, {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
                                               {0.586154, 0.406154, 0.007692}));
  const std::vector<std::vector<double>>& rows = kRectangleRows;
  writeWholeFile(folder + "/norm", tableText(rows));
  std::vector<std::array<double, 3>> projections;
  for (const auto& row : rows) projections.push_back({row[0], row[1], 0});
  writeWholeFile(folder + "/proj", projectionsText(projections));
  writeWholeFile(folder + "/labels", "a\na\na\nb\nb\nb\nc <&>\nc <&>\n");
  return folder;
}

const double kModelMean[3] = {10, -20, 0.5};
const double kModelDeviation[3] = {2, 4, 0.25};

namespace {

json::Value numbers(const std::vector<double>& values) {
  json::Value a = json::Value::array();
  for (double x : values) a.push(json::Value::fromDouble(x));
  return a;
}

template <size_t N>
json::Value indexRows(const std::vector<std::array<int, N>>& rows) {
  json::Value a = json::Value::array();
  for (const auto& row : rows) {
    json::Value r = json::Value::array();
    for (int i : row) r.push(json::Value::fromInt(i));
    a.push(std::move(r));
  }
  return a;
}

// The point in input units, rounded to float as a table file holds it.
std::vector<double> inputUnits(const std::vector<double>& row) {
  std::vector<double> out;
  for (size_t k = 0; k < row.size(); ++k) {
    out.push_back(static_cast<float>(row[k] * kModelDeviation[k] + kModelMean[k]));
  }
  return out;
}

}  // namespace

std::string rectangleModelText() {
  const FakeMap map = rectangleMap(3, 2);
  json::Value grid = json::Value::object();
  grid.set("type", json::Value::fromString("simplerectangular"));
  grid.set("size1", json::Value::fromInt(3));
  grid.set("size2", json::Value::fromInt(2));
  grid.set("dimension", json::Value::fromInt(3));
  grid.set("manifoldDimension", json::Value::fromInt(2));
  json::Value nodes = json::Value::array();
  json::Value nodesInput = json::Value::array();
  json::Value coordinates = json::Value::array();
  for (size_t i = 0; i < map.nodes.size(); ++i) {
    nodes.push(numbers(map.nodes[i]));
    nodesInput.push(numbers(inputUnits(map.nodes[i])));
    coordinates.push(numbers({map.gridCoords[i][0], map.gridCoords[i][1], 0}));
  }
  grid.set("nodes", std::move(nodes));
  grid.set("nodesInput", std::move(nodesInput));
  grid.set("gridCoordinates", std::move(coordinates));
  grid.set("edges", indexRows(map.edges));
  grid.set("ribs", indexRows(std::vector<std::array<int, 3>>{{1, 0, 2}, {4, 3, 5}}));
  grid.set("triangles",
           indexRows(std::vector<std::array<int, 3>>{{0, 1, 3}, {1, 3, 4}, {1, 2, 4}, {2, 4, 5}}));
  grid.set("edgeCoefficients", numbers(std::vector<double>(map.edges.size(), 1.0)));
  grid.set("ribCoefficients", numbers({1.0, 1.0}));

  json::Value doc = json::Value::object();
  doc.set("format", json::Value::fromString("manifit-model"));
  doc.set("version", json::Value::fromInt(1));
  doc.set("grid", std::move(grid));
  json::Value columns = json::Value::array();
  for (const char* name : {"a", "b", "c"}) columns.push(json::Value::fromString(name));
  doc.set("columns", std::move(columns));
  json::Value norm = json::Value::object();
  norm.set("normalized", json::Value::fromBool(true));
  norm.set("mean", numbers({kModelMean[0], kModelMean[1], kModelMean[2]}));
  norm.set("deviation", numbers({kModelDeviation[0], kModelDeviation[1], kModelDeviation[2]}));
  doc.set("normalization", std::move(norm));
  json::Value comp = json::Value::object();
  comp.set("mean", numbers({0, 0, 0}));
  json::Value vectors = json::Value::array();
  vectors.push(numbers({1, 0, 0}));
  vectors.push(numbers({0, 1, 0}));
  vectors.push(numbers({0, 0, 1}));
  comp.set("vectors", std::move(vectors));
  comp.set("varianceFractions", numbers({0.586154, 0.406154, 0.007692}));
  doc.set("components", std::move(comp));
  json::Value conf = json::Value::object();
  conf.set("file", json::Value::fromString("manifit.ini"));
  conf.set("algorithm", json::Value::fromInt(1));
  conf.set("section", json::Value::fromString("#ALG1\n"));
  doc.set("configuration", std::move(conf));
  json::Value history = json::Value::array();
  const double errors[5][2] = {{0.5, 0.6}, {0.3, 0.4}, {0.25, 0.35}, {0.2, 0.3}, {0.125, 0.25}};
  for (int i = 0; i < 5; ++i) {
    json::Value e = json::Value::object();
    e.set("stage", json::Value::fromInt(i < 3 ? 1 : 2));
    e.set("iteration", json::Value::fromInt(i < 3 ? i : i - 3));
    e.set("error", json::Value::fromDouble(errors[i][0]));
    e.set("testError", json::Value::fromDouble(errors[i][1]));
    e.set("gmse", json::Value::null());
    e.set("df", json::Value::fromDouble(0.01));
    history.push(std::move(e));
  }
  doc.set("history", std::move(history));
  doc.set("finalError", json::Value::fromDouble(0.125));
  doc.set("fvu", json::Value::fromDouble(0.05));
  json::Value points = json::Value::object();
  points.set("fit", json::Value::fromInt(6));
  points.set("test", json::Value::fromInt(2));
  points.set("discarded", json::Value::fromInt(0));
  doc.set("points", std::move(points));
  std::string text;
  std::string message;
  EXPECT_TRUE(json::write(doc, text, message)) << message;
  return text;
}

std::string writeModelRun(const std::string& name) {
  const std::string folder = freshFolder(name);
  writeWholeFile(folder + "/model.json", rectangleModelText());
  std::string table = std::to_string(kRectangleRows.size()) + " 3\n";
  std::string csv = "a,b,c,kind\n";
  const char* kinds[] = {"x", "x", "x", "y", "y", "y", "z", "z"};
  for (size_t p = 0; p < kRectangleRows.size(); ++p) {
    const std::vector<double> row = inputUnits(kRectangleRows[p]);
    for (size_t k = 0; k < row.size(); ++k) {
      table += format("%.9g", row[k]) + (k + 1 < row.size() ? " " : "\n");
      csv += format("%.9g", row[k]) + ",";
    }
    csv += std::string(kinds[p]) + "\n";
  }
  writeWholeFile(folder + "/table.txt", table);
  writeWholeFile(folder + "/table.csv", csv);
  return folder;
}

std::vector<std::string> modelRunArguments(const std::string& folder, const std::string& table) {
  return {"-model", folder + "/model.json", "-d", folder + "/" + table,
          "-html",  folder + "/page.html"};
}

}  // namespace manifit
