// The run's single pseudo-random generator (a linear congruential generator
// with 15-bit results). It is never reseeded during a run; draws happen in
// program order, so every result that depends on them is reproducible.
#pragma once

#include <cstdint>

namespace manifit {

struct RandomGenerator {
  uint32_t state = 1;

  // state = state * 214013 + 2531011 (mod 2^32); result = (state >> 16) & 0x7FFF.
  int next() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
  }
};

// The generator shared by the whole run.
RandomGenerator& sharedRandom();

}  // namespace manifit
