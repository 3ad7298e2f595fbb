// The map view: where the nodes, their cells and the points lie in the grid's
// own coordinates. A rectangle is its square of grid coordinates [−1, 1]²; a
// line or a circle is a strip along the node numbers; a sphere is its sheet of
// longitude and latitude in degrees. A graph has no such layout.
#pragma once

#include <string>
#include <vector>

#include "view/grid_shape.h"
#include "view/view_files.h"
#include "view/view_geometry.h"

namespace manifit {

// The part of the map closest to one node, an axis-parallel box.
struct MapCell {
  double x0 = 0;
  double y0 = 0;
  double x1 = 0;
  double y1 = 0;
};

struct MapLayout {
  bool drawn = false;  // false for a graph
  bool strip = false;  // a line or circle: the vertical position of a point only spreads them
  double xMin = 0;
  double xMax = 0;
  double yMin = 0;
  double yMax = 0;
  std::string xLabel;
  std::string yLabel;
  std::vector<double> xTicks;  // values marked on the axes
  std::vector<double> yTicks;
  std::string placement;          // one sentence saying where the points are placed
  std::vector<PlanePoint> nodes;  // one per node
  std::vector<MapCell> cells;     // one per node
  std::vector<PlanePoint> points;
};

// Points go to their projections' grid coordinates when `projections` is
// given, otherwise to their nearest node.
MapLayout layoutMap(const GridShape& shape, const std::vector<int>& nearest,
                    const std::vector<Projection>* projections);

// A deterministic spread in (0.1, 0.9) for the p-th point of a strip.
double stripSpread(size_t p);

}  // namespace manifit
