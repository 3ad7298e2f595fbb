// The per-point results file: one CSV line per row of the input, in input
// order, joinable to the input by its row number or its text columns.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/atomic_output_file.h"
#include "common/status.h"
#include "data/data_table.h"
#include "data/table_columns.h"
#include "grid/grid.h"

namespace manifit {

struct PointResult {
  int node = -1;                       // nearest node; -1 when none
  std::array<float, 3> coordinates{};  // grid coordinates of the projection
  float squaredDistance = 0.0f;        // to the nearest node
};

// Projects every point of the table onto the grid (whose node cache it
// refreshes).
std::vector<PointResult> projectTable(Grid& grid, const DataTable& table);

// Writes the file: parts holds one word per point of the table (fit, test,
// discarded); the rows dropped for missing values come in their place as
// "dropped".
Status writePointsFile(const std::string& path, const TableColumns& columns,
                       const std::vector<std::string>& parts,
                       const std::vector<PointResult>& results, StagedOutputs* staging = nullptr);

}  // namespace manifit
