// The matrix entries of one assembly, summed one addition at a time in call
// order, and handed out sorted by (row, column), as an ordered map of
// (row, column) to a running double sum would do. The entries are kept row
// by row, each row sorted by column, and their places survive clear(): an
// assembly with the same sparsity pattern as the last one (the same grid
// topology) finds every place at once and allocates nothing.
#pragma once

#include <cstddef>
#include <map>
#include <utility>
#include <vector>

namespace manifit {

class EntryPattern {
 public:
  // Adds value to entry (row, column), which starts at 0.0 when it is not
  // present yet; returns the entry's new value.
  double add(int row, int column, double value);

  // Removes every entry; the places of the present ones are kept for the
  // next assembly, the others are dropped. Rows [0, rowCount) are kept by
  // place, any other row in a plain ordered map.
  void clear(int rowCount);

  // Present entries.
  size_t size() const { return present; }
  bool empty() const { return present == 0; }

  // Value of a present entry (0.0 when absent).
  double at(const std::pair<int, int>& key) const;
  bool contains(const std::pair<int, int>& key) const;

  // visit(row, column, value) for every present entry, by row, then column.
  template <class Visit>
  void forEach(Visit visit) const {
    auto outside = otherRows.begin();
    for (; outside != otherRows.end() && outside->first.first < 0; ++outside)
      visit(outside->first.first, outside->first.second, outside->second);
    for (size_t row = 0; row < rows.size(); ++row) {
      for (const Entry& entry : rows[row]) {
        if (entry.present) visit(static_cast<int>(row), entry.column, entry.value);
      }
    }
    for (; outside != otherRows.end(); ++outside)
      visit(outside->first.first, outside->first.second, outside->second);
  }

 private:
  struct Entry {
    int column = 0;
    bool present = false;
    double value = 0.0;
  };
  std::vector<std::vector<Entry>> rows;             // row r: its entries by ascending column
  std::map<std::pair<int, int>, double> otherRows;  // rows outside [0, rows.size())
  size_t present = 0;
};

}  // namespace manifit
