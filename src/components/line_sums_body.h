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

// out[i - from] = R[i][j] for the coordinates i in [from, to).
void formRow(const LineSumsInput& in, std::size_t j, std::size_t from, std::size_t to, float* out) {
  const float* x = in.rows[j];
  for (std::size_t i = from; i < to; ++i) out[i - from] = static_cast<float>(x[i] - in.mean[i]);
  for (std::size_t c = 0; c < in.found; ++c) {
    const double p = in.positions[c][j];
    const double* d = in.directions[c];
    for (std::size_t i = from; i < to; ++i)
      out[i - from] = static_cast<float>(out[i - from] - p * d[i]);
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

// The block's terms of the regression sums of `width` coordinates, point
// after point, kBodySums coordinates at a time.
void blockRegression(const float* rows, std::size_t count, std::size_t width, const float* w,
                     const double* t, double* sx, double* sxt) {
  for (std::size_t i0 = 0; i0 < width; i0 += kBodySums) {
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
// part's hold zeros or earlier finite values; their sums are not used. The
// positions need the part to cover every coordinate.
void lineSumsBody(const LineSumsInput& in, const LineSumsPart& part, double* t, double* sx,
                  double* sxt) {
  const std::size_t width = part.to - part.from;
  float rows[kBodyBlock * kLineSumsWidth] = {};
  double Sx[kLineSumsWidth] = {};
  double Sxt[kLineSumsWidth] = {};
  for (std::size_t first = part.begin; first < part.end; first += kBodyBlock) {
    const std::size_t left = part.end - first;
    const std::size_t count = left < kBodyBlock ? left : kBodyBlock;
    for (std::size_t k = 0; k < count; ++k)
      formRow(in, first + k, part.from, part.to, rows + k * kLineSumsWidth);
    double positions[kBodyBlock];
    if (part.positions) {
      blockPositions(in, rows, positions);
      for (std::size_t k = 0; k < count; ++k) t[first + k] = positions[k] /= in.vv;
    } else {
      for (std::size_t k = 0; k < count; ++k) positions[k] = t[first + k];
    }
    if (!part.sums) continue;
    float w[kBodyBlock];
    for (std::size_t k = 0; k < count; ++k)
      w[k] = in.weights != nullptr ? in.weights[first + k] : 1.0f;
    blockRegression(rows, count, width, w, positions, Sx, Sxt);
  }
  if (!part.sums) return;
  for (std::size_t i = 0; i < width; ++i) {
    sx[part.from + i] = Sx[i];
    sxt[part.from + i] = Sxt[i];
  }
}

}  // namespace
}  // namespace manifit
