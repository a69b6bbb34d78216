#include "model/kinematics.h"

#include <cmath>

#include "model/catalogue.h"

namespace pelvoro {

void 计算定位(MotionState& m, const VehicleParameters& v, double tickInterval, double steerSnapThreshold) {
  const double L = v.wheelbase;
  const double Tf = v.frontTrack;
  const double Tr = v.rearTrack;

  m.stepDistance = m.speed * tickInterval / 1000;
  if (std::abs(m.steerAngle) > steerSnapThreshold) {
    const double psi = m.heading;
    const double R = L / std::tan(m.steerAngle);  // > 0 for a right turn
    m.turningCircleDiameter = 2 * std::sqrt(std::pow(L / std::abs(std::tan(m.steerAngle)) + Tf / 2, 2) + L * L) +
                              v.tyreWidth;
    m.headingStep = m.stepDistance / R;
    m.turnCentreX = m.vehicleX - R * std::sin(psi);
    m.turnCentreY = m.vehicleY + R * std::cos(psi);
    // The exact arc of radius |R| about the turning centre.
    m.vehicleX += R * (std::sin(psi + m.headingStep) - std::sin(psi));
    m.vehicleY += R * (std::cos(psi) - std::cos(psi + m.headingStep));
    m.leftWheelSteer = std::atan(L / (R + Tf / 2));
    m.rightWheelSteer = std::atan(L / (R - Tf / 2));
  } else {
    m.turningCircleDiameter = 0;
    m.headingStep = 0;
    m.vehicleX += m.stepDistance * std::cos(m.heading);
    m.vehicleY += m.stepDistance * std::sin(m.heading);
    m.leftWheelSteer = 0;
    m.rightWheelSteer = 0;
  }
  m.heading += m.headingStep;

  const double fx = std::cos(m.heading), fy = std::sin(m.heading);  // forward
  const double nx = std::sin(m.heading), ny = -std::cos(m.heading);  // driver's left
  const double x = m.vehicleX, y = m.vehicleY;
  const double halfW = v.vehicleWidth / 2;

  m.frontAxleX = x + L * fx;
  m.frontAxleY = y + L * fy;
  m.leftRearWheelX = x + Tr / 2 * nx;
  m.leftRearWheelY = y + Tr / 2 * ny;
  m.rightRearWheelX = x - Tr / 2 * nx;
  m.rightRearWheelY = y - Tr / 2 * ny;
  m.leftFrontWheelX = m.frontAxleX + Tf / 2 * nx;
  m.leftFrontWheelY = m.frontAxleY + Tf / 2 * ny;
  m.rightFrontWheelX = m.frontAxleX - Tf / 2 * nx;
  m.rightFrontWheelY = m.frontAxleY - Tf / 2 * ny;
  m.leftRearCornerX = x - v.rearOverhang * fx + halfW * nx;
  m.leftRearCornerY = y - v.rearOverhang * fy + halfW * ny;
  m.rightRearCornerX = x - v.rearOverhang * fx - halfW * nx;
  m.rightRearCornerY = y - v.rearOverhang * fy - halfW * ny;
  m.leftFrontCornerX = m.frontAxleX + v.frontOverhang * fx + halfW * nx;
  m.leftFrontCornerY = m.frontAxleY + v.frontOverhang * fy + halfW * ny;
  m.rightFrontCornerX = m.frontAxleX + v.frontOverhang * fx - halfW * nx;
  m.rightFrontCornerY = m.frontAxleY + v.frontOverhang * fy - halfW * ny;
}

}  // namespace pelvoro
