#include "run/keyboard.h"

#include <cmath>

#include "model/geometry.h"
#include "run/keys.h"
#include "run/simulation.h"

namespace pelvoro {

namespace {

// A W or S pressed at standstill begins a new movement segment for the items
// that judge their moves segment by segment.
bool countsForwardStarts(Item item) {
  return item == Item::桩考 || item == Item::侧方停车 || item == Item::场地公路调头 || item == Item::限速通过限宽门;
}
bool countsReverseStarts(Item item) {
  return item == Item::桩考 || item == Item::侧方停车 || item == Item::场地公路调头;
}

void toggleTraceLine(Selection& s, int key) {
  if (key == keys::Digit1 || key == keys::Numpad1) s.bodyTraceLine.checked = !s.bodyTraceLine.checked;
  if (key == keys::Digit2 || key == keys::Numpad2) s.frontWheelTraceLine.checked = !s.frontWheelTraceLine.checked;
  if (key == keys::Digit3 || key == keys::Numpad3) s.rearWheelTraceLine.checked = !s.rearWheelTraceLine.checked;
}

}  // namespace

void handleRunKey(Simulation& sim, int key) {
  Selection& sel = sim.selection;
  RunState& run = sim.run;
  MotionState& m = sim.motion;
  const VehicleParameters& v = sim.vehicle;

  if (sel.mode == Mode::练习模式) toggleTraceLine(sel, key);
  if (sel.mode == Mode::演示模式) return;  // the file drives
  if (key == keys::F || key == keys::Ctrl || key == keys::Numpad5) ++run.brakePressCount;

  const bool steerLeft = key == keys::A || key == keys::Left;
  const bool steerRight = key == keys::D || key == keys::Right;
  if ((steerLeft || steerRight) && run.steerKeyLatch == 0) {
    m.steerAngle = steerLeft ? 最大值(m.steerAngle - v.steerStep, -v.maxSteerAngle)
                             : 最小值(m.steerAngle + v.steerStep, v.maxSteerAngle);
    run.steerKeyLatch = 1;
    // Stepping back to the centre leaves rounding; straight must be exactly 0.
    if (std::abs(m.steerAngle) < run.steerSnapThreshold) m.steerAngle = 0;
  }

  const bool forward = key == keys::W || key == keys::Up;
  const bool backward = key == keys::S || key == keys::Down;
  if ((forward || backward) && run.speedKeyLatch == 0) {
    if (run.judgeStage < 0) run.judgeStage = 0;
    const bool atRest = std::abs(m.speed) < run.stoppedThreshold;
    if (forward) {
      if (atRest && countsForwardStarts(sel.item)) ++run.judgeStage;
      m.speed = 最小值(m.speed + v.speedStep, v.maxSpeed);
    } else {
      if (atRest && countsReverseStarts(sel.item)) ++run.judgeStage;
      m.speed = 最大值(m.speed - v.speedStep, -v.maxSpeed);
    }
    run.speedKeyLatch = 1;
  }
}

}  // namespace pelvoro
