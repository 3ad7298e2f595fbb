// Conversions between numpy arrays and the vectors of the library's records.
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
using DoubleArray = py::array_t<double, py::array::c_style | py::array::forcecast>;
using IntArray = py::array_t<int, py::array::c_style | py::array::forcecast>;

// The largest count a library table or list holds.
constexpr py::ssize_t kMaxCount = 0x7fffffff;

// A copy of values as an array of this shape.
template <typename T>
py::array_t<T> toArray(const std::vector<T>& values, std::vector<py::ssize_t> shape) {
  py::array_t<T> array(shape);
  std::copy(values.begin(), values.end(), array.mutable_data());
  return array;
}

// Fixed-size index tuples as an array of shape (k, N).
template <size_t N>
py::array_t<int> tuplesToArray(const std::vector<std::array<int, N>>& items) {
  py::array_t<int> array({static_cast<py::ssize_t>(items.size()), static_cast<py::ssize_t>(N)});
  int* out = array.mutable_data();
  for (const std::array<int, N>& item : items) out = std::copy(item.begin(), item.end(), out);
  return array;
}

// An array of shape (k, N) (or an empty one) of node indices below nodeCount.
template <size_t N>
std::vector<std::array<int, N>> arrayToTuples(const py::handle& value, const char* what,
                                              int nodeCount) {
  IntArray array = IntArray::ensure(value);
  if (!array || (array.size() > 0 && (array.ndim() != 2 || array.shape(1) != N))) {
    throw py::value_error(std::string("map: ") + what + " must be an array of shape (k, " +
                          std::to_string(N) + ")");
  }
  if (array.size() / static_cast<py::ssize_t>(N) > kMaxCount) {
    throw py::value_error(std::string("map: more ") + what + " than a 32-bit count");
  }
  std::vector<std::array<int, N>> items(static_cast<size_t>(array.size()) / N);
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

// A 1-D array of count numbers (any count when count is below 0) as a vector.
template <typename T>
std::vector<T> toVector(const py::handle& value, const char* what, py::ssize_t count) {
  auto array = py::array_t<T, py::array::c_style | py::array::forcecast>::ensure(value);
  if (!array || array.ndim() != 1 || (count >= 0 && array.shape(0) != count)) {
    throw py::value_error(std::string(what) + " must be a 1-D array" +
                          (count >= 0 ? " of " + std::to_string(count) + " numbers" : ""));
  }
  return std::vector<T>(array.data(), array.data() + array.size());
}

}  // namespace manifit::python
