// The run's pseudo-random generator (a linear congruential generator with
// 15-bit results). It is never reseeded during a run; draws happen in
// program order, so every result that depends on them is reproducible.
#pragma once

#include <cstdint>

namespace manifit {

struct RandomGenerator {
  // The start state of every run.
  static constexpr uint32_t kStartState = 1;
  uint32_t state = kStartState;

  // state = state * 214013 + 2531011 (mod 2^32); result = (state >> 16) & 0x7FFF.
  int next() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
  }
};

// The generator of the calling thread's run: each thread has its own, so two
// runs in two threads never share draws. Only the thread that runs a fit
// draws from it, never its worker threads.
RandomGenerator& sharedRandom();

}  // namespace manifit
