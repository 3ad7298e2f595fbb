// Between the package's dicts of numpy arrays and the library's records:
// maps, grids and stages, training histories and the statistics of a fit.
#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <vector>

#include "manifit/fit.h"
#include "manifit/map.h"
#include "manifit/schedule.h"

namespace manifit::python {

namespace py = pybind11;

// A library message without its surrounding line ends, for an exception.
std::string trimmed(std::string text);

// The map as a dict ("type" is the configuration's grid name).
py::dict mapToDict(const Map& map);
// The map of such a dict, with every shape and node index checked.
Map mapFromDict(const py::dict& in);

// The grid settings and one stage of a schedule, both ways.
GridSpec gridFromDict(const py::dict& in);
py::dict gridToDict(const GridSpec& grid);
Stage stageFromDict(const py::dict& in);
py::dict stageToDict(const Stage& stage);

// One dict per iteration: stage, iteration, error, test_error (None without
// a test part), df, and gmse when a generating manifold was given.
py::list historyToList(const std::vector<Iteration>& history);
std::vector<Iteration> historyFromList(const py::handle& items);

// The fit's map, normalization ("normalized", "mean", "scale"), components
// ("components_mean", "components", "variance_fractions"), history and final
// error, into out.
void fitToDict(const FitResult& fit, py::dict& out);
// The same keys back into a fit record, checked against the map's dimension.
FitResult fitFromDict(const py::dict& in);

}  // namespace manifit::python
