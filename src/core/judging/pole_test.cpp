// 桩考: reverse into bay B, shift into bay A in two forward and two reverse
// moves, drive out forward to start point 2, reverse into bay A again and
// drive forward back to the end line. judgeStage counts the moves begun.
#include <initializer_list>
#include <string>

#include "field/field_elements.h"
#include "judging/items.h"
#include "judging/shared_rules.h"
#include "model/geometry.h"
#include "model/kinematics.h"
#include "view/view_layout.h"

namespace pelvoro {

namespace {

enum class Direction { forward, reverse };

// One move: the allowed direction, the areas the corners keep to while it
// lasts, and, for a move that must end somewhere, where a stop is accepted.
std::string judgeMove(const JudgingContext& c, Direction direction, std::initializer_list<Area> allowed,
                      const Area* stopIn = nullptr, const char* stopFault = nullptr) {
  const double speed = c.motion.speed;
  if (direction == Direction::forward ? speed < 0 : speed > 0) return kWrongDirection;
  if (!cornersWithin(c.motion, allowed)) return kCrossedLine;
  if (stopIn != nullptr && isStopped(c) && !cornersWithin(c.motion, {*stopIn})) return stopFault;
  return {};
}

}  // namespace

std::string judgePoleTest(JudgingContext& c) {
  const MotionState& m = c.motion;
  const FieldElements& f = c.field;
  const double paneLeft = c.view.groundPaneLeft;

  for (const double x : {f.garageLeftX, f.garageMidX, f.garageRightX})
    if (anyTouched(m, {{x, f.garageTopY}, {x, f.garageBottomY}})) return kHitPole;

  const Area road{f.garageLeftX, f.poleRoadTopY, f.poleRoadEndX, f.garageTopY};
  const Area leftColumn{f.garageLeftX, f.poleRoadTopY, f.garageMidX, f.garageBottomY};
  const Area rightColumn{f.garageMidX, f.poleRoadTopY, f.garageRightX, f.garageBottomY};
  const Area bays{f.garageLeftX, f.garageTopY, f.garageRightX, f.garageBottomY};
  const Area bayB{f.garageLeftX, f.garageTopY, f.garageMidX, f.garageBottomY};
  const Area bayA{f.garageMidX, f.garageTopY, f.garageRightX, f.garageBottomY};
  const Area leftRoad{paneLeft, f.poleRoadTopY, f.garageMidX, f.garageTopY};
  const Area startPoint2{paneLeft, f.poleRoadTopY, f.garageLeftX, f.garageTopY};
  const Area longRoad{paneLeft, f.poleRoadTopY, f.garageRightX, f.garageTopY};
  const Area rightRoad{f.garageMidX, f.poleRoadTopY, f.poleRoadEndX, f.garageTopY};
  const Area startPoint1{f.garageRightX, f.poleRoadTopY, f.poleRoadEndX, f.garageTopY};

  using enum Direction;
  switch (c.judgeStage) {
    case 1: return judgeMove(c, reverse, {road, leftColumn}, &bayB, "倒B库不到位!");
    case 2: return judgeMove(c, forward, {bays});
    case 3: return judgeMove(c, reverse, {bays});
    case 4: return judgeMove(c, forward, {bays});
    case 5: return judgeMove(c, reverse, {bays}, &bayA, "移A库不到位!");
    case 6: return judgeMove(c, forward, {leftRoad, leftColumn, bays}, &startPoint2, "进起点2不到位!");
    case 7: return judgeMove(c, reverse, {longRoad, rightColumn}, &bayA, "倒A库不到位!");
    case 8: {
      if (std::string fault = judgeMove(c, forward, {rightRoad, rightColumn}); !fault.empty()) return fault;
      if (isStopped(c)) return cornersWithin(m, {startPoint1}) ? kStoppedMidway : "回起点1不到位!";
      // Still moving, with the front within 0.2 m of the end line.
      if (f.poleRoadEndX - 最大值(m.leftFrontCornerX, m.rightFrontCornerX) <= 0.2 * c.view.currentScale) return kPassed;
      return {};
    }
    default: return {};  // not started yet, or past the last move
  }
}

}  // namespace pelvoro
