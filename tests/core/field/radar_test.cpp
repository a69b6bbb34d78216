#include "field/radar.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/geometry.h"
#include "model/kinematics.h"
#include "view/scales.h"

namespace pelvoro {
namespace {

// A body 120 long and 50 wide centred at (cx, cy), turned by `heading`.
MotionState body(double cx, double cy, double heading) {
  MotionState m;
  const double fx = std::cos(heading), fy = std::sin(heading), nx = std::sin(heading), ny = -std::cos(heading);
  const auto corner = [&](double along, double left, double& x, double& y) {
    x = cx + along * fx + left * nx;
    y = cy + along * fy + left * ny;
  };
  corner(-60, 25, m.leftRearCornerX, m.leftRearCornerY);
  corner(-60, -25, m.rightRearCornerX, m.rightRearCornerY);
  corner(60, 25, m.leftFrontCornerX, m.leftFrontCornerY);
  corner(60, -25, m.rightFrontCornerX, m.rightFrontCornerY);
  return m;
}

TEST(Radar, ClearanceToTheGroundPaneEdges) {
  ViewLayout view;
  setPaneSizes(view, 800, 600, 800, 600);
  EXPECT_DOUBLE_EQ(行车雷达(body(400, 300, 0), view), 275);
  EXPECT_NEAR(行车雷达(body(745, 300, 0), view), -5, 1e-12);  // front 5 units beyond the right edge
  EXPECT_NEAR(行车雷达(body(400, 300, PI / 4), view), 300 - 85 / std::sqrt(2.0), 1e-9);
  EXPECT_NEAR(行车雷达(body(400, 300, PI / 4), view), 239.9, 0.05);
  EXPECT_NEAR(行车雷达(body(740, 300, 0), view), 0, 1e-12);  // touching counts as 0
}

}  // namespace
}  // namespace pelvoro
