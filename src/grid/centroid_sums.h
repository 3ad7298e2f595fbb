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

}  // namespace manifit
