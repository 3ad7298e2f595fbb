// Distances between points, nodes, segments and triangles, each with a fixed
// precision rule: callers compare the results with strict tests, so the
// rounding is part of the contract.
#pragma once

#include <vector>

namespace manifit {

// sum (x[i] - c[i])^2, differences and sum in double.
double squaredDistance(const float* x, const double* c, int count);

// out[p] = squaredDistance(points[p], centres[p], count) for p in
// [0, pointCount), four points at a time.
void squaredDistances(const float* const* points, const double* const* centres, long pointCount,
                      int count, double* out);

// sum (cache[offset + i] - x[i])^2, the square and the sum in single precision.
float squaredDistanceToRow(const float* cache, long offset, const float* x, int count);

// sum (a[i] - x[i])^2, the square in single precision, the sum in double.
double squaredDistanceList(const std::vector<float>& a, const float* x, int count);

// Population mean and deviation of v[0..n); an empty series gives 0 and 0.
void meanAndDeviation(const double* v, int n, double& mean, double& deviation);

// The smaller of the two; equal values give the first.
const float& minOf(const float& a, const float& b);

// Squared distance from x to the segment a-b; t in [0, 1] locates the foot.
float pointSegment(const float* x, const float* a, const float* b, int count, float& t);

// Least-squares coordinates of x in the plane a + u (b - a) + v (c - a).
void planeCoordinates(const float* x, const float* a, const float* b, const float* c, int count,
                      float& u, float& v);

// Squared distance from x to triangle abc (0 when its plane projection lies inside).
float pointTriangle(const float* x, const float* a, const float* b, const float* c, int count,
                    float& u, float& v);

}  // namespace manifit
