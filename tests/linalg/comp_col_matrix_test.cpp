#include "linalg/comp_col_matrix.h"

#include <gtest/gtest.h>

#include <vector>

#include "linalg/fatal_exit.h"
#include "linalg/matrix_builders.h"

namespace manifit {

using ::testing::ExitedWithCode;

namespace {

const std::vector<Entry> kTridiagonal = {{0, 0, 4},  {0, 1, -1}, {1, 0, -1}, {1, 1, 4},
                                         {1, 2, -1}, {2, 1, -1}, {2, 2, 4}};

}  // namespace

TEST(CoordMatrix, CopiesTheEntriesInTheGivenOrder) {
  const int rows[] = {2, 0};
  const int columns[] = {1, 1};
  const double values[] = {5.0, 6.0};
  const CoordMatrix m(3, 2, 2, values, rows, columns, 0);
  EXPECT_EQ(m.dims[0], 3);
  EXPECT_EQ(m.dims[1], 2);
  EXPECT_EQ(m.nonzeros, 2);
  EXPECT_EQ(m.base, 0);
  EXPECT_EQ(m.row(0), 2);
  EXPECT_EQ(m.column(1), 1);
  EXPECT_EQ(m.value(1), 6.0);
}

TEST(CompColMatrix, ConvertsTheTridiagonalExample) {
  const CompColMatrix a = convert(3, 3, kTridiagonal);
  EXPECT_EQ(a.nonzeros, 7);
  EXPECT_EQ(a.dims[0], 3);
  EXPECT_EQ(a.dims[1], 3);
  EXPECT_EQ(intsOf(a.col_start), (std::vector<int>{0, 2, 5, 7}));
  EXPECT_EQ(intsOf(a.row_index), (std::vector<int>{0, 1, 0, 1, 2, 1, 2}));
  EXPECT_EQ(doublesOf(a.values), (std::vector<double>{4, -1, -1, 4, -1, -1, 4}));
  EXPECT_EQ(doublesOf(a * vectorOf({1, 1, 1})), (std::vector<double>{3, 2, 3}));
}

TEST(CompColMatrix, KeepsTheSourceOrderWithinAColumn) {
  const CompColMatrix a = convert(3, 2, {{2, 1, 1.0}, {0, 0, 5.0}, {1, 1, 2.0}, {0, 1, 3.0}});
  EXPECT_EQ(intsOf(a.col_start), (std::vector<int>{0, 1, 4}));
  EXPECT_EQ(intsOf(a.row_index), (std::vector<int>{0, 2, 1, 0}));
  EXPECT_EQ(doublesOf(a.values), (std::vector<double>{5, 1, 2, 3}));
}

TEST(CompColMatrix, EmptyColumnsAndEmptyMatrices) {
  const CompColMatrix a = convert(3, 3, {{0, 0, 2.0}, {2, 2, 3.0}});
  EXPECT_EQ(intsOf(a.col_start), (std::vector<int>{0, 1, 1, 2}));
  // The middle column contributes nothing, even for an infinite element.
  EXPECT_EQ(doublesOf(a * vectorOf({1.0, 1e308 * 10, 2.0})), (std::vector<double>{2, 0, 6}));

  const CompColMatrix none = convert(2, 2, {});
  EXPECT_EQ(intsOf(none.col_start), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(doublesOf(none * vectorOf({3.0, 4.0})), (std::vector<double>{0, 0}));

  const CompColMatrix zeroOrder = convert(0, 0, {});
  EXPECT_EQ(intsOf(zeroOrder.col_start), (std::vector<int>{0}));
  EXPECT_EQ((zeroOrder * MV_Vector_double(0)).length(), 0);
  // Vectors without any storage are fine operands for an order-0 matrix.
  MV_Vector_double nothing;
  multiplyInto(zeroOrder, MV_Vector_double(), nothing);
  EXPECT_EQ(nothing.length(), 0);
}

TEST(CompColMatrix, RepeatedEntriesStaySeparateAndBothCount) {
  const CompColMatrix a = convert(2, 2, {{1, 0, 1.5}, {1, 0, 2.5}, {0, 1, 1.0}});
  EXPECT_EQ(a.nonzeros, 3);
  EXPECT_EQ(intsOf(a.row_index), (std::vector<int>{1, 1, 0}));
  EXPECT_EQ(doublesOf(a * vectorOf({2.0, 3.0})), (std::vector<double>{3, 8}));
}

TEST(CompColMatrix, ProductOfARectangularMatrix) {
  // [1 2 0; 0 0 3] * (1, 10, 100)
  const CompColMatrix a = convert(2, 3, {{0, 0, 1}, {0, 1, 2}, {1, 2, 3}});
  EXPECT_EQ(doublesOf(a * vectorOf({1, 10, 100})), (std::vector<double>{21, 300}));
}

TEST(CompColMatrixDeathTest, FatalConditions) {
  const CompColMatrix a = convert(3, 3, kTridiagonal);
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { a* vectorOf({1, 1}); });
      },
      ExitedWithCode(1), exactly("Error in CompCol Matvec -- incompatible dimensions.\n"));
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { convert(2, 2, {{0, 2, 1.0}}); });
      },
      ExitedWithCode(1), exactly("Error in CompCol conversion -- entry index out of range.\n"));
  EXPECT_EXIT(
      {
        watchStandardError();
        endAsTheProgramDoes([&] { convert(2, 2, {{-1, 0, 1.0}}); });
      },
      ExitedWithCode(1), exactly("Error in CompCol conversion -- entry index out of range.\n"));
}

}  // namespace manifit
