// Nearest-node assignment: per grid node, the ascending indices of the
// points whose nearest node it is.
#pragma once

#include <vector>

namespace manifit {

struct NodeAssignment {
  std::vector<std::vector<int>> lists;  // one list per node, in node order
};

}  // namespace manifit
