// Fits a closed curve to points held in memory (a noisy ring in three
// dimensions) through the manifit library, prints its final error, and
// projects one new point onto the fitted map.
#include <manifit/manifit.h>

#include <cmath>
#include <cstdio>
#include <vector>

int main() {
  // 300 points near a ring of radius 2, row after row.
  const int count = 300;
  std::vector<float> rows;
  for (int i = 0; i < count; ++i) {
    const double angle = 6.283185307179586 * i / count;
    const double wobble = 0.05 * std::sin(7.0 * angle);
    rows.push_back(static_cast<float>((2.0 + wobble) * std::cos(angle)));
    rows.push_back(static_cast<float>((2.0 + wobble) * std::sin(angle)));
    rows.push_back(static_cast<float>(0.1 * std::cos(3.0 * angle)));
  }
  const manifit::TableView table{rows.data(), count, 3, nullptr};

  manifit::GridSpec grid;
  grid.type = manifit::GridType::Circle;
  grid.size1 = 24;
  manifit::Schedule schedule;
  schedule.stages = {manifit::Stage::epoch(1.0f, 1.0f), manifit::Stage::epoch(0.1f, 0.1f)};

  manifit::FitOptions options;
  options.progress = [](const manifit::Event& event) {
    if (event.kind == manifit::Event::Kind::Warning) std::fprintf(stderr, "%s", event.text.c_str());
    return true;  // keep going
  };
  const manifit::FitResult fit = manifit::fit(table, grid, schedule, options);
  if (!fit.ok()) {
    std::fprintf(stderr, "%s", fit.failure.message.c_str());
    return 1;
  }
  std::printf("final error %g after %zu iterations, %d nodes\n", fit.finalError, fit.history.size(),
              fit.map.nodeCount());

  // A new point, in the map's (normalized) units.
  std::vector<float> point = {0.0f, 2.5f, 0.0f};
  for (size_t j = 0; j < point.size(); ++j) {
    point[j] =
        static_cast<float>((point[j] - fit.normalization.mean[j]) / fit.normalization.deviation[j]);
  }
  const manifit::ProjectResult projected =
      manifit::project(fit.map, manifit::TableView{point.data(), 1, 3, nullptr});
  if (!projected.ok()) {
    std::fprintf(stderr, "%s", projected.failure.message.c_str());
    return 1;
  }
  std::printf("the new point lies nearest to node %d\n", projected.projection.nearestNode[0]);
  return 0;
}
