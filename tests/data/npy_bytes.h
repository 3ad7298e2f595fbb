// .npy files made in tests, as NumPy writes them (format 1.0).
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace manifit {

inline std::string npyHeader(const std::string& dict, int major = 1) {
  std::string header = dict;
  const size_t fixed = major == 1 ? 10 : 12;
  while ((fixed + header.size() + 1) % 64 != 0) header += ' ';
  header += '\n';
  std::string out("\x93NUMPY", 6);
  out += static_cast<char>(major);
  out += '\0';
  const uint32_t n = static_cast<uint32_t>(header.size());
  out += static_cast<char>(n & 0xFF);
  out += static_cast<char>((n >> 8) & 0xFF);
  if (major != 1) {
    out += static_cast<char>((n >> 16) & 0xFF);
    out += static_cast<char>((n >> 24) & 0xFF);
  }
  return out + header;
}

// The values (given row after row) in the requested type and order.
template <typename T>
std::string npyArray(const std::vector<float>& rowMajor, int rows, int columns, bool fortran,
                     const char* descr, bool oneDimensional = false) {
  const std::string shape = oneDimensional
                                ? "(" + std::to_string(rows) + ",)"
                                : "(" + std::to_string(rows) + ", " + std::to_string(columns) + ")";
  std::string out = npyHeader(std::string("{'descr': '") + descr + "', 'fortran_order': " +
                              (fortran ? "True" : "False") + ", 'shape': " + shape + ", }");
  for (int k = 0; k < rows * columns; ++k) {
    const int i = fortran ? k % rows : k / columns;
    const int j = fortran ? k / rows : k % columns;
    const T value = static_cast<T>(rowMajor[static_cast<size_t>(i * columns + j)]);
    char raw[sizeof(T)];
    std::memcpy(raw, &value, sizeof value);
    out.append(raw, sizeof raw);
  }
  return out;
}

}  // namespace manifit
