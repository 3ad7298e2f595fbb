// The records the Python module exchanges with the fitting code: a table, a
// grid specification, a schedule and options in; a fitted map and its
// statistics out.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "training/training_stage.h"

namespace manifit::python {

struct FittedMap {
  std::string type;  // configuration name: simplerectangular, sphere, linear, circle, elgraph
  int size1 = 0;
  int size2 = 0;
  int dimension = 0;
  int manifoldDimension = 0;
  std::vector<float> nodes;            // nodeCount x dimension
  std::vector<float> gridCoordinates;  // nodeCount x 3
  std::vector<std::array<int, 2>> edges;
  std::vector<std::array<int, 3>> ribs;
  std::vector<std::array<int, 3>> triangles;
  std::vector<float> edgeCoefficients;
  std::vector<float> ribCoefficients;
  int nodeCount() const { return dimension > 0 ? static_cast<int>(nodes.size()) / dimension : 0; }
};

struct GridRequest {
  std::string type = "simplerectangular";
  int size1 = 10;
  int size2 = 10;
  int minclust = 5;
  std::array<float, 3> stretch = {0.8f, 0.8f, 0.8f};
};

struct Section {
  GridRequest grid;
  std::string strategy = "epoch";
  std::vector<TrainingStage> stages;
};

struct FitRequest {
  const float* rows = nullptr;  // count x dimension, row-major
  int count = 0;
  int dimension = 0;
  const float* weights = nullptr;  // count weights, or none
  Section section;
  bool normalize = true;
  double testFraction = -1.0;  // below 0: no test part
  int threads = 0;             // 0: the hardware's count
  // Receives every message of the run; returns false to stop the fit.
  std::function<bool(const std::string&)> message;
};

struct IterationRecord {
  int stage = 0;
  int iteration = 0;
  double error = 0.0;
  bool hasTestError = false;
  double testError = 0.0;
  double df = 0.0;
};

struct FitResult {
  bool ok = false;
  bool stopped = false;  // the message callback asked to stop
  std::string error;
  FittedMap map;
  std::vector<double> mean;
  std::vector<double> scale;  // 1 for a constant column
  std::vector<double> componentsMean;
  std::vector<double> components;  // 3 x dimension
  std::vector<double> varianceFractions;
  std::vector<IterationRecord> history;
  double finalError = 0.0;
  std::vector<int> rowPart;  // per input row: 0 fitted, 1 test, 2 discarded
};

struct Projection {
  std::vector<int> nearest;
  std::vector<float> coordinates;  // 3 per point
  std::vector<float> distance;     // squared distance to the projection
};

FitResult fitMap(const FitRequest& request);

// Projects count points (fitted units) onto the map.
Projection projectPoints(const FittedMap& map, const float* rows, int count, int threads);

// Writes the manifold file; false with a message when it cannot be written.
bool writeManifold(const FittedMap& map, const std::string& path, const std::string& dataName,
                   std::string& error);

// Section n of a configuration file; false with a message when it cannot be used.
bool readSection(const std::string& path, int n, Section& section, std::string& error);

}  // namespace manifit::python
