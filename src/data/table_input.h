// Reading a table in any of its forms: the table format (a header of two
// whole numbers, then the numbers), delimited text (CSV, TSV) or a NumPy
// .npy array. The form is recognised from the file's first bytes.
#pragma once

#include <string>

#include "common/status.h"
#include "data/data_table.h"
#include "data/table_columns.h"

namespace manifit {

enum class TableForm { TableFormat, Delimited, Npy };

// The .npy magic string gives Npy; a file whose first two words are whole
// numbers is in the table format; anything else (and a file that cannot be
// opened) is read as delimited text.
TableForm recogniseTableForm(const std::string& path);

// Loads the file into an empty table; the columns tell the names, the text
// columns and the rows of the file. Warnings go to the warning stream.
Status readAnyTable(const std::string& path, MissingValues missing, DataTable& table,
                    TableColumns& columns);

// Loads one weight per point from a weights file or a .npy array.
Status readAnyWeights(const std::string& path, DataTable& table);

}  // namespace manifit
