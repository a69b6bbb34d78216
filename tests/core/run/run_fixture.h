// A run started the way the window starts one, for the run tests.
#pragma once

#include <string_view>

#include "model/catalogue.h"
#include "run/keyboard.h"
#include "run/simulation.h"
#include "run/start.h"
#include "run/tick.h"

namespace pelvoro::testing {

inline constexpr double kScreenWidth = 1920;
inline constexpr double kScreenHeight = 1080;

inline StartEnvironment defaultEnvironment() {
  StartEnvironment env;
  env.vehPaneWidth = 1436;
  env.vehPaneHeight = 1000;
  env.groundPaneWidth = 478;
  env.groundPaneHeight = 1000;
  env.screenWidth = kScreenWidth;
  env.screenHeight = kScreenHeight;
  env.randomSeed = 1;
  return env;
}

inline Simulation startedRun(Item item, Mode mode, std::string_view vehicle = "东南菱帅", bool startRight = false) {
  Simulation sim;
  sim.selection.vehicle = findVehiclePreset(vehicle);
  sim.selection.item = item;
  sim.selection.mode = mode;
  sim.selection.startToRight = {startRight, hasMirroredLayout(item)};
  startRun(sim, defaultEnvironment());
  return sim;
}

inline TickResult tickOnce(Simulation& sim) { return tick(sim, kScreenWidth, kScreenHeight); }

}  // namespace pelvoro::testing
