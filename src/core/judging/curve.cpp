// 曲线行驶: forward through an S of two 135° bends without reversing or
// stopping. Bend 1 (lower right) and bend 2 (upper left) are the rings
// R − w < distance < R around their centres; the 45° line through the pane
// centre, on which both centres lie, parts the two.
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

std::string judgeCurve(JudgingContext& c) {
  const MotionState& m = c.motion;
  const FieldElements& f = c.field;
  const FieldPoint c1 = f.curveCentres[0];
  const FieldPoint c2 = f.curveCentres[1];
  const double R = f.curveParam;  // outer radius
  const double w = f.roadWidth;
  const FieldPoint p0{(c.view.groundPaneLeft + c.view.groundPaneRight) / 2,
                      (c.view.groundPaneTop + c.view.groundPaneBottom) / 2};
  // Up-right of the dividing line is bend 1, down-left of it bend 2.
  const auto bendCentre = [&](FieldPoint p) { return 新坐标系Y(p.x, p.y, p0.x, p0.y, PI / 4) <= 0 ? c1 : c2; };

  if (m.speed < 0) return kWrongDirection;
  if (isStopped(c) && c.judgeStage >= 0) return kStoppedMidway;
  if (anyTouched(m, {{c1.x + R - w, c1.y}, {c1.x + R, c1.y}})) return "车身在入口处出线!";
  if (anyTouched(m, {{c2.x - R + w, c2.y}, {c2.x - R, c2.y}})) return "车身在出口处出线!";

  const auto corners = bodyCorners(m);
  const auto [lf, rf, lr, rr] = corners;
  if (Max(lf.y, rf.y, lr.y, rr.y) < c2.y) return kPassed;  // the whole body beyond the exit line

  // The body reaches over the inner edge when the bend's centre lies closer to
  // the vehicle's centre line than the inner radius plus half the body width.
  const FieldPoint middle{(rr.x + lf.x) / 2, (rr.y + lf.y) / 2};
  const FieldPoint centre = bendCentre(middle);
  const double axisDistance = std::abs(新坐标系Y(centre.x, centre.y, m.vehicleX, m.vehicleY, m.heading));
  if (axisDistance <= (R - w) + c.vehicle.vehicleWidth / 2) return kCrossedLine;

  for (const FieldPoint corner : corners) {
    if (corner.y < c2.y || corner.y > c1.y) continue;  // before the entry or past the exit line
    const FieldPoint own = bendCentre(corner);
    const double D = 两点距离(corner.x, corner.y, own.x, own.y);
    if (D >= R || D <= R - w) return kCrossedLine;
  }
  return {};
}

}  // namespace pelvoro
