// The model file written by manifit -model, as far as the page needs it: the
// map, the principal components, the columns with the means and deviations
// that normalized them, and the training history. Every count and index is
// checked before anything is built; a message names the file and the key.
#pragma once

#include <string>
#include <vector>

#include "common/status.h"
#include "view/svg_page.h"
#include "view/view_files.h"

namespace manifit {

struct ModelInput {
  std::string gridType;   // simplerectangular, sphere, linear, circle or elgraph
  ManifoldFile manifold;  // nodes in the fitted (normalized) units
  std::vector<std::vector<double>> nodesInput;  // the same nodes in the input's units
  ComponentSummary summary;                     // of the fitted table
  std::vector<std::string> columns;             // one name per coordinate
  bool normalized = false;                      // x_normalized = (x - mean) / deviation
  std::vector<double> mean;
  std::vector<double> deviation;
  std::vector<HistoryEntry> history;
  long long fitPoints = 0;
  long long testPoints = 0;
  long long discardedPoints = 0;
};

// The longest model file read.
constexpr size_t kMaxModelFileBytes = size_t(256) << 20;
// The most node coordinates (nodes times dimension) a model may hold.
constexpr long long kMaxModelValues = 1LL << 26;

// Reads the model from its JSON text; path names the file in messages.
Status modelFromJson(const std::string& text, const std::string& path, ModelInput& model);

Status readModelInput(const std::string& path, ModelInput& model);

}  // namespace manifit
