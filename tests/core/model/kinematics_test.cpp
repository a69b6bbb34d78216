#include "model/kinematics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/catalogue.h"
#include "model/geometry.h"

namespace pelvoro {
namespace {

class Kinematics : public ::testing::Test {
 protected:
  void SetUp() override {
    vehicle = applyVehiclePreset(*findVehiclePreset("东南菱帅"));
    scaleToWorldUnits(vehicle, 30, 2);
    snap = 0.8 * vehicle.steerStep;
    m.vehicleX = 200;
    m.vehicleY = 500;
    m.heading = THREE_HALF_PI;
  }
  void step(int ticks = 1) {
    for (int i = 0; i < ticks; ++i) 计算定位(m, vehicle, 60, snap);
  }
  VehicleParameters vehicle;
  MotionState m;
  double snap = 0;
};

TEST_F(Kinematics, StandingStillMovesNothingButDerivesThePoints) {
  m.steerAngle = 3 * vehicle.steerStep;
  step();
  EXPECT_EQ(m.vehicleX, 200);
  EXPECT_EQ(m.vehicleY, 500);
  EXPECT_EQ(m.heading, THREE_HALF_PI);
  EXPECT_GT(m.turningCircleDiameter, 0);
  EXPECT_GT(m.rightWheelSteer, 0);
  EXPECT_NEAR(m.frontAxleY, 500 - vehicle.wheelbase, 1e-9);
}

TEST_F(Kinematics, BodyIsTheRectangleAboutTheRearAxle) {
  m.heading = 0.83;
  m.steerAngle = -2 * vehicle.steerStep;
  m.speed = 40;
  step(7);
  const double length = 两点距离(m.leftRearCornerX, m.leftRearCornerY, m.leftFrontCornerX, m.leftFrontCornerY);
  const double width = 两点距离(m.leftRearCornerX, m.leftRearCornerY, m.rightRearCornerX, m.rightRearCornerY);
  EXPECT_NEAR(length, vehicle.vehicleLength, 1e-9);
  EXPECT_NEAR(width, vehicle.vehicleWidth, 1e-9);
  EXPECT_NEAR(两点距离(m.vehicleX, m.vehicleY, m.frontAxleX, m.frontAxleY), vehicle.wheelbase, 1e-9);
  // The rear axle centre lies on the long axis, rearOverhang from the rear edge.
  const double rearMidX = (m.leftRearCornerX + m.rightRearCornerX) / 2;
  const double rearMidY = (m.leftRearCornerY + m.rightRearCornerY) / 2;
  EXPECT_NEAR(两点距离(rearMidX, rearMidY, m.vehicleX, m.vehicleY), vehicle.rearOverhang, 1e-9);
  // Left is (sin ψ, −cos ψ) from the rear axle centre.
  EXPECT_NEAR(m.leftRearWheelX - m.vehicleX, vehicle.rearTrack / 2 * std::sin(m.heading), 1e-9);
  EXPECT_NEAR(m.leftRearWheelY - m.vehicleY, -vehicle.rearTrack / 2 * std::cos(m.heading), 1e-9);
}

TEST_F(Kinematics, FullCircleReturnsToTheStartWithTwoPiMoreHeading) {
  m.steerAngle = vehicle.maxSteerAngle;
  m.speed = 10;
  step();  // one step to learn the radius and the step angle
  const double radius = std::abs(vehicle.wheelbase / std::tan(m.steerAngle));
  const double perTick = m.headingStep;
  EXPECT_NEAR(perTick, m.stepDistance / radius, 1e-15);
  // Choose a speed that closes the circle in a whole number of ticks.
  const int ticks = 400;
  m = MotionState{};
  m.vehicleX = 200, m.vehicleY = 500, m.heading = THREE_HALF_PI;
  m.steerAngle = vehicle.maxSteerAngle;
  m.speed = 2 * PI * radius / ticks / 0.06;
  step(ticks);
  EXPECT_NEAR(m.vehicleX, 200, 1e-6);
  EXPECT_NEAR(m.vehicleY, 500, 1e-6);
  EXPECT_NEAR(m.heading, THREE_HALF_PI + 2 * PI, 1e-9);  // not wrapped
}

TEST_F(Kinematics, SteeringRightTurnsClockwiseForwardAndAnticlockwiseInReverse) {
  m.steerAngle = 2 * vehicle.steerStep;
  m.speed = 30;
  step(5);
  EXPECT_GT(m.heading, THREE_HALF_PI);
  EXPECT_GT(m.vehicleX, 200);  // facing up, a right turn drifts right
  m = MotionState{};
  m.vehicleX = 200, m.vehicleY = 500, m.heading = THREE_HALF_PI;
  m.steerAngle = 2 * vehicle.steerStep;
  m.speed = -30;
  step(5);
  EXPECT_LT(m.heading, THREE_HALF_PI);
  EXPECT_GT(m.vehicleX, 200);  // reversing with right lock swings the rear to the right
  EXPECT_GT(m.vehicleY, 500);
}

TEST_F(Kinematics, SteeringAtTheSnapThresholdDrivesStraight) {
  m.steerAngle = snap;
  m.speed = 50;
  step();
  EXPECT_EQ(m.turningCircleDiameter, 0);
  EXPECT_EQ(m.headingStep, 0);
  EXPECT_EQ(m.heading, THREE_HALF_PI);
  EXPECT_NEAR(m.vehicleY, 500 - 3, 1e-12);
  m.steerAngle = std::nextafter(snap, 1.0);
  step();
  EXPECT_GT(m.turningCircleDiameter, 0);
}

TEST_F(Kinematics, InnerFrontWheelSteersMore) {
  m.steerAngle = 4 * vehicle.steerStep;
  step();
  EXPECT_GT(m.rightWheelSteer, m.leftWheelSteer);
  EXPECT_GT(m.leftWheelSteer, 0);
  m.steerAngle = -4 * vehicle.steerStep;
  step();
  EXPECT_LT(m.leftWheelSteer, m.rightWheelSteer);
  EXPECT_LT(m.rightWheelSteer, 0);
  EXPECT_GT(std::abs(m.leftWheelSteer), std::abs(m.rightWheelSteer));
}

TEST_F(Kinematics, FullLockTracesTheModelsTurningDiameter) {
  m.steerAngle = vehicle.maxSteerAngle;
  step();
  EXPECT_NEAR(m.turningCircleDiameter, vehicle.turningDiameter, 1e-9);
}

TEST_F(Kinematics, StraighteningKeepsTheLastTurningCentre) {
  m.steerAngle = 3 * vehicle.steerStep;
  m.speed = 20;
  step(3);
  const double cx = m.turnCentreX, cy = m.turnCentreY;
  m.steerAngle = 0;
  step(2);
  EXPECT_EQ(m.turnCentreX, cx);
  EXPECT_EQ(m.turnCentreY, cy);
  EXPECT_EQ(m.leftWheelSteer, 0);
  EXPECT_EQ(m.rightWheelSteer, 0);
}

}  // namespace
}  // namespace pelvoro
