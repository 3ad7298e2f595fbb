#include "common/suggest.h"

#include <algorithm>

namespace manifit {

int editDistance(const std::string& a, const std::string& b) {
  const size_t n = a.size();
  const size_t m = b.size();
  std::vector<std::vector<int>> d(n + 1, std::vector<int>(m + 1, 0));
  for (size_t i = 0; i <= n; ++i) d[i][0] = static_cast<int>(i);
  for (size_t j = 0; j <= m; ++j) d[0][j] = static_cast<int>(j);
  for (size_t i = 1; i <= n; ++i) {
    for (size_t j = 1; j <= m; ++j) {
      const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[n][m];
}

std::string closestName(const std::string& word, const std::vector<std::string>& names) {
  // Long words only: comparing them costs their product, so bound it.
  if (word.size() > 200) return "";
  std::string best;
  int bestDistance = 3;
  for (const std::string& name : names) {
    const int distance = editDistance(word, name);
    // A distance as long as the shorter word says nothing.
    if (distance < bestDistance &&
        distance < static_cast<int>(std::min(word.size(), name.size()))) {
      best = name;
      bestDistance = distance;
    }
  }
  if (!best.empty()) return best;
  for (const std::string& name : names) {
    if (name.size() >= 2 && name.size() < word.size() && word.compare(0, name.size(), name) == 0 &&
        name.size() > best.size()) {
      best = name;
    }
  }
  return best;
}

}  // namespace manifit
