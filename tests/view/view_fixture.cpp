#include "view/view_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "view/run_view.h"

namespace manifit {

namespace {

std::string format(const char* pattern, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, pattern, value);
  return buffer;
}

}  // namespace

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
  writeWholeFile(folder + "/temp",
                 summaryText({0, 0, 0}, {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {0.6, 0.3, 0.1}));
  const std::vector<std::vector<double>> rows = {{-1, -1, 0.1}, {-0.9, -1, -0.1}, {-1, 0.1, 0},
                                                 {1, 1, 0.2},   {0.9, 0.8, 0},    {1, 0, -0.2},
                                                 {0.2, 0, 0},   {-1, 1, 0}};
  writeWholeFile(folder + "/norm", tableText(rows));
  std::vector<std::array<double, 3>> projections;
  for (const auto& row : rows) projections.push_back({row[0], row[1], 0});
  writeWholeFile(folder + "/proj", projectionsText(projections));
  writeWholeFile(folder + "/labels", "a\na\na\nb\nb\nb\nc <&>\nc <&>\n");
  return folder;
}

}  // namespace manifit
