#include "model/geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/kinematics.h"

namespace pelvoro {
namespace {

TEST(Geometry, CircleConstantsComeFromOneLiteral) {
  EXPECT_EQ(PI / 2, HALF_PI);
  EXPECT_EQ(2 * PI, TWO_PI);
  EXPECT_NE(PI, M_PI);  // deliberately the shorter literal
  // Radians to degrees and back is exact with the one literal.
  const double angle = 0.7;
  EXPECT_EQ(PI / 180 * (180 * angle / PI), angle);
}

TEST(Geometry, MinMaxKeepTheValueOnTies) {
  EXPECT_EQ(Min(2, 1, 1, 3), 1);
  EXPECT_EQ(Max(2, 5, 5, 3), 5);
  EXPECT_EQ(Min(4, 3, 2, 1), 1);
  EXPECT_EQ(Max(-1, -2, -3, -4), -1);
  EXPECT_EQ(最小值(1, 2), 1);
  EXPECT_EQ(最大值(1, 2), 2);
  // Signed zeros expose which argument was returned on equality: b.
  EXPECT_TRUE(std::signbit(最小值(0.0, -0.0)));
  EXPECT_TRUE(std::signbit(最大值(0.0, -0.0)));
  double a = 5, b = 2;
  两数升序(a, b);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 5);
}

struct InclinationCase {
  const char* name;
  double x2, y2;
  double radians;
};

TEST(Geometry, InclinationFromTheOrigin) {
  const InclinationCase cases[] = {
      {"equal points", 0, 0, 0},
      {"straight down", 0, 5, HALF_PI},
      {"straight up", 0, -5, THREE_HALF_PI},
      {"left", -1, 0, PI},
      {"up-left", -1, -1, PI + std::atan(1.0)},
      {"down-right", 1, 1, std::atan(1.0)},
      {"up-right", 1, -1, -std::atan(1.0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_DOUBLE_EQ(两点倾角弧度(0, 0, c.x2, c.y2), c.radians);
  }
  EXPECT_GT(两点倾角弧度(0, 0, -1, -1), PI);
  EXPECT_LT(两点倾角弧度(0, 0, -1, -1), THREE_HALF_PI);
}

TEST(Geometry, InclinationInDegrees) {
  EXPECT_NEAR(两点倾角角度实值(0, 0, 1, 1), 45, 1e-12);
  EXPECT_NEAR(两点倾角角度实值(0, 0, -1, 1), 135, 1e-12);
  EXPECT_EQ(两点倾角角度实值(0, 0, 0, 0), 0);
  EXPECT_EQ(两点倾角角度实值(3, 3, 3, 9), 90);
  EXPECT_EQ(两点倾角角度实值(3, 3, 3, -9), 270);
  EXPECT_DOUBLE_EQ(两点倾角角度实值(0, 0, -1, 0), 180);
}

TEST(Geometry, NewFrameCoordinates) {
  for (double theta : {0.0, 1.0, -2.5, 7.0}) {
    EXPECT_EQ(新坐标系X(4, -3, 4, -3, theta), 0);
    EXPECT_EQ(新坐标系Y(4, -3, 4, -3, theta), 0);
  }
  // A frame whose x axis points down the screen: a point below the origin
  // lies on its x axis, a point to the left on its clockwise (positive y) side.
  EXPECT_NEAR(新坐标系X(0, 10, 0, 0, HALF_PI), 10, 1e-12);
  EXPECT_NEAR(新坐标系Y(0, 10, 0, 0, HALF_PI), 0, 1e-12);
  EXPECT_NEAR(新坐标系X(-3, 0, 0, 0, HALF_PI), 0, 1e-12);
  EXPECT_NEAR(新坐标系Y(-3, 0, 0, 0, HALF_PI), 3, 1e-12);
  EXPECT_DOUBLE_EQ(两点距离(1, 1, 4, 5), 5);
}

struct RectangleCase {
  const char* name;
  double px, py;
  double expected;
};

TEST(Geometry, SignedDistanceToAxisAlignedRectangle) {
  const RectangleCase cases[] = {
      {"inside, nearest side y = 0", 5, 1, 1},
      {"on a side", 10, 2, 0},
      {"on a corner", 0, 4, 0},
      {"corner region, 3-4-5", 13, 8, -5},
      {"beside, within y", -2, 3, -2},
      {"above, within x", 5, -0.5, -0.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_DOUBLE_EQ(在正交矩形内部(0, 0, 10, 4, c.px, c.py), c.expected);
    // Corners in reverse order give the same result.
    EXPECT_DOUBLE_EQ(在正交矩形内部(10, 4, 0, 0, c.px, c.py), c.expected);
    EXPECT_DOUBLE_EQ(在正交矩形内部(10, 0, 0, 4, c.px, c.py), c.expected);
  }
}

TEST(Geometry, DegenerateRectangleHasNoInside) {
  EXPECT_EQ(在正交矩形内部(0, 0, 10, 0, 5, 0), 0);
  EXPECT_LT(在正交矩形内部(0, 0, 10, 0, 5, 1e-9), 0);
  EXPECT_EQ(在正交矩形内部(3, 0, 3, 8, 3, 8), 0);
}

// A body 10 long and 4 wide facing +x with its left rear corner at the origin
// (the driver's left is −y when facing +x).
MotionState bodyFacingEast() {
  MotionState m;
  m.heading = 0;
  m.leftRearCornerX = 0, m.leftRearCornerY = 0;
  m.leftFrontCornerX = 10, m.leftFrontCornerY = 0;
  m.rightFrontCornerX = 10, m.rightFrontCornerY = 4;
  m.rightRearCornerX = 0, m.rightRearCornerY = 4;
  return m;
}

TEST(Geometry, SignedDistanceOutsideTheBody) {
  const MotionState body = bodyFacingEast();
  for (auto [x, y] : {std::pair{0.0, 0.0}, {10.0, 0.0}, {10.0, 4.0}, {0.0, 4.0}}) EXPECT_EQ(在车身外部(body, x, y), 0);
  EXPECT_DOUBLE_EQ(在车身外部(body, 5, 2), -2);        // centre: minus half the width
  EXPECT_DOUBLE_EQ(在车身外部(body, 5, 5), 1);         // one unit beside a long side
  EXPECT_DOUBLE_EQ(在车身外部(body, 13, 8), 5);        // beyond a corner, 3-4-5
  EXPECT_EQ(在车身外部(body, 5, 4), 0);                // on a long side
}

TEST(Geometry, SignedDistanceOutsideATurnedBody) {
  // The same body turned to face up the screen about its left rear corner.
  MotionState body;
  body.heading = THREE_HALF_PI;
  body.leftRearCornerX = 0, body.leftRearCornerY = 0;
  body.leftFrontCornerX = 0, body.leftFrontCornerY = -10;
  body.rightFrontCornerX = 4, body.rightFrontCornerY = -10;
  body.rightRearCornerX = 4, body.rightRearCornerY = 0;
  EXPECT_NEAR(在车身外部(body, 2, -5), -2, 1e-12);
  EXPECT_NEAR(在车身外部(body, 7, -5), 3, 1e-12);
  EXPECT_LT(在车身外部(body, 3.9, -0.1), 0);
  EXPECT_GT(在车身外部(body, 4.1, -0.1), 0);
}

}  // namespace
}  // namespace pelvoro
