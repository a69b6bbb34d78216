#include "run/tick.h"

#include <cmath>

#include "field/radar.h"
#include "judging/judgement.h"
#include "model/geometry.h"
#include "run/end_of_run.h"
#include "run/simulation.h"

namespace pelvoro {

namespace {

double sign(double x) { return x > 0 ? 1 : x < 0 ? -1 : 0; }

DemoContext demoContext(const Simulation& sim) {
  return {sim.run.elapsedSeconds, sim.run.tickInterval, sim.run.replayTickInterval,
          sim.view.currentScale,  sim.vehicle.maxSteerAngle, sim.vehicle.maxSpeed};
}

TickResult ended(std::string message, bool moved) { return {true, std::move(message), moved}; }

}  // namespace

std::string timeoutMessage(std::string_view modeCaption) {
  // Two characters of UTF-8 text: skip the continuation bytes of each.
  std::size_t end = 0;
  for (int chars = 0; chars < 2 && end < modeCaption.size(); ++chars) {
    ++end;
    while (end < modeCaption.size() && (static_cast<unsigned char>(modeCaption[end]) & 0xC0) == 0x80) ++end;
  }
  return std::string(modeCaption.substr(0, end)) + "超时!";
}

TickResult tick(Simulation& sim, double screenWidth, double screenHeight) {
  RunState& run = sim.run;
  MotionState& m = sim.motion;
  const Selection& sel = sim.selection;

  if (run.lastScreenWidth > screenWidth || run.lastScreenHeight > screenHeight)
    return ended("屏幕分辨率被改小!", false);
  run.lastScreenWidth = screenWidth;
  run.lastScreenHeight = screenHeight;

  if (run.brakePressCount > 0.5) {
    // Braking never reverses the direction.
    m.speed = sign(m.speed) * 最大值(std::abs(m.speed) - sim.vehicle.speedStep * run.brakePressCount, 0);
    run.brakePressCount = 0;
  }

  // Counted, not summed: 240000 additions of 0.06 fall short of 14400 s, and
  // the four-hour limit would come a tick late.
  ++run.ticksRun;
  run.elapsedSeconds = static_cast<double>(run.ticksRun) * run.tickInterval / 1000;
  if (run.elapsedSeconds >= kRunTimeLimitSeconds) return ended(timeoutMessage(caption(sel.mode)), false);

  if (sel.mode == Mode::演示模式) {
    switch (replayDemoLine(sim.demo, demoContext(sim), m.steerAngle, m.speed)) {
      case ReplayStep::Continue: break;
      case ReplayStep::Ended: return ended("演示结束!", false);
      case ReplayStep::Malformed: return ended("", false);
    }
  } else {
    recordChanges(sim.demo, demoContext(sim), m.steerAngle, m.speed);
    run.speedKeyLatch = 0;
    run.steerKeyLatch = 0;
  }

  计算定位(m, sim.vehicle, run.tickInterval, run.steerSnapThreshold);

  if (sel.mode == Mode::考试模式) {
    JudgingContext context{m, sim.vehicle, sim.field, sim.view, run.stoppedThreshold, run.judgeStage};
    const Verdict verdict = judgeItem(sel.item, context);
    if (!verdict.message.empty()) {
      // A success keeps the recording going up to its moment, for the replay.
      if (classifyMessage(verdict.message) == MessageClass::Success)
        recordSuccess(sim.demo, demoContext(sim), m.steerAngle, m.speed);
      return ended(verdict.message, true);
    }
    if (verdict.skipGroundCheck) return {false, {}, true};
  }

  if (行车雷达(m, sim.view) <= 0) return ended("车身出界!", true);
  return {false, {}, true};
}

}  // namespace pelvoro
