// Small runs written by hand, in the exact formats manifit writes, for the
// viewer's tests.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace manifit {

// runView on these arguments (the program name is added).
int runViewWith(const std::vector<std::string>& arguments);

// The standard arguments for the run of writeRectangleRun, writing folder/page.html.
std::vector<std::string> rectangleRunArguments(const std::string& folder);

// A fresh empty folder under the test temporary folder.
std::string freshFolder(const std::string& name);

std::string readWholeFile(const std::string& path);
void writeWholeFile(const std::string& path, const std::string& text);

struct FakeMap {
  int dimension = 0;
  std::vector<std::vector<double>> nodes;
  std::vector<std::array<int, 2>> edges;
  int ribCount = 0;  // ribs and triangles are written as (0, 0, 0)
  int triangleCount = 0;
  std::vector<std::array<double, 2>> gridCoords;
};

// The manifold description file of manifit -o.
std::string manifoldText(const FakeMap& map);

// The summary "temp": mean, components (one per line) and fractions.
std::string summaryText(const std::vector<double>& mean,
                        const std::vector<std::vector<double>>& components,
                        const std::vector<double>& fractions);

// The -normdat table ("%10.10f\t" per value).
std::string tableText(const std::vector<std::vector<double>>& rows);

// The -p file ("%f\t%f\t%f\n" per point).
std::string projectionsText(const std::vector<std::array<double, 3>>& projections);

// A rectangle of A nodes per row and B rows, edges in build order, placed in
// 3-D data space at (g0, g1, 0) for grid coordinates (g0, g1).
FakeMap rectangleMap(int a, int b);

// A line of n nodes, placed at (2i/n − 1, 0, 0).
FakeMap lineMap(int n);

// The files of one run on a 3 × 2 rectangle in 3-D: 8 points, plane = the
// first two axes; returns the folder. Files: map, temp, norm, proj, labels.
std::string writeRectangleRun(const std::string& name);

}  // namespace manifit
