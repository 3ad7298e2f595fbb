// The numbers behind the two pictures: the plane of the first two principal
// components, the nearest node of every point, and the fractions of variance
// that the nodes and the plane leave unexplained.
#pragma once

#include <optional>
#include <vector>

#include "view/view_files.h"

namespace manifit {

struct PlanePoint {
  double x = 0;
  double y = 0;
};

// x = (p − mean)·c1, y = (p − mean)·c2 with the summary's mean and its first
// two components.
PlanePoint projectOnPlane(const ComponentSummary& summary, const std::vector<double>& point);

// Per point, the index of its nearest node (squared Euclidean distance; ties
// go to the lower index).
std::vector<int> nearestNodes(const PointTable& table, const ManifoldFile& manifold);

// Per node, how many points have it as their nearest node.
std::vector<int> nodePointCounts(const std::vector<int>& nearest, int nodeCount);

// Σ |p − node(p)|² / Σ |p − mean|², the mean being the points' own; none when
// the points do not vary at all.
std::optional<double> unexplainedByNodes(const PointTable& table, const ManifoldFile& manifold,
                                         const std::vector<int>& nearest);

// The same fraction for the plane through the points' mean spanned by the
// summary's first two components.
std::optional<double> unexplainedByPlane(const PointTable& table, const ComponentSummary& summary);

}  // namespace manifit
