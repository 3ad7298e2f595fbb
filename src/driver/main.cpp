#include "driver/run.h"

int main(int argc, char** argv) {
  return manifit::runManifit(argc, argv);
}
