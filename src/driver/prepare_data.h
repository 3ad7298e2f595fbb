// Data preparation. The library's part (prepareTables): weights, random
// split and the three principal components of a table that is already
// loaded and normalized. The command-line run's part (prepareData): load,
// statistics, normalization, the early -normdat, weights, then the library's
// part and the summary files.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/random.h"
#include "common/status.h"
#include "components/principal_components.h"
#include "data/column_statistics.h"
#include "data/data_table.h"
#include "data/table_columns.h"
#include "driver/options.h"
#include "manifit/files.h"
#include "manifit/fit.h"

namespace manifit {

// The tables of a prepared fit (PreparedTable::data).
struct PreparedData {
  DataTable loaded;
  DataTable kept;
  DataTable drawn;
  // The statistics of the raw table, attached to the loaded and kept tables.
  ColumnStatistics statistics;
  DataTable* working = nullptr;  // loaded, or kept after a split
  std::unique_ptr<PrincipalComponents> components;
  Normalization normalization;
  // Per point of the loaded table, whether the last split drew it (empty
  // without a split), and whether the drawn part is the test table.
  std::vector<char> drawnFlags;
  bool drawnIsTest = false;
  // The generator's state after the preparation: training draws from there.
  uint32_t randomState = RandomGenerator::kStartState;
  std::string tableName;
  std::string weightsName;

  // What the command-line run keeps with its tables: the names, text columns
  // and file rows of the loaded table, the outputs that could not be written
  // (as "path (option)"), and the run's outputs, put in place together once
  // it is complete (a failed run leaves every earlier file as it was).
  TableColumns columns;
  std::vector<std::string> unwritten;
  OutputSet outputs;
  bool outputFailed = false;  // an output could not be written (reported already)
};

// The library's preparation into caller-owned tables, under a library call
// (the progress callback hears its text): takes the table over, applies the
// weights, the splits and the components. The generator starts afresh.
PreparedTable prepareTables(Table table, const Normalization& normalization,
                            const PrepareOptions& options, PreparedData& prepared);

// Refuses a table that is empty, whose values do not fill its rows or are
// not all finite, or whose weights are not one finite, non-negative weight
// per point with a total above 0.
Status checkTable(const Table& table);

// The public record of prepared tables (its data pointer left empty).
PreparedTable describePrepared(const PreparedData& prepared);

// The normalization of a table that is not normalized: the statistics of
// the raw table kept, mean 0 and deviation 1.
Normalization withoutNormalization(Normalization statistics);

// The command-line run's preparation; its text goes to the output layer.
Status prepareData(const Options& options, PreparedData& prepared);

// Prints a library event as the command-line tool does: messages on
// standard output, warnings on standard error.
bool printEvent(const Event& event);

}  // namespace manifit
