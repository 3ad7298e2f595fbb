// Conditions that end a run, carried back to its entry point: from the
// calling thread and from the worker threads of parallelFor.
#include "common/run_failure.h"

#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <stdexcept>
#include <thread>
#include <vector>

#include "common/output.h"
#include "common/parallel.h"

namespace manifit {

namespace {

// Sets the thread count for the life of the object.
class ThreadCount {
 public:
  explicit ThreadCount(int count) : saved_(workerThreads()) { setWorkerThreads(count); }
  ~ThreadCount() { setWorkerThreads(saved_); }

 private:
  int saved_;
};

// Enough work per item that parallelFor cuts the range into one piece per
// thread.
constexpr double kHeavy = 1.0e9;

}  // namespace

TEST(GuardRun, TurnsEachKindOfFailureIntoItsStatus) {
  EXPECT_TRUE(guardRun([] { return Status::success(); }).ok());
  const Status returned = guardRun([] { return Status::failure("no table\n", -1); });
  EXPECT_EQ(returned.exitCode, -1);
  EXPECT_EQ(returned.message, "no table\n");

  const Status thrown = guardRun(
      []() -> Status { throw RunFailure(Status::failureOnStandardError("fixed message\n", 1)); });
  EXPECT_EQ(thrown.exitCode, 1);
  EXPECT_EQ(thrown.message, "fixed message\n");
  EXPECT_EQ(thrown.stream, MessageStream::StandardError);

  const Status exhausted = guardRun([]() -> Status { throw std::bad_alloc(); });
  EXPECT_EQ(exhausted.exitCode, 1);
  EXPECT_EQ(exhausted.stream, MessageStream::StandardError);
  EXPECT_EQ(exhausted.message.rfind("Out of memory: ", 0), 0u) << exhausted.message;

  const Status huge = guardRun([]() -> Status {
    std::vector<double> v;
    v.resize(v.max_size() + 1);
    return Status::success();
  });
  EXPECT_EQ(huge.exitCode, 1);
  EXPECT_EQ(huge.message.rfind("Out of memory: ", 0), 0u) << huge.message;

  const Status other = guardRun([]() -> Status { throw std::runtime_error("odd"); });
  EXPECT_EQ(other.exitCode, 1);
  EXPECT_EQ(other.message, "The run failed: odd\n");
}

TEST(GuardRun, AllocatingNamesWhatCouldNotBeMade) {
  const Status status = guardRun([]() -> Status {
    allocating("the sparse matrix of 7 rows", []() -> int { throw std::bad_alloc(); });
    return Status::success();
  });
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.stream, MessageStream::StandardError);
  EXPECT_EQ(status.message, "Out of memory: could not allocate the sparse matrix of 7 rows\n");
  // What is made comes back unchanged.
  EXPECT_EQ(allocating("three", [] { return std::vector<int>(3, 4); }),
            (std::vector<int>{4, 4, 4}));
}

TEST(GuardRun, PrintsTheMessageOnItsStream) {
  CapturedOutput output;
  CapturedWarnings warnings;
  printStatusMessage(Status::failure("on the output\n"));
  printStatusMessage(Status::failureOnStandardError("on the error stream\n"));
  printStatusMessage(Status::failure(""));
  EXPECT_EQ(output.text(), "on the output\n");
  EXPECT_EQ(warnings.text(), "on the error stream\n");
}

TEST(ParallelFor, AWorkerThreadsFailureReachesTheCallerAfterEveryPieceEnded) {
  const ThreadCount four(4);
  std::vector<std::atomic<int>> done(4);
  // Piece 2 runs on a worker thread; the others complete their items.
  const Status status = guardRun([&done] {
    parallelFor(4, kHeavy, [&done](long begin, long end) {
      for (long i = begin; i < end; ++i) {
        if (i == 2) throw std::bad_alloc();
        done[static_cast<size_t>(i)] = 1;
      }
    });
    return Status::success();
  });
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.message.rfind("Out of memory: ", 0), 0u) << status.message;
  EXPECT_EQ(done[0], 1);
  EXPECT_EQ(done[1], 1);
  EXPECT_EQ(done[3], 1);
}

TEST(ParallelFor, TheFirstFailingPieceInRangeOrderIsReported) {
  const ThreadCount three(3);
  const Status status = guardRun([] {
    parallelFor(3, kHeavy, [](long begin, long) {
      if (begin == 0) return;
      throw RunFailure(Status::failure("piece " + std::to_string(begin) + "\n"));
    });
    return Status::success();
  });
  EXPECT_EQ(status.message, "piece 1\n");
  // A failure on the calling thread's own piece waits for the workers too.
  const Status first = guardRun([] {
    parallelFor(3, kHeavy, [](long begin, long) {
      throw RunFailure(Status::failure("piece " + std::to_string(begin) + "\n"));
    });
    return Status::success();
  });
  EXPECT_EQ(first.message, "piece 0\n");
}

}  // namespace manifit

namespace manifit {

TEST(ParallelFor, TheThreadCountBelongsToTheCallingThread) {
  const int saved = workerThreads();
  setWorkerThreads(3);
  int seen = 0;
  std::thread other([&seen] {
    setWorkerThreads(7);
    seen = workerThreads();
  });
  other.join();
  EXPECT_EQ(seen, 7);
  EXPECT_EQ(workerThreads(), 3);
  setWorkerThreads(saved);
}

}  // namespace manifit
