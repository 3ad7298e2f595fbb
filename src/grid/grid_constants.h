// The stored values of pi and 2 pi that grid coordinates are computed with
// (deliberately short of full precision, so that coordinates are reproducible).
#pragma once

namespace manifit {

constexpr double kGridPi = 3.1415926;
constexpr double kGridTwoPi = 6.2831852;

}  // namespace manifit
