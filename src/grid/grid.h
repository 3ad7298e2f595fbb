// The manifold being fitted: nodes in data space with fixed internal (grid)
// coordinates, joined by edges (stretching), ribs (bending; middle node
// first) and triangles (projection only).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/status.h"
#include "geometry/node_blocks.h"
#include "grid/node_assignment.h"

namespace manifit {

struct DataTable;
class AtomicOutputFile;
class StagedOutputs;
struct PrunedSearch;

// Points projected onto a grid: per point its nearest node (-1 when there is
// none), the three grid coordinates of its projection (zeros without a node)
// and its squared distance to the point of the grid it is projected to.
struct PointProjections {
  std::vector<int> nearestNode;
  std::vector<float> coordinates;
  std::vector<float> squaredDistance;
};

class Grid {
 public:
  int nodeCount = 0;
  int edgeCount = 0;
  int ribCount = 0;
  int triangleCount = 0;
  std::string name = "Noname";
  std::vector<std::vector<float>> nodes;       // dimension floats per node
  std::vector<std::vector<float>> gridCoords;  // 3 floats per node
  std::vector<std::array<int, 2>> edges;
  std::vector<float> edgeCoefs;
  std::vector<std::array<int, 3>> ribs;  // middle, first end, second end
  std::vector<float> ribCoefs;
  std::vector<std::array<int, 3>> triangles;
  std::vector<std::vector<int>> nodeEdges;   // per node, the edges touching it
  std::vector<float> nodeCache;              // nodeCount x dimension, row-major
  std::vector<std::vector<float>> nodeRows;  // one copy of each node's position
  int cachedRowCount = 0;
  NodeBlocks nodeBlocks;  // the node cache laid out for the vectorised search
  int type = -1;
  int dimension = 0;
  int manifoldDimension = 0;

  Grid() = default;
  Grid(const Grid&) = default;
  Grid& operator=(const Grid&) = default;
  virtual ~Grid() = default;

  // The type-specific operations.
  virtual void build() {}
  virtual void grow(NodeAssignment assignment, int count);
  virtual void breakRibs(NodeAssignment assignment, const DataTable& table);

  // Maintenance shared by all types.
  void allocate();
  void clearAll();
  void copyTopologyFrom(const Grid& source);
  void refreshNodeCache();
  void normalizeEdgeCoefs(int mode);  // 0: grid coordinates, 1: node positions
  void normalizeRibCoefs(int mode);

  // Nearest-node assignment and error figures.
  void assignToNodes(NodeAssignment& assignment, const DataTable& table) const;
  // The same with the bounds kept from the earlier searches of this table.
  void assignToNodes(NodeAssignment& assignment, const DataTable& table,
                     PrunedSearch& pruned) const;
  double centroidRms(const DataTable& table, const NodeAssignment& assignment) const;
  // The same figure from the per-node coordinate sums of the assigned points
  // (node i's sums at [i * dimension, (i + 1) * dimension), each list added in
  // its order), read once more only for the distances.
  double centroidRms(const DataTable& table, const NodeAssignment& assignment,
                     std::vector<double> pointSums) const;
  // The figure printed as "GMSE": the root mean square over this grid's nodes
  // of the distance to the nearest node of the reference grid.
  double rmsDistanceTo(Grid& reference) const;

  // Grid files.
  Status readNodes(const std::string& path);
  // Appends nodes at these positions, their first three coordinates as
  // their grid coordinates (as the node file's nodes).
  void addNodes(std::vector<std::vector<float>> positions);
  // Replaces the grid by the one a manifold file describes: nodes, edges,
  // ribs, triangles, two grid coordinates per node (the third is 0) and the
  // coefficients, at the file's precision. The file does not tell the grid
  // type (type stays as it was); the manifold dimension is 2 when the file
  // has triangles, 1 otherwise.
  Status readManifold(const std::string& path);
  // With a staging set the complete file waits there to be put in place.
  bool writeManifold(const std::string& path, const std::string& dataName,
                     StagedOutputs* staging = nullptr) const;

  // Projection of points onto the fitted grid.
  void projectPoint(const float* x, float* out) const;
  // The same, also giving the nearest node (-1 when there is none, and out
  // is then untouched) and the squared distance to it.
  void projectPoint(const float* x, float* out, int& node, float& squaredDistance) const;
  // Every point of the table projected (the node cache refreshed first).
  // nearestNodes, when given, is the table's nearest-node assignment for the
  // grid as it is now (as assignToNodes gives it): its nodes are used instead
  // of searching again.
  void projectPoints(const DataTable& table, const NodeAssignment* nearestNodes,
                     PointProjections& projected);
  // The projections file of the table: projectPoints, one line per point.
  bool writeProjections(const std::string& path, const DataTable& table,
                        StagedOutputs* staging = nullptr,
                        const NodeAssignment* nearestNodes = nullptr);

  // Topology changes driven by the data.
  void splitEdge(int edge);
  void nodeMisfit(const DataTable& table, const NodeAssignment& assignment,
                  std::vector<double>& misfit) const;
  void buildIncidence();
};

// The lines of the projections file, "%f\t%f\t%f\n" per three coordinates,
// committed to the open file; false (after printing why) when it fails.
bool writeProjectionLines(AtomicOutputFile& file, const std::string& path,
                          const std::vector<float>& coordinates);

}  // namespace manifit
