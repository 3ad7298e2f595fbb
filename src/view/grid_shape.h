// The kind and size of the fitted grid. The manifold file names no kind (its
// GRIDTYPE block is the same for all), so the kind is recognised from the
// topology: the edge list of every regular kind is fixed by its size, and a
// map is of a kind exactly when its counts and its edge list are those of a
// grid of that kind.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/status.h"
#include "view/view_files.h"

namespace manifit {

enum class GridKind { rectangle, sphere, line, circle, graph };

struct GridShape {
  GridKind kind = GridKind::graph;
  int size1 = 0;  // nodes per row, meridians, or nodes of a line or circle
  int size2 = 0;  // rows or latitude rings; 0 for one-size kinds
};

// The configuration's word for the kind: "simplerectangular", "sphere",
// "linear", "circle", "elgraph".
const char* gridKindWord(GridKind kind);

// The inverse of gridKindWord; false for any other word.
bool parseGridKind(const std::string& word, GridKind& kind);

// The edge list, in build order, of a regular grid of this shape (empty for
// a graph).
std::vector<std::array<int, 2>> regularEdges(const GridShape& shape);

// Node, edge, rib and triangle counts of a regular grid of this shape.
std::array<long long, 4> regularCounts(const GridShape& shape);

// True when the map has the counts and the edge list of this shape.
bool matchesShape(const ManifoldFile& manifold, const GridShape& shape);

// The first regular shape the map matches (rectangle, sphere, line, circle
// in that order), or a graph.
GridShape recogniseShape(const ManifoldFile& manifold);

// The shape of the given kind that the map matches; a failure naming the map
// file when it matches none. Any map is a graph.
Status shapeOfKind(const ManifoldFile& manifold, GridKind kind, const std::string& path,
                   GridShape& shape);

}  // namespace manifit
