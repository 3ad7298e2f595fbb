// Whether a column of labels is a category or a number: a column is numeric
// when every entry is a finite number and the entries are not a handful of
// whole numbers (class codes such as 1, 2, 3 stay categories).
#pragma once

#include <string>
#include <vector>

namespace manifit {

// Most distinct whole numbers a column may hold and still be a category.
constexpr size_t kCategoryCodeLimit = 12;

// True (and the values filled) when the labels are numeric by the rule above.
bool numericLabels(const std::vector<std::string>& labels, std::vector<double>& values);

}  // namespace manifit
