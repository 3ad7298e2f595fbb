#include "training/sparse_system.h"

#include <ctime>
#include <vector>

#include "common/output.h"
#include "linalg/comp_col_matrix.h"
#include "linalg/coord_matrix.h"
#include "linalg/ic_preconditioner.h"
#include "linalg/mv_vector.h"

namespace manifit {

SparseSystem::SparseSystem() = default;

SparseSystem::~SparseSystem() = default;

void SparseSystem::reset() {
  entries.clear(size);
}

double SparseSystem::add(int row, int column, double value) {
  return entries.add(row, column, value);
}

void SparseSystem::buildMatrix() {
  const int nz = static_cast<int>(entries.size());
  std::vector<int> rows(entries.size());
  std::vector<int> columns(entries.size());
  std::vector<double> values(entries.size());
  size_t k = 0;
  entries.forEach([&](int row, int column, double value) {
    rows[k] = row;
    columns[k] = column;
    values[k] = value;
    ++k;
  });
  const CoordMatrix coordinates(size, size, nz, values.data(), rows.data(), columns.data(), 0);
  matrix.reset();
  matrix = std::make_unique<CompColMatrix>(coordinates);
}

void SparseSystem::buildPreconditioner() {
  preconditioner.reset();
  preconditioner = std::make_unique<IcPreconditioner>(*matrix);
}

void SparseSystem::setRhs(const double* values) {
  rhs.reset();
  rhs = std::make_unique<MV_Vector_double>(values, size);
}

void SparseSystem::setInitialGuess(double* values) {
  solutionArray = values;
  solution.reset();
  solution = std::make_unique<MV_Vector_double>(values, size);
}

long SparseSystem::solve(double tolerance, int limit) {
  const std::clock_t start = std::clock();
  double tol = tolerance;
  int iterations = limit;
  const int result = conjugateGradient(*matrix, *solution, *rhs, *preconditioner, iterations, tol);
  if (result != 0) print("Result = %i , tol = %8.5f, iter = %i\n", result, tol, iterations);
  for (int i = 0; i < size; ++i) solutionArray[i] = (*solution)[i];
  return static_cast<long>(std::clock() - start);
}

double SparseSystem::solutionAt(int i) const {
  return (*solution)[i];
}

}  // namespace manifit
