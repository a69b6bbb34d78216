#include "core/render/render_fixture.h"

#include <cmath>

#include "core/field/ground_fixture.h"
#include "model/kinematics.h"

namespace pelvoro::testing {

Simulation simulationAtStart(Item item, std::string_view vehicle, bool startToRight) {
  const Ground g = prepareGround(item, vehicle, startToRight);
  Simulation sim;
  sim.selection.item = item;
  sim.selection.vehicle = findVehiclePreset(vehicle);
  sim.selection.startToRight = {startToRight, hasMirroredLayout(item)};
  sim.vehicle = g.vehicle;
  sim.view = g.view;
  sim.field = g.field;
  sim.motion = g.motion;
  return sim;
}

void setTraceLines(Simulation& sim, bool body, bool front, bool rear, bool enabled) {
  sim.selection.bodyTraceLine = {body, enabled};
  sim.selection.frontWheelTraceLine = {front, enabled};
  sim.selection.rearWheelTraceLine = {rear, enabled};
}

void steer(Simulation& sim, double steerAngle) {
  sim.motion.steerAngle = steerAngle;
  计算定位(sim.motion, sim.vehicle, 0, 0);
}

void place(Simulation& sim, double x, double y, double heading) {
  sim.motion.vehicleX = x;
  sim.motion.vehicleY = y;
  sim.motion.heading = heading;
  计算定位(sim.motion, sim.vehicle, 0, 0);
}

std::vector<DrawnShape> drawnShapes(const DisplayList& list) {
  std::vector<DrawnShape> shapes;
  Rgb colour;
  int width = 1;
  PenStyle style = PenStyle::solid;
  for (const Primitive& p : list.primitives) {
    switch (p.kind) {
      case PrimitiveKind::background: shapes.clear(); break;
      case PrimitiveKind::penColour: colour = p.colour; break;
      case PrimitiveKind::penWidth: width = p.width; break;
      case PrimitiveKind::penStyle: style = p.style; break;
      default: shapes.push_back({p, colour, width, style});
    }
  }
  return shapes;
}

std::vector<DrawnShape> shapesOfKind(const DisplayList& list, PrimitiveKind kind) {
  std::vector<DrawnShape> shapes;
  for (const DrawnShape& s : drawnShapes(list))
    if (s.shape.kind == kind) shapes.push_back(s);
  return shapes;
}

FieldPoint expectedCloseUp(const Simulation& sim, FieldPoint p) {
  const MotionState& m = sim.motion;
  const ViewLayout& v = sim.view;
  const double cx = (m.leftRearCornerX + m.rightRearCornerX + m.leftFrontCornerX + m.rightFrontCornerX) / 4;
  const double cy = (m.leftRearCornerY + m.rightRearCornerY + m.leftFrontCornerY + m.rightFrontCornerY) / 4;
  const double dx = p.x - cx, dy = p.y - cy;
  const double ahead = dx * std::cos(m.heading) + dy * std::sin(m.heading);
  const double right = -dx * std::sin(m.heading) + dy * std::cos(m.heading);
  const double k = v.closeUpScale / v.currentScale;
  return {(v.vehPaneLeft + v.vehPaneRight) / 2 + k * right, (v.vehPaneTop + v.vehPaneBottom) / 2 - k * ahead};
}

}  // namespace pelvoro::testing
