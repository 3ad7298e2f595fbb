#include "geometry/distance.h"

#include <algorithm>
#include <cmath>

namespace manifit {

double squaredDistance(const float* x, const double* c, int count) {
  double sum = 0.0;
  for (int i = 0; i < count; ++i) {
    const double d = static_cast<double>(x[i]) - c[i];
    sum += d * d;
  }
  return sum;
}

// Four independent sums side by side; each keeps squaredDistance's order.
void squaredDistances(const float* const* points, const double* const* centres, long pointCount,
                      int count, double* out) {
  long p = 0;
  for (; p + 4 <= pointCount; p += 4) {
    // The rows of the points after these are asked for ahead of their use.
    if (p + 12 <= pointCount) {
      for (long q = p + 8; q < p + 12; ++q)
        for (int i = 0; i < std::min(count, 256); i += 16) __builtin_prefetch(points[q] + i);
    }
    const float* x0 = points[p];
    const float* x1 = points[p + 1];
    const float* x2 = points[p + 2];
    const float* x3 = points[p + 3];
    const double* c0 = centres[p];
    const double* c1 = centres[p + 1];
    const double* c2 = centres[p + 2];
    const double* c3 = centres[p + 3];
    double s0 = 0.0;
    double s1 = 0.0;
    double s2 = 0.0;
    double s3 = 0.0;
    for (int i = 0; i < count; ++i) {
      const double d0 = static_cast<double>(x0[i]) - c0[i];
      const double d1 = static_cast<double>(x1[i]) - c1[i];
      const double d2 = static_cast<double>(x2[i]) - c2[i];
      const double d3 = static_cast<double>(x3[i]) - c3[i];
      s0 += d0 * d0;
      s1 += d1 * d1;
      s2 += d2 * d2;
      s3 += d3 * d3;
    }
    out[p] = s0;
    out[p + 1] = s1;
    out[p + 2] = s2;
    out[p + 3] = s3;
  }
  for (; p < pointCount; ++p) out[p] = squaredDistance(points[p], centres[p], count);
}

float squaredDistanceToRow(const float* cache, long offset, const float* x, int count) {
  float sum = 0.0f;
  for (int i = 0; i < count; ++i) {
    const float d = cache[offset + i] - x[i];
    sum += d * d;
  }
  return sum;
}

double squaredDistanceList(const std::vector<float>& a, const float* x, int count) {
  double sum = 0.0;
  for (int i = 0; i < count; ++i) {
    const float d = a[static_cast<size_t>(i)] - x[i];
    const float square = d * d;
    sum += square;
  }
  return sum;
}

// mean = sum v / n, deviation = sqrt(sum v^2 / n - mean^2); a rounding-negative
// variance counts as 0.
void meanAndDeviation(const double* v, int n, double& mean, double& deviation) {
  mean = 0.0;
  deviation = 0.0;
  if (n <= 0) return;
  double sum = 0.0;
  double squares = 0.0;
  for (int i = 0; i < n; ++i) {
    sum += v[i];
    squares += v[i] * v[i];
  }
  mean = sum / n;
  const double variance = squares / n - mean * mean;
  deviation = variance > 0.0 ? std::sqrt(variance) : 0.0;
}

const float& minOf(const float& a, const float& b) {
  return b < a ? b : a;
}

// t = clamp(<x - a, b - a> / |b - a|^2, 0, 1); a zero-length segment gives t = 0.
float pointSegment(const float* x, const float* a, const float* b, int count, float& t) {
  t = 0.0f;
  float length = 0.0f;
  for (int i = 0; i < count; ++i) {
    const float e = b[i] - a[i];
    t += (x[i] - a[i]) * e;
    length += e * e;
  }
  if (length > 0.0f) {
    t = t / length;
  } else {
    t = 0.0f;
  }
  if (t < 0.0f) t = 0.0f;
  if (t > 1.0f) t = 1.0f;
  float sum = 0.0f;
  for (int i = 0; i < count; ++i) {
    const float foot = a[i] + (b[i] - a[i]) * t;
    const float d = x[i] - foot;
    sum += d * d;
  }
  return sum;
}

// Solves [s11 s12; s12 s22] (u, v) = (r1, r2), the determinant floored at 1e-8.
void planeCoordinates(const float* x, const float* a, const float* b, const float* c, int count,
                      float& u, float& v) {
  float s11 = 0.0f;
  float s22 = 0.0f;
  float s12 = 0.0f;
  float r1 = 0.0f;
  float r2 = 0.0f;
  for (int i = 0; i < count; ++i) {
    const float e1 = b[i] - a[i];
    const float e2 = c[i] - a[i];
    const float d = x[i] - a[i];
    s11 += e1 * e1;
    s22 += e2 * e2;
    s12 += e1 * e2;
    r1 += d * e1;
    r2 += d * e2;
  }
  float det = s11 * s22 - s12 * s12;
  if (det < 1e-8) det = 1e-8f;
  u = (r1 * s22 - s12 * r2) / det;
  v = (r2 * s11 - s12 * r1) / det;
}

float pointTriangle(const float* x, const float* a, const float* b, const float* c, int count,
                    float& u, float& v) {
  planeCoordinates(x, a, b, c, count, u, v);
  if (u >= 0.0f && v >= 0.0f && u + v <= 1.0f) return 0.0f;

  float t1 = 0.0f;
  float t2 = 0.0f;
  float t3 = 0.0f;
  const float d1 = pointSegment(x, a, b, count, t1);
  const float d2 = pointSegment(x, a, c, count, t2);
  const float d3 = pointSegment(x, c, b, count, t3);
  const float m = minOf(d1, minOf(d2, d3));
  if (m == d1) {
    u = t1;
    v = 0.0f;
  } else if (m == d2) {
    u = 0.0f;
    v = t2;
  } else if (m == d3) {
    std::vector<float> y(static_cast<size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) y[static_cast<size_t>(i)] = c[i] + t3 * (b[i] - c[i]);
    planeCoordinates(y.data(), a, b, c, count, u, v);
  }

  float sum = 0.0f;
  for (int i = 0; i < count; ++i) {
    const float p = a[i] + (b[i] - a[i]) * u + (c[i] - a[i]) * v;
    const float d = x[i] - p;
    sum += d * d;
  }
  return sum;
}

}  // namespace manifit
