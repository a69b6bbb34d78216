// The driver's keys during a run: each changes the commanded speed or
// steering, the brake counter or the judging counter, never the pose. At most
// one steering and one speed step count per tick; the tick reopens the latches.
#pragma once

namespace pelvoro {

struct Simulation;

// One key-down of a running run (Enter, Esc and a pending message are the
// window's). `virtualKey` is a code of run/keys.h; other codes are ignored.
void handleRunKey(Simulation& sim, int virtualKey);

}  // namespace pelvoro
