// Fitting and projecting from Python: float32 tables in, dicts of numpy
// arrays out. The interpreter lock is released while the library works.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

namespace manifit::python {

namespace py = pybind11;

// Fits a map to a (points, dimension) table with optional weights; grid is
// the grid dict, stages a list of stage dicts, options holds "normalize",
// "test_fraction" (below 0: no test part) and "threads" (0: the hardware's
// count); progress(kind, text) receives the run's messages. Returns the
// fitted map, its statistics and "rows" (per input row 0 fitted, 1 test, 2
// discarded). Ctrl-C stops the fit with KeyboardInterrupt; a failure is a
// ValueError carrying the tool's message.
py::dict fit(const py::handle& table, const py::object& weights, const py::dict& grid,
             const py::list& stages, const py::dict& options, const py::object& progress);

// Nearest node, grid coordinates (3 per point) and squared distance of each
// point's projection onto the map (points in the map's fitted units).
py::dict project(const py::dict& map, const py::handle& table, int threads);

// The table in the fitted units: (x - mean) / deviation per column, with
// the tool's arithmetic.
py::array_t<float> normalize(const py::handle& table, const py::handle& mean,
                             const py::handle& deviation);

// The sum of the column variances of a table (unweighted), as the tool computes it.
double totalVariance(const py::handle& table);

}  // namespace manifit::python
