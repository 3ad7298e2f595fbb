// Between the library's public records and the engine's own: grids and
// maps, stages, grid settings, progress entries and tables.
#pragma once

#include <memory>
#include <string>

#include "common/status.h"
#include "config/configuration.h"
#include "data/data_table.h"
#include "grid/grid.h"
#include "manifit/fit.h"
#include "manifit/map.h"
#include "manifit/schedule.h"
#include "manifit/table.h"
#include "training/progress_entry.h"
#include "training/training_stage.h"

namespace manifit {

// The grid type code of the engine (grid/grid_types.h) and back.
int gridTypeCode(GridType type);
GridType gridTypeOf(int code);

// The configured sizes of a grid (0 where its type has none).
void configuredSizes(const Grid& grid, int& size1, int& size2);

// The map of a fitted grid, with its configured sizes.
Map mapOf(const Grid& grid, int size1, int size2);
// Refuses a map whose lists do not fit together (sizes, indices, counts).
Status checkMap(const Map& map);
// A grid holding the map's nodes, coordinates, lists and coefficients.
std::unique_ptr<Grid> gridOf(const Map& map);

// Stages, and the grid part of a section's settings.
Stage stageOf(const TrainingStage& stage);
TrainingStage trainingStageOf(const Stage& stage);
GridSpec gridSpecOf(const SectionSettings& settings);
SectionSettings settingsOf(const GridSpec& grid);

// A progress line's numbers, and back (the clock ticks are not kept there).
Iteration iterationOf(const ProgressEntry& entry);
ProgressEntry progressEntryOf(const Iteration& iteration);

// A table that refers to the view's rows without a copy (only to be read).
DataTable viewTable(const TableView& view);
// The rows of a loaded table as a public table (taken over when contiguous).
Table tableOf(DataTable&& loaded);

}  // namespace manifit
