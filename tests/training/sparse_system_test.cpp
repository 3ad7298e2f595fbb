#include "training/sparse_system.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/output.h"
#include "common/run_failure.h"
#include "linalg/comp_col_matrix.h"
#include "linalg/ic_preconditioner.h"
#include "linalg/matrix_builders.h"
#include "linalg/mv_vector.h"

namespace manifit {

namespace {

// The order-3 tridiagonal matrix with 4 and -1, added in scattered order and
// partly in pieces.
void addTridiagonal(SparseSystem& system) {
  system.size = 3;
  system.reset();
  system.add(2, 2, 4.0);
  system.add(1, 2, -1.0);
  system.add(0, 0, 1.5);
  system.add(2, 1, -1.0);
  system.add(1, 1, 4.0);
  system.add(0, 1, -1.0);
  system.add(0, 0, 2.5);
  system.add(1, 0, -1.0);
}

}  // namespace

TEST(SparseSystem, AddSumsRepeatedEntriesAndResetEmpties) {
  SparseSystem system;
  EXPECT_EQ(system.add(1, 0, 0.25), 0.25);
  EXPECT_EQ(system.add(1, 0, 0.5), 0.75);
  EXPECT_EQ(system.add(0, 1, -2.0), -2.0);
  EXPECT_EQ(system.entries.size(), 2u);
  EXPECT_EQ(system.entries.at({1, 0}), 0.75);
  system.reset();
  EXPECT_TRUE(system.entries.empty());
}

TEST(SparseSystem, BuildsSortedColumnsAndTheFactor) {
  SparseSystem system;
  addTridiagonal(system);
  system.buildMatrix();
  ASSERT_NE(system.matrix, nullptr);
  EXPECT_EQ(system.matrix->nonzeros, 7);
  EXPECT_EQ(intsOf(system.matrix->col_start), (std::vector<int>{0, 2, 5, 7}));
  EXPECT_EQ(intsOf(system.matrix->row_index), (std::vector<int>{0, 1, 0, 1, 2, 1, 2}));
  EXPECT_EQ(doublesOf(system.matrix->values), (std::vector<double>{4, -1, -1, 4, -1, -1, 4}));
  system.buildPreconditioner();
  ASSERT_NE(system.preconditioner, nullptr);
  EXPECT_EQ(system.preconditioner->values[0], 2.0);

  // A new assembly of another order replaces both.
  system.size = 1;
  system.reset();
  system.add(0, 0, 9.0);
  system.buildMatrix();
  system.buildPreconditioner();
  EXPECT_EQ(system.matrix->dims[0], 1);
  EXPECT_EQ(doublesOf(system.preconditioner->values), (std::vector<double>{3}));
}

TEST(SparseSystem, SolveWritesTheSolutionBack) {
  SparseSystem system;
  addTridiagonal(system);
  system.buildMatrix();
  system.buildPreconditioner();
  double coordinates[] = {0.0, 0.0, 0.0};
  double rhs[] = {1.0, 1.0, 1.0};
  system.setInitialGuess(coordinates);
  system.setRhs(rhs);
  CapturedOutput capture;
  EXPECT_GE(system.solve(1e-10, 50), 0);
  EXPECT_EQ(capture.text(), "");
  EXPECT_EQ(system.solutionArray, coordinates);
  const double expected[] = {5.0 / 14, 6.0 / 14, 5.0 / 14};
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(coordinates[i], expected[i], 1e-14);
    EXPECT_EQ(system.solutionAt(i), coordinates[i]);
  }
  // The system keeps its own copy of the right-hand side.
  rhs[1] = 5.0;
  EXPECT_EQ(doublesOf(*system.rhs), (std::vector<double>{1, 1, 1}));
}

TEST(SparseSystem, NonConvergenceLine) {
  SparseSystem system;
  system.size = 2;
  system.add(0, 0, 4.0);
  system.add(1, 1, 9.0);
  system.buildMatrix();
  system.buildPreconditioner();
  double coordinates[] = {0.0, 0.0};
  const double rhs[] = {4.0, 0.0};
  system.setInitialGuess(coordinates);
  system.setRhs(rhs);
  CapturedOutput capture;
  system.solve(1e-6, 0);
  EXPECT_EQ(capture.text(), "Result = 1 , tol =  1.00000, iter = 0\n");
  EXPECT_EQ(coordinates[0], 0.0);
  EXPECT_EQ(coordinates[1], 0.0);
}

// A node with no points and no elastic link leaves a zero diagonal; an
// inconsistent right-hand side then breaks the iteration down. The solve
// reports it like a non-converged one and keeps finite coordinates.
TEST(SparseSystem, SingularSystemKeepsFiniteCoordinates) {
  SparseSystem system;
  system.size = 2;
  system.add(0, 0, 0.0);
  system.add(1, 1, 1.0);
  system.buildMatrix();
  system.buildPreconditioner();
  double coordinates[] = {0.0, 0.0};
  const double rhs[] = {1.0, 1.0};
  system.setInitialGuess(coordinates);
  system.setRhs(rhs);
  CapturedOutput capture;
  system.solve(1e-6, 7);
  EXPECT_EQ(capture.text(), "Result = 1 , tol =  1.00000, iter = 7\n");
  EXPECT_EQ(coordinates[0], 2.0);
  EXPECT_EQ(coordinates[1], 2.0);
}

}  // namespace manifit

namespace manifit {

TEST(SparseSystem, AMissingDiagonalEndsTheGuardedRunAndTheSystemCanBeRebuilt) {
  SparseSystem system;
  system.size = 2;
  system.reset();
  system.add(0, 0, 4.0);
  system.add(1, 0, -1.0);
  system.add(0, 1, -1.0);
  system.buildMatrix();
  const Status status = guardRun([&system] {
    system.buildPreconditioner();
    return Status::success();
  });
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.stream, MessageStream::StandardError);
  EXPECT_EQ(status.message, "IC Preconditioner: diagonal not found!1\n");
  EXPECT_EQ(system.preconditioner, nullptr);

  addTridiagonal(system);
  system.buildMatrix();
  system.buildPreconditioner();
  ASSERT_NE(system.preconditioner, nullptr);
  EXPECT_EQ(system.preconditioner->values[0], 2.0);
}

}  // namespace manifit
