#include "common/random.h"

namespace manifit {

RandomGenerator& sharedRandom() {
  thread_local RandomGenerator generator;
  return generator;
}

}  // namespace manifit
