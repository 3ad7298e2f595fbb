// The fatal conditions of the linear algebra seen from inside the process:
// each ends the guarded run with its fixed message, stream and status, and
// the process goes on, its objects still usable.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "common/run_failure.h"
#include "linalg/comp_col_matrix.h"
#include "linalg/csc_mult_add.h"
#include "linalg/ic_preconditioner.h"
#include "linalg/matrix_builders.h"
#include "linalg/mv_vector.h"
#include "linalg/vector_arithmetic.h"
#include "support/vector_operators.h"

namespace manifit {

namespace {

Status guarded(const std::function<void()>& body) {
  return guardRun([&body] {
    body();
    return Status::success();
  });
}

void expectFailure(const Status& status, const std::string& message, MessageStream stream) {
  EXPECT_EQ(status.exitCode, 1);
  EXPECT_EQ(status.message, message);
  EXPECT_EQ(status.stream, stream);
}

const MessageStream kError = MessageStream::StandardError;
const MessageStream kOutput = MessageStream::StandardOutput;

}  // namespace

TEST(FatalStatus, MissingDiagonalReturnsTheMessageAndTheProcessGoesOn) {
  // Column 1 stores only row 2: no diagonal.
  const CompColMatrix a = convert(3, 3, {{0, 0, 4}, {2, 1, -1}, {1, 2, -1}, {2, 2, 4}});
  expectFailure(guarded([&a] { IcPreconditioner m(a); }),
                "IC Preconditioner: diagonal not found!1\n", kError);
  // The same process builds and applies a sound preconditioner afterwards.
  const CompColMatrix sound = convert(2, 2, {{0, 0, 4}, {1, 1, 9}});
  Status applied = guarded([&sound] {
    const IcPreconditioner m(sound);
    const MV_Vector_double z = preconditioned(m, vectorOf({8, 27}));
    EXPECT_EQ(doublesOf(z), (std::vector<double>{2, 3}));
  });
  EXPECT_TRUE(applied.ok()) << applied.message;
}

TEST(FatalStatus, ShapeAndDescriptorConditions) {
  const CompColMatrix square = convert(3, 3, {{0, 0, 1}, {1, 1, 1}, {2, 2, 1}});
  expectFailure(guarded([&square] {
                  square* vectorOf({1, 2});
                }),
                "Error in CompCol Matvec -- incompatible dimensions.\n", kError);
  expectFailure(guarded([] {
                  convert(2, 2, {{0, 2, 1}});
                }),
                "Error in CompCol conversion -- entry index out of range.\n", kError);
  expectFailure(guarded([] {
                  IcPreconditioner(convert(2, 3, {{0, 0, 1}, {1, 1, 1}}));
                }),
                "IC Preconditioner: matrix is not square!\n", kError);
  const IcPreconditioner m(square);
  expectFailure(guarded([&m] { preconditioned(m, vectorOf({1})); }),
                "IC Preconditioner: vector length does not match the matrix order!\n", kError);
  const int transa = 0;
  const int one = 1;
  const double unit = 1.0;
  const int symmetric[3] = {1, 0, 0};
  double c[2] = {0, 0};
  const double b[1] = {1};
  expectFailure(guarded([&] {
                  csc_mult_add(&transa, &one, &one, &one, &unit, symmetric, nullptr, nullptr,
                               nullptr, b, &one, &unit, c + 1, &one, nullptr, nullptr);
                }),
                "Must have general matrix\n", kError);
}

TEST(FatalStatus, LengthMismatchesGoToStandardOutput) {
  const MV_Vector_double three(3, 1.0);
  const MV_Vector_double four(4, 1.0);
  expectFailure(guarded([&] { three + four; }), "Incompatible vector lengths in +.\n", kOutput);
  expectFailure(guarded([&] { three - four; }), "Incompatible vector lengths in -.\n", kOutput);
  expectFailure(guarded([&] { dot(three, four); }), "Incompatible dimensions in dot(). \n",
                kOutput);
  // The operand of a refused in-place sum is left untouched.
  MV_Vector_double x(three);
  expectFailure(guarded([&] { x += four; }), "Incompatible vector lengths in +.\n", kOutput);
  EXPECT_EQ(doublesOf(x), (std::vector<double>{1, 1, 1}));
}

TEST(FatalStatus, StorageFailuresLeaveUsableVectors) {
  expectFailure(guarded([] { MV_Vector_double v(-1); }),
                "Error: NULL pointer in MV_Vector_double(int) constructor \n"
                "       Most likely out of memory... \n",
                kError);
  expectFailure(guarded([] { MV_Vector_int v(nullptr, -2); }),
                "Error: Null pointer in MV_Vector_int(int*, int) \n", kError);
  // A failed resize leaves an empty vector that can be resized and destroyed.
  MV_Vector_double v(4, 2.0);
  expectFailure(guarded([&v] { v.newsize(-3); }), "Error : NULL pointer in operator= \n", kError);
  EXPECT_EQ(v.length(), 0);
  v.newsize(2);
  v[0] = 5.0;
  v[1] = 6.0;
  EXPECT_EQ(doublesOf(v), (std::vector<double>{5, 6}));
  MV_Vector_int ints(3, 7);
  expectFailure(guarded([&ints] { ints.newsize(-1); }), "Error : NULL pointer in operator= \n",
                kError);
  EXPECT_EQ(ints.length(), 0);
  ints = MV_Vector_int(2, 9);
  EXPECT_EQ(intsOf(ints), (std::vector<int>{9, 9}));
}

}  // namespace manifit
