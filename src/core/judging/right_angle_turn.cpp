// 直角转弯: forward up the approach leg and through the 90° corner into the
// crossing leg, without reversing or stopping; mirrored with startToRight.
#include <string>

#include "field/field_elements.h"
#include "judging/items.h"
#include "judging/shared_rules.h"
#include "model/geometry.h"
#include "model/kinematics.h"

namespace pelvoro {

std::string judgeRightAngleTurn(JudgingContext& c) {
  const MotionState& m = c.motion;
  const FieldElements& f = c.field;
  const bool toRight = f.startToRight;
  const double xOuter = toRight ? f.laneLeftX : f.laneRightX;        // outer edge of the approach leg
  const double xExit = toRight ? f.turnRightEndX : f.turnLeftEndX;  // open end of the crossing leg

  if (m.speed < 0) return kWrongDirection;
  if (isStopped(c) && c.judgeStage >= 0) return kStoppedMidway;
  if (anyTouched(m, {{xOuter, f.turnStartY}, {f.turnInnerX, f.turnStartY}})) return "车身在入口处出线!";
  if (touched(m, {f.turnInnerX, f.turnInnerY})) return "直角点被压!";
  if (anyTouched(m, {{xExit, f.turnOuterY}, {xExit, f.turnInnerY}})) return "车身在出口处出线!";

  const auto corners = bodyCorners(m);
  const auto [lf, rf, lr, rr] = corners;
  const bool leftTheTurn = toRight ? Min(lf.x, rf.x, lr.x, rr.x) > f.turnRightEndX
                                   : Max(lf.x, rf.x, lr.x, rr.x) < f.turnLeftEndX;
  if (leftTheTurn) {
    const bool straightInRoad =
        Max(lf.y, rf.y, lr.y, rr.y) < f.turnInnerY && Min(lf.y, rf.y, lr.y, rr.y) > f.turnOuterY;
    return straightInRoad ? kPassed : "车身不正!";
  }

  const Area crossingLeg{xExit, f.turnOuterY, xOuter, f.turnInnerY};
  const Area approachLeg{f.turnInnerX, f.turnOuterY, xOuter, f.turnStartY};
  for (const FieldPoint probePoint : corners) {
    // Below the entrance line and beyond the exit line nothing is marked.
    const bool beforeExit = toRight ? probePoint.x <= f.turnRightEndX : probePoint.x >= f.turnLeftEndX;
    const bool inTurnZone = probePoint.y <= f.turnStartY && beforeExit;
    if (inTurnZone && !strictlyInside(crossingLeg, probePoint) && !strictlyInside(approachLeg, probePoint))
      return kCrossedLine;
  }
  return {};
}

}  // namespace pelvoro
