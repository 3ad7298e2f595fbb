#include "driver/project_run.h"

int main(int argc, char** argv) {
  return manifit::runProject(argc, argv);
}
