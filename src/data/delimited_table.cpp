#include "data/delimited_table.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "common/input_file.h"
#include "data/message.h"
#include "data/text_words.h"
#include "data/word_stream.h"

namespace manifit {

namespace {

// The most numbers a table may hold, as in the table format.
constexpr int64_t kMaxTableValues = 250000000;
// The longest delimited file read (the .npy form is the way in for more).
constexpr int64_t kMaxTextBytes = int64_t(4) << 30;
// Records examined to choose the delimiter.
constexpr int kSampleRecords = 50;

struct Record {
  std::vector<std::string> fields;
  std::vector<char> quoted;
  int line = 0;  // where the record starts
};

// Reads records one after another from the text.
class RecordReader {
 public:
  RecordReader(const std::string& text, size_t start, char delimiter)
      : s_(text), pos_(start), delimiter_(delimiter) {}

  // The next record; false at the end of the text or on a quoting error
  // (then error() tells it).
  bool next(Record& record) {
    if (pos_ >= s_.size()) return false;
    // The record's strings are reused from one record to the next.
    size_t used = 0;
    record.line = line_;
    while (true) {
      std::string& field = slot(record, used++, false);
      if (s_[pos_] == '"') {
        record.quoted[used - 1] = true;
        if (!readQuoted(field)) return false;
      } else {
        const size_t start = pos_;
        while (pos_ < s_.size() && s_[pos_] != delimiter_ && s_[pos_] != '\n' && s_[pos_] != '\r')
          ++pos_;
        field.assign(s_, start, pos_ - start);
      }
      if (pos_ >= s_.size()) return finish(record, used);
      const char c = s_[pos_];
      if (c == delimiter_) {
        ++pos_;
        if (pos_ >= s_.size()) {  // a trailing delimiter: one more empty field
          slot(record, used++, false);
          return finish(record, used);
        }
        continue;
      }
      if (c == '\r') ++pos_;
      if (pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
      ++line_;
      return finish(record, used);
    }
  }

  const std::string& error() const { return error_; }

 private:
  const std::string& s_;
  size_t pos_;
  char delimiter_;
  int line_ = 1;
  std::string error_;

  // The field at `index`, emptied, its quoted flag set.
  static std::string& slot(Record& record, size_t index, bool quoted) {
    if (index == record.fields.size()) {
      record.fields.emplace_back();
      record.quoted.push_back(quoted);
    }
    record.quoted[index] = quoted;
    record.fields[index].clear();
    return record.fields[index];
  }

  static bool finish(Record& record, size_t used) {
    record.fields.resize(used);
    record.quoted.resize(used);
    return true;
  }

  bool readQuoted(std::string& field) {
    const int opened = line_;
    ++pos_;
    while (true) {
      if (pos_ >= s_.size()) {
        error_ = formatMessage("the quoted field opened on line %i never closes", opened);
        return false;
      }
      const char c = s_[pos_];
      if (c == '"') {
        if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '"') {
          field += '"';
          pos_ += 2;
          continue;
        }
        ++pos_;
        break;
      }
      if (c == '\n') ++line_;
      field += c;
      ++pos_;
    }
    if (pos_ < s_.size() && s_[pos_] != delimiter_ && s_[pos_] != '\n' && s_[pos_] != '\r') {
      error_ = formatMessage("line %i: text follows the closing quote of a field", line_);
      return false;
    }
    return true;
  }
};

bool isBlankRecord(const Record& r) {
  return r.fields.size() == 1 && r.fields[0].empty() && !r.quoted[0];
}

std::string trimmed(const std::string& s) {
  size_t begin = 0;
  size_t end = s.size();
  while (begin < end && (s[begin] == ' ' || s[begin] == '\t')) ++begin;
  while (end > begin && (s[end - 1] == ' ' || s[end - 1] == '\t')) --end;
  return s.substr(begin, end - begin);
}

bool isMissing(const std::string& t) {
  if (t.size() > 3) return false;
  return t.empty() || t == "NA" || t == "N/A" || t == "NaN" || t == "nan" || t == "NAN";
}

// Like the table format's "%f" word: the whole text must convert, with the
// table reader's conversion (the string's terminating zero follows it).
bool isNumber(const std::string& t, float& value) {
  if (t.empty()) return false;
  return parseFloatFast(t.c_str(), t.size(), value);
}

// Digits, one comma, digits: a number written with a decimal comma.
bool isDecimalComma(const std::string& t) {
  size_t i = (!t.empty() && (t[0] == '-' || t[0] == '+')) ? 1 : 0;
  size_t before = 0;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++before;
  if (i >= t.size() || t[i] != ',' || before == 0) return false;
  ++i;
  size_t after = 0;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++after;
  return after > 0 && i == t.size();
}

enum class FieldKind { Number, Missing, DecimalComma, Text };

FieldKind classify(const std::string& field) {
  const std::string t = trimmed(field);
  float value = 0.0f;
  if (isMissing(t)) return FieldKind::Missing;
  if (isNumber(t, value)) return FieldKind::Number;
  if (isDecimalComma(t)) return FieldKind::DecimalComma;
  return FieldKind::Text;
}

// The delimiter that gives every sampled record the same number (2 or more)
// of fields: tab first, then semicolon, then comma. A file of one column
// reads with any of them.
char chooseDelimiter(const std::string& text, size_t start) {
  const char candidates[] = {'\t', ';', ','};
  for (char d : candidates) {
    RecordReader reader(text, start, d);
    Record r;
    size_t count = 0;
    bool consistent = true;
    for (int n = 0; n < kSampleRecords && reader.next(r);) {
      if (isBlankRecord(r)) continue;
      ++n;
      if (count == 0) count = r.fields.size();
      if (r.fields.size() != count) consistent = false;
    }
    if (reader.error().empty() && consistent && count >= 2) return d;
  }
  for (char d : candidates) {
    RecordReader reader(text, start, d);
    Record r;
    while (reader.next(r) && isBlankRecord(r)) {
    }
    if (r.fields.size() >= 2) return d;
  }
  return ',';
}

struct ColumnSurvey {
  long long numbers = 0;
  long long missing = 0;
  long long decimalCommas = 0;
  long long texts = 0;
  long long firstCommaRow = 0;
  int firstCommaLine = 0;
  std::string firstComma;
  long long firstTextRow = 0;
  int firstTextLine = 0;
  std::string firstText;
};

struct Layout {
  char delimiter = ',';
  size_t start = 0;  // after the byte-order mark
  bool header = false;
  std::vector<std::string> headerFields;
  std::vector<ColumnSurvey> columns;
  std::vector<int> coordinates;  // file column of each coordinate
  std::vector<int> textColumns;
  long long dataRows = 0;
};

std::string columnLabel(const Layout& layout, size_t j) {
  if (layout.header && !layout.headerFields[j].empty())
    return "\"" + quoteWord(layout.headerFields[j].c_str(), layout.headerFields[j].size()) + "\"";
  return formatMessage("%zu", j + 1);
}

void survey(ColumnSurvey& c, const std::string& field, long long row, int line) {
  switch (classify(field)) {
    case FieldKind::Number:
      ++c.numbers;
      break;
    case FieldKind::Missing:
      ++c.missing;
      break;
    case FieldKind::DecimalComma:
      if (c.decimalCommas++ == 0) {
        c.firstCommaRow = row;
        c.firstCommaLine = line;
        c.firstComma = trimmed(field);
      }
      break;
    case FieldKind::Text:
      if (c.texts++ == 0) {
        c.firstTextRow = row;
        c.firstTextLine = line;
        c.firstText = field;
      }
      break;
  }
}

// The first row names the columns when it holds text where the rows below
// hold numbers (or, alone, when it holds nothing but text).
bool namesTheColumns(const std::vector<FieldKind>& firstKinds,
                     const std::vector<ColumnSurvey>& rest, long long rowsBelow) {
  if (rowsBelow == 0) {
    bool allText = true;
    for (FieldKind k : firstKinds) allText = allText && k == FieldKind::Text;
    return allText;
  }
  bool header = false;
  for (size_t j = 0; j < firstKinds.size(); ++j) {
    const bool textOverNumbers =
        firstKinds[j] == FieldKind::Text && rest[j].texts == 0 && rest[j].numbers > 0;
    if (textOverNumbers) header = true;
  }
  return header;
}

// Adds a first row that holds data (row 1) to the surveys of the rows below.
void addFirstRow(const Record& first, std::vector<ColumnSurvey>& columns) {
  for (size_t j = 0; j < first.fields.size(); ++j) {
    ColumnSurvey single;
    survey(single, first.fields[j], 1, first.line);
    ColumnSurvey& c = columns[j];
    c.numbers += single.numbers;
    c.missing += single.missing;
    if (single.decimalCommas > 0) {
      c.firstCommaRow = 1;
      c.firstCommaLine = single.firstCommaLine;
      c.firstComma = single.firstComma;
      ++c.decimalCommas;
    }
    if (single.texts > 0) {
      c.firstTextRow = 1;
      c.firstTextLine = single.firstTextLine;
      c.firstText = single.firstText;
      ++c.texts;
    }
  }
}

// First pass: the delimiter, the header, the field count and what each
// column holds.
Status surveyTable(const std::string& text, const std::string& name, Layout& layout) {
  layout.start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  layout.delimiter = chooseDelimiter(text, layout.start);
  RecordReader reader(text, layout.start, layout.delimiter);
  Record r;
  Record first;
  bool haveFirst = false;
  std::vector<ColumnSurvey> rest;
  std::vector<FieldKind> firstKinds;
  long long row = 0;
  while (reader.next(r)) {
    if (isBlankRecord(r)) continue;
    if (!haveFirst) {
      first = r;
      haveFirst = true;
      rest.assign(r.fields.size(), ColumnSurvey());
      for (const std::string& f : r.fields) firstKinds.push_back(classify(f));
      continue;
    }
    if (r.fields.size() != first.fields.size()) {
      return Status::failure(formatMessage(
          "Table file %s, line %i: %zu fields, but line %i has %zu; every row needs the same "
          "columns.\n",
          name.c_str(), r.line, r.fields.size(), first.line, first.fields.size()));
    }
    ++row;
    for (size_t j = 0; j < r.fields.size(); ++j) survey(rest[j], r.fields[j], row + 1, r.line);
  }
  if (!reader.error().empty())
    return Status::failure("Table file " + name + ": " + reader.error() + ".\n");
  if (!haveFirst) return Status::failure("Table file " + name + ": the file holds no rows.\n");

  layout.header = namesTheColumns(firstKinds, rest, row);
  layout.columns = rest;
  if (layout.header) {
    layout.headerFields = first.fields;
    layout.dataRows = row;
    // The row numbers of the survey counted the header as row 1.
    for (ColumnSurvey& c : layout.columns) {
      --c.firstCommaRow;
      --c.firstTextRow;
    }
  } else {
    layout.dataRows = row + 1;
    addFirstRow(first, layout.columns);
  }
  if (layout.dataRows == 0)
    return Status::failure("Table file " + name + ": the file holds a header but no rows.\n");
  return Status::success();
}

// Which columns are coordinates; a decimal comma is refused with a hint.
Status chooseColumns(const std::string& name, Layout& layout, TableColumns& columns) {
  for (size_t j = 0; j < layout.columns.size(); ++j) {
    const ColumnSurvey& c = layout.columns[j];
    if (c.texts == 0 && c.decimalCommas > 0) {
      return Status::failure(formatMessage(
          "Table file %s, line %i: row %lld, column %s holds \"%s\", a number with a decimal "
          "comma; write numbers with a decimal point (for a spreadsheet export, choose a point as "
          "the decimal separator or replace the commas).\n",
          name.c_str(), c.firstCommaLine, c.firstCommaRow, columnLabel(layout, j).c_str(),
          quoteWord(c.firstComma.c_str(), c.firstComma.size()).c_str()));
    }
    if (c.texts == 0 && c.numbers == 0) {
      // Nothing but empty fields (a delimiter at the end of every line): no
      // coordinate, and nothing missing either.
      layout.textColumns.push_back(static_cast<int>(j));
      columns.warnings.push_back(
          formatMessage("Table file %s: column %s holds no values; it is left aside.\n",
                        name.c_str(), columnLabel(layout, j).c_str()));
      continue;
    }
    if (c.texts == 0) {
      layout.coordinates.push_back(static_cast<int>(j));
      continue;
    }
    layout.textColumns.push_back(static_cast<int>(j));
    if (c.numbers > 0) {
      columns.warnings.push_back(formatMessage(
          "Table file %s, line %i: column %s holds text (\"%s\" in row %lld) besides numbers, so "
          "it is kept aside as a label, not used as a coordinate.\n",
          name.c_str(), c.firstTextLine, columnLabel(layout, j).c_str(),
          quoteWord(c.firstText.c_str(), c.firstText.size()).c_str(), c.firstTextRow));
    }
  }
  if (layout.coordinates.empty()) {
    return Status::failure("Table file " + name +
                           ": no column holds numbers, so there are no coordinates to fit.\n");
  }
  const int64_t values =
      static_cast<int64_t>(layout.dataRows) * static_cast<int64_t>(layout.coordinates.size());
  if (layout.dataRows > 2147483647LL || values > kMaxTableValues) {
    return Status::failure(formatMessage(
        "Table file %s: %lld rows of %zu coordinates, %lld numbers; a table can hold at most "
        "%lld.\n",
        name.c_str(), layout.dataRows, layout.coordinates.size(), static_cast<long long>(values),
        static_cast<long long>(kMaxTableValues)));
  }
  return Status::success();
}

// The coordinates of one data row (number `row` of the file) into x; drop is
// set when a value is missing and -na drop leaves such rows out.
Status readCoordinates(const Record& r, long long row, const std::string& name,
                       const Layout& layout, MissingValues missing, float* x, bool& drop) {
  drop = false;
  for (size_t k = 0; k < layout.coordinates.size(); ++k) {
    const size_t j = static_cast<size_t>(layout.coordinates[k]);
    const std::string t = trimmed(r.fields[j]);
    if (isMissing(t)) {
      if (missing == MissingValues::Drop) {
        drop = true;
        continue;
      }
      return Status::failure(formatMessage(
          "Table file %s, line %i: row %lld, column %s has no value (\"%s\"); remove such rows "
          "or run with -na drop to leave them out.\n",
          name.c_str(), r.line, row, columnLabel(layout, j).c_str(),
          quoteWord(t.c_str(), t.size()).c_str()));
    }
    isNumber(t, x[k]);
    if (!std::isfinite(x[k])) {
      return Status::failure(formatMessage(
          "Table file %s, line %i: row %lld, column %s is not a finite number: \"%s\".\n",
          name.c_str(), r.line, row, columnLabel(layout, j).c_str(),
          quoteWord(t.c_str(), t.size()).c_str()));
    }
  }
  return Status::success();
}

// After the second pass: no rows kept is an error, rows left out a warning.
Status checkKeptRows(const std::string& name, int kept, long long rows, TableColumns& columns) {
  if (kept == 0) {
    return Status::failure(formatMessage(
        "Table file %s: all %lld rows have missing values; no rows are left to fit.\n",
        name.c_str(), rows));
  }
  if (!columns.droppedRows.empty()) {
    columns.warnings.push_back(formatMessage(
        "Table file %s: %zu of %lld rows had missing values and were left out (-na drop).\n",
        name.c_str(), columns.droppedRows.size(), rows));
  }
  return Status::success();
}

// Second pass: the numbers and the text fields of every row.
Status fillTable(const std::string& text, const std::string& name, const Layout& layout,
                 MissingValues missing, DataTable& table, TableColumns& columns) {
  const int dims = static_cast<int>(layout.coordinates.size());
  DataTable loaded;
  loaded.allocateRows(static_cast<int>(layout.dataRows), dims);
  RecordReader reader(text, layout.start, layout.delimiter);
  Record r;
  bool skippedHeader = !layout.header;
  long long row = 0;
  int kept = 0;
  std::vector<std::string> fieldsAside;
  while (reader.next(r)) {
    if (isBlankRecord(r)) continue;
    if (!skippedHeader) {
      skippedHeader = true;
      continue;
    }
    ++row;
    bool drop = false;
    const Status read = readCoordinates(r, row, name, layout, missing, loaded.row(kept), drop);
    if (!read.ok()) return read;
    fieldsAside.clear();
    for (int j : layout.textColumns) fieldsAside.push_back(r.fields[static_cast<size_t>(j)]);
    if (drop) {
      columns.droppedRows.push_back(row);
      columns.droppedText.push_back(fieldsAside);
      continue;
    }
    columns.rowNumbers.push_back(row);
    columns.text.push_back(fieldsAside);
    ++kept;
  }
  const Status rows = checkKeptRows(name, kept, row, columns);
  if (!rows.ok()) return rows;
  // Shrinking keeps the storage in place, so the row pointers stay valid.
  loaded.pointCount = kept;
  loaded.rows.resize(static_cast<size_t>(kept));
  loaded.storage.resize(static_cast<size_t>(kept) * static_cast<size_t>(dims));
  table = std::move(loaded);
  return Status::success();
}

}  // namespace

Status parseDelimitedTable(const std::string& text, const std::string& name, MissingValues missing,
                           DataTable& table, TableColumns& columns) {
  Layout layout;
  TableColumns found;
  Status status = surveyTable(text, name, layout);
  if (status.ok()) status = chooseColumns(name, layout, found);
  if (!status.ok()) return status;
  if (layout.header) {
    for (int j : layout.coordinates)
      found.names.push_back(layout.headerFields[static_cast<size_t>(j)]);
  } else {
    for (size_t k = 0; k < layout.coordinates.size(); ++k)
      found.names.push_back("x" + std::to_string(k + 1));
  }
  for (int j : layout.textColumns) {
    const size_t c = static_cast<size_t>(j);
    found.textNames.push_back(layout.header && !layout.headerFields[c].empty()
                                  ? layout.headerFields[c]
                                  : "column" + std::to_string(c + 1));
  }
  DataTable loaded;
  status = fillTable(text, name, layout, missing, loaded, found);
  if (!status.ok()) return status;
  table = std::move(loaded);
  columns = std::move(found);
  return Status::success();
}

Status readDelimitedTable(const std::string& path, MissingValues missing, DataTable& table,
                          TableColumns& columns) {
  const FilePointer file = openInputFile(path);
  if (!file) return Status::failure(formatMessage("File not found: %s.\n", path.c_str()));
  std::string text;
  // A file's size, when it has one, saves growing the text piece by piece.
  if (std::fseek(file.get(), 0, SEEK_END) == 0) {
    const long size = std::ftell(file.get());
    if (size > 0 && size <= kMaxTextBytes) text.reserve(static_cast<size_t>(size));
    std::rewind(file.get());
  }
  long nulLine = 0;
  switch (readTextFile(file.get(), static_cast<size_t>(kMaxTextBytes), text, nulLine)) {
    case TextFileEnd::complete:
      break;
    case TextFileEnd::tooLarge:
      return Status::failure(formatMessage(
          "Table file %s: larger than %lld bytes; save a table this large as .npy instead.\n",
          path.c_str(), static_cast<long long>(kMaxTextBytes)));
    case TextFileEnd::nulByte:
      return Status::failure(
          formatMessage("Table file %s, line %li: the file holds a NUL byte, so it is not a text "
                        "file.\n",
                        path.c_str(), nulLine));
    case TextFileEnd::readError:
      return Status::failure(formatMessage("File not found: %s.\n", path.c_str()));
  }
  return parseDelimitedTable(text, path, missing, table, columns);
}

}  // namespace manifit
