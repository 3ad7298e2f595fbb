// A fitted map and what a fit learns besides it.
#pragma once

#include <array>
#include <vector>

#include "manifit/schedule.h"

namespace manifit {

// The fitted grid: nodes in the fitted (normalized) units, three internal
// grid coordinates per node, the edges, the ribs (middle node first), the
// triangles and the elasticity coefficients of edges and ribs. size1 and
// size2 are the configured sizes (a grown grid keeps them).
struct Map {
  GridType type = GridType::Rectangle;
  int size1 = 0;
  int size2 = 0;
  int dimension = 0;
  int manifoldDimension = 0;
  std::vector<float> nodes;            // nodeCount() x dimension
  std::vector<float> gridCoordinates;  // nodeCount() x 3
  std::vector<std::array<int, 2>> edges;
  std::vector<std::array<int, 3>> ribs;
  std::vector<std::array<int, 3>> triangles;
  std::vector<float> edgeCoefficients;
  std::vector<float> ribCoefficients;

  int nodeCount() const {
    return dimension > 0 ? static_cast<int>(nodes.size() / static_cast<size_t>(dimension)) : 0;
  }
};

// Per column: x_fitted = (x - mean) / deviation. Without normalization the
// mean is 0 and the deviation 1. The statistics of the raw table (its
// minimum, maximum and total variance) come along, since the graph
// construction uses them.
struct Normalization {
  bool applied = false;
  std::vector<double> mean;
  std::vector<double> deviation;  // 1 for a constant column
  std::vector<double> minimum;
  std::vector<double> maximum;
  std::vector<double> rawMean;       // the column means of the raw table
  std::vector<double> rawDeviation;  // its deviations (0 for a constant column)
  double totalVariance = 0.0;
};

// The three principal components of the fitted points: their mean, unit
// vectors (3 x dimension) and the fractions of the total variance.
struct Components {
  std::vector<double> mean;
  std::vector<std::vector<double>> vectors;
  std::vector<double> varianceFractions;
};

// Where an input row went in the random split.
enum class RowPart { Fit, Test, Discarded };

// One training iteration, the numbers of its progress line.
struct Iteration {
  int stage = 0;
  int iteration = 0;
  double error = 0.0;  // mean squared distance of the fitted points to their nodes
  bool hasTestError = false;
  double testError = 0.0;
  bool hasGeneratingDistance = false;
  double generatingDistance = 0.0;  // to the generating manifold
  double df = 0.0;                  // mean node movement
  long clockTicks = 0;              // processor clock ticks of the iteration
};

// Points projected onto a map: per point its nearest node, the grid
// coordinates of its projection (3 per point, as the projections file
// writes them) and its squared distance to that projection.
struct Projection {
  std::vector<int> nearestNode;
  std::vector<float> coordinates;
  std::vector<float> squaredDistance;
};

}  // namespace manifit
