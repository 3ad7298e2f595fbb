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

// Each node's nearest node that no edge joins to it yet: the candidate joins
// (node, nearest), and distances[i] = the distance of node i's candidate (0
// without one).
std::vector<std::pair<int, int>> nearestCandidates(const Grid& grid,
                                                   std::vector<double>& distances) {
  std::vector<std::pair<int, int>> candidates;
  distances.assign(static_cast<size_t>(grid.nodeCount), 0.0);
  for (int i = 0; i < grid.nodeCount; i++) {
    double best = std::numeric_limits<double>::infinity();
    int nearest = -1;
    for (int j = 0; j < grid.nodeCount; j++) {
      if (j == i) continue;
      const float d = squaredNodeDistance(grid.nodes[i], grid.nodes[j], grid.dimension);
      if (d < best && !edgesJoin(grid, grid.nodeEdges[i], j)) {
        best = d;
        nearest = j;
      }
    }
    if (nearest != -1) {
      candidates.emplace_back(i, nearest);
      distances[i] = std::sqrt(best);
    }
  }
  return candidates;
}

// The candidates no longer than 4 deviations above the mean; each outlier is
// noted in the diagnostics when they are written.
std::vector<std::pair<int, int>> keptJoins(const Grid& grid,
                                           const std::vector<std::pair<int, int>>& candidates,
                                           double mean, double deviation, std::FILE* diagnostics) {
  std::vector<std::pair<int, int>> kept;
  for (const std::pair<int, int>& candidate : candidates) {
    const double squared = squaredNodeDistance(grid.nodes[candidate.first],
                                               grid.nodes[candidate.second], grid.dimension);
    const double r = std::sqrt(squared);
    if (r <= 4.0 * deviation + mean) {
      kept.push_back(candidate);
    } else if (diagnostics != nullptr) {
      std::fprintf(diagnostics, "Excluded (r=%f) ", r);
    }
  }
  return kept;
}

// Ribs through both ends of every join, along the edges that existed before
// the joins, then the join itself.
void addJoins(Grid& grid, const std::vector<std::pair<int, int>>& kept) {
  for (const std::pair<int, int>& join : kept) {
    for (const std::pair<int, int>& ends : {join, std::make_pair(join.second, join.first)}) {
      const int p = ends.first;
      for (int e : grid.nodeEdges[p]) {
        for (int y : grid.edges[e]) {
          if (y == p) continue;
          grid.ribs.push_back({p, y, ends.second});
          grid.ribCoefs.push_back(1.0f);
        }
      }
    }
    grid.edges.push_back({join.first, join.second});
    grid.edgeCoefs.push_back(1.0f);
  }
  grid.edgeCount = static_cast<int>(grid.edges.size());
  grid.ribCount = static_cast<int>(grid.ribs.size());
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

  std::vector<double> distances;
  const std::vector<std::pair<int, int>> candidates = nearestCandidates(*this, distances);

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
  addJoins(*this, keptJoins(*this, candidates, mean, deviation, diagnostics));
  normalizeRibCoefs(1);
  if (diagnostics != nullptr && !masFile->commit()) {
    print("Can not write file %s: the graph diagnostics are not saved.\n", diagnosticsPath.c_str());
  }
  return Status::success();
}

}  // namespace manifit
