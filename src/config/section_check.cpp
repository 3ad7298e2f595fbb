#include "config/section_check.h"

#include <cstdio>
#include <istream>

#include "common/input_file.h"
#include "common/suggest.h"

namespace manifit {

namespace {

const std::vector<std::string>& sectionKeys() {
  static const std::vector<std::string> keys = {
      "algtype",        "grid.type",     "grid.size1",        "grid.size2",        "grid.size3",
      "grid.minclust",  "init.stretch1", "init.stretch2",     "init.stretch3",     "epoch.id",
      "epoch.minimize", "epoch.ep",      "epoch.rp",          "epoch.extrapolate", "epoch.eps",
      "epoch.epsSLAU",  "epoch.numiter", "epoch.numiterSLAU", "adapt.id",          "adapt.type",
      "adapt.numiter",  "adapt.numstep", "adapt.numevery",    "adapt.eps",         "adapt.epsSLAU",
      "adapt.epsMSE",   "adapt.ep",      "adapt.rp"};
  return keys;
}

bool isKey(const std::string& key) {
  for (const std::string& k : sectionKeys()) {
    if (k == key) return true;
  }
  return false;
}

bool isStageId(const std::string& key) {
  return key == "epoch.id" || key == "adapt.id";
}

bool isStageKey(const std::string& key) {
  return !isStageId(key) && (key.compare(0, 6, "epoch.") == 0 || key.compare(0, 6, "adapt.") == 0);
}

// The first two tokens; separators are blank, '=', tab and newline.
int tokens(const std::string& line, std::string out[2]) {
  int found = 0;
  size_t p = 0;
  const char* separators = " =\t\n";
  while (found < 2) {
    p = line.find_first_not_of(separators, p);
    if (p == std::string::npos) break;
    const size_t end = line.find_first_of(separators, p);
    out[found++] = line.substr(p, end == std::string::npos ? std::string::npos : end - p);
    if (end == std::string::npos) break;
    p = end;
  }
  return found;
}

// A configuration file is small: one longer than this many lines, or with a
// line longer than the configuration reader takes, is left to that reader's
// messages.
constexpr size_t kMostLines = 100000;
constexpr size_t kLongestLine = 899;

// The lines without their ends, up to the end of the input, a NUL byte, a
// line too long or too many lines (so a device such as /dev/zero stops at
// once); what comes after is never read. next() gives one character, or EOF.
template <typename NextCharacter>
void readLines(NextCharacter next, std::vector<std::string>& lines) {
  std::string line;
  int c = 0;
  while ((c = next()) != EOF) {
    if (c == '\0') return;
    if (c != '\n') {
      if (line.size() > kLongestLine) return;  // 899 characters and '\r' pass
      line.push_back(static_cast<char>(c));
      continue;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (lines.size() == kMostLines) return;
    lines.push_back(line);
    line.clear();
  }
  if (!line.empty()) {
    if (line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
}

std::string at(const std::string& path, int line) {
  return path + ", line " + std::to_string(line) + ": ";
}

// What the lines of the section seen so far set.
struct SectionState {
  int stages = 0;
  std::string gridType = "simplerectangular";
  std::string algtype = "epoch";
};

// The warnings of one line of the section (line number `number`).
void examineLine(const std::string& path, const std::string& line, int number, SectionState& state,
                 std::vector<std::string>& warnings) {
  std::string t[2];
  const int count = tokens(line, t);
  if (count == 1 && isStageId(t[0])) {
    warnings.push_back(at(path, number) + t[0] +
                       " has no value, so it starts no stage; give it one (" + t[0] + " = 1).\n");
  }
  if (count < 2) return;
  if (!isKey(t[0])) {
    const std::string guess = closestName(t[0], sectionKeys());
    warnings.push_back(
        at(path, number) + t[0] + " is not a key; " +
        (guess.empty() ? std::string("the line is ignored") : "did you mean " + guess + "?") +
        "\n");
  } else if (isStageId(t[0])) {
    ++state.stages;
  } else if (isStageKey(t[0]) && state.stages == 0) {
    warnings.push_back(at(path, number) + t[0] +
                       " comes before any epoch.id or adapt.id line, so it belongs to no "
                       "stage and is ignored.\n");
  } else if (t[0] == "grid.type") {
    state.gridType = t[1];
  } else if (t[0] == "algtype") {
    state.algtype = t[1];
  }
}

// A line beginning with '#' (at index end, not a section header) ends the
// section; keys after it, up to the next section, are lost.
void warnOfLostKeys(const std::string& path, const std::vector<std::string>& lines, size_t end,
                    const std::string& header, std::vector<std::string>& warnings) {
  if (end >= lines.size() || lines[end].compare(0, 4, "#ALG") == 0) return;
  for (size_t j = end + 1; j < lines.size() && lines[j].compare(0, 4, "#ALG") != 0; ++j) {
    std::string t[2];
    if (tokens(lines[j], t) == 2 && isKey(t[0]) && lines[j][0] != '#') {
      warnings.push_back(at(path, static_cast<int>(end + 1)) +
                         "a line beginning with # ends section " + header +
                         ", so the keys after it (from line " + std::to_string(j + 1) +
                         ") are not read; a section cannot hold comment lines.\n");
      return;
    }
  }
}

// A section that trains nothing: no stage, or a strategy other than epoch
// (an elastic graph is grown whatever its stages).
void warnOfNoTraining(const std::string& path, const std::string& header, const SectionState& state,
                      std::vector<std::string>& warnings) {
  if (state.gridType == "elgraph") return;
  if (state.stages == 0) {
    warnings.push_back(path + ": section " + header +
                       " has no training stage (no epoch.id or adapt.id line), so the "
                       "map is written as placed, untrained.\n");
  } else if (state.algtype != "epoch") {
    warnings.push_back(path + ": section " + header + " sets algtype " + state.algtype +
                       "; only the strategy epoch runs the stages, so the map is "
                       "written as placed, untrained.\n");
  }
}

SectionReport examineLines(const std::vector<std::string>& lines, const std::string& path, int n) {
  SectionReport report;
  const std::string header = "#ALG" + std::to_string(n);
  size_t start = 0;
  while (start < lines.size() && lines[start].compare(0, header.size(), header) != 0) ++start;
  if (start == lines.size()) return report;

  report.text = lines[start] + "\n";
  SectionState state;
  size_t i = start + 1;
  for (; i < lines.size() && (lines[i].empty() || lines[i][0] != '#'); ++i) {
    report.text += lines[i] + "\n";
    examineLine(path, lines[i], static_cast<int>(i + 1), state, report.warnings);
  }
  warnOfLostKeys(path, lines, i, header, report.warnings);
  warnOfNoTraining(path, header, state, report.warnings);
  return report;
}

}  // namespace

SectionReport examineSection(const std::string& path, int n) {
  const FilePointer file = openInputFile(path);
  if (!file) return SectionReport();
  std::vector<std::string> lines;
  readLines([&file] { return std::getc(file.get()); }, lines);
  return examineLines(lines, path, n);
}

SectionReport examineSectionText(std::istream& in, const std::string& name, int n) {
  std::vector<std::string> lines;
  readLines(
      [&in] {
        const std::istream::int_type c = in.get();
        return c == std::istream::traits_type::eof() ? EOF : static_cast<int>(c);
      },
      lines);
  return examineLines(lines, name, n);
}

}  // namespace manifit
