// Support for the tests of the public library: the bundled tables, runs of
// the command-line tool for comparison, and the events of a fit.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "data/data_table.h"
#include "data/temp_files.h"
#include "driver/library_convert.h"
#include "manifit/manifit.h"

namespace manifit {

inline std::string examplePath(const std::string& name) {
  return std::string(MANIFIT_SOURCE_DIR) + "/examples/" + name;
}

inline std::string goldenInput(const std::string& name) {
  return std::string(MANIFIT_SOURCE_DIR) + "/tests/golden/inputs/" + name;
}

// A table file of the bundled examples, as a public table.
inline Table loadTable(const std::string& path) {
  DataTable loaded;
  EXPECT_TRUE(loaded.readTable(path).ok()) << path;
  return tableOf(std::move(loaded));
}

// Runs manifit with these arguments in the folder; its standard output.
struct ToolRun {
  int status = -1;
  std::string output;
};

inline ToolRun runTool(const std::string& folder, const std::string& arguments) {
  const std::string command = "cd '" + folder + "' && '" + MANIFIT_BINARY + "' " + arguments +
                              " > stdout.txt 2> stderr.txt";
  const int raw = std::system(command.c_str());
  ToolRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.output = readText(folder + "/stdout.txt");
  return run;
}

// The clock figures of a run's text, each replaced by N.
inline std::string maskClocks(const std::string& text) {
  static const std::regex pc("Time spent for calc PC: -?[0-9]+");
  static const std::regex total("Time spent: -?[0-9]+");
  static const std::regex progress("Time: -?[0-9]+\\+\\(-?[0-9]+,-?[0-9]+\\)");
  std::string masked = std::regex_replace(text, pc, "Time spent for calc PC: N");
  masked = std::regex_replace(masked, total, "Time spent: N");
  return std::regex_replace(masked, progress, "Time: N+(N,N)");
}

// Everything a fit reported, by kind.
struct Heard {
  std::string messages;
  std::string warnings;
  std::vector<Iteration> iterations;

  ProgressCallback listener() {
    return [this](const Event& event) {
      if (event.kind == Event::Kind::Message) messages += event.text;
      if (event.kind == Event::Kind::Warning) warnings += event.text;
      if (event.kind == Event::Kind::Iteration) iterations.push_back(event.iteration);
      return true;
    };
  }
};

// Bit for bit equality of two float or double arrays.
template <typename T>
bool sameBits(const std::vector<T>& a, const std::vector<T>& b) {
  return a.size() == b.size() &&
         (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

inline bool sameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every number of two histories, bit for bit (the clock ticks aside).
inline void expectSameHistory(const std::vector<Iteration>& a, const std::vector<Iteration>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE("iteration " + std::to_string(i));
    EXPECT_EQ(a[i].stage, b[i].stage);
    EXPECT_EQ(a[i].iteration, b[i].iteration);
    EXPECT_TRUE(sameBits(a[i].error, b[i].error));
    EXPECT_EQ(a[i].hasTestError, b[i].hasTestError);
    EXPECT_TRUE(sameBits(a[i].testError, b[i].testError));
    EXPECT_EQ(a[i].hasGeneratingDistance, b[i].hasGeneratingDistance);
    EXPECT_TRUE(sameBits(a[i].generatingDistance, b[i].generatingDistance));
    EXPECT_TRUE(sameBits(a[i].df, b[i].df));
  }
}

// Two maps alike in every list and number.
inline void expectSameMap(const Map& a, const Map& b) {
  EXPECT_EQ(a.type, b.type);
  EXPECT_EQ(a.size1, b.size1);
  EXPECT_EQ(a.size2, b.size2);
  EXPECT_EQ(a.dimension, b.dimension);
  EXPECT_EQ(a.manifoldDimension, b.manifoldDimension);
  EXPECT_TRUE(sameBits(a.nodes, b.nodes));
  EXPECT_TRUE(sameBits(a.gridCoordinates, b.gridCoordinates));
  EXPECT_EQ(a.edges, b.edges);
  EXPECT_EQ(a.ribs, b.ribs);
  EXPECT_EQ(a.triangles, b.triangles);
  EXPECT_TRUE(sameBits(a.edgeCoefficients, b.edgeCoefficients));
  EXPECT_TRUE(sameBits(a.ribCoefficients, b.ribCoefficients));
}

// The projections file's lines of projected coordinates.
inline std::string projectionLines(const std::vector<float>& coordinates) {
  std::string text;
  char line[128];
  for (size_t p = 0; p + 3 <= coordinates.size(); p += 3) {
    std::snprintf(line, sizeof line, "%f\t%f\t%f\n", coordinates[p], coordinates[p + 1],
                  coordinates[p + 2]);
    text += line;
  }
  return text;
}

}  // namespace manifit
