#include <string>

#include "grid/grid_types.h"

namespace manifit {

namespace {

struct SizeRule {
  const char* typeName;
  int min1;
  int min2;   // 0: size2 is not used by the type
  int poles;  // nodes beyond the size1 x size2 lattice
};

constexpr SizeRule kSizeRules[] = {
    {"simplerectangular", 2, 2, 0}, {"sphere", 3, 2, 2}, {"linear", 2, 0, 0}, {"circle", 3, 0, 0},
    {"elgraph", 1, 0, 0},
};

// The calling thread's limits: each thread that runs a fit has its own.
thread_local long long nodeLimit = kMaxGridNodes;
thread_local long long valueLimit = kMaxGridValues;

std::string tooSmall(const SizeRule& rule, int size1, int size2) {
  std::string text = "Grid type " + std::string(rule.typeName) +
                     " needs grid.size1 >= " + std::to_string(rule.min1);
  if (rule.min2 > 0) {
    text += " and grid.size2 >= " + std::to_string(rule.min2) + ", got " + std::to_string(size1) +
            " and " + std::to_string(size2) + "\n";
  } else {
    text += ", got " + std::to_string(size1) + "\n";
  }
  return text;
}

}  // namespace

long long gridNodeLimit() {
  return nodeLimit;
}

long long gridValueLimit() {
  return valueLimit;
}

void limitGridSizes(long long nodes, long long values) {
  nodeLimit = nodes < kMaxGridNodes ? nodes : kMaxGridNodes;
  valueLimit = values < kMaxGridValues ? values : kMaxGridValues;
}

Status checkGridCapacity(const std::string& what, long long nodes, int dimension) {
  if (nodes > nodeLimit) {
    return Status::failure(what + " means " + std::to_string(nodes) + " nodes, more than the " +
                           std::to_string(nodeLimit) + " a grid can hold\n");
  }
  const long long values = nodes * (dimension > 1 ? dimension : 1);
  if (values > valueLimit) {
    return Status::failure(what + " means " + std::to_string(nodes) + " nodes of " +
                           std::to_string(dimension) + " coordinates, more than the " +
                           std::to_string(valueLimit) + " node coordinates a grid can hold\n");
  }
  return Status::success();
}

Status checkGridSizes(const std::string& typeName, int size1, int size2, int dimension) {
  for (const SizeRule& rule : kSizeRules) {
    if (typeName != rule.typeName) continue;
    if (size1 < rule.min1 || (rule.min2 > 0 && size2 < rule.min2)) {
      return Status::failure(tooSmall(rule, size1, size2));
    }
    const long long nodes = rule.min2 > 0 ? static_cast<long long>(size1) * size2 + rule.poles
                                          : static_cast<long long>(size1);
    std::string sizes = "grid.size1 " + std::to_string(size1);
    if (rule.min2 > 0) sizes += " and grid.size2 " + std::to_string(size2);
    return checkGridCapacity("Grid type " + std::string(rule.typeName) + ": " + sizes, nodes,
                             dimension);
  }
  // Unknown types are reported by the configuration reader.
  return Status::success();
}

}  // namespace manifit
