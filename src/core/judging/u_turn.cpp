// 场地公路调头: forward over the start line, turn round between it and the
// end line in three forward and two reverse moves, and drive back over the
// start line. judgeStage counts the moves begun: odd forward, even reverse.
#include <string>

#include "field/field_elements.h"
#include "judging/items.h"
#include "judging/shared_rules.h"
#include "model/geometry.h"
#include "model/kinematics.h"

namespace pelvoro {

std::string judgeUTurn(JudgingContext& c) {
  const MotionState& m = c.motion;
  const FieldElements& f = c.field;

  // Only the wheel centres count here; the overhangs may reach over the lines.
  const double minX = Min(m.leftRearWheelX, m.rightRearWheelX, m.leftFrontWheelX, m.rightFrontWheelX);
  const double maxX = Max(m.leftRearWheelX, m.rightRearWheelX, m.leftFrontWheelX, m.rightFrontWheelX);
  const double minY = Min(m.leftRearWheelY, m.rightRearWheelY, m.leftFrontWheelY, m.rightFrontWheelY);
  if (minX <= f.laneLeftX || maxX >= f.laneRightX || minY <= f.uturnEndY) return "车轮出线!";

  switch (c.judgeStage) {
    case 1:
    case 3: return m.speed < 0 ? kWrongDirection : "";
    case 2:
    case 4: return m.speed > 0 ? kWrongDirection : "";
    case 5: {
      if (m.speed < 0) return kWrongDirection;
      if (m.speed < c.stoppedThreshold) return kStoppedMidway;
      const bool facingBack = m.frontAxleY > m.vehicleY;
      const bool behindStartLine = 最小值(m.leftRearCornerY, m.rightRearCornerY) >= f.uturnStartY;
      return facingBack && behindStartLine ? kPassed : "";
    }
    default: return c.judgeStage >= 6 ? "超过三进二退!" : "";  // −1 and 0: not started
  }
}

}  // namespace pelvoro
