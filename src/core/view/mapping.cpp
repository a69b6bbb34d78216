#include "view/mapping.h"

#include "model/geometry.h"
#include "model/kinematics.h"

namespace pelvoro {

double 车辆定位X(const ViewLayout& view, double x) {
  return (view.vehPaneLeft + view.vehPaneRight) / 2 + view.closeUpScale * (x / view.currentScale);
}

double 车辆定位Y(const ViewLayout& view, double y) {
  return (view.vehPaneTop + view.vehPaneBottom) / 2 + view.closeUpScale * (y / view.currentScale);
}

namespace {
struct BodyFrame {
  double cx, cy, theta;
};
// Rotating by heading − 3π/2 turns the vehicle's forward direction to the screen's up.
BodyFrame bodyFrame(const MotionState& b) {
  return {(b.rightRearCornerX + b.leftFrontCornerX) / 2, (b.rightRearCornerY + b.leftFrontCornerY) / 2,
          b.heading - THREE_HALF_PI};
}
}  // namespace

double 相对框坐标X(const ViewLayout& view, const MotionState& body, double px, double py) {
  const BodyFrame f = bodyFrame(body);
  return (view.vehPaneLeft + view.vehPaneRight) / 2 +
         view.closeUpScale * (新坐标系X(px, py, f.cx, f.cy, f.theta) / view.currentScale);
}

double 相对框坐标Y(const ViewLayout& view, const MotionState& body, double px, double py) {
  const BodyFrame f = bodyFrame(body);
  return (view.vehPaneTop + view.vehPaneBottom) / 2 +
         view.closeUpScale * (新坐标系Y(px, py, f.cx, f.cy, f.theta) / view.currentScale);
}

double 由全景比例转换(const ViewLayout& view, double length) {
  return view.closeUpScale * (length / view.currentScale);
}

}  // namespace pelvoro
