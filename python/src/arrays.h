// Conversions between numpy arrays and the vectors of the fitting code.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace manifit::python {

namespace py = pybind11;

using FloatArray = py::array_t<float, py::array::c_style | py::array::forcecast>;
using IntArray = py::array_t<int, py::array::c_style | py::array::forcecast>;

template <typename T>
inline py::array_t<T> toArray(const std::vector<T>& values, std::vector<py::ssize_t> shape) {
  py::array_t<T> array(shape);
  std::copy(values.begin(), values.end(), array.mutable_data());
  return array;
}

template <size_t N>
py::array_t<int> pairsToArray(const std::vector<std::array<int, N>>& items) {
  py::array_t<int> array({static_cast<py::ssize_t>(items.size()), static_cast<py::ssize_t>(N)});
  int* out = array.mutable_data();
  for (const std::array<int, N>& item : items) out = std::copy(item.begin(), item.end(), out);
  return array;
}

template <size_t N>
std::vector<std::array<int, N>> arrayToItems(const py::handle& value, const char* what,
                                             int nodeCount) {
  IntArray array = IntArray::ensure(value);
  if (!array || (array.size() > 0 && (array.ndim() != 2 || array.shape(1) != N))) {
    throw py::value_error(std::string("map: ") + what + " must be an array of shape (k, " +
                          std::to_string(N) + ")");
  }
  std::vector<std::array<int, N>> items(static_cast<size_t>(array.size() / N));
  const int* in = array.data();
  for (std::array<int, N>& item : items) {
    for (size_t q = 0; q < N; ++q, ++in) {
      if (*in < 0 || *in >= nodeCount) {
        throw py::value_error(std::string("map: ") + what + " refer to node " +
                              std::to_string(*in) + ", but the map has " +
                              std::to_string(nodeCount) + " nodes");
      }
      item[q] = *in;
    }
  }
  return items;
}

inline std::vector<float> floatVector(const py::handle& value) {
  FloatArray array = FloatArray::ensure(value);
  if (!array) throw py::value_error("map: expected an array of numbers");
  return std::vector<float>(array.data(), array.data() + array.size());
}

}  // namespace manifit::python
