// Fits in two threads at once: each owns its random generator, worker
// threads, grid limits and messages, so each gives exactly its solo result.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "driver/library_support.h"
#include "grid/grid_types.h"

namespace manifit {
namespace {

struct Job {
  std::string table;
  int section = 1;
  double testFraction = -1.0;
  int threads = 1;
};

struct Outcome {
  FitResult fit;
  std::string messages;
};

Outcome run(const Job& job) {
  const Table table = loadTable(examplePath(job.table));
  const Section section = readSection(examplePath("manifit.ini"), job.section, table.dimension);
  Outcome outcome;
  if (!section.ok()) {
    outcome.fit.failure = section.failure;
    return outcome;
  }
  Heard heard;
  FitOptions options;
  options.testFraction = job.testFraction;
  options.threads = job.threads;
  options.progress = heard.listener();
  outcome.fit = fit(table.view(), section.grid, section.schedule, options);
  outcome.messages = maskClocks(heard.messages);
  return outcome;
}

void expectSame(const Outcome& alone, const Outcome& together) {
  ASSERT_TRUE(alone.fit.ok()) << alone.fit.failure.message;
  ASSERT_TRUE(together.fit.ok()) << together.fit.failure.message;
  expectSameMap(alone.fit.map, together.fit.map);
  expectSameHistory(alone.fit.history, together.fit.history);
  EXPECT_EQ(alone.fit.rowParts, together.fit.rowParts);
  EXPECT_EQ(alone.messages, together.messages);
}

TEST(LibraryThreads, TwoFitsAtOnceGiveEachItsSoloResult) {
  // A graph grown from random start nodes, and a rectangle on a random
  // split, with different worker counts.
  const Job graph{"iris.txt", 11, -1.0, 2};
  const Job split{"wine.txt", 1, 0.2, 1};
  const Outcome graphAlone = run(graph);
  const Outcome splitAlone = run(split);
  EXPECT_NE(graphAlone.messages.find(" nodes left.\n"), std::string::npos);
  EXPECT_GT(splitAlone.fit.testPoints, 0);
  for (int round = 0; round < 5; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    Outcome graphTogether;
    Outcome splitTogether;
    std::thread first([&] { graphTogether = run(graph); });
    std::thread second([&] { splitTogether = run(split); });
    first.join();
    second.join();
    expectSame(graphAlone, graphTogether);
    expectSame(splitAlone, splitTogether);
  }
}

TEST(LibraryThreads, GridLimitsBelongToTheThreadThatSetsThem) {
  const Job line{"iris.txt", 3, -1.0, 1};
  const Outcome alone = run(line);
  ASSERT_TRUE(alone.fit.ok());
  Outcome limited;
  Outcome other;
  std::thread first([&] {
    limitGridSizes(10, 1000);
    limited = run(line);
  });
  first.join();
  std::thread second([&] { other = run(line); });
  second.join();
  EXPECT_EQ(limited.fit.failure.message,
            "Grid type linear: grid.size1 20 means 20 nodes, more than the 10 a grid can hold\n");
  expectSame(alone, other);
  EXPECT_EQ(gridNodeLimit(), kMaxGridNodes);
}

}  // namespace
}  // namespace manifit
