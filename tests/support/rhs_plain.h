// The plain form of the trainer's right-hand sides (ElasticMap::computeAllRhs):
// one coordinate at a time, node after node, each node's points in list order.
#pragma once

namespace manifit {

class ElasticMap;

// out[i] = sum over the points p of node i of w_p x_p[coordinate], divided by
// the total weight (or the point count), for every node i of the map's grid.
void computeRhsPlain(const ElasticMap& map, int coordinate, double* out);

}  // namespace manifit
