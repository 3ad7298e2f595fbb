// What a table file says about its rows beyond the coordinates: column
// names, the text columns kept aside (an id, a label), the row each point
// came from and the rows dropped for missing values.
#pragma once

#include <string>
#include <vector>

namespace manifit {

// What a missing value (empty, NA, NaN) in a coordinate column does.
enum class MissingValues { Refuse, Drop };

struct TableColumns {
  std::vector<std::string> names;      // one per coordinate; empty when the file names none
  std::vector<std::string> textNames;  // the columns that are not coordinates
  // Per point of the table: its 1-based data row in the file and its text
  // fields; both empty for a form without text columns or dropped rows (a
  // table file, .npy), where point p is row p + 1.
  std::vector<long long> rowNumbers;
  std::vector<std::vector<std::string>> text;
  // The rows dropped for missing values, with their text fields.
  std::vector<long long> droppedRows;
  std::vector<std::vector<std::string>> droppedText;
  std::vector<std::string> warnings;  // each ends with a newline

  // The coordinate names, "x1", "x2", ... where the file gave none.
  std::vector<std::string> coordinateNames(int dimension) const;
};

}  // namespace manifit
