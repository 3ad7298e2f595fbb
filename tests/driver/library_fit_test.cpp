// A fit through the library against the command-line run of the same
// configuration: nodes, projections, history and printed text alike.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/output.h"
#include "driver/library_support.h"

namespace manifit {
namespace {

// The normalized rows of a table, as a fit with normalization sees them.
Table normalized(Table table) {
  applyNormalization(table, computeNormalization(table.view()));
  return table;
}

// The values of the -points file's "part" column, in row order.
std::vector<std::string> pointsParts(const std::string& csv) {
  std::vector<std::string> parts;
  std::istringstream in(csv);
  std::string line;
  std::getline(in, line);  // header: row,part,node,...
  while (std::getline(in, line)) {
    const size_t first = line.find(',');
    parts.push_back(line.substr(first + 1, line.find(',', first + 1) - first - 1));
  }
  return parts;
}

std::string partName(RowPart part) {
  return part == RowPart::Fit ? "fit" : part == RowPart::Test ? "test" : "discarded";
}

TEST(LibraryFit, IrisRectangleIsTheCommandLineRunBitForBit) {
  const std::string folder = freshFolder();
  const std::string iris = examplePath("iris.txt");
  const std::string ini = examplePath("manifit.ini");
  const ToolRun tool = runTool(
      folder, "-d '" + iris + "' -i '" + ini + "' -n 1 -o iris.map -p iris.proj -model iris.json");
  ASSERT_EQ(tool.status, 0) << tool.output;

  const Section section = readSection(ini, 1, 4);
  ASSERT_TRUE(section.ok()) << section.failure.message;
  Heard heard;
  FitOptions options;
  options.progress = heard.listener();
  const Table table = loadTable(iris);
  const FitResult fit = manifit::fit(table.view(), section.grid, section.schedule, options);
  ASSERT_TRUE(fit.ok()) << fit.failure.message;

  // The manifold file, written from the library's map, is the tool's.
  ASSERT_FALSE(writeManifoldFile(fit.map, folder + "/api.map", "none").failed());
  EXPECT_EQ(readText(folder + "/api.map"), readText(folder + "/iris.map"));

  // The model file holds every number exactly.
  const ModelFile model = readModelFile(folder + "/iris.json");
  ASSERT_TRUE(model.ok()) << model.failure.message;
  expectSameMap(fit.map, model.fit.map);
  EXPECT_EQ(fit.map.nodeCount(), 100);
  EXPECT_GT(fit.history.size(), 10u);
  expectSameHistory(fit.history, model.fit.history);
  EXPECT_TRUE(sameBits(fit.finalError, model.fit.finalError));
  EXPECT_TRUE(sameBits(fit.normalization.mean, model.fit.normalization.mean));
  EXPECT_TRUE(sameBits(fit.normalization.deviation, model.fit.normalization.deviation));
  EXPECT_TRUE(sameBits(fit.components.varianceFractions, model.fit.components.varianceFractions));
  EXPECT_EQ(fit.fitPoints, 150);
  EXPECT_EQ(model.fit.fitPoints, 150);
  EXPECT_EQ(model.info.section, section.text);

  // project() places the fitted points as the projections file does.
  const Table points = normalized(loadTable(iris));
  const ProjectResult projected = project(fit.map, points.view());
  ASSERT_TRUE(projected.ok()) << projected.failure.message;
  EXPECT_EQ(projected.projection.nearestNode.size(), 150u);
  EXPECT_EQ(projectionLines(projected.projection.coordinates), readText(folder + "/iris.proj"));

  // The text of the fit is what the tool prints after its option lines, and
  // every progress line is followed by its numbers.
  EXPECT_EQ(heard.warnings, "");
  const std::string text = maskClocks(heard.messages);
  const std::string printed = maskClocks(tool.output);
  ASSERT_GE(printed.size(), text.size());
  EXPECT_EQ(printed.substr(printed.size() - text.size()), text);
  EXPECT_EQ(text.rfind("Comp 0 \n", 0), 0u) << text;
  expectSameHistory(heard.iterations, fit.history);
}

TEST(LibraryFit, SplitWeightsAndGeneratingManifoldAsTheCommandLineRun) {
  const std::string folder = freshFolder();
  const std::string iris = examplePath("iris.txt");
  const std::string ini = examplePath("manifit.ini");
  const std::string weights = goldenInput("iris-weights.txt");
  const std::string gen = goldenInput("iris-gen.txt");
  const ToolRun tool =
      runTool(folder, "-d '" + iris + "' -i '" + ini + "' -w '" + weights + "' -gen '" + gen +
                          "' -t 20 -n 3 -o iris.map -model iris.json "
                          "-points iris.csv -p iris.proj");
  ASSERT_EQ(tool.status, 0) << tool.output;

  // The same run in steps: table, weights, normalization, preparation,
  // section, generating manifold, training.
  Table table = loadTable(iris);
  DataTable weighted;
  weighted.pointCount = table.pointCount;
  ASSERT_TRUE(weighted.readWeights(weights).ok());
  table.weights = weighted.weights;
  const Normalization normalization = computeNormalization(table.view());
  applyNormalization(table, normalization);
  Heard heard;
  PrepareOptions prepareOptions;
  prepareOptions.testFraction = 0.2;
  prepareOptions.progress = heard.listener();
  PreparedTable prepared = prepare(std::move(table), normalization, prepareOptions);
  ASSERT_TRUE(prepared.ok()) << prepared.failure.message;
  const Section section = readSection(ini, 3, prepared.dimension);
  ASSERT_TRUE(section.ok());
  const NodeFile generating = readNodeFile(gen, prepared.dimension);
  ASSERT_TRUE(generating.ok()) << generating.failure.message;
  TrainOptions trainOptions;
  trainOptions.generatingNodes = generating.nodes;
  trainOptions.projectFittedPoints = true;
  trainOptions.progress = heard.listener();
  const FitResult fit = train(prepared, section.grid, section.schedule, trainOptions);
  ASSERT_TRUE(fit.ok()) << fit.failure.message;

  const ModelFile model = readModelFile(folder + "/iris.json");
  ASSERT_TRUE(model.ok()) << model.failure.message;
  expectSameMap(fit.map, model.fit.map);
  ASSERT_FALSE(fit.history.empty());
  EXPECT_TRUE(fit.history[0].hasTestError);
  EXPECT_TRUE(fit.history[0].hasGeneratingDistance);
  expectSameHistory(fit.history, model.fit.history);
  EXPECT_EQ(fit.testPoints, model.fit.testPoints);
  EXPECT_EQ(fit.fitPoints + fit.testPoints, 150);

  // Which rows were drawn, and the fitted points' projections.
  const std::vector<std::string> parts = pointsParts(readText(folder + "/iris.csv"));
  ASSERT_EQ(parts.size(), fit.rowParts.size());
  for (size_t i = 0; i < parts.size(); ++i) EXPECT_EQ(parts[i], partName(fit.rowParts[i])) << i;
  EXPECT_EQ(projectionLines(fit.projection.coordinates), readText(folder + "/iris.proj"));
  EXPECT_EQ(fit.projection.nearestNode.size(), static_cast<size_t>(fit.fitPoints));

  const std::string text = maskClocks(heard.messages);
  const std::string printed = maskClocks(tool.output);
  ASSERT_GE(printed.size(), text.size());
  EXPECT_EQ(printed.substr(printed.size() - text.size()), text);
}

// project() gives what the projections file writes, and for each point the
// nearest node and the squared distance to the point of the map it lands on.
TEST(LibraryFit, ProjectionsOfNewPointsLandOnTheMap) {
  const Section section =
      readSectionText("#ALG1\ngrid.type linear\ngrid.size1 6\nepoch.id 1\n", 1, 2, "line.ini");
  ASSERT_TRUE(section.ok()) << section.failure.message;
  std::vector<float> rows;
  for (int i = 0; i < 60; ++i) {
    rows.push_back(static_cast<float>(i) / 10.0f);
    rows.push_back(static_cast<float>((i * 7) % 5) / 10.0f);
  }
  FitOptions options;
  options.normalize = false;
  const FitResult fit =
      manifit::fit(TableView{rows.data(), 60, 2, nullptr}, section.grid, section.schedule, options);
  ASSERT_TRUE(fit.ok()) << fit.failure.message;

  // Points on a node, far beside the line, and beyond its first node along
  // the line, in the map's units.
  const Map& map = fit.map;
  ASSERT_EQ(map.nodeCount(), 6);
  const std::vector<float>& n = map.nodes;
  const std::vector<float> points = {
      n[4], n[5], n[4], n[5] + 100.0f, n[0] + 10.0f * (n[0] - n[2]), n[1] + 10.0f * (n[1] - n[3])};
  const ProjectResult result = project(map, TableView{points.data(), 3, 2, nullptr});
  ASSERT_TRUE(result.ok()) << result.failure.message;
  const Projection& p = result.projection;
  ASSERT_EQ(p.nearestNode.size(), 3u);
  ASSERT_EQ(p.coordinates.size(), 9u);
  EXPECT_EQ(p.nearestNode[0], 2);
  EXPECT_EQ(p.squaredDistance[0], 0.0f);
  EXPECT_FLOAT_EQ(p.coordinates[0], map.gridCoordinates[6]);
  // Far beside the line, the point is projected between nodes, and its
  // distance is to that foot, less than to the nearest node.
  EXPECT_GT(p.squaredDistance[1], 9000.0f);
  const float dx = points[2] - n[2 * static_cast<size_t>(p.nearestNode[1])];
  const float dy = points[3] - n[2 * static_cast<size_t>(p.nearestNode[1]) + 1];
  EXPECT_LE(p.squaredDistance[1], dx * dx + dy * dy);
  // Beyond the first node, the point lands on the end of the line.
  EXPECT_EQ(p.nearestNode[2], 0);
  EXPECT_EQ(p.coordinates[6], map.gridCoordinates[0]);
}

// The tool prints the events of a fit through its own output layer: what
// the callback prints goes where it would go without the fit, never back
// into the fit's events.
TEST(LibraryFit, TheCallbackPrintsOutsideTheFit) {
  const Section section = readSection(examplePath("manifit.ini"), 3, 4);
  const Table iris = loadTable(examplePath("iris.txt"));
  CapturedOutput outside;
  std::string messages;
  int iterations = 0;
  FitOptions options;
  options.progress = [&](const Event& event) {
    if (event.kind == Event::Kind::Message) {
      messages += event.text;
      print("%s", event.text.c_str());
    }
    if (event.kind == Event::Kind::Iteration) print("[%d]\n", ++iterations);
    return true;
  };
  const FitResult fit = manifit::fit(iris.view(), section.grid, section.schedule, options);
  ASSERT_TRUE(fit.ok());
  EXPECT_EQ(static_cast<size_t>(iterations), fit.history.size());
  EXPECT_EQ(messages.find("[1]"), std::string::npos);
  // Each progress line is followed by its numbers.
  const std::string text = outside.text();
  const size_t first = text.find("Ep: 1 It: 0 ");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(text.find("[1]\n"), text.find('\n', first) + 1);
  EXPECT_NE(text.find("[" + std::to_string(iterations) + "]\nTime spent: "), std::string::npos);
}

}  // namespace
}  // namespace manifit
