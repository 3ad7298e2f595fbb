// The last two steps of growing an elastic graph: the cluster segments
// become one graph, then every node is joined to its nearest node that is
// not yet its neighbour, unless that join is an outlier.
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "common/atomic_output_file.h"
#include "common/output.h"
#include "geometry/distance.h"
#include "grid/grid_types.h"

namespace manifit {

namespace {

// sum (a_c - b_c)^2, differences, squares and sum in single precision.
float squaredNodeDistance(const std::vector<float>& a, const std::vector<float>& b, int dimension) {
  float sum = 0.0f;
  for (int c = 0; c < dimension; c++) {
    const float d = a[c] - b[c];
    sum += d * d;
  }
  return sum;
}

bool edgesJoin(const Grid& grid, const std::vector<int>& incident, int j) {
  for (int e : incident) {
    if (grid.edges[e][0] == j || grid.edges[e][1] == j) return true;
  }
  return false;
}

}  // namespace

void GraphGrid::mergeSubgrids() {
  clearAll();
  for (const Grid& subgrid : subgrids) {
    const int offset = static_cast<int>(nodes.size());
    for (size_t i = 0; i < subgrid.nodes.size(); i++) {
      nodes.push_back(subgrid.nodes[i]);
      gridCoords.push_back(subgrid.gridCoords[i]);
    }
    for (size_t e = 0; e < subgrid.edges.size(); e++) {
      edges.push_back({subgrid.edges[e][0] + offset, subgrid.edges[e][1] + offset});
      edgeCoefs.push_back(subgrid.edgeCoefs[e]);
    }
    for (size_t r = 0; r < subgrid.ribs.size(); r++) {
      const std::array<int, 3>& rib = subgrid.ribs[r];
      ribs.push_back({rib[0] + offset, rib[1] + offset, rib[2] + offset});
      ribCoefs.push_back(subgrid.ribCoefs[r]);
    }
  }
  nodeCount = static_cast<int>(nodes.size());
  edgeCount = static_cast<int>(edges.size());
  ribCount = static_cast<int>(ribs.size());
  triangleCount = static_cast<int>(triangles.size());
}

Status GraphGrid::connectComponents() {
  if (nodeCount == 0) {
    return Status::failure(
        "The elastic graph cannot be grown: no cluster holds two points or more.\n");
  }
  buildIncidence();

  // Each node's nearest node that no edge joins to it yet.
  std::vector<std::pair<int, int>> candidates;
  std::vector<double> distances(static_cast<size_t>(nodeCount), 0.0);
  for (int i = 0; i < nodeCount; i++) {
    double best = std::numeric_limits<double>::infinity();
    int nearest = -1;
    for (int j = 0; j < nodeCount; j++) {
      if (j == i) continue;
      const float d = squaredNodeDistance(nodes[i], nodes[j], dimension);
      if (d < best && !edgesJoin(*this, nodeEdges[i], j)) {
        best = d;
        nearest = j;
      }
    }
    if (nearest != -1) {
      candidates.emplace_back(i, nearest);
      distances[i] = std::sqrt(best);
    }
  }

  double mean = 0.0;
  double deviation = 0.0;
  meanAndDeviation(distances.data(), nodeCount, mean, deviation);
  const bool wanted = !diagnosticsPath.empty();
  std::unique_ptr<AtomicOutputFile> masFile;
  if (wanted) masFile = std::make_unique<AtomicOutputFile>(diagnosticsPath, outputs);
  std::FILE* diagnostics = wanted ? masFile->get() : nullptr;
  if (wanted && diagnostics == nullptr) {
    print("Can not open file %s for writing: the graph diagnostics are not saved.\n",
          diagnosticsPath.c_str());
  } else if (wanted) {
    std::fprintf(diagnostics, "Mean = %f  Std = %f\n", mean, deviation);
    for (double d : distances) std::fprintf(diagnostics, "%f\n", d);
  }

  // Joins longer than 4 deviations above the mean are outliers.
  std::vector<std::pair<int, int>> kept;
  for (const std::pair<int, int>& candidate : candidates) {
    const double squared =
        squaredNodeDistance(nodes[candidate.first], nodes[candidate.second], dimension);
    const double r = std::sqrt(squared);
    if (r <= 4.0 * deviation + mean) {
      kept.push_back(candidate);
    } else if (diagnostics != nullptr) {
      std::fprintf(diagnostics, "Excluded (r=%f) ", r);
    }
  }

  // Ribs through both ends of every join, along the edges that existed
  // before the joins, then the join itself.
  for (const std::pair<int, int>& join : kept) {
    for (const std::pair<int, int>& ends : {join, std::make_pair(join.second, join.first)}) {
      const int p = ends.first;
      for (int e : nodeEdges[p]) {
        for (int y : edges[e]) {
          if (y == p) continue;
          ribs.push_back({p, y, ends.second});
          ribCoefs.push_back(1.0f);
        }
      }
    }
    edges.push_back({join.first, join.second});
    edgeCoefs.push_back(1.0f);
  }
  edgeCount = static_cast<int>(edges.size());
  ribCount = static_cast<int>(ribs.size());
  normalizeRibCoefs(1);
  if (diagnostics != nullptr && !masFile->commit()) {
    print("Can not write file %s: the graph diagnostics are not saved.\n", diagnosticsPath.c_str());
  }
  return Status::success();
}

}  // namespace manifit
