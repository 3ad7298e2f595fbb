// The files of one manifit run that the viewer reads: the manifold file, the
// principal-component summary, the normalized table, the projections, and a
// labels file of its own. Every reader checks its file completely and names
// the file and the line of the first problem.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/status.h"

namespace manifit {

// The manifold description file written by manifit -o.
struct ManifoldFile {
  int dimension = 0;
  int nodeCount = 0;
  int edgeCount = 0;
  int ribCount = 0;
  int triangleCount = 0;
  std::vector<std::vector<double>> nodes;  // positions in data space
  std::vector<std::array<int, 2>> edges;
  std::vector<std::array<int, 3>> ribs;  // middle node first
  std::vector<std::array<int, 3>> triangles;
  std::vector<std::array<double, 2>> gridCoords;  // the first two internal coordinates
};

// The summary file "temp": mean, unit components and variance fractions.
struct ComponentSummary {
  int componentCount = 0;
  int dimension = 0;
  std::vector<double> mean;
  std::vector<std::vector<double>> components;
  std::vector<double> fractions;  // share of the total variance of each component
};

// The normalized table of the run (-normdat): one point per line.
struct PointTable {
  int dimension = 0;
  std::vector<std::vector<double>> rows;
};

using Projection = std::array<double, 3>;

Status readManifoldFile(const std::string& path, ManifoldFile& manifold);

// Needs at least two components with finite entries and variance fractions.
Status readComponentSummary(const std::string& path, ComponentSummary& summary);

Status readPointTable(const std::string& path, PointTable& table);

// One line of three finite numbers per point.
Status readProjections(const std::string& path, std::vector<Projection>& projections);

// One non-empty label per line (surrounding blanks are dropped).
Status readLabels(const std::string& path, std::vector<std::string>& labels);

}  // namespace manifit
