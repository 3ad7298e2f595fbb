#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "linalg/comp_col_matrix.h"
#include "linalg/coord_matrix.h"
#include "linalg/ic_preconditioner.h"
#include "linalg/matrix_builders.h"
#include "linalg/mv_vector.h"
#include "linalg/vector_arithmetic.h"
#include "support/vector_operators.h"
#include "training/sparse_system.h"

namespace manifit {

namespace {

std::vector<Entry> diagonalEntries(const std::vector<double>& diagonal) {
  std::vector<Entry> entries;
  for (int i = 0; i < static_cast<int>(diagonal.size()); ++i) {
    entries.push_back({i, i, diagonal[i]});
  }
  return entries;
}

struct Outcome {
  int result;
  int limit;
  double tol;
  std::vector<double> x;
};

Outcome runSolver(const CompColMatrix& A, const std::vector<double>& start,
                  const std::vector<double>& b, int limit, double tol) {
  const IcPreconditioner M(A);
  MV_Vector_double x = vectorOf(start);
  Outcome outcome{0, limit, tol, {}};
  outcome.result = conjugateGradient(A, x, vectorOf(b), M, outcome.limit, outcome.tol);
  outcome.x = doublesOf(x);
  return outcome;
}

// The iteration written plainly with the free functions, one temporary per
// operation and no breakdown guard.
Outcome plainConjugateGradient(const CompColMatrix& A, const std::vector<double>& start,
                               const std::vector<double>& rhs, int limit, double tol) {
  const IcPreconditioner M(A);
  MV_Vector_double x = vectorOf(start);
  const MV_Vector_double b = vectorOf(rhs);
  double normb = euclidean_norm(b);
  MV_Vector_double r = b - A * x;
  if (normb == 0.0) normb = 1.0;
  double resid = euclidean_norm(r) / normb;
  if (resid <= tol) return {0, 0, resid, doublesOf(x)};
  MV_Vector_double p;
  double rhoPrev = 0.0;
  for (int i = 1; i <= limit; ++i) {
    const MV_Vector_double z = preconditioned(M, r);
    const double rho = dot(r, z);
    if (i == 1) {
      p = z;
    } else {
      const double beta = rho / rhoPrev;
      p = z + (beta * p);
    }
    const MV_Vector_double q = A * p;
    const double alpha = rho / dot(p, q);
    x += alpha * p;
    r -= alpha * q;
    resid = euclidean_norm(r) / normb;
    if (resid <= tol) return {0, i, resid, doublesOf(x)};
    rhoPrev = rho;
  }
  return {1, limit, resid, doublesOf(x)};
}

std::uint64_t bitsOf(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// A rows x columns grid Laplacian with one diagonal link per cell (so the
// incomplete factor is not exact), plus a data-like diagonal term.
std::vector<Entry> gridSystem(int rows, int columns, unsigned seed) {
  std::vector<Entry> entries;
  const auto node = [columns](int r, int c) { return r * columns + c; };
  const auto link = [&entries](int a, int b, double w) {
    entries.push_back({a, a, w});
    entries.push_back({b, b, w});
    entries.push_back({a, b, -w});
    entries.push_back({b, a, -w});
  };
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      seed = seed * 1103515245u + 12345u;
      entries.push_back({node(r, c), node(r, c), ((seed >> 16) % 100) / 1000.0});
      if (c + 1 < columns) link(node(r, c), node(r, c + 1), 0.3);
      if (r + 1 < rows) link(node(r, c), node(r + 1, c), 0.7);
      if (r + 1 < rows && c + 1 < columns) link(node(r, c), node(r + 1, c + 1), 0.05);
    }
  }
  return entries;
}

// Sums repeated entries in (row, column) order, as the system's assembly does.
CompColMatrix assembled(int n, const std::vector<Entry>& entries) {
  SparseSystem system;
  system.size = n;
  for (const Entry& e : entries) system.add(e.row, e.column, e.value);
  system.buildMatrix();
  return CompColMatrix(*system.matrix);
}

std::vector<double> pseudoRandom(int n, unsigned seed, double scale) {
  std::vector<double> values(n);
  for (double& v : values) {
    seed = seed * 1103515245u + 12345u;
    v = scale * (static_cast<double>((seed >> 8) % 20001) / 10000.0 - 1.0);
  }
  return values;
}

}  // namespace

TEST(ConjugateGradient, MatchesThePlainIterationBitForBit) {
  const int shapes[][2] = {{1, 1}, {3, 4}, {12, 9}, {20, 17}};
  for (const auto& shape : shapes) {
    const int n = shape[0] * shape[1];
    const CompColMatrix A = assembled(n, gridSystem(shape[0], shape[1], 7u + n));
    const std::vector<double> b = pseudoRandom(n, 11u * n, 2.0);
    const std::vector<double> start = pseudoRandom(n, 5u + n, 0.5);
    const struct {
      int limit;
      double tol;
    } settings[] = {{1000, 1e-12}, {3, 1e-12}, {50, 1e-4}, {0, 1e-6}, {20, 0.0}};
    for (const auto& s : settings) {
      SCOPED_TRACE(::testing::Message() << "n=" << n << " limit=" << s.limit);
      const Outcome fast = runSolver(A, start, b, s.limit, s.tol);
      const Outcome plain = plainConjugateGradient(A, start, b, s.limit, s.tol);
      EXPECT_EQ(fast.result, plain.result);
      EXPECT_EQ(fast.limit, plain.limit);
      EXPECT_EQ(bitsOf(fast.tol), bitsOf(plain.tol));
      ASSERT_EQ(fast.x.size(), plain.x.size());
      for (int i = 0; i < n; ++i) ASSERT_EQ(bitsOf(fast.x[i]), bitsOf(plain.x[i])) << i;
    }
  }
}

