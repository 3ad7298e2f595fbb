#include "data/data_table.h"

#include "common/random.h"
#include "data/column_statistics.h"

namespace manifit {

void DataTable::allocateRows(int points, int columns) {
  pointCount = points;
  dimension = columns;
  storage.assign(static_cast<size_t>(points) * static_cast<size_t>(columns), 0.0f);
  rows.resize(static_cast<size_t>(points));
  for (int i = 0; i < points; ++i)
    rows[static_cast<size_t>(i)] = storage.data() + static_cast<size_t>(i) * columns;
  ownsRows = true;
}

// x_j = (x_j - mean_j) / deviation_j, or x_j - mean_j for a constant column.
void DataTable::normalize() {
  if (statistics == nullptr) return;
  const ColumnStatistics& s = *statistics;
  for (int i = 0; i < pointCount; ++i) {
    float* x = row(i);
    for (int j = 0; j < dimension; ++j) {
      const size_t c = static_cast<size_t>(j);
      if (s.deviation[c] != 0.0) {
        x[j] = static_cast<float>((x[j] - s.mean[c]) / s.deviation[c]);
      } else {
        x[j] = static_cast<float>(x[j] - s.mean[c]);
      }
    }
  }
}

void DataTable::split(DataTable& kept, DataTable& drawn, float p,
                      std::vector<char>* drawnFlags) const {
  // One draw per point, all before anything is copied.
  std::vector<char> isDrawn(static_cast<size_t>(pointCount));
  int drawnCount = 0;
  for (int i = 0; i < pointCount; ++i) {
    const float r = static_cast<float>(sharedRandom().next() / 32767.0);
    isDrawn[static_cast<size_t>(i)] = r < p;
    if (r < p) ++drawnCount;
  }
  DataTable* parts[2] = {&kept, &drawn};
  const int counts[2] = {pointCount - drawnCount, drawnCount};
  for (int k = 0; k < 2; ++k) {
    DataTable& part = *parts[k];
    part.allocateRows(counts[k], dimension);
    part.weighted = weighted;
    part.weights.assign(static_cast<size_t>(counts[k]), 0.0f);
    part.totalWeight = 0.0f;
    part.statistics = nullptr;
  }
  int next[2] = {0, 0};
  double wideTotals[2] = {0.0, 0.0};  // the totals of a large table, carried in double
  for (int i = 0; i < pointCount; ++i) {
    const int k = isDrawn[static_cast<size_t>(i)] ? 1 : 0;
    DataTable& part = *parts[k];
    const float* source = row(i);
    float* target = part.row(next[k]);
    for (int j = 0; j < dimension; ++j) target[j] = source[j];
    if (weighted) {
      const float w = weights[static_cast<size_t>(i)];
      part.weights[static_cast<size_t>(next[k])] = w;
      part.totalWeight += w;
      wideTotals[k] += w;
    }
    ++next[k];
  }
  for (int k = 0; k < 2; ++k) {
    if (largeTable(counts[k])) parts[k]->totalWeight = static_cast<float>(wideTotals[k]);
  }
  if (drawnFlags != nullptr) *drawnFlags = std::move(isDrawn);
}

}  // namespace manifit
