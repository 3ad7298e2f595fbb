// Leading principal components of a table, extracted one at a time by an
// alternating least-squares line fit followed by deflation.
#pragma once

#include <string>
#include <vector>

namespace manifit {

class StagedOutputs;

struct DataTable;

struct PrincipalComponents {
  std::vector<double> mean;
  std::vector<std::vector<double>> components;  // componentCount unit vectors
  bool quiet = false;
  const DataTable* table = nullptr;
  std::vector<double> variances;  // fractions of the total after toVarianceFractions
  int componentCount = 0;
  // Keeps the residuals as a matrix of their own (a second copy of the
  // table) instead of forming them from the table on every pass; the same
  // numbers either way.
  bool storedResiduals = false;

  PrincipalComponents() = default;
  explicit PrincipalComponents(const DataTable& analysed) : table(&analysed) {}

  void computeComponents(int k);
  void toVarianceFractions();
  // Each returns false (after printing its message) when the file cannot be opened.
  // With a staging set the complete file waits there to be put in place.
  // The summary needs only the mean, the components and the variances.
  bool writeSummary(const std::string& path, StagedOutputs* staging = nullptr) const;
  bool writeScores(const std::string& path, StagedOutputs* staging = nullptr) const;
  // Whether the mean, the components and the variances are all finite.
  bool resultsFinite() const;
  // The first point (from 0) with a score that is not a finite number, or -1.
  int firstNonFiniteScore() const;
};

}  // namespace manifit
