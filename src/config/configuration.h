// The algorithm configuration file: numbered sections "#ALG<n>" of dotted
// keys that set the grid, the initial stretch, the strategy and the training
// schedule.
#pragma once

#include <memory>
#include <string>

#include "common/status.h"
#include "grid/grid.h"
#include "training/elastic_map.h"

namespace manifit {

// Reads section n of the file into the trainer (stretch factors, strategy,
// schedule) and creates the configured grid for the trainer's data dimension;
// the trainer adopts it with setGrid, the caller owns it. A file that cannot
// be opened, a missing section, an unknown grid type, unusable sizes or an
// over-long strategy name give a failed status (and no grid).
Status readConfiguration(ElasticMap& map, const std::string& path, int n,
                         std::unique_ptr<Grid>& grid);

}  // namespace manifit
