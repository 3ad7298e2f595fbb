#include <cstdio>

#include "driver/project_run.h"
#include "geometry/nearest_node.h"

int main(int argc, char** argv) {
  std::fputs(manifit::kernelRequestWarning().c_str(), stderr);
  return manifit::runProject(argc, argv);
}
