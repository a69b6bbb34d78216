// A scripted run through the same path as the program: Start, then for each
// tick the keys of that tick through the keyboard handler, then the tick.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "key_script.h"
#include "run/simulation.h"
#include "run/start.h"
#include "run/tick.h"

namespace pelvoro::drive {

struct DriveSetup {
  const VehiclePreset* vehicle = nullptr;
  Item item = Item::桩考;
  Mode mode = Mode::考试模式;
  bool startRight = false;
  double groundWidth = 478, groundHeight = 1000;
  double closeUpWidth = 1436, closeUpHeight = 1000;
  std::uint64_t seed = 0;
};

// The screen a scripted drive runs on; it never shrinks, so the screen check passes.
inline constexpr double kScreenWidth = 1920;
inline constexpr double kScreenHeight = 1080;

// The selection and panes of a setup, ready for startRun.
Simulation simulationFor(const DriveSetup& setup);
StartEnvironment startEnvironmentFor(const DriveSetup& setup);

struct DriveOutcome {
  long ticks = 0;       // ticks run
  bool ended = false;   // false when maxTicks ran out
  std::string message;  // the verdict of the last tick
};

// Runs ticks 1, 2, ... after a successful startRun, delivering each tick's
// keys first, until a tick ends the run or `maxTicks` have run.
// `afterTick` (optional) sees the state after every tick.
DriveOutcome runTicks(Simulation& sim, const std::vector<KeyEvent>& events, long maxTicks,
                      const std::function<void(long tick, const TickResult&)>& afterTick = {});

}  // namespace pelvoro::drive
