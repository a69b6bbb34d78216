// One complete frame: the ground, the vehicle in both panes, the trajectory
// lines and the status readouts.
#pragma once

#include "render/frame.h"

namespace pelvoro {

struct Simulation;

// 画车辆: draws the ground (画边界), then in both panes the axles, the body, the
// rear and the front tyres, then the trajectory lines switched on: straight
// lines through the body corners and wheel points when driving straight,
// circles about the turning centre when turning; and fills the readouts.
Frame 画车辆(const Simulation& sim, const FrameSettings& settings);

}  // namespace pelvoro
