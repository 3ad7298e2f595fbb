#include "components/line_sums_body.h"
#include "components/line_sums_kernel.h"

namespace manifit {

void lineSumsPlain(const LineSumsInput& in, const LineSumsPart& part, double* t, double* sx,
                   double* sxt) {
  lineSumsBody(in, part, t, sx, sxt);
}

}  // namespace manifit
