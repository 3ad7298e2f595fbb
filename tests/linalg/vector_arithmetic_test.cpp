#include "linalg/vector_arithmetic.h"

#include <gtest/gtest.h>

#include "linalg/fatal_exit.h"
#include "linalg/matrix_builders.h"
#include "support/vector_operators.h"

namespace manifit {

using ::testing::ExitedWithCode;

TEST(VectorArithmetic, ElementWiseResults) {
  const MV_Vector_double x = vectorOf({1.0, -1.0});
  const MV_Vector_double scaled = 2.0 * x;
  EXPECT_EQ(scaled[0], 2.0);
  EXPECT_EQ(scaled[1], -2.0);
  EXPECT_EQ(x[0], 1.0);
  EXPECT_EQ(x[1], -1.0);

  const MV_Vector_double y = vectorOf({0.5, 4.0});
  const MV_Vector_double sum = x + y;
  EXPECT_EQ(sum[0], 1.5);
  EXPECT_EQ(sum[1], 3.0);
  const MV_Vector_double difference = x - y;
  EXPECT_EQ(difference[0], 0.5);
  EXPECT_EQ(difference[1], -5.0);

  MV_Vector_double z = x;
  z += y;
  EXPECT_EQ(z[1], 3.0);
  z -= y;
  z -= y;
  EXPECT_EQ(z[0], 0.5);
  EXPECT_EQ(z[1], -5.0);
}

TEST(VectorArithmetic, DotAndNorm) {
  EXPECT_EQ(euclidean_norm(vectorOf({3.0, 4.0})), 5.0);
  const MV_Vector_double empty(0);
  EXPECT_EQ(dot(empty, empty), 0.0);
  EXPECT_EQ(euclidean_norm(MV_Vector_double()), 0.0);
  // Ascending accumulation from 0.0: (1e16 + 1) - 1e16 loses the 1.
  EXPECT_EQ(dot(vectorOf({1e16, 1.0, -1e16}), vectorOf({1.0, 1.0, 1.0})), 0.0);
}

TEST(VectorArithmeticDeathTest, LengthMismatchesPrintOnStandardOutput) {
  const MV_Vector_double three(3, 1.0);
  const MV_Vector_double four(4, 1.0);
  EXPECT_EXIT(
      {
        watchStandardOutput();
        endAsTheProgramDoes([&] { three + four; });
      },
      ExitedWithCode(1), exactly("Incompatible vector lengths in +.\n"));
  EXPECT_EXIT(
      {
        watchStandardOutput();
        endAsTheProgramDoes([&] {
          MV_Vector_double x(three);
          x += four;
        });
      },
      ExitedWithCode(1), exactly("Incompatible vector lengths in +.\n"));
  EXPECT_EXIT(
      {
        watchStandardOutput();
        endAsTheProgramDoes([&] { three - four; });
      },
      ExitedWithCode(1), exactly("Incompatible vector lengths in -.\n"));
  EXPECT_EXIT(
      {
        watchStandardOutput();
        endAsTheProgramDoes([&] {
          MV_Vector_double x(three);
          x -= four;
        });
      },
      ExitedWithCode(1), exactly("Incompatible vector lengths in -.\n"));
  EXPECT_EXIT(
      {
        watchStandardOutput();
        endAsTheProgramDoes([&] { dot(three, four); });
      },
      ExitedWithCode(1), exactly("Incompatible dimensions in dot(). \n"));
}

}  // namespace manifit
