#include "view/label_kind.h"

#include <cmath>
#include <set>

#include "view/text_lines.h"

namespace manifit {

bool numericLabels(const std::vector<std::string>& labels, std::vector<double>& values) {
  if (labels.empty()) return false;
  std::vector<double> read(labels.size());
  std::set<double> distinct;
  bool whole = true;
  for (size_t i = 0; i < labels.size(); ++i) {
    if (!parseNumber(labels[i], read[i])) return false;
    if (read[i] != std::floor(read[i])) whole = false;
    if (distinct.size() <= kCategoryCodeLimit) distinct.insert(read[i]);
  }
  if (whole && distinct.size() <= kCategoryCodeLimit) return false;
  values = std::move(read);
  return true;
}

}  // namespace manifit
