// Start: prepares a run from the selection in force.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "demo/demo_buffer.h"

namespace pelvoro {

struct Simulation;

// What Start needs from the window and the platform.
struct StartEnvironment {
  double vehPaneWidth = 0;  // inner sizes of the two panes in the running layout, pixels
  double vehPaneHeight = 0;
  double groundPaneWidth = 0;
  double groundPaneHeight = 0;
  double screenWidth = 0;  // pixels, remembered for the tick's screen check
  double screenHeight = 0;
  std::uint64_t randomSeed = 0;  // a clock reading; a fixed number for repeatable runs
  // Demonstration mode: the lines of the loaded file (the caller loads it first
  // and reports a file that fails to load).
  const std::array<std::string, kDemoLineCount>* demoLines = nullptr;
};

enum class StartResult {
  Running,
  VehicleTooLarge,  // free practice only: "你选的车型太大了!", then Return
};

// Resets the run state, applies the vehicle preset, fits the scale to the
// item (free practice keeps view.currentScale), converts the vehicle to world
// units and builds the ground with the start pose, or places the vehicle at random.
StartResult startRun(Simulation& sim, const StartEnvironment& env);

}  // namespace pelvoro
