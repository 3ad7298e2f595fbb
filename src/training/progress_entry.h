// One progress line of the training, as numbers.
#pragma once

namespace manifit {

struct ProgressEntry {
  int stage = 0;
  int iteration = 0;
  double error = 0.0;
  bool hasTestError = false;
  double testError = 0.0;
  bool hasGmse = false;
  double gmse = 0.0;
  double df = 0.0;
  // The processor clock ticks of the line's "Time: solve+(assign,assembly)".
  long solveTicks = 0;
  long assignTicks = 0;
  long assemblyTicks = 0;
};

}  // namespace manifit
