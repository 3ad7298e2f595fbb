// Two-dimensional drawings of a map's topology: the order of the nodes along
// a chain (a line or a circle, however its nodes are numbered) and a
// deterministic layout of any graph.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "view/view_geometry.h"

namespace manifit {

struct ChainOrder {
  bool closed = false;     // a circle
  std::vector<int> nodes;  // along the chain; a line starts at its lower-numbered end
};

// The order of the nodes when the edges join them into one simple path or one
// simple cycle (each node on it once), otherwise none.
std::optional<ChainOrder> chainOrder(int nodeCount, const std::vector<std::array<int, 2>>& edges);

// The largest graph laid out from its own distances; a bigger one is drawn on
// the plane of its nodes' first two principal directions instead.
constexpr int kLayoutNodeLimit = 1500;

// Node positions from the graph's shortest-path (edge count) distances:
// each connected part drawn by classical scaling, spread by stress
// majorization, and the parts packed side by side with a gap of one and a
// half edges; scaled into [−1, 1]² with one scale on both axes.
// Deterministic.
std::vector<PlanePoint> graphLayout(int nodeCount, const std::vector<std::array<int, 2>>& edges);

// Positions from the points' first two principal directions (power iteration
// on their covariance), scaled the same way; for graphs too big for
// graphLayout.
std::vector<PlanePoint> planeLayout(const std::vector<std::vector<double>>& positions);

}  // namespace manifit
