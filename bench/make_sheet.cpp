// Writes a table file of a noisy curved two-dimensional sheet embedded in
// many coordinates: make_sheet points coordinates [seed] > table.txt.
// The same arguments always give the same file.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// A 64-bit linear congruential generator (Knuth's MMIX constants); uniform
// values in [0, 1) from its top 53 bits.
struct Uniform {
  uint64_t state;
  double next() {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state >> 11) * (1.0 / 9007199254740992.0);
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: make_sheet points coordinates [seed]\n");
    return 1;
  }
  const long points = std::atol(argv[1]);
  const int columns = std::atoi(argv[2]);
  const uint64_t seed = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 12345;
  if (points <= 0 || columns <= 0) {
    std::fprintf(stderr, "make_sheet: both counts must be 1 or more\n");
    return 1;
  }
  Uniform random{seed};
  // Four fixed directions carry u, v and the two curvature terms.
  std::vector<double> shape(static_cast<size_t>(columns) * 4);
  for (double& a : shape) a = 2.0 * random.next() - 1.0;

  std::printf("%ld %d\n", points, columns);
  std::vector<char> line;
  for (long p = 0; p < points; ++p) {
    const double u = 2.0 * random.next() - 1.0;
    const double v = 2.0 * random.next() - 1.0;
    const double features[4] = {u, v, u * u - v * v, std::sin(3.0 * u) * v};
    for (int j = 0; j < columns; ++j) {
      const double* a = &shape[static_cast<size_t>(j) * 4];
      double x = 0.0;
      for (int f = 0; f < 4; ++f) x += a[f] * features[f];
      x += 0.1 * (random.next() + random.next() + random.next() - 1.5);
      std::printf(j + 1 < columns ? "%.5f " : "%.5f\n", x);
    }
  }
  return 0;
}
