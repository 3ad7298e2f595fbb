#include "view/summary_check.h"

#include <cmath>
#include <cstdio>

#include "data/npy_file.h"
#include "view/text_lines.h"

namespace manifit {

TableComponents tableComponents(const PointTable& table, const ComponentSummary& summary,
                                const std::vector<double>* weights) {
  const size_t n = static_cast<size_t>(table.dimension);
  TableComponents result;
  result.mean.assign(n, 0.0);
  double total = 0;
  for (size_t p = 0; p < table.rows.size(); ++p) {
    const double w = weights ? (*weights)[p] : 1.0;
    total += w;
    for (size_t k = 0; k < n; ++k) result.mean[k] += w * table.rows[p][k];
  }
  if (!(total > 0)) return result;
  for (double& m : result.mean) m /= total;
  // Variances about the table's mean: of each column, and of the scores on
  // the summary's components (its own mean as the origin, as it was built).
  double totalVariance = 0;
  double along[2] = {0, 0};
  double alongMean[2] = {0, 0};
  for (size_t p = 0; p < table.rows.size(); ++p) {
    const double w = weights ? (*weights)[p] : 1.0;
    const std::vector<double>& row = table.rows[p];
    for (size_t k = 0; k < n; ++k) {
      const double d = row[k] - result.mean[k];
      totalVariance += w * d * d;
    }
    for (size_t c = 0; c < 2; ++c) {
      double score = 0;
      for (size_t k = 0; k < n; ++k) score += (row[k] - summary.mean[k]) * summary.components[c][k];
      along[c] += w * score * score;
      alongMean[c] += w * score;
    }
  }
  if (!(totalVariance > 0)) return result;
  result.varies = true;
  for (size_t c = 0; c < 2; ++c) {
    const double m = alongMean[c] / total;
    result.fractions[c] = (along[c] / total - m * m) / (totalVariance / total);
  }
  return result;
}

Status checkSummaryOfTable(const ComponentSummary& summary, const PointTable& table,
                           const std::vector<double>* weights, const std::string& summaryPath,
                           const std::string& tablePath) {
  const TableComponents found = tableComponents(table, summary, weights);
  const std::string hint =
      "; the summary is not that of this table (left behind by another run?). Run manifit "
      "again in a folder of its own, or name the run's summary with -summary" +
      std::string(weights ? "" : " (and its weights with -w if the run was weighted)") + "\n";
  for (size_t k = 0; k < found.mean.size(); ++k) {
    const double mean = summary.mean[k];
    if (std::fabs(found.mean[k] - mean) > kMeanTolerance + 1e-9 * std::fabs(mean)) {
      char text[160];
      std::snprintf(text, sizeof text, "the mean of coordinate %zu is %.3f, but in %s it is %.3f",
                    k + 1, mean, tablePath.c_str(), found.mean[k]);
      return Status::failure(summaryPath + ": " + text + hint);
    }
  }
  if (!found.varies) return Status::success();
  for (size_t c = 0; c < 2; ++c) {
    if (std::fabs(found.fractions[c] - summary.fractions[c]) > kFractionTolerance) {
      char text[200];
      std::snprintf(text, sizeof text,
                    "component %zu carries %.4f of the variance, but %.4f of the variance of %s",
                    c + 1, summary.fractions[c], found.fractions[c], tablePath.c_str());
      return Status::failure(summaryPath + ": " + text + hint);
    }
  }
  return Status::success();
}

Status readRowWeights(const std::string& path, size_t count, std::vector<double>& weights) {
  if (count > static_cast<size_t>(2147483647)) return lineError(path, 0, "too many points");
  if (isNpyFile(path)) {
    std::vector<float> read;
    const Status status = readNpyWeights(path, static_cast<int>(count), read);
    if (!status.ok()) return status;
    weights.assign(read.begin(), read.end());
    return Status::success();
  }
  TextFile file;
  const Status status = readTextFile(path, file);
  if (!status.ok()) return status;
  std::vector<double> read;
  for (const TextLine& line : file.lines) {
    for (const std::string& token : line.tokens) {
      if (read.size() == count) break;
      double w = 0;
      if (!parseNumber(token, w) || w < 0) {
        return lineError(path, line.number, "\"" + token + "\" is not a weight");
      }
      read.push_back(w);
    }
  }
  if (read.size() < count) {
    return lineError(
        path, 0, std::to_string(read.size()) + " weights for " + std::to_string(count) + " points");
  }
  weights = std::move(read);
  return Status::success();
}

}  // namespace manifit
