#include <gtest/gtest.h>

#include <cstdlib>

#include "common/output.h"
#include "view/model_input.h"
#include "view/model_page.h"
#include "view/points_file.h"
#include "view/run_view.h"
#include "view/view_fixture.h"

namespace manifit {
namespace {

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The SVG picture of the page with this id.
std::string picture(const std::string& page, const std::string& id) {
  const size_t begin = page.rfind("<svg", page.find("id=\"" + id + "\""));
  if (begin == std::string::npos) return "";
  return page.substr(begin, page.find("</svg>", begin) + 6 - begin);
}

size_t occurrences(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

TEST(ModelInputTest, ReadsTheMapTheComponentsTheColumnsAndTheHistory) {
  ModelInput model;
  const Status status = modelFromJson(rectangleModelText(), "model.json", model);
  ASSERT_TRUE(status.ok()) << status.message;
  EXPECT_EQ(model.gridType, "simplerectangular");
  const ManifoldFile& map = model.manifold;
  EXPECT_EQ(map.dimension, 3);
  EXPECT_EQ(map.nodeCount, 6);
  EXPECT_EQ(map.edgeCount, 7);
  EXPECT_EQ(map.ribCount, 2);
  EXPECT_EQ(map.triangleCount, 4);
  EXPECT_EQ(map.edges, rectangleMap(3, 2).edges);
  EXPECT_EQ(map.nodes[5], (std::vector<double>{1, 1, 0}));
  EXPECT_EQ(map.gridCoords[5][0], 1.0);
  EXPECT_EQ(map.ribs[1], (std::array<int, 3>{4, 3, 5}));
  // Node 5 at (1, 1, 0) in input units: x * deviation + mean.
  EXPECT_EQ(model.nodesInput[5], (std::vector<double>{12, -16, 0.5}));
  EXPECT_EQ(model.columns, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_TRUE(model.normalized);
  EXPECT_EQ(model.deviation, (std::vector<double>{2, 4, 0.25}));
  EXPECT_EQ(model.summary.componentCount, 3);
  EXPECT_EQ(model.summary.dimension, 3);
  EXPECT_EQ(model.summary.components[1], (std::vector<double>{0, 1, 0}));
  EXPECT_EQ(model.summary.fractions[0], 0.586154);
  ASSERT_EQ(model.history.size(), 5u);
  EXPECT_EQ(model.history[3].stage, 2);
  EXPECT_EQ(model.history[3].iteration, 0);
  EXPECT_EQ(model.history[4].error, 0.125);
  ASSERT_TRUE(model.history[4].testError.has_value());
  EXPECT_EQ(*model.history[4].testError, 0.25);
  EXPECT_EQ(model.fitPoints + model.testPoints + model.discardedPoints, 8);

  // No test table: testError is null.
  std::string text = rectangleModelText();
  for (size_t at = text.find("\"testError\": "); at != std::string::npos;
       at = text.find("\"testError\": ", at + 1)) {
    const size_t end = text.find(',', at);
    text.replace(at, end - at, "\"testError\": null");
  }
  ASSERT_TRUE(modelFromJson(text, "model.json", model).ok());
  EXPECT_FALSE(model.history[0].testError.has_value());
}

TEST(ModelInputTest, RefusesBrokenModelsNamingTheFileAndTheKey) {
  const std::string good = rectangleModelText();
  const std::string m = "Model file m.json: ";
  struct Case {
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"{\"format\": ", m.substr(0, m.size() - 2) + ", line 1, column 12: "},
      {"[1]", m + "not a JSON object\n"},
      {replaced(good, "\"manifit-model\"", "\"other\""),
       m + "\"format\" is \"other\", not \"manifit-model\"\n"},
      {replaced(good, "\"version\": 1", "\"version\": 2"),
       m + "\"version\" must lie between 1 and 1; it is 2\n"},
      {replaced(good, "\"simplerectangular\"", "\"torus\""),
       m + "\"grid.type\" must be simplerectangular, sphere, linear, circle or elgraph; it is "
           "\"torus\"\n"},
      {replaced(good, "\"dimension\": 3", "\"dimension\": 0"),
       m + "\"grid.dimension\" must lie between 1 and 67108864; it is 0\n"},
      {replaced(good, "\"nodes\": [", "\"nodes\": [[1, 2], "),
       m + "\"grid.nodes[0]\" must hold 3 entries; it holds 2\n"},
      {replaced(good, "\"nodes\": [", "\"nodes\": 7, \"x\": ["),
       m + "\"grid.nodes\" must be an array\n"},
      {replaced(good, "[4, 3, 5]", "[4, 3, 6]"),
       m + "\"grid.ribs[1][2]\" must lie between 0 and 5; it is 6\n"},
      {replaced(good, "[4, 3, 5]", "[4, 3]"),
       m + "\"grid.ribs[1]\" must hold 3 entries; it holds 2\n"},
      {replaced(good, "\"triangles\"", "\"triangle\""), m + "\"grid.triangles\" is missing\n"},
      {replaced(good, "[\"a\", \"b\", \"c\"]", "[\"a\", \"b\"]"),
       m + "\"columns\" must hold 3 entries; it holds 2\n"},
      {replaced(good, "[\"a\", \"b\", \"c\"]", "[\"a\", 2, \"c\"]"),
       m + "\"columns[1]\" must be a string\n"},
      {replaced(good, "\"normalized\": true", "\"normalized\": 1"),
       m + "\"normalization.normalized\" must be true or false\n"},
      {replaced(good, "\"deviation\": [2, 4, 0.25]", "\"deviation\": [2, 0, 0.25]"),
       m + "\"normalization.deviation[1]\" must be above 0\n"},
      {replaced(good, "[\n      [1, 0, 0],\n      [0, 1, 0],\n      [0, 0, 1]\n    ]",
                "[[1, 0, 0]]"),
       m + "\"components.vectors\" must hold 2 or 3 vectors (the page draws the plane of the "
           "first two); it holds 1\n"},
      {replaced(good, "[0.586154, 0.406154, 0.007692]", "[0.586154, 0.406154]"),
       m + "\"components.varianceFractions\" must hold 3 entries; it holds 2\n"},
      {replaced(good, "\"error\": 0.5", "\"error\": \"0.5\""),
       m + "\"history[0].error\" must be a finite number\n"},
      {replaced(good, "\"testError\": 0.6", "\"testError\": true"),
       m + "\"history[0].testError\" must be a finite number\n"},
      {replaced(good, "\"stage\": 1", "\"stage\": 1.5"),
       m + "\"history[0].stage\" must be a whole number\n"},
      {replaced(good, "\"fit\": 6", "\"fit\": -6"),
       m + "\"points.fit\" must lie between 0 and 1099511627776; it is -6\n"},
  };
  for (const Case& c : cases) {
    ModelInput model;
    const Status status = modelFromJson(c.text, "m.json", model);
    EXPECT_EQ(status.exitCode, 1);
    EXPECT_EQ(status.message.substr(0, c.message.size()), c.message) << c.text.substr(0, 200);
  }
}

TEST(ModelPageTest, NormalizesTheTableWithTheModelsMeansAndDeviations) {
  ModelInput model;
  ASSERT_TRUE(modelFromJson(rectangleModelText(), "model.json", model).ok());
  DataTable table;
  table.allocateRows(2, 3);
  const float rows[2][3] = {{12, -16, 0.75f}, {9, -20, 0.5f}};
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 3; ++j) table.row(i)[j] = rows[i][j];
  }
  PointTable normalized = normalizedRows(table, model);
  EXPECT_EQ(normalized.dimension, 3);
  EXPECT_EQ(normalized.rows[0], (std::vector<double>{1, 1, 1}));
  EXPECT_EQ(normalized.rows[1], (std::vector<double>{-0.5, 0, 0}));
  model.normalized = false;  // a run with -norm 0 keeps the input units
  normalized = normalizedRows(table, model);
  EXPECT_EQ(normalized.rows[0], (std::vector<double>{12, -16, 0.75}));
}

TEST(ModelPageTest, TextColumnsNameAndColourThePoints) {
  TableColumns columns;
  columns.textNames = {"kind", "id", "code"};
  columns.text = {{"x", "p1", "1"}, {"y", "p2", "1"}, {"x", "p3", "1"}};
  std::vector<std::string> ids;
  std::vector<std::string> labels;
  std::string name;
  textColumnRoles(columns, ids, labels, name);
  EXPECT_EQ(ids, (std::vector<std::string>{"p1", "p2", "p3"}));
  EXPECT_EQ(labels, (std::vector<std::string>{"x", "y", "x"}));
  EXPECT_EQ(name, "kind");
  // A single value colours nothing; no column of distinct values names nothing.
  columns.textNames = {"code"};
  columns.text = {{"1"}, {"1"}};
  textColumnRoles(columns, ids, labels, name);
  EXPECT_TRUE(ids.empty());
  EXPECT_TRUE(labels.empty());
  EXPECT_TRUE(name.empty());
}

TEST(ModelPageTest, DrawsTheTrainingCurveTheInputUnitsAndTheTextColumn) {
  const std::string folder = writeModelRun("model_page");
  CapturedOutput capture;
  ASSERT_EQ(runViewWith(modelRunArguments(folder, "table.csv")), 0);
  EXPECT_EQ(capture.text(), "Page written: " + folder + "/page.html\n");
  const std::string page = readWholeFile(folder + "/page.html");
  EXPECT_NE(page.find("<h1>model.json</h1>"), std::string::npos);
  EXPECT_NE(page.find("<td>rectangle (simplerectangular), 3 &#215; 2 nodes</td>"),
            std::string::npos);
  EXPECT_NE(page.find("Final training error</th><td>0.125 after 5 iterations"), std::string::npos);
  const std::string curve = picture(page, "view-curve");
  ASSERT_FALSE(curve.empty());
  // Five iterations on each curve; one stage boundary (before the fourth).
  const size_t train = curve.find("class=\"train-curve\" points=\"");
  ASSERT_NE(train, std::string::npos);
  const std::string trainPoints = curve.substr(train, curve.find('"', train + 29) - train);
  EXPECT_EQ(occurrences(trainPoints, ","), 5u);
  EXPECT_NE(curve.find("class=\"test-curve\""), std::string::npos);
  EXPECT_EQ(occurrences(curve, "class=\"stage\""), 1u);
  EXPECT_NE(curve.find(">stage 2<"), std::string::npos);
  // Component planes titled by the columns, in the input's units; the text
  // column colours the points.
  for (const char* title : {">a</figcaption>", ">b</figcaption>", ">c</figcaption>"}) {
    EXPECT_NE(page.find(title), std::string::npos) << title;
  }
  EXPECT_NE(page.find("in the input&#39;s units"), std::string::npos);
  EXPECT_NE(page.find("<p class=\"legend\">kind:"), std::string::npos);
  EXPECT_EQ(occurrences(page, "<span class=\"entry\""), 3u);
  EXPECT_EQ(occurrences(picture(page, "view-data-12"), "<circle class=\"point\""), 8u);
  EXPECT_EQ(occurrences(picture(page, "view-map"), "<rect class=\"cell\""), 6u);
}

TEST(ModelPageTest, TheTableFormAndACsvOfTheSameNumbersGiveTheSamePage) {
  const std::string folder = writeModelRun("model_forms");
  std::string csv = readWholeFile(folder + "/table.csv");
  csv = replaced(csv, "a,b,c,kind\n", "a,b,c\n");
  for (const char* kind : {",x\n", ",y\n", ",z\n"}) {
    for (size_t at = csv.find(kind); at != std::string::npos; at = csv.find(kind)) {
      csv.replace(at, 3, "\n");
    }
  }
  writeWholeFile(folder + "/plain.csv", csv);
  CapturedOutput capture;
  ASSERT_EQ(runViewWith(modelRunArguments(folder, "table.txt")), 0);
  const std::string fromTable = readWholeFile(folder + "/page.html");
  ASSERT_EQ(runViewWith(modelRunArguments(folder, "plain.csv")), 0);
  EXPECT_EQ(readWholeFile(folder + "/page.html"), fromTable);
  // The same points as the page of the run's own files, whose table holds
  // them in the map's units.
  const std::string runFolder = writeRectangleRun("model_forms_run");
  ASSERT_EQ(runViewWith({"-map", runFolder + "/map", "-normdat", runFolder + "/norm", "-summary",
                         runFolder + "/temp", "-html", runFolder + "/page.html"}),
            0);
  const std::string fromRun = readWholeFile(runFolder + "/page.html");
  EXPECT_EQ(picture(fromTable, "view-data-12"), picture(fromRun, "view-data-12"));
  EXPECT_EQ(picture(fromTable, "view-umatrix"), picture(fromRun, "view-umatrix"));
}

TEST(ModelPageTest, WarnsOfOtherColumnNamesAndAnotherPointCount) {
  const std::string folder = writeModelRun("model_warnings");
  std::string csv = replaced(readWholeFile(folder + "/table.csv"), "a,b,c,kind", "p,q,r,kind");
  writeWholeFile(folder + "/renamed.csv", csv.substr(0, csv.rfind('\n', csv.size() - 2) + 1));
  CapturedOutput capture;
  CapturedWarnings warnings;
  ASSERT_EQ(runViewWith(modelRunArguments(folder, "renamed.csv")), 0);
  EXPECT_EQ(warnings.text(),
            "manifit-view: the columns of " + folder +
                "/renamed.csv are not named as those of the map in " + folder +
                "/model.json (a...); they are taken in order.\n"
                "manifit-view: " +
                folder + "/renamed.csv holds 7 points, but the map in " + folder +
                "/model.json was fitted to a table of 8; the page shows this table's points on "
                "the map.\n");
}

// The per-point file of the run of writeModelRun: row, the text column
// "kind", part, node, u, v, w, squared distance; `dropped` adds row 9 as a
// row left out for a missing value.
std::string pointsText(bool dropped) {
  std::string text = "row,kind,part,node,u,v,w,squared_distance\n";
  const char* kinds[] = {"x", "x", "x", "y", "y", "y", "z", "z"};
  for (size_t p = 0; p < rectangleRows().size(); ++p) {
    const std::vector<double>& row = rectangleRows()[p];
    text += std::to_string(p + 1) + "," + kinds[p] + (p % 3 == 2 ? ",test," : ",fit,") + "0," +
            std::to_string(row[0]) + "," + std::to_string(row[1]) + ",0,0.5\n";
  }
  if (dropped) text += "9,\"z, \"\"q\"\"\",dropped,,,,,\n";
  return text;
}

TEST(ModelPageTest, ThePerPointFilePlacesThePointsAsTheProjectionsDo) {
  const std::string folder = writeModelRun("model_points");
  const std::string runFolder = writeRectangleRun("model_points_run");
  writeWholeFile(folder + "/points.csv", pointsText(true));
  CapturedOutput capture;
  std::vector<std::string> arguments = modelRunArguments(folder, "table.csv");
  arguments.insert(arguments.end(), {"-p", runFolder + "/proj"});
  ASSERT_EQ(runViewWith(arguments), 0);
  const std::string fromProjections = picture(readWholeFile(folder + "/page.html"), "view-map");
  arguments = modelRunArguments(folder, "table.csv");
  arguments.insert(arguments.end(), {"-points", folder + "/points.csv"});
  ASSERT_EQ(runViewWith(arguments), 0);
  const std::string fromPoints = picture(readWholeFile(folder + "/page.html"), "view-map");
  EXPECT_FALSE(fromPoints.empty());
  EXPECT_EQ(fromPoints, fromProjections);
  // Without either, the points sit at their nearest nodes: another picture.
  ASSERT_EQ(runViewWith(modelRunArguments(folder, "table.csv")), 0);
  EXPECT_NE(picture(readWholeFile(folder + "/page.html"), "view-map"), fromPoints);
}

TEST(PointsFileTest, ReadsTheResultsAndMatchesThemToTheTableRows) {
  std::vector<PointLine> lines;
  ASSERT_TRUE(parsePointsFile(pointsText(true), "p.csv", 6, lines).ok());
  ASSERT_EQ(lines.size(), 8u);  // the dropped row carries no results
  EXPECT_EQ(lines[2].part, "test");
  EXPECT_EQ(lines[7].row, 8);
  std::vector<Projection> places;
  // The table of rows 1, 2, 4 to 8 (row 3 left out by the viewer's -na drop
  // would be refused: the file has a line for it).
  const Status extra = projectionsOfRows(lines, {1, 2, 4, 5, 6, 7, 8}, "p.csv", "t.csv", places);
  EXPECT_EQ(extra.message, "p.csv: row 3 is not a row of t.csv\n");
  const Status missing =
      projectionsOfRows(lines, {1, 2, 3, 4, 5, 6, 7, 8, 9}, "p.csv", "t.csv", places);
  EXPECT_EQ(missing.message, "p.csv: no results for row 9 of t.csv\n");
  ASSERT_TRUE(projectionsOfRows(lines, {1, 2, 3, 4, 5, 6, 7, 8}, "p.csv", "t.csv", places).ok());
  EXPECT_EQ(places[7][0], lines[7].coordinates[0]);

  struct Case {
    std::string text;
    std::string message;
  };
  const std::string header = "row,part,node,u,v,w,squared_distance\n";
  const Case cases[] = {
      {"", "p.csv: the file is empty\n"},
      {"row,node,u,v,w\n1,0,0,0,0\n", "p.csv, line 1: not a per-point file of manifit -points"},
      {header + "1,fit,6,0,0,0,0\n",
       "p.csv, line 2: the node \"6\" is not a node of the map (0 to 5)"},
      {header + "1,fit,0,0,nan,0,0\n",
       "p.csv, line 2: the grid coordinate v \"nan\" is not a finite"},
      {header + "2,fit,0,0,0,0,0\n1,fit,0,0,0,0,0\n", "p.csv, line 3: row 1 comes after row 2"},
      {header + "x,fit,0,0,0,0,0\n", "p.csv, line 2: the row \"x\" is not a row number"},
      {header + "1,fit,0,0,0,0\n", "p.csv, line 2: 6 fields, but the header has 7"},
      {header + "1,\"fit,0,0,0,0,0\n", "p.csv: a quoted field that begins on line 2 never closes"},
  };
  for (const Case& c : cases) {
    const Status status = parsePointsFile(c.text, "p.csv", 6, lines);
    EXPECT_EQ(status.message.substr(0, c.message.size()), c.message) << c.text;
    EXPECT_EQ(status.message.back(), '\n');
  }
}

// Each failure: the message on standard error and exit status 1.
TEST(ModelPageDeathTest, RefusesMixedFormsAndFilesThatDoNotBelongTogether) {
  const std::string folder = writeModelRun("model_bad");
  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> arguments = modelRunArguments(folder, "table.txt");
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return arguments;
  };
  EXPECT_EXIT(std::exit(runViewWith(with({"-map", "m"}))), ::testing::ExitedWithCode(1),
              "^manifit-view: -map does not go with -model and -d\nUsage:");
  EXPECT_EXIT(std::exit(runViewWith(with({"-summary", "temp"}))), ::testing::ExitedWithCode(1),
              "^manifit-view: -summary does not go with -model and -d\n");
  EXPECT_EXIT(std::exit(runViewWith({"-model", "m.json", "-html", "h"})),
              ::testing::ExitedWithCode(1), "^manifit-view: -model needs -d, the table");
  EXPECT_EXIT(std::exit(runViewWith({"-d", "t", "-html", "h"})), ::testing::ExitedWithCode(1),
              "^manifit-view: -d needs -model\n");
  EXPECT_EXIT(std::exit(runViewWith(with({"-na", "keep"}))), ::testing::ExitedWithCode(1),
              "^manifit-view: -na takes the word drop, not keep\n");
  EXPECT_EXIT(std::exit(runViewWith(with({"-points", "a.csv", "-p", "proj"}))),
              ::testing::ExitedWithCode(1), "^manifit-view: -points and -p both give");
  EXPECT_EXIT(std::exit(runViewWith({"-map", "m", "-normdat", "n", "-html", "h", "-points", "p"})),
              ::testing::ExitedWithCode(1), "^manifit-view: -points goes with -model and -d\n");
  writeWholeFile(folder + "/short.csv", "row,part,node,u,v,w,squared_distance\n1,fit,0,0,0,0,0\n");
  EXPECT_EXIT(std::exit(runViewWith(with({"-points", folder + "/short.csv"}))),
              ::testing::ExitedWithCode(1),
              "^.*/short.csv: no results for row 2 of .*/table.txt\n$");
  writeWholeFile(folder + "/narrow.txt", "2 2\n1 2\n3 4\n");
  EXPECT_EXIT(std::exit(runViewWith({"-model", folder + "/model.json", "-d", folder + "/narrow.txt",
                                     "-html", folder + "/page.html"})),
              ::testing::ExitedWithCode(1),
              "^Table file .*/narrow.txt: 2 coordinates, but the map of .*/model.json was fitted "
              "to 3\n$");
  writeWholeFile(folder + "/labels", "a\nb\n");
  EXPECT_EXIT(std::exit(runViewWith(with({"-labels", folder + "/labels"}))),
              ::testing::ExitedWithCode(1),
              "^.*/labels: 2 labels, but .*/table.txt has 8 points\n$");
  writeWholeFile(folder + "/broken.json",
                 replaced(rectangleModelText(), "\"version\": 1", "\"version\": 1,"));
  EXPECT_EXIT(std::exit(runViewWith({"-model", folder + "/broken.json", "-d", folder + "/table.txt",
                                     "-html", folder + "/page.html"})),
              ::testing::ExitedWithCode(1), "^Model file .*/broken.json, line 3, column");
  EXPECT_EXIT(std::exit(runViewWith({"-model", folder + "/absent.json", "-d", folder + "/table.txt",
                                     "-html", folder + "/page.html"})),
              ::testing::ExitedWithCode(1), "^Can not read .*/absent.json\n$");
  EXPECT_EXIT(std::exit(runViewWith({"-model", folder + "/model.json", "-d", folder + "/table.txt",
                                     "-html", folder + "/model.json"})),
              ::testing::ExitedWithCode(1), "is the input .*/model.json \\(-model\\)");
}

}  // namespace
}  // namespace manifit
