// Whole runs with the everyday forms of data: CSV and .npy tables, the
// per-point file, the model file and manifit-project, warnings, help and the
// status of a run that could not write an output.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "data/npy_bytes.h"
#include "data/temp_files.h"

namespace manifit {

namespace {

struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

RunResult run(const std::string& folder, const std::string& program, const std::string& arguments) {
  const std::string command =
      "cd '" + folder + "' && '" + program + "' " + arguments + " > stdout.txt 2> stderr.txt";
  const int raw = std::system(command.c_str());
  RunResult r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = readText(folder + "/stdout.txt");
  r.err = readText(folder + "/stderr.txt");
  return r;
}

const std::string kSource = MANIFIT_SOURCE_DIR;

// The iris table's numbers as rows of words.
std::vector<std::vector<std::string>> irisRows() {
  std::istringstream in(readText(kSource + "/examples/iris.txt"));
  int points = 0, columns = 0;
  in >> points >> columns;
  std::vector<std::vector<std::string>> rows(static_cast<size_t>(points));
  for (auto& row : rows) {
    row.resize(static_cast<size_t>(columns));
    for (auto& word : row) in >> word;
  }
  return rows;
}

// A short training section (fast), a rectangle of 6 x 6.
void writeSection(const std::string& folder) {
  writeText(folder + "/x.ini",
            "#ALG1\ngrid.type simplerectangular\ngrid.size1 6\ngrid.size2 6\nepoch.id 1\n"
            "epoch.numiter 5\n");
}

// The iris rows as a CSV with an id column, a label column and CR LF.
void writeIrisCsv(const std::string& path) {
  std::string text = "\xEF\xBB\xBFid,sepal length,sepal width,petal length,petal width,species\r\n";
  const auto rows = irisRows();
  for (size_t i = 0; i < rows.size(); ++i) {
    text += "\"p" + std::to_string(i + 1) + "\"";
    for (const auto& w : rows[i]) text += "," + w;
    text += ",\"kind, " + std::to_string(i / 50) + "\"\r\n";
  }
  writeText(path, text);
}

std::vector<std::vector<std::string>> csvLines(const std::string& text) {
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream f(line);
    while (std::getline(f, field, ',')) fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    lines.push_back(fields);
  }
  return lines;
}

const std::string kMandatory = "-i x.ini -n 1 -o m.map";

}  // namespace

TEST(DataForms, CsvAndNpyGiveTheSameManifoldFileAsTheTableFormat) {
  const std::string folder = freshFolder();
  writeSection(folder);
  writeIrisCsv(folder + "/iris.csv");
  std::vector<float> values;
  for (const auto& row : irisRows())
    for (const auto& w : row) values.push_back(std::strtof(w.c_str(), nullptr));
  writeText(folder + "/f4.npy", npyArray<float>(values, 150, 4, false, "<f4"));
  writeText(folder + "/f8.npy", npyArray<double>(values, 150, 4, true, "<f8"));

  ASSERT_EQ(
      run(folder, MANIFIT_BINARY, "-d " + kSource + "/examples/iris.txt " + kMandatory).status, 0);
  const std::string reference = readText(folder + "/m.map");
  ASSERT_FALSE(reference.empty());
  for (const char* table : {"iris.csv", "f4.npy", "f8.npy"}) {
    const RunResult r = run(folder, MANIFIT_BINARY, std::string("-d ") + table + " " + kMandatory);
    EXPECT_EQ(r.status, 0) << table << r.out << r.err;
    EXPECT_EQ(readText(folder + "/m.map"), reference) << table;
    EXPECT_EQ(r.err, "") << table;
  }
}

TEST(DataForms, PointsJoinBackToTheRowsUnderTestAndTake) {
  const std::string folder = freshFolder();
  writeSection(folder);
  writeIrisCsv(folder + "/iris.csv");
  for (const char* split : {"-t 30", "-take 30", ""}) {
    const RunResult r = run(folder, MANIFIT_BINARY,
                            std::string("-d iris.csv ") + kMandatory + " -points pts.csv " + split);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const auto lines = csvLines(readText(folder + "/pts.csv"));
    ASSERT_EQ(lines.size(), 151u) << split;
    EXPECT_EQ(lines[0], (std::vector<std::string>{"row", "id", "species", "part", "node", "u", "v",
                                                  "w", "squared_distance"}));
    int fit = 0, drawn = 0;
    for (size_t i = 1; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i][0], std::to_string(i));
      EXPECT_EQ(lines[i][1], "p" + std::to_string(i));
      EXPECT_EQ(lines[i][2], "\"kind");  // the quoted label holds a comma
      const std::string& part = lines[i][4];
      if (part == "fit") {
        ++fit;
      } else {
        ++drawn;
        EXPECT_EQ(part, std::string(split).find("-t ") == 0 ? "test" : "discarded");
      }
      EXPECT_FALSE(lines[i][5].empty());  // every row is projected
    }
    // "Proceeding with N points" counts the fitted rows.
    EXPECT_NE(r.out.find("Proceeding with " + std::to_string(fit) + " points"), std::string::npos);
    if (std::string(split).empty()) {
      EXPECT_EQ(drawn, 0);
    } else {
      EXPECT_GT(drawn, 20);
    }
  }
}

