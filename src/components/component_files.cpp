// The summary file and the score file of the principal components.
#include <cmath>
#include <cstdio>
#include <vector>

#include "common/atomic_output_file.h"
#include "common/output.h"
#include "components/principal_components.h"
#include "data/data_table.h"

namespace manifit {

namespace {

// Puts a completely written file in place; a failed write leaves the earlier
// file and says so.
bool commitOrReport(AtomicOutputFile& file, const std::string& path) {
  if (file.commit()) return true;
  print("Can not write file %s\n", path.c_str());
  return false;
}

// score_c = sum_l (x_l - mean_l) component_c,l, accumulated in a float.
float scoreOf(const float* x, const std::vector<double>& mean, const std::vector<double>& component,
              size_t n) {
  float score = 0.0f;
  for (size_t l = 0; l < n; ++l)
    score = static_cast<float>(score + (x[l] - mean[l]) * component[l]);
  return score;
}

bool allFinite(const std::vector<double>& values) {
  for (double x : values) {
    if (!std::isfinite(x)) return false;
  }
  return true;
}

}  // namespace

bool PrincipalComponents::resultsFinite() const {
  if (!allFinite(mean) || !allFinite(variances)) return false;
  for (const std::vector<double>& component : components) {
    if (!allFinite(component)) return false;
  }
  return true;
}

int PrincipalComponents::firstNonFiniteScore() const {
  const size_t n = static_cast<size_t>(table->dimension);
  for (int j = 0; j < table->pointCount; ++j) {
    for (const std::vector<double>& component : components) {
      if (!std::isfinite(scoreOf(table->row(j), mean, component, n))) return j;
    }
  }
  return -1;
}

bool PrincipalComponents::writeSummary(const std::string& path, StagedOutputs* staging) const {
  AtomicOutputFile file(path, staging);
  if (!file.isOpen()) {
    print("Can not use %s !!!\n", path.c_str());
    return false;
  }
  std::FILE* out = file.get();
  std::fprintf(out, "%i %i\n", componentCount, static_cast<int>(mean.size()));
  for (double x : mean) std::fprintf(out, "%10.3f ", x);
  std::fprintf(out, "\n");
  for (const std::vector<double>& component : components) {
    for (double x : component) std::fprintf(out, "%10.5f ", x);
    std::fprintf(out, "\n");
  }
  // Each variance with the running total; small ones in exponent form.
  double sum = 0.0;
  for (double variance : variances) {
    sum += variance;
    std::fprintf(out, variance < 0.001 ? "%e\t%f\n" : "%f\t%f\n", variance, sum);
  }
  return commitOrReport(file, path);
}

bool PrincipalComponents::writeScores(const std::string& path, StagedOutputs* staging) const {
  AtomicOutputFile file(path, staging);
  if (!file.isOpen()) {
    print("Can not open file for writing %s", path.c_str());
    return false;
  }
  std::FILE* out = file.get();
  const size_t n = static_cast<size_t>(table->dimension);
  for (int j = 0; j < table->pointCount; ++j) {
    const float* x = table->row(j);
    for (const std::vector<double>& component : components) {
      std::fprintf(out, "%10.10f\t", static_cast<double>(scoreOf(x, mean, component, n)));
    }
    std::fprintf(out, "\n");
  }
  return commitOrReport(file, path);
}

}  // namespace manifit
