// Work split over threads: a range of independent items cut into one
// contiguous piece per thread. Each piece writes only its own results, so the
// outcome does not depend on the number of threads.
#pragma once

#include <functional>

namespace manifit {

// The processor's thread count (1 when it cannot be told).
int hardwareThreads();

// The number of threads the heavy loops of the calling thread use; the
// hardware's count until set. Each thread has its own setting.
int workerThreads();

// Sets the calling thread's count; values below 1 count as 1, more than 1024 as 1024.
void setWorkerThreads(int count);

// Runs work(begin, end) over [0, count) in contiguous pieces, the first on
// the calling thread, and returns once every piece is done. A range whose
// cost (count x costPerItem, in arithmetic operations) is small stays on the
// calling thread. When pieces throw, the exception of the first of them (in
// range order) is thrown to the caller after every piece has ended. The
// pieces on other threads must not print, draw random numbers or read the
// calling thread's settings (they see their own thread's).
void parallelFor(long count, double costPerItem, const std::function<void(long, long)>& work);

}  // namespace manifit
