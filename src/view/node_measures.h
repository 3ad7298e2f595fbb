// Per-node figures drawn on the map views: how far each node lies from its
// grid neighbours (the U-matrix) and how well it fits its points (quality),
// and the points' scores on the first three principal components.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "view/view_files.h"

namespace manifit {

// (p − mean)·c_k for the summary's first three components; a component the
// summary does not have scores 0.
std::array<double, 3> componentScores(const ComponentSummary& summary,
                                      const std::vector<double>& point);

// Whether the summary has a third component with finite entries.
bool hasThirdComponent(const ComponentSummary& summary);

// Per node, the mean Euclidean distance to the nodes it shares an edge with
// (in the space the map was fitted in); none for a node without edges.
std::vector<std::optional<double>> uMatrix(const ManifoldFile& manifold);

// Per node, the mean squared distance of its points to it; none for a node
// without points.
std::vector<std::optional<double>> nodeQuality(const PointTable& table,
                                               const ManifoldFile& manifold,
                                               const std::vector<int>& nearest);

}  // namespace manifit
