#include "judging/shared_rules.h"

#include <cmath>

#include "judging/judgement.h"
#include "model/geometry.h"
#include "model/kinematics.h"

namespace pelvoro {

std::array<FieldPoint, 4> bodyCorners(const MotionState& m) {
  return {{{m.leftFrontCornerX, m.leftFrontCornerY},
           {m.rightFrontCornerX, m.rightFrontCornerY},
           {m.leftRearCornerX, m.leftRearCornerY},
           {m.rightRearCornerX, m.rightRearCornerY}}};
}

bool strictlyInside(const Area& area, FieldPoint p) {
  return 在正交矩形内部(area.x1, area.y1, area.x2, area.y2, p.x, p.y) > 0;
}

bool cornersWithin(const MotionState& m, std::initializer_list<Area> areas) {
  for (const FieldPoint corner : bodyCorners(m)) {
    bool allowed = false;
    for (const Area& area : areas) allowed = allowed || strictlyInside(area, corner);
    if (!allowed) return false;
  }
  return true;
}

bool touched(const MotionState& m, FieldPoint p) { return 在车身外部(m, p.x, p.y) <= 0; }

bool anyTouched(const MotionState& m, std::initializer_list<FieldPoint> points) {
  for (const FieldPoint p : points)
    if (touched(m, p)) return true;
  return false;
}

bool isStopped(const JudgingContext& c) { return std::abs(c.motion.speed) < c.stoppedThreshold; }

}  // namespace pelvoro
