// The model file from Python: a fitted estimator's record written to, and
// read back from, the JSON file that manifit -model writes.
#pragma once

#include <pybind11/pybind11.h>

#include <string>

namespace manifit::python {

// Writes the record of a fitted map (the estimator's model dict); raises
// ValueError when the record is inconsistent or the file cannot be written.
void writeModel(const pybind11::dict& model, const std::string& path);

// The record of the model file at path; raises ValueError naming the file
// and the place when it cannot be read.
pybind11::dict readModel(const std::string& path);

}  // namespace manifit::python
