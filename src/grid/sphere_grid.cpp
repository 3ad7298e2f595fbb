#include <cmath>

#include "grid/grid_constants.h"
#include "grid/grid_types.h"

namespace manifit {

SphereGrid::SphereGrid(int firstSize, int secondSize, int coordinates) {
  size1 = firstSize;
  size2 = secondSize;
  dimension = coordinates;
  type = kSphere;
  build();
}

namespace {

// The sphere's numbering: A meridians of B ring nodes, node(i, j) = i * B + j,
// then the north pole A * B and the south pole A * B + 1.
struct SphereLayout {
  int a = 0;
  int b = 0;
  int node(int i, int j) const { return i * b + j; }
  int north() const { return a * b; }
  int south() const { return a * b + 1; }
};

// (cos phi sin theta, sin phi sin theta, cos theta), the angles rounded to float.
void placeSphereCoordinates(Grid& grid, const SphereLayout& s) {
  for (int i = 0; i < s.a; ++i) {
    for (int j = 0; j < s.b; ++j) {
      const float theta = static_cast<float>((j + 1) * (kGridPi / (s.b + 1)));
      const float phi = static_cast<float>((kGridTwoPi / s.a) * i);
      const double sinTheta = std::sin(static_cast<double>(theta));
      std::vector<float>& coords = grid.gridCoords[static_cast<size_t>(s.node(i, j))];
      coords[0] = static_cast<float>(std::cos(static_cast<double>(phi)) * sinTheta);
      coords[1] = static_cast<float>(std::sin(static_cast<double>(phi)) * sinTheta);
      coords[2] = static_cast<float>(std::cos(static_cast<double>(theta)));
    }
  }
  grid.gridCoords[static_cast<size_t>(s.north())] = {0.0f, 0.0f, 1.0f};
  grid.gridCoords[static_cast<size_t>(s.south())] = {0.0f, 0.0f, -1.0f};
}

// Along the meridians and the rings, the poles to the first and last rings,
// and the seam between the last meridian and the first.
void joinSphereEdges(Grid& grid, const SphereLayout& s) {
  size_t e = 0;
  for (int i = 0; i < s.a; ++i) {
    for (int j = 0; j < s.b; ++j) {
      if (j < s.b - 1) grid.edges[e++] = {s.node(i, j), s.node(i, j + 1)};
      if (i < s.a - 1) grid.edges[e++] = {s.node(i, j), s.node(i + 1, j)};
    }
  }
  for (int i = 0; i < s.a; ++i) {
    grid.edges[e++] = {s.north(), s.node(i, 0)};
    grid.edges[e++] = {s.south(), s.node(i, s.b - 1)};
  }
  for (int j = 0; j < s.b; ++j) grid.edges[e++] = {s.node(0, j), s.node(s.a - 1, j)};
}

// Ribs along the meridians and the rings, through the poles, across the seam,
// and across each pole between opposite meridians (k and k + A / 2).
void joinSphereRibs(Grid& grid, const SphereLayout& s) {
  const int c = s.a / 2;
  size_t r = 0;
  for (int i = 0; i < s.a; ++i) {
    for (int j = 0; j < s.b; ++j) {
      if (j < s.b - 2) grid.ribs[r++] = {s.node(i, j + 1), s.node(i, j), s.node(i, j + 2)};
      if (i < s.a - 2) grid.ribs[r++] = {s.node(i + 1, j), s.node(i, j), s.node(i + 2, j)};
    }
  }
  for (int i = 0; i < s.a; ++i) {
    grid.ribs[r++] = {s.node(i, 0), s.north(), s.node(i, 1)};
    grid.ribs[r++] = {s.node(i, s.b - 1), s.south(), s.node(i, s.b - 2)};
  }
  for (int j = 0; j < s.b; ++j) {
    grid.ribs[r++] = {s.node(0, j), s.node(1, j), s.node(s.a - 1, j)};
    grid.ribs[r++] = {s.node(s.a - 1, j), s.node(s.a - 2, j), s.node(0, j)};
  }
  for (int k = 0; k < c; ++k) {
    grid.ribs[r++] = {s.north(), s.node(k, 0), s.node(k + c, 0)};
    grid.ribs[r++] = {s.south(), s.node(k, s.b - 1), s.node(k + c, s.b - 1)};
  }
}

// Two triangles per cell between rings, the fans around the poles, and the
// cells of the seam.
void joinSphereTriangles(Grid& grid, const SphereLayout& s) {
  const int a = s.a;
  const int b = s.b;
  size_t t = 0;
  for (int j = 0; j < b - 1; ++j) {
    for (int i = 0; i < a - 1; ++i) {
      grid.triangles[t++] = {s.node(i, j), s.node(i, j + 1), s.node(i + 1, j)};
      grid.triangles[t++] = {s.node(i + 1, j + 1), s.node(i, j + 1), s.node(i + 1, j)};
    }
  }
  for (int i = 0; i < a - 1; ++i) {
    grid.triangles[t++] = {s.node(i, 0), s.north(), s.node(i + 1, 0)};
    grid.triangles[t++] = {s.node(i, b - 1), s.south(), s.node(i + 1, b - 1)};
  }
  for (int j = 0; j < b - 1; ++j) {
    grid.triangles[t++] = {s.node(0, j), s.node(0, j + 1), s.node(a - 1, j + 1)};
    grid.triangles[t++] = {s.node(0, j), s.node(a - 1, j), s.node(a - 1, j + 1)};
  }
  grid.triangles[t++] = {s.node(a - 1, 0), s.north(), s.node(0, 0)};
  grid.triangles[t++] = {s.node(a - 1, b - 1), s.south(), s.node(0, b - 1)};
}

}  // namespace

// A = size1 meridians, B = size2 rings; node(i, j) = i * B + j, north pole
// A * B, south pole A * B + 1.
void SphereGrid::build() {
  SphereLayout layout;
  layout.a = size1;
  layout.b = size2;
  const int a = size1;
  const int b = size2;
  nodeCount = a * b + 2;
  edgeCount = 2 * a * b + a;
  ribCount = 2 * a * b + 2 * (a / 2);
  triangleCount = 2 * a * b;
  manifoldDimension = 2;
  allocate();
  placeSphereCoordinates(*this, layout);
  joinSphereEdges(*this, layout);
  joinSphereRibs(*this, layout);
  joinSphereTriangles(*this, layout);
  normalizeEdgeCoefs(0);
  normalizeRibCoefs(0);
}

}  // namespace manifit
