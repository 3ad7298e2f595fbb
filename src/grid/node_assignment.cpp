#include "grid/node_assignment.h"

#include <algorithm>

namespace manifit {

bool pointOwners(const NodeAssignment& assignment, int lists, int pointCount,
                 std::vector<int>& owner) {
  owner.assign(static_cast<size_t>(std::max(pointCount, 0)), -1);
  const size_t count = std::min(assignment.lists.size(), static_cast<size_t>(std::max(lists, 0)));
  for (size_t i = 0; i < count; ++i) {
    int previous = -1;
    for (int p : assignment.lists[i]) {
      if (p <= previous || p >= pointCount || owner[static_cast<size_t>(p)] != -1) return false;
      owner[static_cast<size_t>(p)] = static_cast<int>(i);
      previous = p;
    }
  }
  return true;
}

}  // namespace manifit
