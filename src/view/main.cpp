#include "view/run_view.h"

int main(int argc, char** argv) {
  return manifit::runView(argc, argv);
}
