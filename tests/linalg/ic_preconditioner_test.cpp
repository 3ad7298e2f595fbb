#include "linalg/ic_preconditioner.h"

#include <gtest/gtest.h>

#include <cmath>

#include "linalg/fatal_exit.h"
#include "linalg/matrix_builders.h"
#include "support/vector_operators.h"

namespace manifit {

using ::testing::ExitedWithCode;

namespace {

const std::vector<std::vector<double>> kTridiagonal = {{4, -1, 0}, {-1, 4, -1}, {0, -1, 4}};
const std::vector<std::vector<double>> kFull = {{4, -1, -1}, {-1, 4, -1}, {-1, -1, 4}};

IcPreconditioner factorOf(const std::vector<std::vector<double>>& dense) {
  const int n = static_cast<int>(dense.size());
  return IcPreconditioner(convert(n, n, entriesOf(dense)));
}

}  // namespace

TEST(IcPreconditioner, DiagonalMatrix) {
  const IcPreconditioner m = factorOf({{4, 0}, {0, 9}});
  EXPECT_EQ(doublesOf(m.values), (std::vector<double>{2, 3}));
  EXPECT_EQ(intsOf(m.col_start), (std::vector<int>{0, 1, 2}));
  const MV_Vector_double r = vectorOf({8, 27});
  EXPECT_EQ(doublesOf(preconditioned(m, r)), (std::vector<double>{2, 3}));
  EXPECT_EQ(doublesOf(r), (std::vector<double>{8, 27}));
}

TEST(IcPreconditioner, TridiagonalFactorIsTheCholeskyFactor) {
  const IcPreconditioner m = factorOf(kTridiagonal);
  EXPECT_EQ(m.nonzeros, 5);
  EXPECT_EQ(intsOf(m.col_start), (std::vector<int>{0, 2, 4, 5}));
  EXPECT_EQ(intsOf(m.row_index), (std::vector<int>{0, 1, 1, 2, 2}));
  const double root = std::sqrt(3.75);
  EXPECT_EQ(doublesOf(m.values), (std::vector<double>{2, -0.5, root, -1 / root,
                                                      std::sqrt(4 - (1 / root) * (1 / root))}));
  const std::vector<double> z = doublesOf(preconditioned(m, vectorOf({1, 1, 1})));
  ASSERT_EQ(z.size(), 3u);
  EXPECT_NEAR(z[0], 5.0 / 14, 1e-15);
  EXPECT_NEAR(z[1], 6.0 / 14, 1e-15);
  EXPECT_NEAR(z[2], 5.0 / 14, 1e-15);
}

TEST(IcPreconditioner, OnlyTheLastEntryOfAColumnTakesPartInUpdates) {
  const IcPreconditioner m = factorOf(kFull);
  EXPECT_EQ(intsOf(m.col_start), (std::vector<int>{0, 3, 5, 6}));
  // Column 1's diagonal is not reduced by column 0's row-1 entry.
  EXPECT_EQ(doublesOf(m.values),
            (std::vector<double>{2, -0.5, -0.5, 2, -0.625, std::sqrt(3.359375)}));
}

TEST(IcPreconditioner, LowerOnlyAndUnsortedColumnsGiveTheSameFactor) {
  const IcPreconditioner full = factorOf(kFull);
  const IcPreconditioner lower = IcPreconditioner(
      convert(3, 3, {{0, 0, 4}, {1, 0, -1}, {2, 0, -1}, {1, 1, 4}, {2, 1, -1}, {2, 2, 4}}));
  EXPECT_EQ(doublesOf(lower.values), doublesOf(full.values));
  EXPECT_EQ(intsOf(lower.row_index), intsOf(full.row_index));
  // Rows of each column given in descending order, upper entries mixed in.
  const IcPreconditioner unsorted = IcPreconditioner(convert(3, 3,
                                                             {{2, 0, -1},
                                                              {0, 2, -1},
                                                              {1, 0, -1},
                                                              {0, 0, 4},
                                                              {2, 1, -1},
                                                              {2, 2, 4},
                                                              {1, 1, 4},
                                                              {0, 1, -1},
                                                              {1, 2, -1}}));
  EXPECT_EQ(doublesOf(unsorted.values), doublesOf(full.values));
  EXPECT_EQ(intsOf(unsorted.row_index), intsOf(full.row_index));
  EXPECT_EQ(intsOf(unsorted.col_start), intsOf(full.col_start));
}

TEST(IcPreconditioner, OrderZeroAndOne) {
  const IcPreconditioner empty(convert(0, 0, {}));
  EXPECT_EQ(preconditioned(empty, MV_Vector_double(0)).length(), 0);
  MV_Vector_double nothing;
  empty.applyInto(MV_Vector_double(), nothing);
  EXPECT_EQ(nothing.length(), 0);
  const IcPreconditioner single = factorOf({{16}});
  EXPECT_EQ(doublesOf(preconditioned(single, vectorOf({8}))), (std::vector<double>{0.5}));
}

// A pivot that is not positive falls back to the column's original diagonal
// when that is positive, and to 1 otherwise; the factor stays finite.
TEST(IcPreconditioner, NonPositivePivotsFallBack) {
  // Pivot of column 1: 1 - 2*2/1 = -3 < 0; its original diagonal is 1.
  const IcPreconditioner reduced = factorOf({{1, 2}, {2, 1}});
  EXPECT_EQ(doublesOf(reduced.values), (std::vector<double>{1, 2, 1}));
  // A zero and a negative diagonal entry fall back to 1.
  const IcPreconditioner singular(convert(3, 3, {{0, 0, 0.0}, {1, 1, -4}, {2, 2, 9}}));
  EXPECT_EQ(doublesOf(singular.values), (std::vector<double>{1, 1, 3}));
  EXPECT_EQ(doublesOf(preconditioned(singular, vectorOf({2, 3, 9}))),
            (std::vector<double>{2, 3, 1}));
  // A not-a-number entry does not spread into the pivot either.
  const IcPreconditioner undefined = factorOf({{std::nan(""), 0}, {0, 4}});
  EXPECT_EQ(doublesOf(undefined.values), (std::vector<double>{1, 2}));
}

TEST(IcPreconditionerDeathTest, MissingDiagonalNamesTheFirstFailingColumn) {
  // Columns 0..2 hold their diagonals; column 3 stores rows 1, 4 and 6.
  std::vector<Entry> entries = {{0, 0, 4},  {1, 1, 4}, {2, 2, 4}, {1, 3, -1}, {4, 3, -1},
                                {6, 3, -1}, {4, 4, 4}, {5, 5, 4}, {6, 6, 4}};
  const CompColMatrix a = convert(7, 7, entries);
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { IcPreconditioner m(a); });
      },
      ExitedWithCode(1), exactly("IC Preconditioner: diagonal not found!3\n"));
  // A column without any entry fails the same way.
  const CompColMatrix emptyColumn = convert(3, 3, {{0, 0, 1}, {2, 2, 1}});
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { IcPreconditioner m(emptyColumn); });
      },
      ExitedWithCode(1), exactly("IC Preconditioner: diagonal not found!1\n"));
}

TEST(IcPreconditionerDeathTest, ShapeChecks) {
  const IcPreconditioner m = factorOf(kTridiagonal);
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { preconditioned(m, vectorOf({1, 1})); });
      },
      ExitedWithCode(1),
      exactly("IC Preconditioner: vector length does not match the matrix order!\n"));
  const CompColMatrix wide = convert(2, 3, {{0, 0, 1}, {1, 1, 1}});
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { IcPreconditioner p(wide); });
      },
      ExitedWithCode(1), exactly("IC Preconditioner: matrix is not square!\n"));
}

}  // namespace manifit
