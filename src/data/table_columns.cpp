#include "data/table_columns.h"

namespace manifit {

std::vector<std::string> TableColumns::coordinateNames(int dimension) const {
  if (names.size() == static_cast<size_t>(dimension)) return names;
  std::vector<std::string> made;
  for (int j = 0; j < dimension; ++j) made.push_back("x" + std::to_string(j + 1));
  return made;
}

}  // namespace manifit
