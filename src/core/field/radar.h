#pragma once

namespace pelvoro {

struct MotionState;
struct ViewLayout;

// 行车雷达: the smallest distance, along the pane's axes, from a body corner to
// an edge of the ground pane. Positive while the body is strictly inside,
// 0 when a corner touches an edge, negative by the overlap beyond it.
double 行车雷达(const MotionState& body, const ViewLayout& view);

}  // namespace pelvoro
