#include "view/view_files.h"

#include <cmath>
#include <limits>
#include <map>

#include "view/text_lines.h"

namespace manifit {

namespace {

// The manifold file as named blocks: "# NAME" starts a block, which holds
// the non-blank lines up to the next one.
struct Block {
  int headerLine = 0;
  std::vector<const TextLine*> lines;
};

Status splitBlocks(const TextFile& file, std::map<std::string, Block>& blocks) {
  Block* current = nullptr;
  for (const TextLine& line : file.lines) {
    if (line.tokens.empty()) continue;
    if (line.text[0] == '#') {
      std::string name = line.text.substr(1);
      while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.erase(0, 1);
      while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
      if (blocks.count(name)) {
        return lineError(file.path, line.number, "a second \"# " + name + "\" block");
      }
      current = &blocks[name];
      current->headerLine = line.number;
      continue;
    }
    if (!current) return lineError(file.path, line.number, "text before the first \"#\" block");
    current->lines.push_back(&line);
  }
  return Status::success();
}

Status findBlock(const std::string& path, const std::map<std::string, Block>& blocks,
                 const std::string& name, const Block*& block) {
  const auto found = blocks.find(name);
  if (found == blocks.end()) return lineError(path, 0, "no \"# " + name + "\" block");
  block = &found->second;
  return Status::success();
}

// A block that holds one non-negative integer.
Status readCount(const std::string& path, const std::map<std::string, Block>& blocks,
                 const std::string& name, int& count) {
  const Block* block = nullptr;
  Status status = findBlock(path, blocks, name, block);
  if (!status.ok()) return status;
  if (block->lines.size() != 1 || block->lines[0]->tokens.size() != 1) {
    return lineError(path, block->headerLine, "\"# " + name + "\" must hold one integer");
  }
  const TextLine& line = *block->lines[0];
  if (!parseInteger(line.tokens[0], count) || count < 0) {
    return lineError(path, line.number, "\"" + line.tokens[0] + "\" is not a count");
  }
  return Status::success();
}

// The block `name`, which must hold exactly `count` lines.
Status findCountedBlock(const std::string& path, const std::map<std::string, Block>& blocks,
                        const std::string& name, int count, const Block*& block) {
  Status status = findBlock(path, blocks, name, block);
  if (!status.ok()) return status;
  if (block->lines.size() != static_cast<size_t>(count)) {
    return lineError(path, block->headerLine,
                     "\"# " + name + "\" has " + std::to_string(block->lines.size()) +
                         " lines, but the count says " + std::to_string(count));
  }
  return Status::success();
}

// A block of `count` lines of `width` numbers each.
Status readNumberRows(const std::string& path, const std::map<std::string, Block>& blocks,
                      const std::string& name, int count, size_t width,
                      std::vector<std::vector<double>>& rows) {
  const Block* block = nullptr;
  Status status = findCountedBlock(path, blocks, name, count, block);
  if (!status.ok()) return status;
  rows.assign(block->lines.size(), {});
  for (size_t i = 0; i < block->lines.size(); ++i) {
    const TextLine& line = *block->lines[i];
    if (line.tokens.size() != width) {
      return lineError(path, line.number,
                       "expected " + std::to_string(width) + " values, found " +
                           std::to_string(line.tokens.size()));
    }
    status = parseNumbers(path, line, rows[i], true);
    if (!status.ok()) return status;
  }
  return Status::success();
}

// A block of `count` lines of N node indices each, every one below nodeCount.
template <size_t N>
Status readIndexRows(const std::string& path, const std::map<std::string, Block>& blocks,
                     const std::string& name, int count, int nodeCount,
                     std::vector<std::array<int, N>>& rows) {
  const Block* block = nullptr;
  Status status = findCountedBlock(path, blocks, name, count, block);
  if (!status.ok()) return status;
  rows.assign(block->lines.size(), {});
  for (size_t i = 0; i < block->lines.size(); ++i) {
    const TextLine& line = *block->lines[i];
    if (line.tokens.size() != N) {
      return lineError(path, line.number,
                       "expected " + std::to_string(N) + " node numbers, found " +
                           std::to_string(line.tokens.size()));
    }
    for (size_t k = 0; k < N; ++k) {
      int index = -1;
      if (!parseInteger(line.tokens[k], index) || index < 0 || index >= nodeCount) {
        return lineError(
            path, line.number,
            "\"" + line.tokens[k] + "\" is not a node number below " + std::to_string(nodeCount));
      }
      rows[i][k] = index;
    }
  }
  return Status::success();
}

// The non-blank lines of a file.
std::vector<const TextLine*> contentLines(const TextFile& file) {
  std::vector<const TextLine*> lines;
  for (const TextLine& line : file.lines) {
    if (!line.tokens.empty()) lines.push_back(&line);
  }
  return lines;
}

}  // namespace

Status readManifoldFile(const std::string& path, ManifoldFile& manifold) {
  TextFile file;
  Status status = readTextFile(path, file);
  if (!status.ok()) return status;
  std::map<std::string, Block> blocks;
  status = splitBlocks(file, blocks);
  if (!status.ok()) return status;

  ManifoldFile read;
  for (const auto& [name, field] : {std::pair<const char*, int*>{"DIMENSION", &read.dimension},
                                    {"NODES", &read.nodeCount},
                                    {"EDGES", &read.edgeCount},
                                    {"RIBS", &read.ribCount},
                                    {"TRIANGLES", &read.triangleCount}}) {
    status = readCount(path, blocks, name, *field);
    if (!status.ok()) return status;
  }
  if (read.dimension < 1) return lineError(path, 0, "the dimension must be 1 or more");
  if (read.nodeCount < 1) return lineError(path, 0, "the map has no nodes");

  status = readNumberRows(path, blocks, "GRIDNODES", read.nodeCount,
                          static_cast<size_t>(read.dimension), read.nodes);
  if (!status.ok()) return status;
  status = readIndexRows(path, blocks, "GRIDEDGES", read.edgeCount, read.nodeCount, read.edges);
  if (!status.ok()) return status;
  status = readIndexRows(path, blocks, "GRIDRIBS", read.ribCount, read.nodeCount, read.ribs);
  if (!status.ok()) return status;
  status = readIndexRows(path, blocks, "GRIDTRIANGLES", read.triangleCount, read.nodeCount,
                         read.triangles);
  if (!status.ok()) return status;
  std::vector<std::vector<double>> coords;
  status = readNumberRows(path, blocks, "GRIDNODES2D", read.nodeCount, 2, coords);
  if (!status.ok()) return status;
  read.gridCoords.resize(coords.size());
  for (size_t i = 0; i < coords.size(); ++i) read.gridCoords[i] = {coords[i][0], coords[i][1]};

  manifold = std::move(read);
  return Status::success();
}

Status readComponentSummary(const std::string& path, ComponentSummary& summary) {
  TextFile file;
  Status status = readTextFile(path, file);
  if (!status.ok()) return status;
  const std::vector<const TextLine*> lines = contentLines(file);
  if (lines.empty()) return lineError(path, 0, "the file is empty");

  ComponentSummary read;
  const TextLine& header = *lines[0];
  if (header.tokens.size() != 2 || !parseInteger(header.tokens[0], read.componentCount) ||
      !parseInteger(header.tokens[1], read.dimension)) {
    return lineError(path, header.number, "expected the component count and the dimension");
  }
  if (read.componentCount < 2) {
    return lineError(path, header.number, "two principal components are needed for the plane");
  }
  if (read.dimension < 1) return lineError(path, header.number, "the dimension must be 1 or more");
  // Header, mean, one line per component, one variance line per component.
  const size_t needed = 2 + 2 * static_cast<size_t>(read.componentCount);
  if (lines.size() != needed) {
    return lineError(path, 0,
                     "expected " + std::to_string(needed) + " lines for " +
                         std::to_string(read.componentCount) + " components, found " +
                         std::to_string(lines.size()));
  }
  const size_t dimension = static_cast<size_t>(read.dimension);
  for (size_t i = 1; i < needed; ++i) {
    const TextLine& line = *lines[i];
    const bool varianceLine = i >= 2 + static_cast<size_t>(read.componentCount);
    const size_t width = varianceLine ? 2 : dimension;
    if (line.tokens.size() != width) {
      return lineError(path, line.number,
                       "expected " + std::to_string(width) + " values, found " +
                           std::to_string(line.tokens.size()));
    }
    // The mean, the first two components and their fractions are drawn; a
    // later component of degenerate data may hold "nan", which is not used.
    const bool used = i <= 3 || i == 2 + static_cast<size_t>(read.componentCount) ||
                      i == 3 + static_cast<size_t>(read.componentCount);
    std::vector<double> values;
    status = parseNumbers(path, line, values, used);
    if (!status.ok()) return status;
    if (i == 1) {
      read.mean = values;
    } else if (!varianceLine) {
      read.components.push_back(values);
    } else {
      read.fractions.push_back(values[0]);
    }
  }
  summary = std::move(read);
  return Status::success();
}

// Read line by line without keeping the lines: a table can be large.
Status readPointTable(const std::string& path, PointTable& table) {
  std::string text;
  Status status = readWholeText(path, text);
  if (!status.ok()) return status;
  PointTable read;
  int firstLine = 0;
  int number = 0;
  std::string token;
  std::vector<std::pair<size_t, size_t>> tokens;  // begin and end of each token of the line
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    ++number;
    size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    tokens.clear();
    for (size_t at = start; at < stop;) {
      while (at < stop && (text[at] == ' ' || text[at] == '\t')) ++at;
      size_t tokenEnd = at;
      while (tokenEnd < stop && text[tokenEnd] != ' ' && text[tokenEnd] != '\t') ++tokenEnd;
      if (tokenEnd > at) tokens.emplace_back(at, tokenEnd);
      at = tokenEnd;
    }
    start = end + 1;
    if (tokens.empty()) continue;
    if (firstLine == 0) {
      firstLine = number;
      read.dimension = static_cast<int>(tokens.size());
    } else if (tokens.size() != static_cast<size_t>(read.dimension)) {
      return lineError(path, number,
                       std::to_string(tokens.size()) + " values, but line " +
                           std::to_string(firstLine) + " has " + std::to_string(read.dimension));
    }
    std::vector<double> row(tokens.size());
    for (size_t k = 0; k < tokens.size(); ++k) {
      token.assign(text, tokens[k].first, tokens[k].second - tokens[k].first);
      if (!parseNumber(token, row[k])) {
        return lineError(path, number, "\"" + token + "\" is not a finite number");
      }
      if (std::fabs(row[k]) > std::numeric_limits<float>::max()) {
        return lineError(path, number, "\"" + token + "\" is beyond the range of a 32-bit float");
      }
    }
    read.rows.push_back(std::move(row));
  }
  if (read.rows.empty()) return lineError(path, 0, "the file holds no points");
  table = std::move(read);
  return Status::success();
}

