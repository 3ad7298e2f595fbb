// Pieces of a graph drawing: spreading the nodes of one connected part by
// stress majorization, and packing the drawings of separate parts side by
// side, row after row.
#pragma once

#include <vector>

#include "view/view_geometry.h"

namespace manifit {

// Moves the points so that their plane distances approach `distances` (n × n,
// row by row; the wanted distance of points i and j), each pair weighted by
// its inverse squared distance. Starts from the given points, slightly spread
// so that no two coincide; deterministic.
void refineByStress(std::vector<PlanePoint>& points, const std::vector<double>& distances,
                    int iterations);

// Places the parts (each a drawing in its own units) next to each other with
// `gap` between them, in rows about as wide as the whole is tall, the parts
// in the given order, the first row on top; returns the positions of every
// part's points.
std::vector<std::vector<PlanePoint>> packParts(const std::vector<std::vector<PlanePoint>>& parts,
                                               double gap);

}  // namespace manifit
