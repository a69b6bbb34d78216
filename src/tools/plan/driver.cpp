#include "driver.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "run/keyboard.h"
#include "run/keys.h"
#include "run/start.h"
#include "run/tick.h"

namespace pelvoro::plan {

namespace {

void press(Drive& d, int key) {
  d.keys.push_back({d.nextTick, key});
  handleRunKey(d.sim, key);
}

// One tick; false once the run has ended.
bool step(Drive& d) {
  const TickResult r = tick(d.sim, drive::kScreenWidth, drive::kScreenHeight);
  ++d.nextTick;
  if (r.ended) {
    d.ended = true;
    d.message = r.message;
  }
  return !d.ended;
}

void steerTowards(Drive& d, int level) {
  if (d.steerLevel < level) {
    press(d, keys::D);
    ++d.steerLevel;
  } else if (d.steerLevel > level) {
    press(d, keys::A);
    --d.steerLevel;
  }
}

// The driver presses only these; any other code is written as its number, which the parser accepts too.
std::string keyName(int key) {
  switch (key) {
    case keys::W: return "W";
    case keys::S: return "S";
    case keys::A: return "A";
    case keys::D: return "D";
    case keys::F: return "F";
    default: return std::to_string(key);
  }
}

}  // namespace

Drive startDrive(const drive::DriveSetup& setup) {
  Drive d;
  d.sim = drive::simulationFor(setup);
  startRun(d.sim, drive::startEnvironmentFor(setup));
  return d;
}

void driveLeg(Drive& d, const Leg& leg, const std::function<void(const Drive&)>& afterPhaseTick) {
  if (d.ended) return;
  int pendingSpeedKeys = leg.speedSteps;
  if (pendingSpeedKeys > 0 && !leg.phases.empty()) {
    // Steer while standing; the last step shares its tick with the first speed key.
    const int first = leg.phases.front().steer;
    while (std::abs(first - d.steerLevel) > 1) {
      steerTowards(d, first);
      if (!step(d)) return;
    }
    steerTowards(d, first);
  }
  const int speedKey = leg.direction > 0 ? keys::W : keys::S;
  for (const Phase& phase : leg.phases) {
    for (int t = 0; t < phase.ticks; ++t) {
      steerTowards(d, phase.steer);
      if (pendingSpeedKeys > 0) {
        press(d, speedKey);
        --pendingSpeedKeys;
      }
      if (!step(d)) return;
      if (afterPhaseTick) afterPhaseTick(d);
    }
  }
  if (leg.stop) {
    // Each press takes one speed step off at the next tick; the speed is whole steps.
    const long presses = std::lround(std::abs(d.sim.motion.speed) / d.sim.vehicle.speedStep);
    for (long i = 0; i < presses; ++i) press(d, keys::F);
    step(d);
  }
}

Leg truncated(Leg leg, int ticks) {
  for (Phase& phase : leg.phases) {
    phase.ticks = std::min(phase.ticks, ticks);
    ticks -= phase.ticks;
  }
  return leg;
}

std::string keyLines(const std::vector<drive::KeyEvent>& keys) {
  std::string out;
  for (const drive::KeyEvent& k : keys) out += std::to_string(k.tick) + " " + keyName(k.key) + "\n";
  return out;
}

}  // namespace pelvoro::plan
