// Tables in delimited text (CSV, TSV): comma, semicolon or tab between
// fields, an optional header row of column names, RFC 4180 quoting, an
// optional UTF-8 byte-order mark and CR LF line ends. Columns of numbers are
// the coordinates; any other column (an id, a label) is kept aside.
#pragma once

#include <string>

#include "common/status.h"
#include "data/data_table.h"
#include "data/table_columns.h"

namespace manifit {

// Reads the file into an empty table; numbers convert exactly as in the
// table format (rounded once to float).
Status readDelimitedTable(const std::string& path, MissingValues missing, DataTable& table,
                          TableColumns& columns);

// The same from text already in memory; name is used in messages.
Status parseDelimitedTable(const std::string& text, const std::string& name, MissingValues missing,
                           DataTable& table, TableColumns& columns);

}  // namespace manifit
