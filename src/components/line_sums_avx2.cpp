// Compiled with AVX2 where the build can (the processor is asked at run time).
#include "components/line_sums_body.h"
#include "components/line_sums_kernel.h"

namespace manifit {

void lineSumsAvx2(const LineSumsInput& in, const LineSumsPart& part, double* t, double* sx,
                  double* sxt) {
  lineSumsBody(in, part, t, sx, sxt);
}

bool lineSumsAvx2Built() {
#if defined(__AVX2__)
  return true;
#else
  return false;
#endif
}

}  // namespace manifit
