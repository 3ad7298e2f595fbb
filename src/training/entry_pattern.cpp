#include "training/entry_pattern.h"

#include <algorithm>

namespace manifit {

double EntryPattern::add(int row, int column, double value) {
  if (row < 0 || static_cast<size_t>(row) >= rows.size()) {
    const auto inserted = otherRows.emplace(std::make_pair(row, column), 0.0);
    if (inserted.second) ++present;
    double& entry = inserted.first->second;
    entry = entry + value;
    return entry;
  }
  std::vector<Entry>& entries = rows[static_cast<size_t>(row)];
  auto place = entries.begin();
  while (place != entries.end() && place->column < column) ++place;
  if (place == entries.end() || place->column != column)
    place = entries.insert(place, Entry{column});
  if (!place->present) {
    place->present = true;
    place->value = 0.0;
    ++present;
  }
  place->value = place->value + value;
  return place->value;
}

void EntryPattern::clear(int rowCount) {
  rows.resize(static_cast<size_t>(std::max(rowCount, 0)));
  for (std::vector<Entry>& entries : rows) {
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [](const Entry& entry) { return !entry.present; }),
                  entries.end());
    for (Entry& entry : entries) entry.present = false;
  }
  otherRows.clear();
  present = 0;
}

double EntryPattern::at(const std::pair<int, int>& key) const {
  if (key.first < 0 || static_cast<size_t>(key.first) >= rows.size()) {
    const auto found = otherRows.find(key);
    return found == otherRows.end() ? 0.0 : found->second;
  }
  for (const Entry& entry : rows[static_cast<size_t>(key.first)]) {
    if (entry.column == key.second && entry.present) return entry.value;
  }
  return 0.0;
}

bool EntryPattern::contains(const std::pair<int, int>& key) const {
  if (key.first < 0 || static_cast<size_t>(key.first) >= rows.size())
    return otherRows.count(key) != 0;
  for (const Entry& entry : rows[static_cast<size_t>(key.first)]) {
    if (entry.column == key.second) return entry.present;
  }
  return false;
}

}  // namespace manifit
