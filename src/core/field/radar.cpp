#include "field/radar.h"

#include "model/geometry.h"
#include "model/kinematics.h"
#include "view/view_layout.h"

namespace pelvoro {

double 行车雷达(const MotionState& b, const ViewLayout& view) {
  const double minX = Min(b.leftRearCornerX, b.rightRearCornerX, b.leftFrontCornerX, b.rightFrontCornerX);
  const double maxX = Max(b.leftRearCornerX, b.rightRearCornerX, b.leftFrontCornerX, b.rightFrontCornerX);
  const double minY = Min(b.leftRearCornerY, b.rightRearCornerY, b.leftFrontCornerY, b.rightFrontCornerY);
  const double maxY = Max(b.leftRearCornerY, b.rightRearCornerY, b.leftFrontCornerY, b.rightFrontCornerY);
  return Min(minX - view.groundPaneLeft, minY - view.groundPaneTop, view.groundPaneRight - maxX,
             view.groundPaneBottom - maxY);
}

}  // namespace pelvoro