TEST(DataForms, ModelFileReproducesThePointsThroughManifitProject) {
  const std::string folder = freshFolder();
  writeSection(folder);
  writeIrisCsv(folder + "/iris.csv");
  ASSERT_EQ(
      run(folder, MANIFIT_BINARY, "-d iris.csv " + kMandatory + " -points a.csv -model m.json")
          .status,
      0);
  const std::string model = readText(folder + "/m.json");
  EXPECT_NE(model.find("\"columns\": [\"sepal length\", \"sepal width\", \"petal length\", "
                       "\"petal width\"]"),
            std::string::npos);
  EXPECT_NE(model.find("\"points\": {\"fit\": 150, \"test\": 0, \"discarded\": 0}"),
            std::string::npos);
  const RunResult p =
      run(folder, MANIFIT_PROJECT_BINARY, "-model m.json -d iris.csv -points b.csv");
  ASSERT_EQ(p.status, 0) << p.err;
  std::string expected = readText(folder + "/a.csv");
  for (size_t at = expected.find(",fit,"); at != std::string::npos; at = expected.find(",fit,", at))
    expected.replace(at, 5, ",new,");
  EXPECT_EQ(readText(folder + "/b.csv"), expected);

  const RunResult wrong = run(folder, MANIFIT_PROJECT_BINARY,
                              "-model m.json -d " + kSource + "/examples/wine.txt -points c.csv");
  EXPECT_EQ(wrong.status, 1);
  EXPECT_NE(wrong.err.find("coordinates, but the map of m.json was fitted to 4"), std::string::npos)
      << wrong.err;
  writeText(folder + "/bad.json", "{\"format\": \"manifit-model\", \"version\": 1}");
  const RunResult bad =
      run(folder, MANIFIT_PROJECT_BINARY, "-model bad.json -d iris.csv -points c.csv");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("Model file bad.json: \"grid\" is missing"), std::string::npos) << bad.err;
}

TEST(DataForms, WarningsGoToStandardErrorWithSuggestions) {
  const std::string folder = freshFolder();
  writeText(folder + "/t.txt", "3 2\n1 2\n3 4\n5 6\n7 8\n");
  writeText(folder + "/x.ini", "#ALG1\ngrid.szie1 4\nepoch.ep 0.5\n# a comment\ngrid.size2 4\n");
  const RunResult quiet = run(folder, MANIFIT_BINARY, "-d t.txt -i x.ini -n 1 -o q.map");
  const RunResult r = run(folder, MANIFIT_BINARY,
                          "-d t.txt -i x.ini -n 1 -o m.map -proj p.txt -nromdat n.txt -w none.w");
  EXPECT_EQ(r.status, 0) << r.err;
  const char* expected[] = {
      "manifit: -proj is not an option; did you mean -p?\n",
      "manifit: -nromdat is not an option; did you mean -normdat?\n",
      "Table file t.txt, line 5: more numbers follow the 3 points of 2 coordinates",
      "manifit: the weights file none.w was not found; the run goes on without weights.\n",
      "x.ini, line 2: grid.szie1 is not a key; did you mean grid.size1?\n",
      "x.ini, line 3: epoch.ep comes before any epoch.id or adapt.id line",
      ("x.ini, line 4: a line beginning with # ends section #ALG1, so the keys after it (from line "
       "5) are not read"),
      "x.ini: section #ALG1 has no training stage",
  };
  for (const char* text : expected) EXPECT_NE(r.err.find(text), std::string::npos) << text << r.err;
  // Standard output is what it was without the mistakes, but for the
  // weights line and the missing weights file's own message.
  EXPECT_EQ(r.out.find("-proj"), std::string::npos);
  EXPECT_EQ(r.out.find("not a key"), std::string::npos);
  EXPECT_NE(quiet.out.find("Final MSE"), std::string::npos);
}

TEST(DataForms, AnOutputThatCannotBeWrittenEndsWithStatusOne) {
  const std::string folder = freshFolder();
  writeSection(folder);
  writeText(folder + "/t.txt", "4 2\n1 2\n3 4\n5 7\n2 1\n");
  const RunResult r = run(folder, MANIFIT_BINARY,
                          "-d t.txt " + kMandatory + " -points missing/p.csv -model m.json");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(fileExists(folder + "/m.map"));
  EXPECT_TRUE(fileExists(folder + "/m.json"));
  EXPECT_NE(r.err.find("manifit: not written: missing/p.csv (-points)\n"), std::string::npos)
      << r.err;
  const RunResult o = run(folder, MANIFIT_BINARY, "-d t.txt -i x.ini -n 1 -o missing/m.map");
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.err.find("missing/m.map (-o)"), std::string::npos) << o.err;
}

TEST(DataForms, HelpAndVersion) {
  const std::string folder = freshFolder();
  for (const char* help : {"-help", "-h", "--help"}) {
    const RunResult r = run(folder, MANIFIT_BINARY, help);
    EXPECT_EQ(r.status, 0);
    for (const char* option : {"-d ", "-i ", "-n ", "-o ", "-w ", "-dat ", "-t ", "-take ",
                               "-norm ", "-normdat ", "-pcdat ", "-gen ", "-p ", "-threads ",
                               "-points ", "-model ", "-na ", "-search ", "-version"}) {
      EXPECT_NE(r.out.find(std::string("  ") + option), std::string::npos) << option;
    }
  }
  EXPECT_EQ(run(folder, MANIFIT_BINARY, "-version").out.rfind("manifit ", 0), 0u);
  // A value that reads "-h" is a value, not a request for help.
  EXPECT_EQ(run(folder, MANIFIT_BINARY, "-dat -h").status, 255);
  const RunResult p = run(folder, MANIFIT_PROJECT_BINARY, "--help");
  EXPECT_EQ(p.status, 0);
  EXPECT_NE(p.out.find("-model"), std::string::npos);
  const RunResult missing = run(folder, MANIFIT_PROJECT_BINARY, "-modle m.json");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("-modle is not an option; did you mean -model?"), std::string::npos);
  const RunResult v = run(folder, MANIFIT_VIEW_BINARY, "-h");
  EXPECT_EQ(v.status, 0);
  EXPECT_NE(v.out.find("Usage: manifit-view"), std::string::npos);
}

}  // namespace manifit