TEST(ConjugateGradient, SolvesASmallSystem) {
  // (5I - 11') x = (1, 2, 3) has x = (4/5, 1, 6/5); the incomplete factor of
  // this matrix is not exact, so this takes more than one step.
  const CompColMatrix A = convert(3, 3,
                                  {{0, 0, 4},
                                   {0, 1, -1},
                                   {0, 2, -1},
                                   {1, 0, -1},
                                   {1, 1, 4},
                                   {1, 2, -1},
                                   {2, 0, -1},
                                   {2, 1, -1},
                                   {2, 2, 4}});
  const Outcome outcome = runSolver(A, {0, 0, 0}, {1, 2, 3}, 100, 1e-13);
  EXPECT_EQ(outcome.result, 0);
  EXPECT_GT(outcome.limit, 1);
  EXPECT_LE(outcome.tol, 1e-13);
  EXPECT_NEAR(outcome.x[0], 0.8, 1e-12);
  EXPECT_NEAR(outcome.x[1], 1.0, 1e-12);
  EXPECT_NEAR(outcome.x[2], 1.2, 1e-12);
}

TEST(ConjugateGradient, StoppingMeasure) {
  const CompColMatrix A = convert(2, 2, diagonalEntries({4, 9}));
  // b = 0 measures the absolute residual |A x| = 1.
  Outcome atStart = runSolver(A, {0.25, 0}, {0, 0}, 10, 1.0);
  EXPECT_EQ(atStart.result, 0);
  EXPECT_EQ(atStart.limit, 0);
  EXPECT_EQ(atStart.tol, 1.0);
  EXPECT_EQ(atStart.x, (std::vector<double>{0.25, 0}));
  const Outcome zeroRhs = runSolver(A, {0.25, 0}, {0, 0}, 10, 0.5);
  EXPECT_EQ(zeroRhs.result, 0);
  EXPECT_EQ(zeroRhs.limit, 1);
  EXPECT_EQ(zeroRhs.x, (std::vector<double>{0, 0}));

  // A start that already solves the system is left as it is.
  const Outcome solved = runSolver(A, {1, 2}, {4, 18}, 10, 1e-10);
  EXPECT_EQ(solved.result, 0);
  EXPECT_EQ(solved.limit, 0);
  EXPECT_EQ(solved.tol, 0.0);
  EXPECT_EQ(solved.x, (std::vector<double>{1, 2}));

  // No iteration allowed: not converged, start residual |b - A x| / |b| = 1.
  const Outcome none = runSolver(A, {0, 0}, {4, 0}, 0, 1e-6);
  EXPECT_EQ(none.result, 1);
  EXPECT_EQ(none.limit, 0);
  EXPECT_EQ(none.tol, 1.0);
  EXPECT_EQ(none.x, (std::vector<double>{0, 0}));
}

TEST(ConjugateGradient, ToleranceZeroRunsUntilTheResidualIsExactlyZero) {
  // The exact preconditioner of a diagonal matrix ends with residual 0.
  const Outcome exact = runSolver(convert(2, 2, diagonalEntries({4, 9})), {0, 0}, {2, 3}, 10, 0.0);
  EXPECT_EQ(exact.result, 0);
  EXPECT_EQ(exact.limit, 1);
  EXPECT_EQ(exact.tol, 0.0);
  EXPECT_EQ(exact.x, (std::vector<double>{0.5, 1.0 / 3}));
  const int n = 30;
  const CompColMatrix A = assembled(n, gridSystem(5, 6, 3u));
  const Outcome all = runSolver(A, std::vector<double>(n, 0.0), pseudoRandom(n, 9u, 1.0), 4, 0.0);
  EXPECT_EQ(all.result, 1);
  EXPECT_EQ(all.limit, 4);
  EXPECT_GT(all.tol, 0.0);
}

// Breakdowns stop the iteration and keep the last finite iterate instead of
// handing back infinities or NaN.
TEST(ConjugateGradient, BreakdownKeepsTheLastFiniteIterate) {
  // Indefinite: p'q = 0 at the first step; the start is kept.
  const CompColMatrix indefinite = convert(2, 2, diagonalEntries({1, -1}));
  const Outcome first = runSolver(indefinite, {0, 0}, {1, 1}, 5, 1e-8);
  EXPECT_EQ(first.result, 1);
  EXPECT_EQ(first.limit, 5);
  EXPECT_EQ(first.tol, 1.0);
  EXPECT_EQ(first.x, (std::vector<double>{0, 0}));

  // Singular and inconsistent: one step to (2, 2), then p'q = 0.
  const CompColMatrix singular = convert(2, 2, diagonalEntries({0, 1}));
  const Outcome second = runSolver(singular, {0, 0}, {1, 1}, 5, 1e-8);
  EXPECT_EQ(second.result, 1);
  EXPECT_EQ(second.x, (std::vector<double>{2, 2}));
  EXPECT_EQ(second.tol, 1.0);

  // An overflowing right-hand side stops before any step.
  const CompColMatrix identity = convert(2, 2, diagonalEntries({1, 1}));
  const Outcome overflow = runSolver(identity, {0, 0}, {1e300, 1e300}, 5, 1e-8);
  EXPECT_EQ(overflow.result, 1);
  EXPECT_EQ(overflow.x, (std::vector<double>{0, 0}));
}

}  // namespace manifit
