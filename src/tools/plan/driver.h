// The virtual driver: a plan of legs turned into the keys a person would
// press, one steering step and one speed step per tick, run through the real
// keyboard handler and tick.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "drive.h"
#include "key_script.h"
#include "run/simulation.h"

namespace pelvoro::plan {

inline constexpr int kFullLock = 6;  // steering steps from straight to full lock

struct Phase {
  int steer = 0;  // steering level, −6 (full left) … 6 (full right)
  int ticks = 0;  // ticks in this phase, the steps towards `steer` included
};

// One movement segment, or the continuation of the moving one.
struct Leg {
  int direction = 1;   // +1 forward (W), −1 reverse (S)
  int speedSteps = 0;  // speed keys to move off from standstill; 0 keeps the current motion
  std::vector<Phase> phases;
  bool stop = false;   // brake to standstill after the last phase
};

// A drive in progress: the run, every key pressed so far and the steering level.
struct Drive {
  Simulation sim;
  long nextTick = 1;  // the tick the next keys are delivered before
  int steerLevel = 0;
  std::vector<drive::KeyEvent> keys;
  bool ended = false;
  std::string message;  // the verdict once ended
};

// A run started from `setup`, before its first tick.
Drive startDrive(const drive::DriveSetup& setup);

// Drives one leg: standing, it steers to the first phase's level and then
// moves off; each tick steps the steering towards the phase's level; a stop
// brakes to standstill in one tick. Returns early when the run ends.
// `afterPhaseTick` (optional) sees the drive after every tick of the phases.
void driveLeg(Drive& d, const Leg& leg, const std::function<void(const Drive&)>& afterPhaseTick = {});

// The leg cut after `ticks` ticks of its phases.
Leg truncated(Leg leg, int ticks);

// The key file lines ("T KEY") of the keys pressed.
std::string keyLines(const std::vector<drive::KeyEvent>& keys);

}  // namespace pelvoro::plan
