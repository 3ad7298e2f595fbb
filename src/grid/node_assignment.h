// Nearest-node assignment: per grid node, the ascending indices of the
// points whose nearest node it is.
#pragma once

#include <vector>

namespace manifit {

struct NodeAssignment {
  std::vector<std::vector<int>> lists;  // one list per node, in node order
};

// owner[p] = the node whose list holds point p, -1 for none, for points
// [0, pointCount). False when a list is not strictly ascending, holds a point
// outside the range or a point another list holds too: then summing the
// points in table order would not be summing each list in its order.
bool pointOwners(const NodeAssignment& assignment, int lists, int pointCount,
                 std::vector<int>& owner);

}  // namespace manifit
