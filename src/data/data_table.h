// The table of points the manifold is fitted to: one row of float
// coordinates per point and, optionally, one float weight per point.
#pragma once

#include <string>
#include <vector>

#include "common/status.h"

namespace manifit {

struct ColumnStatistics;
class StagedOutputs;

// Up to 2^24 points a float count or a float sum of weights is kept in single
// precision; beyond that it is carried in double and rounded to float once.
inline bool largeTable(int pointCount) {
  return pointCount > (1 << 24);
}

struct DataTable {
  std::vector<float*> rows;  // pointCount row pointers, each to dimension floats
  int pointCount = 0;
  int dimension = 0;
  bool weighted = false;
  std::vector<float> weights;
  float totalWeight = 0.0f;
  bool ownsRows = false;                   // rows point into this table's own storage
  ColumnStatistics* statistics = nullptr;  // attached by the owner, not owned
  std::vector<float> storage;              // the coordinates of an owning table, row after row

  DataTable() = default;
  DataTable(const DataTable&) = delete;
  DataTable& operator=(const DataTable&) = delete;
  DataTable(DataTable&&) = default;
  DataTable& operator=(DataTable&&) = default;

  float* row(int i) const { return rows[static_cast<size_t>(i)]; }

  // Allocates pointCount x dimension zeros owned by this table.
  void allocateRows(int points, int columns);

  // Loads a table file into this (empty) table.
  Status readTable(const std::string& path);
  // Loads one weight per point.
  Status readWeights(const std::string& path);
  // Writes the table in the table-file format; false when the file cannot be opened.
  bool writeTable(const std::string& path, StagedOutputs* staging = nullptr) const;
  // Centres and scales every row with the attached statistics.
  void normalize();
  // Fills kept and drawn by one random draw per point: drawn when r < p.
  // With isDrawn, it receives one flag per point of this table.
  void split(DataTable& kept, DataTable& drawn, float p,
             std::vector<char>* isDrawn = nullptr) const;
};

}  // namespace manifit
