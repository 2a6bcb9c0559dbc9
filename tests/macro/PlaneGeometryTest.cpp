#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "macro/PlaneGeometry.h"

namespace qv {
namespace {

constexpr double kEps = 1e-9;

// Tolerances are process-wide: each test starts from the engine's 0.0001 and leaves them as
// they were.
class PlaneGeometryTest : public ::testing::Test {
 protected:
  ScopedTolerances tolerances{1e-4, 1e-4, 1e-4, 1e-4, 1e-4, 1e-4};
};

void ExpectNear(Point actual, Point expected) {
  EXPECT_NEAR(actual.x, expected.x, kEps);
  EXPECT_NEAR(actual.y, expected.y, kEps);
}

TEST_F(PlaneGeometryTest, SetTolerancesKeepsTheOnesGivenAsZero) {
  SetTolerances(0.5, 0, 0.25, 0, 0, 0.01);
  const GeometryTolerances expected{0.5, 1e-4, 0.25, 1e-4, 1e-4, 0.01};
  EXPECT_EQ(Tolerances(), expected);
}

TEST_F(PlaneGeometryTest, ScopedTolerancesPutThePreviousOnesBackOnEveryWayOut) {
  SetTolerances(0.5, 0, 0, 0, 0, 0);
  const GeometryTolerances before = Tolerances();
  const auto pass = [](bool fails) {
    const ScopedTolerances wide(0.01, 0.01, 0, 0.01, 0.01, 0.01);
    EXPECT_EQ(Tolerances(), (GeometryTolerances{0.01, 0.01, 1e-4, 0.01, 0.01, 0.01}));
    if (fails) throw std::runtime_error("the pass failed");
  };
  EXPECT_THROW(pass(true), std::runtime_error);
  EXPECT_EQ(Tolerances(), before);
  pass(false);
  EXPECT_EQ(Tolerances(), before);
}

TEST_F(PlaneGeometryTest, ShortVectorsAreDegenerate) {
  EXPECT_EQ(VectorBetween({1, 1}, {4, 5}), (VectorInfo{3, 4, 5, false}));
  const VectorInfo tiny = VectorBetween({1, 1}, {1.00005, 1});
  EXPECT_TRUE(tiny.degenerate);
  EXPECT_EQ(tiny.length, 0);
  EXPECT_EQ(UnitVector({2, 2}, {2, 2}), (UnitVectorInfo{{1, 0}, 0}));
  EXPECT_EQ(LineThroughPoints({2, 2}, {2, 2}), (Line{1, 0, 0}));
  SetTolerances(0.00001, 0, 0, 0, 0, 0);
  EXPECT_FALSE(VectorBetween({1, 1}, {1.00005, 1}).degenerate);
}

TEST_F(PlaneGeometryTest, LinesKeepTheLeftSidePositive) {
  const Line up = LineThroughPoints({1, 0}, {1, 5});  // x = 1, heading +y
  EXPECT_NEAR(up.a, 0, kEps);
  EXPECT_NEAR(up.b, 1, kEps);
  EXPECT_EQ(SideOfLine({0, 3}, up), 1);
  EXPECT_EQ(SideOfLine({2, 3}, up), -1);
  EXPECT_EQ(SideOfLine({1.00005, 3}, up), 0);
  const Line diagonal = LineAtAngle({0, 1}, kPi / 4);
  EXPECT_EQ(SideOfLine({3, 4}, diagonal), 0);
  EXPECT_EQ(SideOfLine({0, 2}, diagonal), 1);
}

TEST_F(PlaneGeometryTest, RotationsTurnCounterClockwise) {
  ExpectNear(RotatePoint({2, 1}, {1, 1}, 0, 1), {1, 2});
  const Line turned = RotateLineAboutPoint(LineAtAngle({0, 0}, 0), {3, 2}, 0, 1);
  EXPECT_NEAR(turned.a, 0, kEps);
  EXPECT_NEAR(turned.b, 1, kEps);
  EXPECT_EQ(SideOfLine({3, 10}, turned), 0);
}

TEST_F(PlaneGeometryTest, CrossingLinesMeetAtTheirCommonPoint) {
  const Line l1 = LineThroughPoints({0, 0}, {4, 4});
  const Line l2 = LineThroughPoints({0, 4}, {4, 0});
  ExpectNear(LineLineIntersection(l1, l2), {2, 2});
  EXPECT_EQ(CrossSign(l1, l2), -1);
  EXPECT_EQ(CrossSign(l2, l1), 1);
  EXPECT_EQ(CrossSign(l1, LineThroughPoints({1, 0}, {5, 4})), 0);
}

TEST_F(PlaneGeometryTest, LineCircleCountUsesTheTangentTolerance) {
  const Line horizontal = LineAtAngle({0, 10.00005}, 0);
  EXPECT_EQ(LineCircleCount(horizontal, {0, 0}, 10), 1);
  EXPECT_EQ(LineCircleCount(LineAtAngle({0, 10.001}, 0), {0, 0}, 10), 0);
  EXPECT_EQ(LineCircleCount(LineAtAngle({0, 9}, 0), {0, 0}, 10), 2);
  EXPECT_EQ(LineCircleCount(LineAtAngle({0, 0}, 0), {0, 0}, 0.0000005), 0);
}

TEST_F(PlaneGeometryTest, PointOnLineAtDistance) {
  const Line axis = LineAtAngle({0, 0}, 0);  // the x axis heading +x
  // Perpendicular from a point on the left: (b, -a) points to the right, times sign +1.
  ExpectNear(PointOnLineAtDistance(axis, {2, 3}, 1, 1, 1), {2, 2});
  ExpectNear(PointOnLineAtDistance(axis, {2, -3}, 1, 1, 1), {2, -2});
  // Along the line from the foot of P, on either side.
  ExpectNear(PointOnLineAtDistance(axis, {2, 3}, 5, 1, 2), {6, 0});
  ExpectNear(PointOnLineAtDistance(axis, {2, 3}, 5, -1, 2), {-2, 0});
}

TEST_F(PlaneGeometryTest, CircleCircleCountAndMeetingPoints) {
  EXPECT_EQ(CircleCircleCount({0, 0}, 5, {8, 0}, 5), 2);
  EXPECT_EQ(CircleCircleCount({0, 0}, 5, {10.00005, 0}, 5), 1);
  EXPECT_EQ(CircleCircleCount({0, 0}, 5, {11, 0}, 5), 0);
  EXPECT_EQ(CircleCircleCount({0, 0}, 5, {1, 0}, 2), 0);  // inside
  EXPECT_EQ(CircleCircleCount({0, 0}, 5, {3, 0}, 2), 1);  // touching inside
  EXPECT_EQ(CircleCircleCount({0, 0}, 5, {0, 0}, 5), 0);  // same centre
  ExpectNear(CircleCircleIntersection({0, 0}, 5, {8, 0}, 5, 1, 2), {4, 3});
  ExpectNear(CircleCircleIntersection({0, 0}, 5, {8, 0}, 5, -1, 2), {4, -3});
  ExpectNear(CircleCircleIntersection({0, 0}, 5, {10, 0}, 5, 1, 1), {5, 0});
  ExpectNear(CircleCircleIntersection({0, 0}, 5, {3, 0}, 2, 1, 1), {5, 0});
}

TEST_F(PlaneGeometryTest, ArcCentreFromRadiusPicksASideByItsFlags) {
  Point centre;
  ASSERT_EQ(ArcCentreFromRadius({0, 0}, {8, 0}, 5, 1, 1, centre), 0);
  ExpectNear(centre, {4, 3});
  ASSERT_EQ(ArcCentreFromRadius({0, 0}, {8, 0}, 5, 1, -1, centre), 0);
  ExpectNear(centre, {4, -3});
  ASSERT_EQ(ArcCentreFromRadius({0, 0}, {8, 0}, 5, 0, 1, centre), 0);
  ExpectNear(centre, {4, -3});
  EXPECT_EQ(ArcCentreFromRadius({0, 0}, {20, 0}, 5, 1, 1, centre), -1);
}

TEST_F(PlaneGeometryTest, AnglesNearTheAxes) {
  EXPECT_EQ(DirectionAngle({0, 0}, {-1, 1e-11}), kPi);
  EXPECT_EQ(SafeAngle(0.0000001, 0.0000001), 0);
  EXPECT_EQ(SafeAngle(-2, 0.0000005), -kPi / 2);
  EXPECT_NEAR(SafeAngle(1, 1), kPi / 4, kEps);
  EXPECT_EQ(AngleFromBase(-1, 0, 0), 3 * kPi / 2);
  EXPECT_EQ(AngleFromBase(0, -1, 0), kPi);
  EXPECT_NEAR(AngleFromBase(-1, 1, kPi / 4), 3 * kPi / 2, kEps);
  EXPECT_NEAR(AngleFromBase(1, 0, kPi), 3 * kPi / 2, kEps);
  EXPECT_EQ(Sign(-0.5), -1);
  EXPECT_EQ(Sign(0.0), 0);
}

TEST_F(PlaneGeometryTest, PointOnSegmentTest) {
  EXPECT_EQ(PointOnSegmentTest({0, 0}, {0, 0}, {4, 0}), 1);
  EXPECT_EQ(PointOnSegmentTest({4, 0.00005}, {0, 0}, {4, 0}), 2);
  EXPECT_EQ(PointOnSegmentTest({1, 0}, {0, 0}, {4, 0}), 0);
  EXPECT_EQ(PointOnSegmentTest({5, 0}, {0, 0}, {4, 0}), -1);
  EXPECT_EQ(PointOnSegmentTest({-1, 0}, {0, 0}, {4, 0}), -1);
}

TEST_F(PlaneGeometryTest, PointOnArcTestAcrossTheAnglePi) {
  const Point c{0, 0};
  // Counter-clockwise from 90 to 270 degrees, passing through 180.
  EXPECT_EQ(PointOnArcTest({-1, 0}, {0, 1}, {0, -1}, c, 1), 0);
  EXPECT_EQ(PointOnArcTest({1, 0}, {0, 1}, {0, -1}, c, 1), -1);
  EXPECT_EQ(PointOnArcTest({0, 1}, {0, 1}, {0, -1}, c, 1), 1);
  EXPECT_EQ(PointOnArcTest({0, -1}, {0, 1}, {0, -1}, c, 1), 2);
  // Counter-clockwise from 135 to -135 degrees crosses pi.
  EXPECT_EQ(PointOnArcTest({-1, -0.1}, {-1, 1}, {-1, -1}, c, 1), 0);
  EXPECT_EQ(PointOnArcTest({-1, 0.1}, {-1, 1}, {-1, -1}, c, 1), 0);
  // Clockwise from 90 down to -90 passes 0, not 180.
  EXPECT_EQ(PointOnArcTest({1, 0}, {0, 1}, {0, -1}, c, -1), 0);
  EXPECT_EQ(PointOnArcTest({-1, 0}, {0, 1}, {0, -1}, c, -1), -1);
}

TEST_F(PlaneGeometryTest, SweepAndTriangleArea) {
  EXPECT_NEAR(SweepAngle({1, 0}, {0, 0}, {0, 1}), kPi / 2, kEps);
  EXPECT_NEAR(SweepAngle({0, 1}, {0, 0}, {1, 0}), -kPi / 2, kEps);
  EXPECT_NEAR(SweepAngle({-1, 0.1}, {0, 0}, {-1, -0.1}), 2 * std::atan(0.1), kEps);
  EXPECT_NEAR(TriangleArea({0, 0}, {4, 0}, {0, 3}), 6, kEps);
  EXPECT_NEAR(TriangleArea({0, 3}, {4, 0}, {0, 0}), -6, kEps);
}

TEST_F(PlaneGeometryTest, BoxOfSegmentAndCircle) {
  Box box;
  InitBox(box);
  EXPECT_EQ(box, (Box{1e9, 1e9, -1e9, -1e9}));
  ElementBox(ElementKind::Segment, {{1, 5}, {-2, 3}, {}, 0}, box);
  EXPECT_EQ(box, (Box{-2, 3, 1, 5}));
  InitBox(box);
  ElementBox(ElementKind::Circle, {{}, {}, {10, 20}, -3}, box);
  EXPECT_EQ(box, (Box{7, 17, 13, 23}));
}

TEST_F(PlaneGeometryTest, BoxOfAnArcFollowsItsDirection) {
  Box box;
  ElementBox(ElementKind::Arc, {{10, 0}, {0, 10}, {0, 0}, 10}, box);
  EXPECT_EQ(box, (Box{0, 0, 10, 10}));
  box = Box{};
  // The negative radius runs from B to A the long way, through 180 and 270 degrees; the
  // points it adds are on the circle itself.
  ElementBox(ElementKind::Arc, {{10, 0}, {0, 10}, {0, 0}, -10}, box);
  EXPECT_EQ(box, (Box{-10, -10, 10, 10}));
  box = Box{};
  // From 300 degrees up through 0 (=360) to 60 degrees.
  const double c60 = 5, s60 = 5 * std::sqrt(3.0);
  ElementBox(ElementKind::Arc, {{100 + c60, -s60}, {100 + c60, s60}, {100, 0}, 10}, box);
  EXPECT_EQ(box.maxX, 110);
  EXPECT_EQ(box.minX, 100 + c60);
  EXPECT_EQ(box.minY, -s60);
  EXPECT_EQ(box.maxY, s60);
}

}  // namespace
}  // namespace qv
