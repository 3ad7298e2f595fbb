// manifit._core: the library for the Python package. Tables come in as
// C-ordered float32 arrays; results go out as dicts of numpy arrays.
#include <pybind11/pybind11.h>

#include <string>

#include "files.h"
#include "fitting.h"
#include "manifit/fit.h"

namespace py = pybind11;

PYBIND11_MODULE(_core, module) {
  using namespace manifit::python;
  module.doc() = "The manifit library for the Python package.";
  // A MANIFIT_KERNEL that names no usable kernel is a warning, as in the tool.
  std::string kernelWarning = manifit::kernelWarning();
  while (!kernelWarning.empty() && kernelWarning.back() == '\n') kernelWarning.pop_back();
  if (!kernelWarning.empty() && PyErr_WarnEx(PyExc_RuntimeWarning, kernelWarning.c_str(), 1) != 0) {
    throw py::error_already_set();
  }
  module.def("fit", &fit, py::arg("table"), py::arg("weights"), py::arg("grid"), py::arg("stages"),
             py::arg("options"), py::arg("progress"),
             "Fit a map to a float32 table; returns the fitted map and its statistics.");
  module.def("project", &project, py::arg("map"), py::arg("table"), py::arg("threads") = 0,
             "Nearest node, grid coordinates and squared distance of each point's projection.");
  module.def("normalize", &normalize, py::arg("table"), py::arg("mean"), py::arg("deviation"),
             "The table in the fitted units: (x - mean) / deviation per column.");
  module.def("total_variance", &totalVariance, py::arg("table"),
             "The sum of the column variances of a table, as the tool computes it.");
  module.def("read_configuration", &readConfiguration, py::arg("path"), py::arg("n"),
             "Grid settings, strategy and stages of one numbered section of a configuration file.");
  module.def("read_configuration_text", &readConfigurationText, py::arg("text"), py::arg("n"),
             py::arg("name"), "The same from configuration text; name stands for the file.");
  module.def("write_manifold", &writeManifold, py::arg("map"), py::arg("path"),
             py::arg("data_name"), "Write the manifold file of a fitted map.");
  module.def("write_model", &writeModel, py::arg("model"), py::arg("path"),
             "Write a fitted map and its statistics to a model file.");
  module.def("read_model", &readModel, py::arg("path"),
             "The fitted map and statistics of a model file.");
}
