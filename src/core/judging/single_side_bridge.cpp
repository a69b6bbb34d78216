// 通过单边桥: forward with the front and then the rear wheel of one side along
// bridge 1, then those of the other side along bridge 2, without stopping.
// judgeStage is the bridge progress (0 to 4); this judging advances it.
#include <cmath>
#include <string>

#include "field/field_elements.h"
#include "judging/items.h"
#include "judging/shared_rules.h"
#include "model/catalogue.h"
#include "model/kinematics.h"
#include "view/view_layout.h"

namespace pelvoro {

namespace {

// The two wheels of the side of the vehicle that runs along one bridge.
struct BridgeSide {
  double frontX, frontY, rearX, rearY;
  double steer;      // the front wheel's steering angle
  const char* name;  // "左" or "右"
};

BridgeSide leftSide(const MotionState& m) {
  return {m.leftFrontWheelX, m.leftFrontWheelY, m.leftRearWheelX, m.leftRearWheelY, m.leftWheelSteer, "左"};
}

BridgeSide rightSide(const MotionState& m) {
  return {m.rightFrontWheelX, m.rightFrontWheelY, m.rightRearWheelX, m.rightRearWheelY, m.rightWheelSteer, "右"};
}

// Scans the tyre across its width, less 5 cm at each edge, in 1 cm steps on
// both sides of the wheel centre along the lateral direction (sin a, −cos a).
bool tyreOnBridge(double x, double y, int tyreCount, double a, const Area& bridge, const JudgingContext& c) {
  const double scale = c.view.currentScale;
  const double limit = tyreCount * c.vehicle.tyreWidth / 4 - 0.05 * scale;
  for (double tyreScanOffset = 0; tyreScanOffset <= limit; tyreScanOffset += 0.01 * scale) {
    const double dx = tyreScanOffset * std::sin(a);
    const double dy = tyreScanOffset * std::cos(a);
    if (strictlyInside(bridge, {x + dx, y - dy}) || strictlyInside(bridge, {x - dx, y + dy})) return true;
  }
  return false;
}

bool between(double y, double endY, double startY) { return endY < y && y < startY; }

}  // namespace

std::string judgeSingleSideBridge(JudgingContext& c) {
  const MotionState& m = c.motion;
  const VehicleParameters& v = c.vehicle;
  const FieldElements& f = c.field;
  int& stage = c.judgeStage;
  const bool toRight = f.startToRight;
  const BridgeSide bridgeSide1 = toRight ? rightSide(m) : leftSide(m);
  const BridgeSide bridgeSide2 = toRight ? leftSide(m) : rightSide(m);
  const Area bridge1{f.bridge1LeftX, f.bridge1EndY, f.bridge1RightX, f.bridge1StartY};
  const Area bridge2{f.bridge2LeftX, f.bridge2EndY, f.bridge2RightX, f.bridge2StartY};
  const auto frontOn = [&](const BridgeSide& s, const Area& bridge) {
    return tyreOnBridge(s.frontX, s.frontY, v.frontTyreCount, m.heading + s.steer, bridge, c);
  };
  const auto rearOn = [&](const BridgeSide& s, const Area& bridge) {
    return tyreOnBridge(s.rearX, s.rearY, v.rearTyreCount, m.heading, bridge, c);
  };
  const auto fault = [](const BridgeSide& s, const char* what) { return s.name + std::string(what); };

  if (m.speed < 0) return kWrongDirection;

  if (between(bridgeSide1.frontY, f.bridge1EndY, f.bridge1StartY)) {
    if (!frontOn(bridgeSide1, bridge1)) return fault(bridgeSide1, stage == 0 ? "前轮未上桥!" : "前轮中途下桥!");
    if (stage == 0) stage = 1;
  }
  if (between(bridgeSide1.rearY, f.bridge1EndY, f.bridge1StartY)) {
    if (!rearOn(bridgeSide1, bridge1)) return fault(bridgeSide1, stage < 2 ? "后轮未上桥!" : "后轮中途下桥!");
    if (stage == 1) stage = 2;
  }
  if (between(bridgeSide2.frontY, f.bridge2EndY, f.bridge2StartY)) {
    // Before the first rear wheel has been on bridge 1 the second front wheel is not judged yet.
    if (!frontOn(bridgeSide2, bridge2)) {
      if (stage == 2) return fault(bridgeSide2, "前轮未上桥!");
      if (stage >= 3) return fault(bridgeSide2, "前轮中途下桥!");
    } else if (stage == 2) {
      stage = 3;
    }
  }
  if (between(bridgeSide2.rearY, f.bridge2EndY, f.bridge2StartY)) {
    if (!rearOn(bridgeSide2, bridge2)) return fault(bridgeSide2, stage < 4 ? "后轮未上桥!" : "后轮中途下桥!");
    if (stage == 3) stage = 4;
  }

  // The vehicle must not point to the side of bridge 2. Pointing straight on is
  // allowed; the tolerance absorbs the rounding that the heading 3π/2 leaves in
  // frontAxleX − vehicleX (about 1e-13), which would refuse it in the mirrored ground.
  constexpr double kStraight = 1e-9;  // world units
  const double lean = m.frontAxleX - m.vehicleX;
  const bool notTurnedAway = toRight ? lean >= -kStraight : lean <= kStraight;
  if (bridgeSide2.rearY <= f.bridge2EndY && stage == 4 && notTurnedAway) return kPassed;
  if (isStopped(c) && stage >= 0) return kStoppedMidway;
  return {};
}

}  // namespace pelvoro
