// The body of the one-pass line sums, included by each kernel's file and
// compiled there with that file's instruction set. It uses no
// standard-library template: an instance compiled with other instruction-set
// flags could be picked by the linker for the whole program.
#pragma once

#include "components/line_sums_kernel.h"

namespace manifit {
namespace {

constexpr std::size_t kBodyBlock = 64;  // points formed together
constexpr std::size_t kBodySums = 8;    // sums kept together (divides both sizes)

// out[i] = R[i][j] for every coordinate i.
void formRow(const LineSumsInput& in, std::size_t j, float* out) {
  const float* x = in.rows[j];
  const std::size_t n = in.coordinates;
  for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<float>(x[i] - in.mean[i]);
  for (std::size_t c = 0; c < in.found; ++c) {
    const double p = in.positions[c][j];
    const double* d = in.directions[c];
    for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<float>(out[i] - p * d[i]);
  }
}

// sums[k] = sum_i (rows[k][i] - b_i) v_i over the coordinates in order,
// kBodySums points side by side.
void blockPositions(const LineSumsInput& in, const float* rows, double* sums) {
  for (std::size_t k0 = 0; k0 < kBodyBlock; k0 += kBodySums) {
    double acc[kBodySums] = {};
    for (std::size_t i = 0; i < in.coordinates; ++i) {
      const double vi = in.v[i];
      const double bi = in.b[i];
      for (std::size_t q = 0; q < kBodySums; ++q)
        acc[q] += (rows[(k0 + q) * kLineSumsWidth + i] - bi) * vi;
    }
    for (std::size_t q = 0; q < kBodySums; ++q) sums[k0 + q] = acc[q];
  }
}

// The block's terms of the regression sums, point after point, kBodySums
// coordinates at a time.
void blockRegression(const LineSumsInput& in, const float* rows, std::size_t count, const float* w,
                     const double* t, double* sx, double* sxt) {
  for (std::size_t i0 = 0; i0 < in.coordinates; i0 += kBodySums) {
    double S[kBodySums];
    double St[kBodySums];
    for (std::size_t q = 0; q < kBodySums; ++q) {
      S[q] = sx[i0 + q];
      St[q] = sxt[i0 + q];
    }
    for (std::size_t k = 0; k < count; ++k) {
      const float* r = rows + k * kLineSumsWidth + i0;
      for (std::size_t q = 0; q < kBodySums; ++q) {
        const float wx = w[k] * r[q];
        S[q] += wx;
        St[q] += wx * t[k];
      }
    }
    for (std::size_t q = 0; q < kBodySums; ++q) {
      sx[i0 + q] = S[q];
      sxt[i0 + q] = St[q];
    }
  }
}

// The rows of a block beyond its points and the coordinates beyond the
// table's hold zeros or earlier finite values; their sums are not used.
void lineSumsBody(const LineSumsInput& in, double* t, double* sx, double* sxt) {
  float rows[kBodyBlock * kLineSumsWidth] = {};
  double Sx[kLineSumsWidth] = {};
  double Sxt[kLineSumsWidth] = {};
  for (std::size_t first = 0; first < in.points; first += kBodyBlock) {
    const std::size_t left = in.points - first;
    const std::size_t count = left < kBodyBlock ? left : kBodyBlock;
    for (std::size_t k = 0; k < count; ++k) formRow(in, first + k, rows + k * kLineSumsWidth);
    double sums[kBodyBlock];
    blockPositions(in, rows, sums);
    float w[kBodyBlock];
    for (std::size_t k = 0; k < count; ++k) {
      sums[k] /= in.vv;
      t[first + k] = sums[k];
      w[k] = in.weights != nullptr ? in.weights[first + k] : 1.0f;
    }
    blockRegression(in, rows, count, w, sums, Sx, Sxt);
  }
  for (std::size_t i = 0; i < in.coordinates; ++i) {
    sx[i] = Sx[i];
    sxt[i] = Sxt[i];
  }
}

}  // namespace
}  // namespace manifit
