// Grid::writeManifold: the manifold description file read by the viewer.
#include <cstdio>
#include <string>
#include <vector>

#include "common/atomic_output_file.h"
#include "common/output.h"
#include "grid/grid.h"

namespace manifit {

namespace {

// Grid coordinate q of a row, 0 when the row is shorter.
float gridCoord(const std::vector<float>& row, size_t q) {
  return q < row.size() ? row[q] : 0.0f;
}

// Steps 1-16: the constant header, the data names and the counts.
void writeHeader(std::FILE* file, const Grid& grid, const std::string& dataName) {
  std::fprintf(file, "# DATAFILENAME\n");
  std::fprintf(file, "%s.qxd\n\n", dataName.c_str());
  std::fprintf(file, "# TABLENAME\n");
  std::fprintf(file, "%s.qxt\n\n", dataName.c_str());
  std::fprintf(file, "# DIMENSION\n%i\n\n", grid.dimension);
  std::fprintf(file, "# INITIALIZATION\nMAINCOMP 0.5 30 FALSE\n\n");
  std::fprintf(file, "# ELASTICITY\n1 1\n\n");
  std::fprintf(file, "# DISCRETE\nFALSE\n\n");
  std::fprintf(file, "# SMOOTHNESS\n1\n\n");
  std::fprintf(file, "# TONES\n0\n\n");
  std::fprintf(file, "# GRIDTYPE\n");
  if (grid.type >= 0 && grid.type <= 4) std::fprintf(file, "RECTANGULAR\n10 10\n\n");
  std::fprintf(file, "# NODES\n%i\n\n", grid.nodeCount);
  std::fprintf(file, "# EDGES\n%i\n\n", grid.edgeCount);
  std::fprintf(file, "# RIBS\n%i\n\n", grid.ribCount);
  std::fprintf(file, "# TRIANGLES\n%i\n\n", grid.triangleCount);
}

// Steps 17-23: the lists, in list order.
void writeLists(std::FILE* file, const Grid& grid) {
  std::fprintf(file, "# GRIDNODES\n");
  for (const std::vector<float>& node : grid.nodes) {
    for (size_t j = 0; j < node.size() && j < static_cast<size_t>(grid.dimension); ++j) {
      std::fprintf(file, "%10.8f ", node[j]);
    }
    std::fprintf(file, "\n");
  }
  std::fprintf(file, "\n# GRIDEDGES\n");
  for (const std::array<int, 2>& edge : grid.edges) {
    std::fprintf(file, "%i %i \n", edge[0], edge[1]);
  }
  std::fprintf(file, "\n# GRIDRIBS\n");
  for (const std::array<int, 3>& rib : grid.ribs) {
    std::fprintf(file, "%i %i %i \n", rib[0], rib[1], rib[2]);
  }
  std::fprintf(file, "\n# GRIDTRIANGLES\n");
  for (const std::array<int, 3>& triangle : grid.triangles) {
    std::fprintf(file, "%i %i %i \n", triangle[0], triangle[1], triangle[2]);
  }
  std::fprintf(file, "\n# GRIDNODES2D\n");
  for (const std::vector<float>& coords : grid.gridCoords) {
    std::fprintf(file, "%10.8f %10.8f \n", gridCoord(coords, 0), gridCoord(coords, 1));
  }
  std::fprintf(file, "\n# GRIDEP\n");
  for (float coef : grid.edgeCoefs) std::fprintf(file, "%10.5f ", coef);
  std::fprintf(file, "\n\n");
  std::fprintf(file, "# GRIDRP\n");
  for (float coef : grid.ribCoefs) std::fprintf(file, "%10.5f ", coef);
  std::fprintf(file, "\n\n");
}

}  // namespace

bool Grid::writeManifold(const std::string& path, const std::string& dataName,
                         StagedOutputs* staging) const {
  AtomicOutputFile file(path, staging);
  if (!file.isOpen()) {
    print("Can not open file for writing: %s", path.c_str());
    return false;
  }
  writeHeader(file.get(), *this, dataName);
  writeLists(file.get(), *this);
  if (!file.commit()) {
    print("Can not write file %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace manifit
