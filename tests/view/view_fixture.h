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

// The 8 points of that run, in the map's (normalized) units.
const std::vector<std::vector<double>>& rectangleRows();

// The files of one run on a 3 × 2 rectangle in 3-D: 8 points, plane = the
// first two axes; returns the folder. Files: map, temp, norm, proj, labels.
std::string writeRectangleRun(const std::string& name);

// The model file of the run of writeRectangleRun: the same map, summary
// and points, with the columns "a", "b", "c" normalized by the means
// kModelMean and deviations kModelDeviation, and a training history of two
// stages (iterations 0-2 and 0-1) with test errors.
extern const double kModelMean[3];
extern const double kModelDeviation[3];
std::string rectangleModelText();

// The files of that run in model form; returns the folder. Files: model.json,
// table.txt (the points in input units, table format), table.csv (the same
// with a header "a,b,c,kind" and a text column "kind": x x x y y y z z).
std::string writeModelRun(const std::string& name);

// The arguments that draw folder/page.html from model.json and the table.
std::vector<std::string> modelRunArguments(const std::string& folder, const std::string& table);

}  // namespace manifit
