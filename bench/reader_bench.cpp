// The table reader: the C library's conversion against the fast one on the
// same words, and a whole table file read from disk.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "data/data_table.h"
#include "data/text_words.h"
#include "data/word_stream.h"

namespace manifit {
namespace {

// Numbers as a table file writes them: "%.5f" of normal values.
std::string numberText(long count) {
  std::mt19937 random(3);
  std::normal_distribution<double> normal(0.0, 1.0);
  std::string text;
  char buffer[32];
  for (long i = 0; i < count; ++i) {
    std::snprintf(buffer, sizeof buffer, "%.5f ", normal(random));
    text += buffer;
  }
  return text;
}

// Argument: 0 the C library (strtof), 1 the fast conversion.
void convertNumbers(benchmark::State& state) {
  const long count = 1000000;
  const std::string text = numberText(count);
  std::vector<std::pair<size_t, size_t>> words;
  WordReader reader(text);
  size_t start = 0;
  size_t length = 0;
  while (reader.next(start, length)) words.emplace_back(start, length);
  float sum = 0.0f;
  for (auto _ : state) {
    for (const auto& [at, size] : words) {
      float value = 0.0f;
      if (state.range(0) == 0)
        parseFloatWord(text, at, size, value);
      else
        parseFloatFast(text.c_str() + at, size, value);
      sum += value;
    }
  }
  benchmark::DoNotOptimize(sum);
  state.counters["numbers/s"] =
      benchmark::Counter(static_cast<double>(count) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}
BENCHMARK(convertNumbers)->ArgName("fast")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A 100,000 x 50 table file read into a DataTable.
void readTableFile(benchmark::State& state) {
  const int points = 100000;
  const int columns = 50;
  const std::string path = "manifit_bench_table.txt";
  {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
      state.SkipWithError("cannot write the table file in the working directory");
      return;
    }
    std::fprintf(file, "%d %d\n", points, columns);
    const std::string text = numberText(static_cast<long>(points) * columns);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
  }
  for (auto _ : state) {
    DataTable table;
    const Status status = table.readTable(path);
    if (!status.ok()) state.SkipWithError(status.message.c_str());
    benchmark::DoNotOptimize(table.rows.data());
  }
  std::remove(path.c_str());
  state.counters["numbers/s"] = benchmark::Counter(
      static_cast<double>(points) * columns * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
}
BENCHMARK(readTableFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace manifit
