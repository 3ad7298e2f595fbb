// The linear system of one minimization iteration: entries accumulated one
// addition at a time, turned into a compressed-column matrix and an
// incomplete Cholesky preconditioner, then solved once per data coordinate
// by preconditioned conjugate gradients.
#pragma once

#include <memory>

#include "linalg/mv_vector.h"
#include "training/entry_pattern.h"

namespace manifit {

class CompColMatrix;
class IcPreconditioner;

class SparseSystem {
 public:
  double* solutionArray = nullptr;  // the caller's array; not owned
  std::unique_ptr<MV_Vector_double> solution;
  std::unique_ptr<MV_Vector_double> rhs;
  int size = 0;
  EntryPattern entries;  // by (row, column); places kept from one assembly to the next
  std::unique_ptr<CompColMatrix> matrix;
  std::unique_ptr<IcPreconditioner> preconditioner;

  SparseSystem();
  ~SparseSystem();
  SparseSystem(const SparseSystem&) = delete;
  SparseSystem& operator=(const SparseSystem&) = delete;

  void reset();
  double add(int row, int column, double value);
  void buildMatrix();
  void buildPreconditioner();
  void setRhs(const double* values);
  void setInitialGuess(double* values);
  long solve(double tolerance, int limit);
  double solutionAt(int i) const;
};

// Preconditioned conjugate gradients on A x = b; returns 0 when the relative
// residual reached tol within limit iterations, 1 otherwise. On return tol
// holds the residual reached and limit the iterations used (when converged).
int conjugateGradient(const CompColMatrix& A, MV_Vector_double& x, const MV_Vector_double& b,
                      const IcPreconditioner& M, int& limit, double& tol);

}  // namespace manifit
