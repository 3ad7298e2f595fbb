// The model file: a fitted map with everything needed to reuse or draw it
// (grid, normalization, components, configuration, training history) as one
// JSON object. docs/model-file.md describes the format.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/atomic_output_file.h"
#include "common/json.h"
#include "common/status.h"
#include "training/progress_entry.h"

namespace manifit {

struct Model {
  // The grid.
  std::string gridType;
  int size1 = 0;
  int size2 = 0;
  int dimension = 0;
  int manifoldDimension = 0;
  std::vector<std::vector<float>> nodes;       // normalized units
  std::vector<std::vector<float>> nodesInput;  // input units
  std::vector<std::array<float, 3>> gridCoordinates;
  std::vector<std::array<int, 2>> edges;
  std::vector<std::array<int, 3>> ribs;  // middle node first
  std::vector<std::array<int, 3>> triangles;
  std::vector<float> edgeCoefficients;
  std::vector<float> ribCoefficients;
  // The columns and their normalization: x_normalized = (x - mean) / deviation.
  std::vector<std::string> columns;
  bool normalized = false;
  std::vector<double> mean;
  std::vector<double> deviation;
  // The principal components of the working table.
  std::vector<double> componentMean;
  std::vector<std::vector<double>> componentVectors;
  std::vector<double> varianceFractions;
  // The run.
  std::string configurationFile;
  int algorithm = 0;
  std::string section;
  std::vector<ProgressEntry> history;
  double finalError = 0.0;
  double fvu = 0.0;
  long long fitPoints = 0;
  long long testPoints = 0;
  long long discardedPoints = 0;
};

// The model as a JSON document; fails when a number is not finite.
Status modelToText(const Model& model, std::string& text);
// Writes the model file (whole or not at all).
// With a staging set, the complete file is handed to it instead.
Status writeModelFile(const std::string& path, const Model& model,
                      StagedOutputs* staging = nullptr);

// Reads a model from JSON text; name is the file name used in messages.
// Every count and index is checked before the model is filled.
Status modelFromText(const std::string& text, const std::string& name, Model& model);
Status readModelFile(const std::string& path, Model& model);

}  // namespace manifit
