#include "training/entry_pattern.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <tuple>
#include <vector>

namespace manifit {
namespace {

using Walk = std::vector<std::tuple<int, int, double>>;

Walk walkOf(const EntryPattern& pattern) {
  Walk walk;
  pattern.forEach(
      [&](int row, int column, double value) { walk.emplace_back(row, column, value); });
  return walk;
}

Walk walkOf(const std::map<std::pair<int, int>, double>& map) {
  Walk walk;
  for (const auto& [key, value] : map) walk.emplace_back(key.first, key.second, value);
  return walk;
}

bool sameBits(const Walk& a, const Walk& b) {
  if (a.size() != b.size()) return false;
  for (size_t k = 0; k < a.size(); ++k) {
    if (std::get<0>(a[k]) != std::get<0>(b[k]) || std::get<1>(a[k]) != std::get<1>(b[k]))
      return false;
    const double x = std::get<2>(a[k]);
    const double y = std::get<2>(b[k]);
    if (std::memcmp(&x, &y, sizeof x) != 0) return false;
  }
  return true;
}

// Several assemblies in a row, each with its own random pattern (rows inside
// and outside the row count among them): every walk and every returned sum
// equals the ordered map's, bit for bit.
TEST(EntryPattern, SameSumsAndOrderAsAnOrderedMap) {
  std::mt19937 random(4);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  EntryPattern pattern;
  const int rowCount = 12;
  for (int assembly = 0; assembly < 40; ++assembly) {
    pattern.clear(rowCount);
    std::map<std::pair<int, int>, double> reference;
    // Half of the assemblies repeat the same topology as the one before.
    std::mt19937 topology(static_cast<unsigned>(assembly / 2));
    std::uniform_int_distribution<int> index(-2, rowCount + 2);
    const int adds = 30 + assembly * 5;
    for (int k = 0; k < adds; ++k) {
      const int row = index(topology);
      const int column = index(topology);
      const double v = value(random);
      double& entry = reference[{row, column}];
      entry = entry + v;
      const double sum = pattern.add(row, column, v);
      ASSERT_EQ(0, std::memcmp(&entry, &sum, sizeof sum));
    }
    EXPECT_EQ(reference.size(), pattern.size());
    EXPECT_TRUE(sameBits(walkOf(reference), walkOf(pattern))) << "assembly " << assembly;
  }
  pattern.clear(rowCount);
  EXPECT_TRUE(pattern.empty());
  EXPECT_TRUE(walkOf(pattern).empty());
}

TEST(EntryPattern, AtReadsPresentEntriesOnly) {
  EntryPattern pattern;
  pattern.clear(3);
  pattern.add(1, 2, 0.5);
  pattern.add(7, 0, 2.0);
  EXPECT_EQ(0.5, pattern.at({1, 2}));
  EXPECT_EQ(2.0, pattern.at({7, 0}));
  pattern.clear(3);
  pattern.add(0, 0, 1.0);
  EXPECT_EQ(0.0, pattern.at({1, 2}));  // kept in place, but not present
  EXPECT_FALSE(pattern.contains({1, 2}));
  EXPECT_FALSE(pattern.contains({7, 0}));
  EXPECT_TRUE(pattern.contains({0, 0}));
  EXPECT_EQ(1u, pattern.size());
}

}  // namespace
}  // namespace manifit
