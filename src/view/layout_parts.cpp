#include "view/layout_parts.h"

#include <algorithm>
#include <cmath>

namespace manifit {

namespace {

struct Box {
  double xMin = 0;
  double yMin = 0;
  double xMax = 0;
  double yMax = 0;
};

Box boxOf(const std::vector<PlanePoint>& points) {
  Box box;
  if (points.empty()) return box;
  box = {points[0].x, points[0].y, points[0].x, points[0].y};
  for (const PlanePoint& p : points) {
    box.xMin = std::min(box.xMin, p.x);
    box.yMin = std::min(box.yMin, p.y);
    box.xMax = std::max(box.xMax, p.x);
    box.yMax = std::max(box.yMax, p.y);
  }
  return box;
}

// The smallest wanted distance between two different points, or 1.
double shortestWanted(const std::vector<double>& distances, size_t n) {
  double shortest = 0;
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = i + 1; j < n; ++j) {
      const double d = distances[i * n + j];
      if (d > 0 && (shortest == 0 || d < shortest)) shortest = d;
    }
  }
  return shortest > 0 ? shortest : 1;
}

}  // namespace

void refineByStress(std::vector<PlanePoint>& points, const std::vector<double>& distances,
                    int iterations) {
  const size_t n = points.size();
  if (n < 2) return;
  // Points that coincide would stay together: a small spread along the
  // golden angle separates them.
  const double spread = 0.01 * shortestWanted(distances, n);
  for (size_t i = 0; i < n; ++i) {
    const double angle = 2.399963229728653 * static_cast<double>(i);
    points[i].x += spread * std::cos(angle);
    points[i].y += spread * std::sin(angle);
  }
  // Per pair, the weight 1/d² and the weight times the wanted distance, 1/d.
  std::vector<double> weight(n * n, 0.0);
  std::vector<double> pull(n * n, 0.0);
  std::vector<double> total(n, 0.0);
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = 0; j < n; ++j) {
      const double wanted = distances[i * n + j];
      if (j == i || !(wanted > 0)) continue;
      weight[i * n + j] = 1 / (wanted * wanted);
      pull[i * n + j] = 1 / wanted;
      total[i] += weight[i * n + j];
    }
  }
  std::vector<PlanePoint> next(n);
  for (int step = 0; step < iterations; ++step) {
    for (size_t i = 0; i < n; ++i) {
      if (!(total[i] > 0)) {
        next[i] = points[i];
        continue;
      }
      double x = 0;
      double y = 0;
      const double* w = &weight[i * n];
      const double* v = &pull[i * n];
      for (size_t j = 0; j < n; ++j) {
        if (w[j] == 0) continue;
        const double dx = points[i].x - points[j].x;
        const double dy = points[i].y - points[j].y;
        const double now = std::sqrt(dx * dx + dy * dy);
        x += w[j] * points[j].x;
        y += w[j] * points[j].y;
        if (now > 0) {
          x += v[j] * dx / now;
          y += v[j] * dy / now;
        }
      }
      next[i] = {x / total[i], y / total[i]};
    }
    points.swap(next);
  }
}

std::vector<std::vector<PlanePoint>> packParts(const std::vector<std::vector<PlanePoint>>& parts,
                                               double gap) {
  std::vector<Box> boxes;
  double area = 0;
  double widest = 0;
  for (const std::vector<PlanePoint>& part : parts) {
    boxes.push_back(boxOf(part));
    const Box& b = boxes.back();
    area += (b.xMax - b.xMin + gap) * (b.yMax - b.yMin + gap);
    widest = std::max(widest, b.xMax - b.xMin);
  }
  const double rowWidth = std::max(widest, std::sqrt(area));
  std::vector<std::vector<PlanePoint>> placed(parts.size());
  double x = 0;
  double y = 0;
  double rowHeight = 0;
  for (size_t k = 0; k < parts.size(); ++k) {
    const Box& b = boxes[k];
    const double width = b.xMax - b.xMin;
    if (x > 0 && x + width > rowWidth) {
      x = 0;
      y -= rowHeight + gap;
      rowHeight = 0;
    }
    // Rows run downwards (y grows upwards on the map), their tops aligned.
    for (const PlanePoint& p : parts[k]) placed[k].push_back({p.x - b.xMin + x, p.y - b.yMax + y});
    x += width + gap;
    rowHeight = std::max(rowHeight, b.yMax - b.yMin);
  }
  return placed;
}

}  // namespace manifit
