// What to fit: the grid and the training schedule, as a configuration
// section sets them, and the reading of such a section.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "manifit/failure.h"

namespace manifit {

// The grid types; the configuration names them "simplerectangular",
// "sphere", "linear", "circle" and "elgraph".
enum class GridType { Rectangle, Sphere, Line, Circle, Graph };

// The configuration name of a grid type, and back (false for an unknown name).
const char* gridTypeName(GridType type);
bool gridTypeFromName(const std::string& name, GridType& type);

// The grid to fit: its type and sizes (size2 only for rectangles and
// spheres; size1 of a graph is its target node count), the initial stretch
// along the three components, and the smallest cluster of a graph.
struct GridSpec {
  GridType type = GridType::Rectangle;
  int size1 = 10;
  int size2 = 10;
  std::array<float, 3> stretch = {0.8f, 0.8f, 0.8f};
  int minclust = 5;
};

// One stage of the schedule: an epoch (minimization with fixed elasticity)
// or an adaptation stage (grid changes between epochs), with every field the
// configuration file can set and the same defaults.
struct Stage {
  enum class Kind { Epoch, Adaptation };
  Kind kind = Kind::Epoch;
  std::string type;  // adaptation: "grow" or "break"
  float ep = 1.0f;   // stretching elasticity
  float rp = 1.0f;   // bending elasticity
  float eps = 0.01f;
  float epsSLAU = 0.01f;
  float epsMSE = 0.0f;
  int numiter = 100;
  int numstep = 0;
  int numiterSLAU = 100;
  int extrapolate = 0;
  int numevery = 0;
  bool minimize = true;

  // An epoch with these elasticities and every other field at its default.
  static Stage epoch(float ep, float rp);
  // An adaptation stage of this type with the adaptation defaults.
  static Stage adaptation(const std::string& type);
};

// The strategy ("epoch" unless the section names another) and the stages in order.
struct Schedule {
  std::string strategy = "epoch";
  std::vector<Stage> stages;
};

// A configuration section read: the grid, the schedule, the section's own
// text, and the warnings the tool prints on standard error for it.
struct Section {
  GridSpec grid;
  Schedule schedule;
  std::string text;
  std::vector<std::string> warnings;
  Failure failure;

  bool ok() const { return !failure.failed(); }
};

// Section "#ALG<n>" of a configuration file, checked for a table of this
// dimension with exactly the tool's acceptance rules and messages.
Section readSection(const std::string& path, int n, int dimension);
// The same from configuration text; name stands for the file in messages.
Section readSectionText(const std::string& text, int n, int dimension, const std::string& name);

}  // namespace manifit
