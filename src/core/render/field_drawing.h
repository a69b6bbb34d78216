// The ground of the current item in both panes, the first layer of every frame.
#pragma once

#include "render/frame.h"

namespace pelvoro {

struct Selection;
struct Simulation;

// Whether any trajectory line is switched on (ticked and enabled): the
// ground's auxiliary lines and the turning-centre cross go with them.
bool traceLinesShown(const Selection& selection);

// 画边界: clears both panes to the ground colour, outlines the whole ground in
// the close-up and draws the current item's lines, poles, discs, bridges and
// bends, then its auxiliary lines when trajectory lines are shown.
void 画边界(Frame& frame, const Simulation& sim, const ColourTable& colours, const LineWidths& widths);

}  // namespace pelvoro
