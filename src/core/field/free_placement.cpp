#include "field/free_placement.h"

#include <cmath>

#include "field/radar.h"
#include "model/catalogue.h"
#include "model/geometry.h"
#include "model/kinematics.h"
#include "model/random.h"
#include "view/view_layout.h"

namespace pelvoro {

namespace {
double sign(double x) { return x > 0 ? 1 : x < 0 ? -1 : 0; }
}  // namespace

PlacementResult placeVehicleRandomly(MotionState& m, const VehicleParameters& v, const ViewLayout& view,
                                     double tickInterval, double steerSnapThreshold, RandomSource& random) {
  const double width = view.groundPaneRight - view.groundPaneLeft;
  const double height = view.groundPaneBottom - view.groundPaneTop;
  if (v.vehicleDiagonal >= width || v.vehicleDiagonal >= height) return PlacementResult::VehicleTooLarge;

  // The body turned to any heading fits a square of side equal to its
  // diagonal, so some pose always lies wholly inside and the loop ends.
  double clearance;
  do {
    m.speed = 0;
    m.vehicleX = view.groundPaneLeft + random.next() * width;
    m.vehicleY = view.groundPaneTop + random.next() * height;
    m.heading = random.next() * 2 * PI;
    const double r1 = random.next();
    const double r2 = random.next();
    m.steerAngle = sign(std::sin(r2 * 2 * PI)) * v.steerStep * std::floor(r1 * 7);
    计算定位(m, v, tickInterval, steerSnapThreshold);
    clearance = 行车雷达(m, view);
  } while (!(clearance > std::abs(m.speed) * tickInterval / 1000));
  return PlacementResult::Placed;
}

}  // namespace pelvoro
