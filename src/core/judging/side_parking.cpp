// 侧方停车: drive forward up the lane past the bay (move 1), then reverse into
// the bay on the right (move 2). judgeStage counts the moves begun.
#include <string>

#include "field/field_elements.h"
#include "judging/items.h"
#include "judging/shared_rules.h"
#include "model/kinematics.h"
#include "view/view_layout.h"

namespace pelvoro {

std::string judgeSideParking(JudgingContext& c) {
  const MotionState& m = c.motion;
  const FieldElements& f = c.field;

  for (const double x : {f.laneRightX, f.garageRightX})
    if (anyTouched(m, {{x, f.garageTopY}, {x, f.garageBottomY}})) return kHitPole;

  // Driving in must end with the whole body ahead of the line two thirds of
  // the bay's length behind its far end.
  const double markY = (f.garageTopY + f.garageBottomY) / 2 + f.garageLength / 6;
  const Area lane{f.laneLeftX, c.view.groundPaneTop, f.laneRightX, c.view.groundPaneBottom};
  const Area bayBand{f.laneLeftX, f.garageTopY, f.garageRightX, f.garageBottomY};
  const Area laneAheadOfMark{f.laneLeftX, c.view.groundPaneTop, f.laneRightX, markY};
  const Area bayBandAheadOfMark{f.laneLeftX, f.garageTopY, f.garageRightX, markY};
  const Area laneAboveNearEnd{f.laneLeftX, c.view.groundPaneTop, f.laneRightX, f.garageBottomY};
  const Area bay{f.laneRightX, f.garageTopY, f.garageRightX, f.garageBottomY};

  switch (c.judgeStage) {
    case 1:
      if (m.speed < 0) return kWrongDirection;
      if (!cornersWithin(m, {lane, bayBand})) return kCrossedLine;
      if (isStopped(c) && !cornersWithin(m, {laneAheadOfMark, bayBandAheadOfMark})) return "进车不到位!";
      return {};
    case 2:
      if (m.speed > 0) return kWrongDirection;
      if (!cornersWithin(m, {laneAboveNearEnd, bayBand})) return kCrossedLine;
      // Any stop ends the reverse: there is no correction move.
      if (isStopped(c)) return cornersWithin(m, {bay}) ? kPassed : "停车不到位!";
      return {};
    default: return {};  // not started yet, or past the reverse
  }
}

}  // namespace pelvoro
