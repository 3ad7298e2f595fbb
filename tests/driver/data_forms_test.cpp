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
  // Weights as text and as a .npy column give the same weighted map.
  std::vector<float> weights;
  std::string text;
  for (int i = 0; i < 150; ++i) {
    weights.push_back(static_cast<float>(i % 7) * 0.25f);
    text += std::to_string(weights.back()) + "\n";
  }
  writeText(folder + "/w.txt", text);
  writeText(folder + "/w.npy", npyArray<double>(weights, 150, 1, false, "<f8"));
  ASSERT_EQ(run(folder, MANIFIT_BINARY, "-d iris.csv -w w.txt " + kMandatory).status, 0);
  const std::string weighted = readText(folder + "/m.map");
  EXPECT_NE(weighted, reference);
  const RunResult npy = run(folder, MANIFIT_BINARY, "-d f4.npy -w w.npy " + kMandatory);
  EXPECT_EQ(npy.status, 0) << npy.out;
  EXPECT_EQ(readText(folder + "/m.map"), weighted);
}

TEST(DataForms, PointsJoinBackToTheRowsUnderTestAndTake) {
  const std::string folder = freshFolder();
  writeSection(folder);
  writeIrisCsv(folder + "/iris.csv");
  for (const char* split : {"-t 30", "-take 30", ""}) {
    const RunResult r =
        run(folder, MANIFIT_BINARY,
            std::string("-d iris.csv ") + kMandatory + " -p p.txt -points pts.csv " + split);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const auto lines = csvLines(readText(folder + "/pts.csv"));
    ASSERT_EQ(lines.size(), 151u) << split;
    EXPECT_EQ(lines[0], (std::vector<std::string>{"row", "id", "species", "part", "node", "u", "v",
                                                  "w", "squared_distance"}));
    // The fitted rows, in order, are the rows of -p.
    std::istringstream projections(readText(folder + "/p.txt"));
    int fit = 0, drawn = 0;
    for (size_t i = 1; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i][0], std::to_string(i));
      EXPECT_EQ(lines[i][1], "p" + std::to_string(i));
      EXPECT_EQ(lines[i][2], "\"kind");  // the quoted label holds a comma
      const std::string& part = lines[i][4];
      if (part == "fit") {
        ++fit;
        float u = 0, v = 0, w = 0;
        ASSERT_TRUE(projections >> u >> v >> w);
        EXPECT_NEAR(std::stof(lines[i][6]), u, 1e-6) << i;
        EXPECT_NEAR(std::stof(lines[i][7]), v, 1e-6) << i;
        EXPECT_NEAR(std::stof(lines[i][8]), w, 1e-6) << i;
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

  // With a test part and a graph grown from the data: every row, fitted or
  // tested, is projected alike.
  writeText(folder + "/g.ini", "#ALG1\ngrid.type elgraph\ngrid.size1 12\nepoch.id 1\n");
  ASSERT_EQ(run(folder, MANIFIT_BINARY,
                "-d iris.csv -i g.ini -n 1 -o g.map -t 30 -points ga.csv -model g.json")
                .status,
            0);
  ASSERT_EQ(run(folder, MANIFIT_PROJECT_BINARY, "-model g.json -d iris.csv -points gb.csv").status,
            0);
  expected = readText(folder + "/ga.csv");
  for (const char* part : {",fit,", ",test,"}) {
    for (size_t at = expected.find(part); at != std::string::npos; at = expected.find(part, at))
      expected.replace(at, std::string(part).size(), ",new,");
  }
  EXPECT_NE(readText(folder + "/ga.csv").find(",test,"), std::string::npos);
  EXPECT_EQ(readText(folder + "/gb.csv"), expected);

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
  // Every output but one can be written; that one is named on standard
  // error and the others are all in place.
  struct Case {
    const char* option;
    const char* file;  // the path that cannot be written
  };
  const Case cases[] = {{"-o", "missing/m.map"},
                        {"-p", "missing/p.txt"},
                        {"-pcdat", "missing/s.txt"},
                        {"-points", "missing/p.csv"},
                        {"-model", "missing/m.json"}};
  const std::vector<std::pair<std::string, std::string>> all = {{"-o", "m.map"},
                                                                {"-p", "p.txt"},
                                                                {"-pcdat", "s.txt"},
                                                                {"-points", "p.csv"},
                                                                {"-model", "m.json"}};
  for (const Case& c : cases) {
    const std::string run_folder = freshFolder();
    writeSection(run_folder);
    writeText(run_folder + "/t.txt", "4 2\n1 2\n3 4\n5 7\n2 1\n");
    std::string arguments = "-d t.txt -i x.ini -n 1";
    for (const auto& [option, file] : all) {
      arguments += " " + option + " " + (option == c.option ? std::string(c.file) : file);
    }
    const RunResult r = run(run_folder, MANIFIT_BINARY, arguments);
    EXPECT_EQ(r.status, 1) << c.option;
    EXPECT_NE(r.err.find("manifit: not written: " + std::string(c.file) + " (" + c.option + ")\n"),
              std::string::npos)
        << r.err;
    for (const auto& [option, file] : all) {
      EXPECT_EQ(fileExists(run_folder + "/" + file), option != c.option) << c.option << " " << file;
    }
    EXPECT_TRUE(fileExists(run_folder + "/temp")) << c.option;
    EXPECT_NE(r.out.find("Final MSE"), std::string::npos);
  }
  // The summary "temp" cannot replace a folder of that name.
  ASSERT_EQ(std::system(("mkdir '" + folder + "/temp'").c_str()), 0);
  const RunResult t = run(folder, MANIFIT_BINARY, "-d t.txt " + kMandatory + " -p p.txt");
  EXPECT_EQ(t.status, 1);
  EXPECT_NE(t.out.find("Can not use temp !!!\n"), std::string::npos) << t.out;
  EXPECT_NE(t.err.find("manifit: not written: temp (summary)\n"), std::string::npos) << t.err;
  EXPECT_TRUE(fileExists(folder + "/m.map"));
  EXPECT_TRUE(fileExists(folder + "/p.txt"));
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
  for (const char* option :
       {"-map ", "-normdat ", "-html ", "-summary ", "-p ", "-labels ", "-type ", "-w ", "-model ",
        "-d ", "-points ", "-na ", "-help ", "-version "}) {
    EXPECT_NE(v.out.find(std::string("  ") + option), std::string::npos) << option;
  }
  EXPECT_EQ(run(folder, MANIFIT_VIEW_BINARY, "-version").out.rfind("manifit-view ", 0), 0u);
  EXPECT_EQ(run(folder, MANIFIT_PROJECT_BINARY, "-version").out.rfind("manifit-project ", 0), 0u);
  for (const char* option : {"-model ", "-d ", "-points ", "-na ", "-help ", "-version "}) {
    EXPECT_NE(p.out.find(std::string("  ") + option), std::string::npos) << option;
  }
}

}  // namespace manifit
