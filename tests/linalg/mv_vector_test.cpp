#include <gtest/gtest.h>

#include "linalg/fatal_exit.h"
#include "linalg/mv_vector.h"

namespace manifit {

using ::testing::ExitedWithCode;

TEST(MvVector, ConstructorsSetLengthAndElements) {
  const MV_Vector_double empty;
  EXPECT_EQ(empty.length(), 0);
  EXPECT_EQ(empty.data(), nullptr);

  const MV_Vector_double none(0);
  EXPECT_EQ(none.length(), 0);

  const MV_Vector_double filled(3, 2.5);
  ASSERT_EQ(filled.length(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(filled[i], 2.5);

  const double source[] = {1.0, -2.0, 3.5};
  MV_Vector_double copied(source, 3);
  EXPECT_EQ(copied(0), 1.0);
  EXPECT_EQ(copied[1], -2.0);
  copied(2) = 7.0;
  EXPECT_EQ(source[2], 3.5);
  EXPECT_EQ(copied[2], 7.0);

  const int indices[] = {4, 5};
  const MV_Vector_int ints(indices, 2);
  EXPECT_EQ(ints.length(), 2);
  EXPECT_EQ(ints(0), 4);
  EXPECT_EQ(ints[1], 5);
  const MV_Vector_int zeros(4, 0);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(zeros[i], 0);
}

TEST(MvVector, CopiesAreIndependent) {
  MV_Vector_double original(2, 1.0);
  MV_Vector_double copy(original);
  copy[0] = 9.0;
  EXPECT_EQ(original[0], 1.0);

  MV_Vector_int ints(2, 3);
  MV_Vector_int intCopy(ints);
  intCopy[1] = 8;
  EXPECT_EQ(ints[1], 3);
}

TEST(MvVector, AssignmentResizesAndCopies) {
  MV_Vector_double target;
  const double source[] = {1.0, 2.0, 3.0};
  const MV_Vector_double three(source, 3);
  target = three;
  ASSERT_EQ(target.length(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(target[i], source[i]);

  // Equal lengths keep the storage.
  const double* storage = target.data();
  target = MV_Vector_double(3, -1.0);
  EXPECT_EQ(target.data(), storage);
  EXPECT_EQ(target[2], -1.0);

  const MV_Vector_double& itself = target;
  target = itself;
  EXPECT_EQ(target.length(), 3);
  EXPECT_EQ(target[1], -1.0);

  MV_Vector_int ints(1, 5);
  ints = MV_Vector_int(3, 6);
  ASSERT_EQ(ints.length(), 3);
  EXPECT_EQ(ints[2], 6);
}

TEST(MvVector, NewsizeKeepsElementsOnlyForTheSameLength) {
  MV_Vector_double v(2, 4.0);
  v.newsize(2);
  EXPECT_EQ(v[0], 4.0);
  EXPECT_EQ(v[1], 4.0);
  v.newsize(5);
  EXPECT_EQ(v.length(), 5);
  v.newsize(0);
  EXPECT_EQ(v.length(), 0);

  MV_Vector_int ints(2, 7);
  ints.newsize(2);
  EXPECT_EQ(ints[1], 7);
  ints.newsize(6);
  EXPECT_EQ(ints.length(), 6);
}

// A length that cannot be obtained (negative here) takes the
// out-of-memory path of each constructor.
TEST(MvVectorDeathTest, StorageFailuresPrintOnStandardError) {
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { MV_Vector_double v(-1); });
      },
      ExitedWithCode(1),
      exactly("Error: NULL pointer in MV_Vector_double(int) constructor \n"
              "       Most likely out of memory... \n"));
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { MV_Vector_double v(-1, 0.0); });
      },
      ExitedWithCode(1),
      exactly("Error: NULL pointer in MV_Vector_double(int) constructor \n"
              "       Most likely out of memory... \n"));
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { MV_Vector_double v(nullptr, -2); });
      },
      ExitedWithCode(1), exactly("Error: Null pointer in MV_Vector_double(double*, int) \n"));
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { MV_Vector_int v(-1); });
      },
      ExitedWithCode(1),
      exactly("Error: NULL pointer in MV_Vector_int(int) constructor \n"
              "       Most likely out of memory... \n"));
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { MV_Vector_int v(nullptr, -2); });
      },
      ExitedWithCode(1), exactly("Error: Null pointer in MV_Vector_int(int*, int) \n"));
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] {
          MV_Vector_double v(1);
          v.newsize(-3);
        });
      },
      ExitedWithCode(1), exactly("Error : NULL pointer in operator= \n"));
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] {
          MV_Vector_int v(1);
          v.newsize(-3);
        });
      },
      ExitedWithCode(1), exactly("Error : NULL pointer in operator= \n"));
}

}  // namespace manifit
