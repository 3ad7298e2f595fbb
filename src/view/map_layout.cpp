#include "view/map_layout.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "view/graph_layout.h"

namespace manifit {

namespace {

const double kPi = 3.14159265358979323846;

MapCell clippedCell(double x, double y, double halfX, double halfY, const MapLayout& layout) {
  return MapCell{std::max(x - halfX, layout.xMin), std::max(y - halfY, layout.yMin),
                 std::min(x + halfX, layout.xMax), std::min(y + halfY, layout.yMax)};
}

// Rectangle: node(i, j) = i·A + j has grid coordinates (2i/(B − 1) − 1, 2j/(A − 1) − 1).
void layoutRectangle(const GridShape& shape, MapLayout& layout) {
  const int a = shape.size1;
  const int b = shape.size2;
  layout.xMin = layout.yMin = -1;
  layout.xMax = layout.yMax = 1;
  layout.xLabel = "first grid coordinate";
  layout.yLabel = "second grid coordinate";
  layout.xTicks = layout.yTicks = {-1, 0, 1};
  const double halfX = 1.0 / (b - 1);
  const double halfY = 1.0 / (a - 1);
  for (int q = 0; q < a * b; ++q) {
    const double x = 2.0 * (q / a) / (b - 1) - 1;
    const double y = 2.0 * (q % a) / (a - 1) - 1;
    layout.nodes.push_back({x, y});
    layout.cells.push_back(clippedCell(x, y, halfX, halfY, layout));
  }
}

// Sphere: node(i, j) = i·B + j sits at longitude 360·i/A and latitude
// 90 − 180·(j + 1)/(B + 1); the poles follow at latitude 90 and −90.
void layoutSphere(const GridShape& shape, MapLayout& layout) {
  const int a = shape.size1;
  const int b = shape.size2;
  const double halfLon = 180.0 / a;
  const double halfLat = 90.0 / (b + 1);
  layout.xMin = -halfLon;
  layout.xMax = 360 - halfLon;
  layout.yMin = -90;
  layout.yMax = 90;
  layout.xLabel = "longitude (degrees)";
  layout.yLabel = "latitude (degrees)";
  layout.xTicks = {0, 90, 180, 270};
  layout.yTicks = {-90, 0, 90};
  for (int i = 0; i < a; ++i) {
    for (int j = 0; j < b; ++j) {
      const double lon = 360.0 * i / a;
      const double lat = 90 - 180.0 * (j + 1) / (b + 1);
      layout.nodes.push_back({lon, lat});
      layout.cells.push_back(clippedCell(lon, lat, halfLon, halfLat, layout));
    }
  }
  layout.nodes.push_back({0, 90});
  layout.cells.push_back({layout.xMin, 90 - halfLat, layout.xMax, 90});
  layout.nodes.push_back({0, -90});
  layout.cells.push_back({layout.xMin, -90, layout.xMax, -90 + halfLat});
}

// A chain: node order[i] at its arc position, its cell reaching half way to
// each neighbour along the chain.
struct Chain {
  std::vector<int> order;
  bool closed = false;
  std::vector<double> arc;  // per position along the order
  double closing = 0;       // length of a closed chain's closing edge
};

void layoutChain(const Chain& chain, const std::string& xLabel, MapLayout& layout) {
  const size_t n = chain.order.size();
  layout.strip = true;
  layout.yMin = 0;
  layout.yMax = 1;
  layout.xLabel = xLabel;
  layout.nodes.assign(n, {});
  layout.cells.assign(n, {});
  for (size_t i = 0; i < n; ++i) {
    const double x = chain.arc[i];
    const double before =
        i > 0 ? (x - chain.arc[i - 1]) / 2
              : (chain.closed ? chain.closing / 2 : (n > 1 ? (chain.arc[1] - x) / 2 : 0.5));
    const double after =
        i + 1 < n ? (chain.arc[i + 1] - x) / 2
                  : (chain.closed ? chain.closing / 2 : (n > 1 ? (x - chain.arc[i - 1]) / 2 : 0.5));
    const size_t node = static_cast<size_t>(chain.order[i]);
    layout.nodes[node] = {x, 0.5};
    layout.cells[node] = {x - before, 0, x + after, 1};
    if (i == 0) layout.xMin = x - before;
    if (i + 1 == n) layout.xMax = x + after;
  }
  layout.xTicks = {0, chain.arc[n - 1]};
}

// The arc position of a fractional position t along the chain (t = i at
// position i; a closed chain continues over its closing edge).
double arcAt(const Chain& chain, double t) {
  const size_t n = chain.order.size();
  if (t <= 0) return chain.closed ? t * chain.closing : 0;
  if (t >= static_cast<double>(n - 1)) {
    return chain.arc[n - 1] + (chain.closed ? (t - static_cast<double>(n - 1)) * chain.closing : 0);
  }
  const size_t i = static_cast<size_t>(t);
  const double f = t - static_cast<double>(i);
  return chain.arc[i] + f * (chain.arc[i + 1] - chain.arc[i]);
}

// A graph: nodes at their drawing's positions in [−1, 1]², joined by its edges.
void layoutGraph(const ManifoldFile& manifold, MapLayout& layout) {
  layout.discs = true;
  layout.xMin = layout.yMin = -1.1;
  layout.xMax = layout.yMax = 1.1;
  layout.links = manifold.edges;
  if (manifold.nodeCount <= kLayoutNodeLimit) {
    layout.nodes = graphLayout(manifold.nodeCount, manifold.edges);
    layout.xLabel = "drawing of the graph by its path lengths";
  } else {
    layout.nodes = planeLayout(manifold.nodes);
    layout.xLabel = "the graph on its nodes' plane of largest spread";
  }
  layout.nodeRadius =
      std::min(0.06, 0.9 / std::sqrt(static_cast<double>(std::max(manifold.nodeCount, 1))));
}

// Longitude and latitude (degrees) of a projection's three grid coordinates.
PlanePoint sphereAngles(const Projection& p, const MapLayout& layout) {
  double lon = std::atan2(p[1], p[0]) * 180 / kPi;
  if (lon < layout.xMin) lon += 360;
  if (lon >= layout.xMax) lon -= 360;
  const double lat = std::atan2(p[2], std::hypot(p[0], p[1])) * 180 / kPi;
  return {lon, lat};
}

}  // namespace

double stripSpread(size_t p) {
  const double golden = 0.6180339887498949;
  const double spread = static_cast<double>(p + 1) * golden;
  return 0.1 + 0.8 * (spread - std::floor(spread));
}

std::vector<double> arcPositions(const ManifoldFile& manifold, const std::vector<int>& order) {
  std::vector<double> arc(order.size(), 0.0);
  for (size_t i = 1; i < order.size(); ++i) {
    const std::vector<double>& a = manifold.nodes[static_cast<size_t>(order[i - 1])];
    const std::vector<double>& b = manifold.nodes[static_cast<size_t>(order[i])];
    double sum = 0;
    for (size_t k = 0; k < a.size(); ++k) sum += (a[k] - b[k]) * (a[k] - b[k]);
    arc[i] = arc[i - 1] + std::sqrt(sum);
  }
  if (!arc.empty() && !(arc.back() > 0)) {
    for (size_t i = 0; i < arc.size(); ++i) arc[i] = static_cast<double>(i);
  }
  return arc;
}

namespace {

Chain makeChain(const ManifoldFile& manifold, std::vector<int> order, bool closed) {
  Chain chain;
  chain.order = std::move(order);
  chain.closed = closed;
  chain.arc = arcPositions(manifold, chain.order);
  if (closed) {
    const std::vector<double>& a = manifold.nodes[static_cast<size_t>(chain.order.back())];
    const std::vector<double>& b = manifold.nodes[static_cast<size_t>(chain.order.front())];
    double sum = 0;
    for (size_t k = 0; k < a.size(); ++k) sum += (a[k] - b[k]) * (a[k] - b[k]);
    chain.closing = std::sqrt(sum);
    // Lengths counted by node numbers when the nodes coincide.
    if (chain.arc.back() == static_cast<double>(chain.arc.size() - 1) && !(chain.closing > 0)) {
      chain.closing = 1;
    }
    if (!(chain.closing > 0))
      chain.closing = chain.arc.back() / static_cast<double>(chain.arc.size());
  }
  return chain;
}

std::vector<int> countingOrder(int n) {
  std::vector<int> order(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) order[static_cast<size_t>(i)] = i;
  return order;
}

// A deterministic place for the p-th point near its node on a graph drawing.
PlanePoint besideNode(const PlanePoint& node, double radius, size_t p) {
  const double angle = 2.399963229728653 * static_cast<double>(p);  // the golden angle
  const double r = radius * (1.2 + 0.8 * stripSpread(p));
  return {node.x + r * std::cos(angle), node.y + r * std::sin(angle)};
}

// The nodes of the map laid out by the grid's shape; a line, a circle or a
// graph that forms a chain leave the chain they were laid along in chain.
void layoutNodes(const GridShape& shape, const ManifoldFile& manifold, MapLayout& layout,
                 Chain& chain) {
  std::optional<ChainOrder> found;
  switch (shape.kind) {
    case GridKind::rectangle:
      layoutRectangle(shape, layout);
      break;
    case GridKind::sphere:
      layoutSphere(shape, layout);
      break;
    case GridKind::line:
    case GridKind::circle:
      chain = makeChain(manifold, countingOrder(shape.size1), shape.kind == GridKind::circle);
      layoutChain(chain,
                  shape.kind == GridKind::circle ? "length around the circle from node 0"
                                                 : "length along the line from node 0",
                  layout);
      break;
    case GridKind::graph:
      found = chainOrder(manifold.nodeCount, manifold.edges);
      if (found) {
        const int first = found->nodes.front();
        chain = makeChain(manifold, found->nodes, found->closed);
        layoutChain(chain,
                    std::string(found->closed ? "length around the closed chain from node "
                                              : "length along the chain from node ") +
                        std::to_string(first),
                    layout);
      } else {
        layoutGraph(manifold, layout);
      }
      break;
  }
}

// Where a point's projection puts it on the drawing of a rectangle, sphere,
// line or circle; place holds its node's place on entry.
PlanePoint projectedPlace(const GridShape& shape, const MapLayout& layout, const Chain& chain,
                          const Projection& projection, PlanePoint place) {
  switch (shape.kind) {
    case GridKind::rectangle:
      return {projection[0], projection[1]};
    case GridKind::sphere:
      return sphereAngles(projection, layout);
    case GridKind::line: {  // node k has the internal coordinate 2k/n − 1
      const double t = (projection[0] + 1) * shape.size1 / 2;
      place.x = arcAt(chain, std::clamp(t, 0.0, static_cast<double>(shape.size1 - 1)));
      return place;
    }
    default: {  // circle: node k at the angle 2πk/n
      double t = std::atan2(projection[1], projection[0]) * shape.size1 / (2 * kPi);
      if (t < -0.5) t += shape.size1;
      if (t >= shape.size1 - 0.5) t -= shape.size1;
      place.x = arcAt(chain, t);
      return place;
    }
  }
}

}  // namespace

MapLayout layoutMap(const GridShape& shape, const ManifoldFile& manifold,
                    const std::vector<int>& nearest, const std::vector<Projection>* projections) {
  MapLayout layout;
  Chain chain;
  layoutNodes(shape, manifold, layout, chain);
  layout.drawn = true;
  const bool projected = projections && shape.kind != GridKind::graph;
  for (size_t p = 0; p < nearest.size(); ++p) {
    PlanePoint place = layout.nodes[static_cast<size_t>(nearest[p])];
    if (layout.discs) place = besideNode(place, layout.nodeRadius, p);
    if (projected) place = projectedPlace(shape, layout, chain, (*projections)[p], place);
    if (layout.strip) place.y = stripSpread(p);
    layout.points.push_back(place);
  }
  layout.placement = projected      ? "Each point sits at its projection from the projections file."
                     : layout.discs ? "Each point sits beside its nearest node."
                                    : "Each point sits at its nearest node.";
  return layout;
}

}  // namespace manifit
