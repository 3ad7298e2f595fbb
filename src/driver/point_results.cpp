#include "driver/point_results.h"

#include <cstdio>

#include "common/atomic_output_file.h"
#include "common/json.h"

namespace manifit {

namespace {

// A CSV field, quoted when it holds a comma, a quote, a line end or
// surrounding blanks.
std::string csvField(const std::string& text) {
  bool quote = !text.empty() && (text.front() == ' ' || text.back() == ' ');
  for (char c : text) quote = quote || c == ',' || c == '"' || c == '\n' || c == '\r';
  if (!quote) return text;
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::string shortest(float value) {
  return json::Value::fromFloat(value).text;
}

void writeLine(std::FILE* file, long long row, const std::vector<std::string>& text,
               const std::string& part, const PointResult* result) {
  std::string line = std::to_string(row);
  for (const std::string& field : text) line += "," + csvField(field);
  line += "," + part;
  if (result != nullptr && result->node >= 0) {
    line += "," + std::to_string(result->node);
    for (float c : result->coordinates) line += "," + shortest(c);
    line += "," + shortest(result->squaredDistance);
  } else {
    line += ",,,,,";
  }
  line += "\n";
  std::fwrite(line.data(), 1, line.size(), file);
}

}  // namespace

std::vector<PointResult> projectTable(Grid& grid, const DataTable& table) {
  grid.refreshNodeCache();
  std::vector<PointResult> results(static_cast<size_t>(table.pointCount));
  for (int p = 0; p < table.pointCount; ++p) {
    PointResult& r = results[static_cast<size_t>(p)];
    grid.projectPoint(table.row(p), r.coordinates.data(), r.node, r.squaredDistance);
  }
  return results;
}

Status writePointsFile(const std::string& path, const TableColumns& columns,
                       const std::vector<std::string>& parts,
                       const std::vector<PointResult>& results, StagedOutputs* staging) {
  AtomicOutputFile file(path, staging);
  if (!file.isOpen()) return Status::failure("Can not open file for writing: " + path + "\n");
  std::string header = "row";
  for (const std::string& name : columns.textNames) header += "," + csvField(name);
  header += ",part,node,u,v,w,squared_distance\n";
  std::fwrite(header.data(), 1, header.size(), file.get());

  const std::vector<std::string> none;
  size_t dropped = 0;
  for (size_t p = 0; p < results.size(); ++p) {
    const long long row =
        p < columns.rowNumbers.size() ? columns.rowNumbers[p] : static_cast<long long>(p + 1);
    // The dropped rows before this one, in file order.
    while (dropped < columns.droppedRows.size() && columns.droppedRows[dropped] < row) {
      writeLine(file.get(), columns.droppedRows[dropped], columns.droppedText[dropped], "dropped",
                nullptr);
      ++dropped;
    }
    const std::vector<std::string>& text = p < columns.text.size() ? columns.text[p] : none;
    writeLine(file.get(), row, text, p < parts.size() ? parts[p] : "fit", &results[p]);
  }
  for (; dropped < columns.droppedRows.size(); ++dropped) {
    writeLine(file.get(), columns.droppedRows[dropped], columns.droppedText[dropped], "dropped",
              nullptr);
  }
  if (!file.commit()) return Status::failure("Can not write file " + path + "\n");
  return Status::success();
}

}  // namespace manifit
