// Storage of the dense vectors: one contiguous block per vector, obtained
// without exceptions so that a failure can be reported by the caller's own
// message. A block always has room for at least one element, so the address
// one past element 0 is valid even for an empty vector.
#pragma once

#include <cstdlib>

namespace manifit {

// Returns storage for n elements, or nullptr when n is negative or the
// memory cannot be obtained.
template <typename T>
T* allocateElements(int n) {
  if (n < 0) return nullptr;
  const std::size_t count = n == 0 ? 1 : static_cast<std::size_t>(n);
  return static_cast<T*>(std::malloc(count * sizeof(T)));
}

template <typename T>
void releaseElements(T* storage) {
  std::free(storage);
}

}  // namespace manifit