Status readProjections(const std::string& path, std::vector<Projection>& projections) {
  TextFile file;
  Status status = readTextFile(path, file);
  if (!status.ok()) return status;
  std::vector<Projection> read;
  for (const TextLine* line : contentLines(file)) {
    if (line->tokens.size() != 3) {
      return lineError(path, line->number,
                       "expected 3 grid coordinates, found " + std::to_string(line->tokens.size()));
    }
    std::vector<double> values;
    status = parseNumbers(path, *line, values, true);
    if (!status.ok()) return status;
    read.push_back({values[0], values[1], values[2]});
  }
  projections = std::move(read);
  return Status::success();
}

Status readLabels(const std::string& path, std::vector<std::string>& labels) {
  TextFile file;
  Status status = readTextFile(path, file);
  if (!status.ok()) return status;
  // Blank lines at the end of the file are no labels; any other is a mistake.
  size_t count = file.lines.size();
  while (count > 0 && file.lines[count - 1].tokens.empty()) --count;
  std::vector<std::string> read;
  for (size_t i = 0; i < count; ++i) {
    const TextLine& line = file.lines[i];
    if (line.tokens.empty()) return lineError(path, line.number, "empty label");
    size_t begin = line.text.find_first_not_of(" \t");
    size_t end = line.text.find_last_not_of(" \t");
    read.push_back(line.text.substr(begin, end - begin + 1));
  }
  labels = std::move(read);
  return Status::success();
}

}  // namespace manifit
