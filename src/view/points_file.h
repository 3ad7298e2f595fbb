// The per-point results file written by manifit -points and manifit-project:
// a CSV header ("row", the input's text columns, then part, node, u, v, w,
// squared_distance) and one line per input row. The viewer takes each row's
// grid coordinates from it.
#pragma once

#include <string>
#include <vector>

#include "common/status.h"
#include "view/view_files.h"

namespace manifit {

// One line of the file that carries results (rows left out as "dropped"
// carry none).
struct PointLine {
  long long row = 0;  // the input row, from 1
  std::string part;   // fit, test, discarded or new
  int node = 0;
  Projection coordinates = {0, 0, 0};
};

// Reads the lines with results, in file order; the rows must increase and
// each node must be below nodeCount. Messages name the file and the line.
Status parsePointsFile(const std::string& text, const std::string& path, int nodeCount,
                       std::vector<PointLine>& lines);
Status readPointsFile(const std::string& path, int nodeCount, std::vector<PointLine>& lines);

// The grid coordinates of each table row (rowNumbers: the input row of every
// point of the table), matched by row number; a row of the table without a
// line, or a line for no row of the table, is refused naming both files.
Status projectionsOfRows(const std::vector<PointLine>& lines,
                         const std::vector<long long>& rowNumbers, const std::string& pointsPath,
                         const std::string& tablePath, std::vector<Projection>& projections);

}  // namespace manifit
