// The map view: where the nodes, their cells and the points lie in the grid's
// own coordinates. A rectangle is its square of grid coordinates [−1, 1]²; a
// line or a circle (or any map whose edges form one chain) is a strip along
// its length in the data space; a sphere is its sheet of longitude and
// latitude in degrees. Any other graph is drawn by a layout of its edges,
// nodes as discs.
#pragma once

#include <array>
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
  bool drawn = false;
  bool strip = false;     // a chain: the vertical position of a point only spreads them
  bool discs = false;     // a graph: nodes are discs joined by `links`, there are no cells
  double nodeRadius = 0;  // of a disc, in layout units
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
  std::vector<std::array<int, 2>> links;  // a graph's edges
};

// Points go to their projections' grid coordinates when `projections` is
// given (regular kinds), otherwise to their nearest node (spread around it on
// a graph).
MapLayout layoutMap(const GridShape& shape, const ManifoldFile& manifold,
                    const std::vector<int>& nearest, const std::vector<Projection>* projections);

// Positions along a chain: cumulative Euclidean lengths of its edges in the
// order given, from 0 (a closed chain's closing edge is not counted). When
// every edge has length 0, the node numbers along the order count instead.
std::vector<double> arcPositions(const ManifoldFile& manifold, const std::vector<int>& order);

// A deterministic spread in (0.1, 0.9) for the p-th point of a strip.
double stripSpread(size_t p);

}  // namespace manifit
