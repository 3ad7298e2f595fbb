#include "geometry/distance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace manifit {
namespace {

TEST(SquaredDistances, EachKeepsItsOwnPrecision) {
  // 4096^2 = 2^24: a term of 1e-4 is lost in a single-precision sum only.
  const float cache[] = {9.0f, 0.0f, 0.0f};
  const float x[] = {4096.0f, 0.01f};
  EXPECT_EQ(16777216.0f, squaredDistanceToRow(cache, 1, x, 2));
  const std::vector<float> origin = {0.0f, 0.0f};
  const float square = 0.01f * 0.01f;
  EXPECT_EQ(16777216.0 + square, squaredDistanceList(origin, x, 2));
  // The double centroid enters the difference unrounded.
  const float one[] = {1.0f};
  const double tenth[] = {0.1};
  EXPECT_EQ((1.0 - 0.1) * (1.0 - 0.1), squaredDistance(one, tenth, 1));
  EXPECT_EQ(0.0f, squaredDistanceToRow(cache, 0, x, 0));
}

TEST(MeanAndDeviation, PopulationMomentsAndDegenerateSeries) {
  double mean = -1.0;
  double deviation = -1.0;
  const double v[] = {1.0, 2.0, 3.0, 4.0};
  meanAndDeviation(v, 4, mean, deviation);
  EXPECT_EQ(2.5, mean);
  EXPECT_EQ(std::sqrt(1.25), deviation);

  meanAndDeviation(v, 0, mean, deviation);
  EXPECT_EQ(0.0, mean);
  EXPECT_EQ(0.0, deviation);

  // 0.1 three times: the raw moments give a variance of about -1.7e-18.
  const double same[] = {0.1, 0.1, 0.1};
  meanAndDeviation(same, 3, mean, deviation);
  const double sum = 0.1 + 0.1 + 0.1;
  ASSERT_LT((0.1 * 0.1 + 0.1 * 0.1 + 0.1 * 0.1) / 3 - (sum / 3) * (sum / 3), 0.0);
  EXPECT_EQ(sum / 3, mean);
  EXPECT_EQ(0.0, deviation);
}

TEST(MinOf, ReturnsTheSmallerAndTheFirstOnATie) {
  const float a = 2.0f;
  const float b = 2.0f;
  const float c = 1.0f;
  EXPECT_EQ(&a, &minOf(a, b));
  EXPECT_EQ(&c, &minOf(a, c));
  EXPECT_EQ(&c, &minOf(c, a));
}

TEST(PointSegment, ProjectsAndClampsToTheSegment) {
  const float a[] = {0.0f, 0.0f};
  const float b[] = {2.0f, 0.0f};
  float t = -1.0f;
  const float inside[] = {0.5f, 3.0f};
  EXPECT_EQ(9.0f, pointSegment(inside, a, b, 2, t));
  EXPECT_EQ(0.25f, t);
  const float beyond[] = {5.0f, 4.0f};
  EXPECT_EQ(25.0f, pointSegment(beyond, a, b, 2, t));
  EXPECT_EQ(1.0f, t);
  const float before[] = {-3.0f, 4.0f};
  EXPECT_EQ(25.0f, pointSegment(before, a, b, 2, t));
  EXPECT_EQ(0.0f, t);
}

TEST(PointSegment, ZeroLengthSegmentMeasuresToItsStart) {
  const float a[] = {1.0f, 1.0f};
  const float x[] = {4.0f, 5.0f};
  float t = -1.0f;
  EXPECT_EQ(25.0f, pointSegment(x, a, a, 2, t));
  EXPECT_EQ(0.0f, t);
  EXPECT_EQ(0.0f, pointSegment(a, a, a, 2, t));
  EXPECT_EQ(0.0f, t);
}

TEST(PlaneCoordinates, LeastSquaresCoordinatesInTheTrianglesPlane) {
  const float a[] = {1.0f, 1.0f, 0.0f};
  const float b[] = {3.0f, 1.0f, 0.0f};
  const float c[] = {1.0f, 5.0f, 0.0f};
  const float x[] = {2.0f, 2.0f, 7.0f};
  float u = 0.0f;
  float v = 0.0f;
  planeCoordinates(x, a, b, c, 3, u, v);
  EXPECT_EQ(0.5f, u);
  EXPECT_EQ(0.25f, v);
}

class PointTriangleTest : public ::testing::Test {
 protected:
  const float a[3] = {0.0f, 0.0f, 0.0f};
  const float b[3] = {1.0f, 0.0f, 0.0f};
  const float c[3] = {0.0f, 1.0f, 0.0f};
  float u = -9.0f;
  float v = -9.0f;
};

TEST_F(PointTriangleTest, InsideProjectionGivesZeroWhateverTheHeight) {
  const float x[] = {0.25f, 0.25f, 100.0f};
  EXPECT_EQ(0.0f, pointTriangle(x, a, b, c, 3, u, v));
  EXPECT_EQ(0.25f, u);
  EXPECT_EQ(0.25f, v);
}

TEST_F(PointTriangleTest, OutsidePointsGoToTheNearestEdge) {
  const float belowAB[] = {0.5f, -2.0f, 0.0f};
  EXPECT_EQ(4.0f, pointTriangle(belowAB, a, b, c, 3, u, v));
  EXPECT_EQ(0.5f, u);
  EXPECT_EQ(0.0f, v);

  const float leftOfAC[] = {-1.0f, 0.75f, 1.0f};
  EXPECT_EQ(2.0f, pointTriangle(leftOfAC, a, b, c, 3, u, v));
  EXPECT_EQ(0.0f, u);
  EXPECT_EQ(0.75f, v);

  // Beyond the edge from c to b: the foot c + t3 (b - c) has u = t3, v = 1 - t3.
  const float beyondCB[] = {1.0f, 0.5f, 0.0f};
  float t3 = 0.0f;
  const float d3 = pointSegment(beyondCB, c, b, 3, t3);
  EXPECT_EQ(d3, pointTriangle(beyondCB, a, b, c, 3, u, v));
  EXPECT_NEAR(0.75f, t3, 1e-6);
  EXPECT_NEAR(t3, u, 1e-6);
  EXPECT_NEAR(1.0f - t3, v, 1e-6);
  EXPECT_NEAR(0.125f, d3, 1e-6);
}

TEST_F(PointTriangleTest, EqualEdgeDistancesPreferABThenAC) {
  const float corner[] = {-1.0f, -1.0f, 0.0f};  // 2 away from edges a-b and a-c
  EXPECT_EQ(2.0f, pointTriangle(corner, a, b, c, 3, u, v));
  EXPECT_EQ(0.0f, u);
  EXPECT_EQ(0.0f, v);
  const float beyondC[] = {-1.0f, 2.0f, 0.0f};  // 2 away from a-c and c-b, both at c
  EXPECT_EQ(2.0f, pointTriangle(beyondC, a, b, c, 3, u, v));
  EXPECT_EQ(0.0f, u);
  EXPECT_EQ(1.0f, v);
}

TEST(PointTriangle, DegenerateTrianglesStayFinite) {
  // Collinear or coincident corners: the determinant floor keeps u and v
  // finite (the numerators cancel, so the plane test sees the corner a).
  const float a[] = {0.0f, 0.0f};
  const float b[] = {2.0f, 0.0f};
  const float c[] = {4.0f, 0.0f};
  const float x[] = {1.0f, 3.0f};
  float u = -1.0f;
  float v = -1.0f;
  const float collinear = pointTriangle(x, a, b, c, 2, u, v);
  EXPECT_TRUE(std::isfinite(collinear) && std::isfinite(u) && std::isfinite(v));
  EXPECT_EQ(0.0f, u);
  EXPECT_EQ(0.0f, v);
  const float point = pointTriangle(x, a, a, a, 2, u, v);
  EXPECT_TRUE(std::isfinite(point) && std::isfinite(u) && std::isfinite(v));
}

}  // namespace
}  // namespace manifit
