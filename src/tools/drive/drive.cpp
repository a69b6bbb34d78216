#include "drive.h"

#include "run/keyboard.h"

namespace pelvoro::drive {

Simulation simulationFor(const DriveSetup& setup) {
  Simulation sim;
  sim.selection.vehicle = setup.vehicle;
  sim.selection.item = setup.item;
  sim.selection.mode = setup.mode;
  sim.selection.startToRight = {setup.startRight, hasMirroredLayout(setup.item)};
  // As the menus are: the trajectory lines can be switched on (keys 1, 2, 3) in practice only.
  const bool practice = setup.mode == Mode::练习模式;
  sim.selection.bodyTraceLine.enabled = practice;
  sim.selection.frontWheelTraceLine.enabled = practice;
  sim.selection.rearWheelTraceLine.enabled = practice;
  // Free practice runs at the scale its menu entry sets.
  if (!hasGround(setup.item)) sim.view.currentScale = 10;
  return sim;
}

StartEnvironment startEnvironmentFor(const DriveSetup& setup) {
  StartEnvironment env;
  env.vehPaneWidth = setup.closeUpWidth;
  env.vehPaneHeight = setup.closeUpHeight;
  env.groundPaneWidth = setup.groundWidth;
  env.groundPaneHeight = setup.groundHeight;
  env.screenWidth = kScreenWidth;
  env.screenHeight = kScreenHeight;
  env.randomSeed = setup.seed;
  return env;
}

DriveOutcome runTicks(Simulation& sim, const std::vector<KeyEvent>& events, long maxTicks,
                      const std::function<void(long, const TickResult&)>& afterTick) {
  DriveOutcome outcome;
  auto next = events.begin();
  for (long t = 1; t <= maxTicks; ++t) {
    for (; next != events.end() && next->tick <= t; ++next) handleRunKey(sim, next->key);
    const TickResult result = tick(sim, kScreenWidth, kScreenHeight);
    outcome.ticks = t;
    if (afterTick) afterTick(t, result);
    if (result.ended) {
      outcome.ended = true;
      outcome.message = result.message;
      break;
    }
  }
  return outcome;
}

}  // namespace pelvoro::drive
