// 通过连续障碍: forward over six discs in order, each passing under the body
// between the wheels without a tyre touching it. judgeStage is the number of
// discs straddled so far; this judging advances it.
#include <array>
#include <cmath>
#include <string>

#include "field/field_elements.h"
#include "judging/items.h"
#include "judging/shared_rules.h"
#include "model/catalogue.h"
#include "model/geometry.h"
#include "model/kinematics.h"
#include "view/view_layout.h"

namespace pelvoro {

namespace {

// A tyre is probed at its two edges on the axle line (the outer edges of a
// twin pair): the wheel centre ± halfSpan along the wheel's lateral direction.
struct TyreProbe {
  const char* name;
  double x, y;     // wheel centre
  double halfSpan;
  double angle;    // the wheel's heading; its lateral unit vector is (sin, −cos)
};

bool runsOver(const TyreProbe& t, FieldPoint disc, double radius) {
  const double dx = t.halfSpan * std::sin(t.angle);
  const double dy = t.halfSpan * std::cos(t.angle);
  return 两点距离(disc.x, disc.y, t.x + dx, t.y - dy) <= radius ||
         两点距离(disc.x, disc.y, t.x - dx, t.y + dy) <= radius;
}

std::string skippedDiscs(int first, int last) {
  const std::string range = first == last ? std::to_string(first) : std::to_string(first) + "-" + std::to_string(last);
  return "第" + range + "圆饼未过!";
}

}  // namespace

std::string judgeContinuousObstacles(JudgingContext& c) {
  const MotionState& m = c.motion;
  const VehicleParameters& v = c.vehicle;
  const FieldElements& f = c.field;
  int& stage = c.judgeStage;

  if (m.speed < 0) return kWrongDirection;
  if (!cornersWithin(m, {{f.laneLeftX, c.view.groundPaneTop, f.laneRightX, c.view.groundPaneBottom}}))
    return kCrossedLine;

  const double rearSpan = v.rearTyreCount * v.tyreWidth / 4;
  const double frontSpan = v.frontTyreCount * v.tyreWidth / 4;
  // In the order that names the wheel: the last one touching wins.
  const std::array<TyreProbe, 4> tyres{{
      {"左后轮", m.leftRearWheelX, m.leftRearWheelY, rearSpan, m.heading},
      {"右后轮", m.rightRearWheelX, m.rightRearWheelY, rearSpan, m.heading},
      {"左前轮", m.leftFrontWheelX, m.leftFrontWheelY, frontSpan, m.heading + m.leftWheelSteer},
      {"右前轮", m.rightFrontWheelX, m.rightFrontWheelY, frontSpan, m.heading + m.rightWheelSteer},
  }};
  const double radius = f.obstacleDiameter / 2;
  const double frontRowY = 最小值(m.leftFrontWheelY, m.rightFrontWheelY);

  for (int i = 1; i <= static_cast<int>(f.obstacleCentres.size()); ++i) {
    const FieldPoint disc = f.obstacleCentres[static_cast<std::size_t>(i - 1)];
    // The front wheels have reached the disc's row before it passed under the body.
    if (frontRowY <= disc.y && stage < i) return skippedDiscs(i, i);

    const char* faultWheelName = nullptr;
    for (const TyreProbe& tyre : tyres)
      if (runsOver(tyre, disc, radius)) faultWheelName = tyre.name;
    if (faultWheelName != nullptr) return faultWheelName + ("压第" + std::to_string(i) + "圆饼!");

    if (在车身外部(m, disc.x, disc.y) < 0 && stage < i) {
      if (stage != i - 1) return skippedDiscs(stage + 1, i - 1);
      stage = i;
    }
  }

  const FieldPoint last = f.obstacleCentres.back();
  // Both rear wheels beyond the last disc, which lies centred behind the rear axle.
  if (最大值(m.leftRearWheelY, m.rightRearWheelY) < last.y && std::abs(m.vehicleX - last.x) < v.rearTrack / 2 &&
      stage == static_cast<int>(f.obstacleCentres.size()))
    return kPassed;
  if (isStopped(c) && stage >= 0) return kStoppedMidway;
  return {};
}

}  // namespace pelvoro
