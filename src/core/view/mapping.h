// Mappings from the vehicle frame and from the ground into the close-up pane,
// which shows the vehicle upright in its centre with the ground turning about it.
#pragma once

#include "view/view_layout.h"

namespace pelvoro {

struct MotionState;

// Vehicle-local (origin at the body centre, x to the right, y to the rear,
// world units) to close-up pixels.
double 车辆定位X(const ViewLayout& view, double x);
double 车辆定位Y(const ViewLayout& view, double y);
// A ground point (world units) to close-up pixels for the vehicle `body`.
double 相对框坐标X(const ViewLayout& view, const MotionState& body, double px, double py);
double 相对框坐标Y(const ViewLayout& view, const MotionState& body, double px, double py);
// A world length as close-up pixels.
double 由全景比例转换(const ViewLayout& view, double length);

}  // namespace pelvoro
