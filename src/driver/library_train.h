// The library's training of prepared tables, shared by train() and the
// command-line run.
#pragma once

#include "driver/prepare_data.h"
#include "manifit/fit.h"
#include "manifit/schedule.h"

namespace manifit {

// Places the grid along the components and runs the schedule, under a
// library call (the progress callback hears its text and iterations). The
// generator continues from where the preparation left it.
FitResult trainPrepared(PreparedData& prepared, const GridSpec& grid, const Schedule& schedule,
                        const TrainOptions& options);

}  // namespace manifit
