// Checks the invariants every public grid operation keeps: counts equal the
// list sizes, every entry has its fixed length, every index names a node.
#pragma once

#include <gtest/gtest.h>

#include "grid/grid.h"

namespace manifit {

inline void expectGridInvariants(const Grid& grid) {
  ASSERT_EQ(static_cast<size_t>(grid.nodeCount), grid.nodes.size());
  ASSERT_EQ(static_cast<size_t>(grid.nodeCount), grid.gridCoords.size());
  ASSERT_EQ(static_cast<size_t>(grid.edgeCount), grid.edges.size());
  ASSERT_EQ(static_cast<size_t>(grid.edgeCount), grid.edgeCoefs.size());
  ASSERT_EQ(static_cast<size_t>(grid.ribCount), grid.ribs.size());
  ASSERT_EQ(static_cast<size_t>(grid.ribCount), grid.ribCoefs.size());
  ASSERT_EQ(static_cast<size_t>(grid.triangleCount), grid.triangles.size());
  for (size_t i = 0; i < grid.nodes.size(); ++i) {
    ASSERT_EQ(static_cast<size_t>(grid.dimension), grid.nodes[i].size()) << "node " << i;
  }
  const auto inRange = [&grid](int index) { return index >= 0 && index < grid.nodeCount; };
  for (size_t e = 0; e < grid.edges.size(); ++e) {
    for (int index : grid.edges[e]) ASSERT_TRUE(inRange(index)) << "edge " << e;
  }
  for (size_t r = 0; r < grid.ribs.size(); ++r) {
    for (int index : grid.ribs[r]) ASSERT_TRUE(inRange(index)) << "rib " << r;
  }
  for (size_t t = 0; t < grid.triangles.size(); ++t) {
    for (int index : grid.triangles[t]) ASSERT_TRUE(inRange(index)) << "triangle " << t;
  }
}

}  // namespace manifit
