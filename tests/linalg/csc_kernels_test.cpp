#include <gtest/gtest.h>

#include "linalg/csc_mult_add.h"
#include "linalg/csc_tri_solve.h"
#include "linalg/fatal_exit.h"

namespace manifit {

using ::testing::ExitedWithCode;

namespace {

// L = [2 0; 1 4] in compressed columns, diagonal first.
const double kValues[] = {2.0, 1.0, 4.0};
const int kRows[] = {0, 1, 1};
const int kStarts[] = {0, 2, 3};

struct TriSolveCall {
  int transa = 0;
  int unitd = 1;
  double beta = 0.0;
  int descra[3] = {0, 1, 0};
  double t[2] = {4.0, 10.0};

  void run() {
    const int m = 2;
    const int n = 1;
    const double alpha = 1.0;
    csc_tri_solve(&transa, &m, &n, &unitd, nullptr, &alpha, descra, kValues, kRows, kStarts, t, &m,
                  &beta, t + 1, &m, t, &m);
  }
};

void multiplyWithDescriptor(int kind) {
  const int m = 2;
  const int n = 1;
  const int descra[3] = {kind, 0, 0};
  const double alpha = 1.0;
  const double beta = 1.0;
  const double b[2] = {1, 1};
  double y[2] = {0, 0};
  const int transa = 0;
  csc_mult_add(&transa, &m, &n, &m, &alpha, descra, kValues, kRows, kStarts, b, &m, &beta, y + 1,
               &m, y, &m);
}

}  // namespace

TEST(CscMultAdd, AddsTheProductAndTransposedProduct) {
  const int m = 2;
  const int n = 1;
  const int k = 2;
  const double alpha = 1.0;
  const double beta = 1.0;
  const int descra[3] = {0, 0, 0};
  const double b[] = {1.0, 2.0};
  double y[] = {100.0, 200.0};
  const int plain = 0;
  csc_mult_add(&plain, &m, &n, &k, &alpha, descra, kValues, kRows, kStarts, b, &k, &beta, y + 1, &m,
               y, &m);
  EXPECT_EQ(y[0], 102.0);  // + 2*1
  EXPECT_EQ(y[1], 209.0);  // + 1*1 + 4*2
  double yt[] = {0.0, 0.0};
  const int transposed = 1;
  csc_mult_add(&transposed, &m, &n, &k, &alpha, descra, kValues, kRows, kStarts, b, &k, &beta,
               yt + 1, &m, yt, &m);
  EXPECT_EQ(yt[0], 4.0);  // 2*1 + 1*2
  EXPECT_EQ(yt[1], 8.0);  // 4*2
}

TEST(CscTriSolve, ForwardAndBackwardSolvesInPlace) {
  TriSolveCall forward;
  forward.run();  // L x = (4, 10)
  EXPECT_EQ(forward.t[0], 2.0);
  EXPECT_EQ(forward.t[1], 2.0);
  TriSolveCall backward;
  backward.transa = 1;
  backward.run();  // L' x = (4, 10)
  EXPECT_EQ(backward.t[1], 2.5);
  EXPECT_EQ(backward.t[0], 0.75);
}

TEST(CscKernelsDeathTest, DescriptorAndArgumentChecksInOrder) {
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { multiplyWithDescriptor(1); });
      },
      ExitedWithCode(1), exactly("Must have general matrix\n"));

  // Each call also breaks every later check, so the first message wins.
  TriSolveCall general;
  general.descra[0] = 3;
  general.beta = 1.0;
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { general.run(); });
      },
      ExitedWithCode(1), exactly("Must have general matrix\n"));
  TriSolveCall beta;
  beta.beta = 1.0;
  beta.transa = 7;
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { beta.run(); });
      },
      ExitedWithCode(1), exactly("beta != 0 not implemented\n"));
  TriSolveCall transa;
  transa.transa = 3;
  transa.descra[2] = 5;
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { transa.run(); });
      },
      ExitedWithCode(1), exactly("Bad transa\n"));
  TriSolveCall lowerUpper;
  lowerUpper.transa = 2;
  lowerUpper.descra[1] = 0;
  lowerUpper.descra[2] = 5;
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { lowerUpper.run(); });
      },
      ExitedWithCode(1), exactly("Bad descra[1]\n"));
  TriSolveCall diagonal;
  diagonal.descra[2] = 2;
  diagonal.unitd = 0;
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { diagonal.run(); });
      },
      ExitedWithCode(1), exactly("Bad descra[2]\n"));
  TriSolveCall unitd;
  unitd.unitd = 2;
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { unitd.run(); });
      },
      ExitedWithCode(1), exactly("unitd != 1 not implemented\n"));
}

}  // namespace manifit
