// The one-pass step of the line fit on residuals formed from the table: the
// position of every point on the line and the regression sums over those
// positions, block after block of points. The plain kernel and its AVX2 twin
// are compiled from the same source and give the same bits.
#pragma once

#include <cstddef>

namespace manifit {

// The widest table the one-pass step takes.
constexpr std::size_t kLineSumsWidth = 64;

// What the step reads: the residuals R_c of the extraction (see
// residual_data.h) after `found` directions, and the line b + t v.
struct LineSumsInput {
  const float* const* rows = nullptr;  // the table's row pointers, one per point
  std::size_t points = 0;
  std::size_t coordinates = 0;  // at most kLineSumsWidth
  const double* mean = nullptr;
  const double* const* directions = nullptr;  // v_c, found of them
  const double* const* positions = nullptr;   // p_c, one per point
  std::size_t found = 0;
  const double* v = nullptr;
  const double* b = nullptr;
  double vv = 1.0;
  const float* weights = nullptr;  // null without weights
};

// t[j] = sum_i (R[i][j] - b_i) v_i / vv (coordinates in order), then
// sx[i] = sum_j w_j R[i][j] and sxt[i] = sum_j (w_j R[i][j]) t_j over the
// points in order; t holds `points` values, sx and sxt `coordinates`.
void lineSumsPlain(const LineSumsInput& in, double* t, double* sx, double* sxt);

// The same with AVX2 instructions; only when lineSumsAvx2Built() and the
// processor has AVX2.
void lineSumsAvx2(const LineSumsInput& in, double* t, double* sx, double* sxt);

// Whether lineSumsAvx2 was compiled with AVX2 (otherwise it is the plain kernel).
bool lineSumsAvx2Built();

}  // namespace manifit
