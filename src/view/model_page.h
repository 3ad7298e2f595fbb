// The page of a map saved as a model file, drawn with the table it was
// fitted to: the table is read in any form manifit reads and normalized with
// the model's means and deviations, so no other file of the run is needed.
#pragma once

#include <string>
#include <vector>

#include "common/status.h"
#include "data/data_table.h"
#include "data/table_columns.h"
#include "view/model_input.h"
#include "view/svg_page.h"
#include "view/view_options.h"

namespace manifit {

// The table's rows in the map's units: x = (x - mean) / deviation per column
// when the model was normalized, as the fitting run computed them.
PointTable normalizedRows(const DataTable& table, const ModelInput& model);

// Point ids and category labels from the table's text columns: the first
// column whose entries are all different names the points; the first one
// with 2 to 12 different entries colours them (and names the legend).
void textColumnRoles(const TableColumns& columns, std::vector<std::string>& ids,
                     std::vector<std::string>& labels, std::string& labelName);

// Reads the model, the table and the optional files of the options, checks
// that they belong together and computes the page's content. Warnings (a
// table whose columns are named otherwise, or of another size than the
// fitted one) go to the warning stream.
Status buildModelPage(const ViewOptions& options, PageData& page);

}  // namespace manifit
