// Single-track (bicycle) kinematics about the rear axle centre.
#pragma once

namespace pelvoro {

struct VehicleParameters;

// The vehicle's pose and every point derived from it. World units, radians,
// world units per second; "left" is the driver's left, (sin ψ, −cos ψ).
struct MotionState {
  double vehicleX = 0;    // rear axle centre
  double vehicleY = 0;
  double heading = 0;     // forward is (cos ψ, sin ψ); accumulates beyond ±2π
  double speed = 0;       // > 0 forward, < 0 reverse
  double steerAngle = 0;  // single front wheel; > 0 turns right (clockwise)

  // Written by 计算定位 only.
  double stepDistance = 0;           // signed distance of this tick
  double headingStep = 0;            // signed heading change of this tick
  double turningCircleDiameter = 0;  // outer edge of the outer front tyre; 0 when straight
  double turnCentreX = 0;            // kept from the last turn while driving straight
  double turnCentreY = 0;
  double leftWheelSteer = 0;         // Ackermann angles of the front wheels
  double rightWheelSteer = 0;
  double frontAxleX = 0, frontAxleY = 0;
  double leftRearWheelX = 0, leftRearWheelY = 0;
  double rightRearWheelX = 0, rightRearWheelY = 0;
  double leftFrontWheelX = 0, leftFrontWheelY = 0;
  double rightFrontWheelX = 0, rightFrontWheelY = 0;
  double leftRearCornerX = 0, leftRearCornerY = 0;
  double rightRearCornerX = 0, rightRearCornerY = 0;
  double leftFrontCornerX = 0, leftFrontCornerY = 0;
  double rightFrontCornerX = 0, rightFrontCornerY = 0;
};

// Moves the vehicle by one tick of `tickInterval` milliseconds along the exact
// arc its steering defines (a straight line when |steerAngle| <= steerSnapThreshold),
// then derives every body and wheel point from the new pose.
void 计算定位(MotionState& m, const VehicleParameters& v, double tickInterval, double steerSnapThreshold);

}  // namespace pelvoro
