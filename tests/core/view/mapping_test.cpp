#include "view/mapping.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/catalogue.h"
#include "model/geometry.h"
#include "model/kinematics.h"
#include "view/scales.h"

namespace pelvoro {
namespace {

class Mapping : public ::testing::Test {
 protected:
  void SetUp() override {
    setPaneSizes(view, 800, 600, 400, 600);
    view.currentScale = 20;
    vehicle = applyVehiclePreset(*findVehiclePreset("东南菱帅"));
    尺寸比例(view, vehicle, 2);
  }
  MotionState poseAt(double heading) {
    MotionState m;
    m.vehicleX = 150, m.vehicleY = 320, m.heading = heading;
    计算定位(m, vehicle, 0, 0);
    return m;
  }
  ViewLayout view;
  VehicleParameters vehicle;
};

TEST_F(Mapping, VehicleFrameIsCentredAndScaled) {
  EXPECT_EQ(车辆定位X(view, 0), 400);
  EXPECT_EQ(车辆定位Y(view, 0), 300);
  EXPECT_DOUBLE_EQ(车辆定位Y(view, -20), 300 - view.closeUpScale);  // one metre ahead
  EXPECT_DOUBLE_EQ(由全景比例转换(view, 40), 2 * view.closeUpScale);
}

TEST_F(Mapping, GroundPointAheadMapsStraightUpWhateverTheHeading) {
  for (double heading : {0.0, 0.4, HALF_PI, 2.9, THREE_HALF_PI, 5.5, -1.2, 9.0}) {
    SCOPED_TRACE(heading);
    const MotionState m = poseAt(heading);
    const double cx = (m.rightRearCornerX + m.leftFrontCornerX) / 2;
    const double cy = (m.rightRearCornerY + m.leftFrontCornerY) / 2;
    // One metre ahead of the body centre.
    const double ax = cx + 20 * std::cos(heading), ay = cy + 20 * std::sin(heading);
    EXPECT_NEAR(相对框坐标X(view, m, ax, ay), 400, 1e-9);
    EXPECT_NEAR(相对框坐标Y(view, m, ax, ay), 300 - view.closeUpScale, 1e-9);
    // One metre to the right, (−sin ψ, cos ψ).
    const double rx = cx - 20 * std::sin(heading), ry = cy + 20 * std::cos(heading);
    EXPECT_NEAR(相对框坐标X(view, m, rx, ry), 400 + view.closeUpScale, 1e-9);
    EXPECT_NEAR(相对框坐标Y(view, m, rx, ry), 300, 1e-9);
    // The body centre is the pane centre.
    EXPECT_NEAR(相对框坐标X(view, m, cx, cy), 400, 1e-12);
  }
}

}  // namespace
}  // namespace pelvoro
