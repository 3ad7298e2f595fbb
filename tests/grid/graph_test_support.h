// Helpers shared by the elastic-graph tests: small tables, a scoped working
// directory (the graph construction writes "mas" into the working directory)
// and the grid invariants.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/data_table.h"
#include "grid/grid.h"

namespace manifit {

inline void fillTable(DataTable& table, int columns, const std::vector<float>& values) {
  table.allocateRows(static_cast<int>(values.size()) / columns, columns);
  for (size_t i = 0; i < values.size(); i++) table.storage[i] = values[i];
}

// Runs the enclosing test inside a fresh, empty temporary folder.
class ScopedWorkingDirectory {
 public:
  explicit ScopedWorkingDirectory(const std::string& name) {
    char buffer[4096];
    if (getcwd(buffer, sizeof buffer) != nullptr) previous_ = buffer;
    path_ = ::testing::TempDir() + "manifit_" + name + "_" + std::to_string(getpid());
    std::string command = "rm -rf '" + path_ + "' && mkdir -p '" + path_ + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(chdir(path_.c_str()), 0);
  }
  ~ScopedWorkingDirectory() {
    if (!previous_.empty()) {
      EXPECT_EQ(chdir(previous_.c_str()), 0);
    }
    std::string command = "rm -rf '" + path_ + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
  }
  ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
  ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string previous_;
  std::string path_;
};

inline std::string readWholeFile(const std::string& path) {
  std::string text;
  std::FILE* file = std::fopen(path.c_str(), "r");
  if (file == nullptr) return "<missing>";
  int c;
  while ((c = std::fgetc(file)) != EOF) text.push_back(static_cast<char>(c));
  std::fclose(file);
  return text;
}

// Counts equal list sizes, every list has its width, every index is a node.
inline void expectGridInvariants(const Grid& grid) {
  ASSERT_EQ(grid.nodeCount, static_cast<int>(grid.nodes.size()));
  ASSERT_EQ(grid.nodeCount, static_cast<int>(grid.gridCoords.size()));
  ASSERT_EQ(grid.edgeCount, static_cast<int>(grid.edges.size()));
  ASSERT_EQ(grid.edgeCount, static_cast<int>(grid.edgeCoefs.size()));
  ASSERT_EQ(grid.ribCount, static_cast<int>(grid.ribs.size()));
  ASSERT_EQ(grid.ribCount, static_cast<int>(grid.ribCoefs.size()));
  ASSERT_EQ(grid.triangleCount, static_cast<int>(grid.triangles.size()));
  for (const std::vector<float>& node : grid.nodes) {
    EXPECT_EQ(static_cast<int>(node.size()), grid.dimension);
  }
  for (const std::vector<float>& coords : grid.gridCoords) EXPECT_GE(coords.size(), 3u);
  const auto inRange = [&grid](int index) { return index >= 0 && index < grid.nodeCount; };
  for (const auto& edge : grid.edges) {
    EXPECT_TRUE(inRange(edge[0]) && inRange(edge[1])) << edge[0] << " " << edge[1];
  }
  for (const auto& rib : grid.ribs) {
    EXPECT_TRUE(inRange(rib[0]) && inRange(rib[1]) && inRange(rib[2]))
        << rib[0] << " " << rib[1] << " " << rib[2];
  }
  for (const auto& triangle : grid.triangles) {
    EXPECT_TRUE(inRange(triangle[0]) && inRange(triangle[1]) && inRange(triangle[2]));
  }
}

}  // namespace manifit
