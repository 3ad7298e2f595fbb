// Data preparation: load, statistics, normalization, weights, random split
// and the three principal components with their summary files.
#pragma once

#include <memory>

#include "common/status.h"
#include "components/principal_components.h"
#include "data/column_statistics.h"
#include "data/data_table.h"
#include "driver/options.h"

namespace manifit {

struct PreparedData {
  DataTable loaded;
  DataTable kept;
  DataTable drawn;
  ColumnStatistics statistics;
  DataTable* working = nullptr;  // loaded, or kept after a split
  std::unique_ptr<PrincipalComponents> components;
};

Status prepareData(const Options& options, PreparedData& prepared);

}  // namespace manifit
