// The sum behind Grid::centroidRms: over the nodes in order and each node's
// points in list order, the squared distance of the point to the centroid of
// its node's points (double).
#pragma once

#include "grid/node_assignment.h"

namespace manifit {

struct DataTable;

// The reference: list after list, the rows read in list order.
double centroidSquareSumByLists(const DataTable& table, const NodeAssignment& assignment, int lists,
                                int dimension);

// The same sums with the table read in row order (each list's sums still
// receive its points in list order), the distances over the worker threads.
// owner is pointOwners' map, which must have succeeded.
double centroidSquareSumStreamed(const DataTable& table, const NodeAssignment& assignment,
                                 const std::vector<int>& owner, int lists, int dimension);

// The same sum from the per-node sums of the points' coordinates already
// formed in list order (sums[i * dimension + k] = sum over list i of x_p[k],
// in double, each list's points added in its order from 0): the table is read
// once, for the distances. Equal bit for bit to centroidSquareSumByLists.
// owner is pointOwners' map, or empty when it failed (the distances are then
// summed list by list).
double centroidSquareSumFromSums(const DataTable& table, const NodeAssignment& assignment,
                                 const std::vector<int>& owner, std::vector<double> sums, int lists,
                                 int dimension);

}  // namespace manifit
