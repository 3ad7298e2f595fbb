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

// The part of the step one call does: the positions of the points [begin,
// end) over all coordinates, and/or the regression sums of the coordinates
// [from, to) over the points [begin, end) in order (from the positions in t
// when they are not formed here).
struct LineSumsPart {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t from = 0;
  std::size_t to = 0;
  bool positions = true;
  bool sums = true;
};

// t[j] = sum_i (R[i][j] - b_i) v_i / vv over the coordinates in order, and
// sx[i] = sum_j w_j R[i][j], sxt[i] = sum_j (w_j R[i][j]) t_j over the points
// in order; t, sx and sxt are indexed by point and coordinate, and only the
// entries of the part are written.
void lineSumsPlain(const LineSumsInput& in, const LineSumsPart& part, double* t, double* sx,
                   double* sxt);

// The same with AVX2 instructions; only when lineSumsAvx2Built() and the
// processor has AVX2.
void lineSumsAvx2(const LineSumsInput& in, const LineSumsPart& part, double* t, double* sx,
                  double* sxt);

// Whether lineSumsAvx2 was compiled with AVX2 (otherwise it is the plain kernel).
bool lineSumsAvx2Built();

}  // namespace manifit
