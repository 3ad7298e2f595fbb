// Data preparation: load, statistics, normalization, weights, random split
// and the three principal components with their summary files.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/atomic_output_file.h"
#include "common/status.h"
#include "components/principal_components.h"
#include "data/column_statistics.h"
#include "data/data_table.h"
#include "data/table_columns.h"
#include "driver/options.h"

namespace manifit {

struct PreparedData {
  DataTable loaded;
  DataTable kept;
  DataTable drawn;
  ColumnStatistics statistics;
  DataTable* working = nullptr;  // loaded, or kept after a split
  std::unique_ptr<PrincipalComponents> components;
  TableColumns columns;  // names, text columns and file rows of the loaded table
  // The normalization applied: x = (x - mean) / deviation (deviation 1 for a
  // constant column; mean 0 and deviation 1 when the table was not normalized).
  std::vector<double> normalizationMean;
  std::vector<double> normalizationDeviation;
  // Per point of the loaded table, whether the last split drew it (empty
  // without a split).
  std::vector<char> drawnFlags;
  // Outputs that could not be written, as "path (option)".
  std::vector<std::string> unwritten;
  // The outputs of the run, put in place together once it is complete; a
  // failed run leaves every earlier file as it was.
  StagedOutputs outputs;
  bool outputFailed = false;  // an output could not be written (reported already)
};

Status prepareData(const Options& options, PreparedData& prepared);

}  // namespace manifit
