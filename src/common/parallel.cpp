#include "common/parallel.h"

#include <algorithm>
#include <exception>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace manifit {

namespace {

// Below this many operations per thread, starting a thread costs more than
// it saves.
constexpr double kOperationsPerThread = 2.0e6;

// More threads than this are never started.
constexpr int kMostThreads = 1024;

// The calling thread's setting: each thread that runs a fit has its own.
int& threadSetting() {
  thread_local int setting = hardwareThreads();
  return setting;
}

}  // namespace

int hardwareThreads() {
  const unsigned count = std::thread::hardware_concurrency();
  return count == 0 ? 1 : static_cast<int>(std::min<unsigned>(count, kMostThreads));
}

int workerThreads() {
  return threadSetting();
}

void setWorkerThreads(int count) {
  threadSetting() = std::min(std::max(count, 1), kMostThreads);
}

void parallelFor(long count, double costPerItem, const std::function<void(long, long)>& work) {
  if (count <= 0) return;
  const double cost = static_cast<double>(count) * std::max(costPerItem, 1.0);
  long pieces = std::min<long>(workerThreads(), count);
  pieces = std::min<long>(pieces, static_cast<long>(cost / kOperationsPerThread) + 1);
  if (pieces <= 1) {
    work(0, count);
    return;
  }
  // What each piece threw, handed to the caller once every thread has ended.
  std::vector<std::exception_ptr> thrown(static_cast<size_t>(pieces));
  const auto runPiece = [&work, &thrown, count, pieces](long piece) {
    try {
      work(count * piece / pieces, count * (piece + 1) / pieces);
    } catch (...) {
      thrown[static_cast<size_t>(piece)] = std::current_exception();
    }
  };
  std::vector<std::thread> helpers;
  helpers.reserve(static_cast<size_t>(pieces - 1));
  long inlineFrom = pieces;  // pieces no thread could be started for
  for (long piece = 1; piece < pieces; ++piece) {
    try {
      helpers.emplace_back(runPiece, piece);
    } catch (const std::system_error&) {
      inlineFrom = piece;
      break;
    } catch (const std::bad_alloc&) {
      inlineFrom = piece;
      break;
    }
  }
  runPiece(0);
  for (long piece = inlineFrom; piece < pieces; ++piece) runPiece(piece);
  for (std::thread& helper : helpers) helper.join();
  for (const std::exception_ptr& failure : thrown) {
    if (failure) std::rethrow_exception(failure);
  }
}

}  // namespace manifit
