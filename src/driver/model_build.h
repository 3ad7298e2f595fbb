// Between a fitted grid and its model record: the model of a run, and the
// grid a saved model describes.
#pragma once

#include <memory>
#include <string>

#include "driver/model_file.h"
#include "grid/grid.h"

namespace manifit {

// The configuration's grid type name of a type code ("" for an unknown code)
// and back (-1 for an unknown name).
std::string gridTypeName(int code);
int gridTypeCode(const std::string& name);

// The grid part of a model: topology and nodes in normalized units, and the
// nodes in input units with the model's mean and deviation.
void describeGrid(const Grid& grid, Model& model);

// A grid holding the model's nodes and topology, ready for projection.
std::unique_ptr<Grid> gridFromModel(const Model& model);

}  // namespace manifit
