// One entry of the training schedule: an epoch (a run of energy minimization
// with fixed elasticity) or an adaptation stage (grid changes between epochs).
#pragma once

#include <string>

namespace manifit {

struct TrainingStage {
  int kind = 0;  // 0 epoch, 1 adaptation
  std::string type;
  float ep = 1.0f;
  float rp = 1.0f;
  float eps = 0.01f;
  float epsSLAU = 0.01f;
  float epsMSE = 0.0f;
  int numiter = 100;
  int numstep = 0;
  int numiterSLAU = 100;
  int extrapolate = 0;
  int numevery = 0;
  bool minimize = true;

  static TrainingStage epoch() { return TrainingStage{}; }
  static TrainingStage adaptation() {
    TrainingStage stage;
    stage.kind = 1;
    stage.epsMSE = 0.01f;
    stage.numstep = 100;
    stage.numevery = 1;
    return stage;
  }
};

}  // namespace manifit
