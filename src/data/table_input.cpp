#include "data/table_input.h"

#include "common/output.h"
#include "data/delimited_table.h"
#include "data/npy_file.h"
#include "data/text_words.h"
#include "data/word_stream.h"

namespace manifit {

TableForm recogniseTableForm(const std::string& path) {
  if (isNpyFile(path)) return TableForm::Npy;
  WordStream words;
  if (!words.open(path)) return TableForm::TableFormat;  // its reader says "File not found"
  // An empty file, or one whose words run out within the header, keeps the
  // table format's own message.
  const char* word = nullptr;
  size_t length = 0;
  for (int k = 0; k < 2; ++k) {
    int value = 0;
    if (!words.next(word, length)) return TableForm::TableFormat;
    if (!parseIntWord(word, length, value)) return TableForm::Delimited;
  }
  return TableForm::TableFormat;
}

Status readAnyTable(const std::string& path, MissingValues missing, DataTable& table,
                    TableColumns& columns) {
  columns = TableColumns();
  Status status;
  switch (recogniseTableForm(path)) {
    case TableForm::TableFormat:
      status = table.readTable(path);
      break;
    case TableForm::Npy:
      status = readNpyTable(path, table);
      break;
    case TableForm::Delimited:
      status = readDelimitedTable(path, missing, table, columns);
      break;
  }
  for (const std::string& warning : columns.warnings) warn("%s", warning.c_str());
  return status;
}

Status readAnyWeights(const std::string& path, DataTable& table) {
  if (!isNpyFile(path)) return table.readWeights(path);
  std::vector<float> weights;
  const Status read = readNpyWeights(path, table.pointCount, weights);
  if (!read.ok()) return read;
  // The weights file's rule: a float total, carried in double on tables of
  // more than 2^24 points, where a float sum of weights of 1 stops growing.
  float total = 0.0f;
  double wideTotal = 0.0;
  for (float w : weights) {
    total += w;
    wideTotal += w;
  }
  if (largeTable(table.pointCount)) total = static_cast<float>(wideTotal);
  table.weighted = true;
  table.weights = std::move(weights);
  table.totalWeight = total;
  return Status::success();
}

}  // namespace manifit
