// The five grid types: rectangle, sphere, line, circle and a graph grown from
// the data. Their build operations fix the numbering of nodes, edges, ribs
// and triangles.
#pragma once

#include <string>
#include <vector>

#include "common/status.h"
#include "grid/grid.h"

namespace manifit {

enum GridTypeCode { kRectangular = 0, kSphere = 1, kLinear = 2, kCircle = 3, kGraph = 4 };

// The most a grid may hold: nodes, and node coordinates (nodes x dimension).
// Each node costs its position, a cached copy, its grid coordinates and a
// row of the sparse system, so these keep a grid within a few gigabytes.
constexpr long long kMaxGridNodes = 1000000;
constexpr long long kMaxGridValues = 50000000;

// The limits in force on the calling thread: the two above unless lowered
// with limitGridSizes (the fuzz harnesses lower them so that every input runs
// in milliseconds). Each thread has its own.
long long gridNodeLimit();
long long gridValueLimit();
void limitGridSizes(long long nodes, long long values);

// Refuses sizes below what the type's formulas need, or so large that the grid
// of that many nodes of `dimension` coordinates cannot be held; typeName is
// the configuration's grid.type text.
Status checkGridSizes(const std::string& typeName, int size1, int size2, int dimension = 1);

// Refuses a grid that would grow to `nodes` nodes of `dimension` coordinates
// beyond the bounds above; `what` says what would make it grow.
Status checkGridCapacity(const std::string& what, long long nodes, int dimension);

class RectangularGrid : public Grid {
 public:
  int size2 = 0;  // rows
  int size1 = 0;  // nodes per row
  RectangularGrid(int firstSize, int secondSize, int coordinates);
  void build() override;
  // Adds one ring of nodes around the rectangle by linear extrapolation.
  void extrapolationStep();
};

class SphereGrid : public Grid {
 public:
  int size2 = 0;  // latitude rings
  int size1 = 0;  // meridians
  SphereGrid(int firstSize, int secondSize, int coordinates);
  void build() override;
};

class LinearGrid : public Grid {
 public:
  int size1 = 0;
  LinearGrid(int firstSize, int coordinates);
  void build() override;
};

class CircleGrid : public Grid {
 public:
  int size1 = 0;
  CircleGrid(int firstSize, int coordinates);
  void build() override;
};

class GraphGrid : public Grid {
 public:
  int size1 = 0;
  int minclust = 5;
  std::vector<Grid> subgrids;
  // The diagnostics file of the graph's joins; empty writes none.
  std::string diagnosticsPath = "mas";
  // Where the diagnostics file waits to be put in place; none puts it in
  // place at once.
  StagedOutputs* outputs = nullptr;
  GraphGrid(int firstSize, int coordinates);
  void build() override;

  // The elastic graph built from the data, in this order.
  Status scatterAndCluster(const DataTable& table, int rounds, double unused);
  void buildClusterSegments(const DataTable& table);
  void mergeSubgrids();
  Status connectComponents();
};

}  // namespace manifit
