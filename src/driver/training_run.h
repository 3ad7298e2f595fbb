// The training run: trainer, configuration, grid placement, training, the
// final error and the output files.
#pragma once

#include "common/status.h"
#include "driver/options.h"
#include "driver/prepare_data.h"

namespace manifit {

Status runTraining(const Options& options, PreparedData& prepared);

}  // namespace manifit
