// The files of a fit from Python: a configuration section read, the
// manifold file written, the model file written and read.
#pragma once

#include <pybind11/pybind11.h>

#include <string>

namespace manifit::python {

namespace py = pybind11;

// Section "#ALG<n>" of a configuration file: "grid" (the grid dict),
// "strategy", "stages" (stage dicts), "text" and "warnings" (what the tool
// prints on standard error for it). ValueError with the tool's message when
// it cannot be used.
py::dict readConfiguration(const std::string& path, int n);
// The same from configuration text; name stands for the file in messages.
py::dict readConfigurationText(const std::string& text, int n, const std::string& name);

// Writes the manifold file of a map dict; ValueError when it cannot.
void writeManifold(const py::dict& map, const std::string& path, const std::string& dataName);

// Writes the model file of a fit dict (the keys of fit() and "columns",
// "configuration_file", "algorithm", "section", "fvu", "fit_points",
// "test_points", "discarded_points"); ValueError when it cannot.
void writeModel(const py::dict& model, const std::string& path);

// The fit dict of a model file; ValueError naming the file and the place
// when it cannot be read.
py::dict readModel(const std::string& path);

}  // namespace manifit::python
