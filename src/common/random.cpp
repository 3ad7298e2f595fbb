#include "common/random.h"

namespace manifit {

RandomGenerator& sharedRandom() {
  static RandomGenerator generator;
  return generator;
}

}  // namespace manifit
