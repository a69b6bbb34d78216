#include "run/tick.h"

#include <gtest/gtest.h>

#include <cmath>

#include "field/radar.h"
#include "run/keys.h"
#include "run_fixture.h"

namespace pelvoro {
namespace {

using testing::kScreenHeight;
using testing::kScreenWidth;
using testing::startedRun;
using testing::tickOnce;

TEST(Tick, AdvancesTheClockAndMovesWithTheCommandedSpeed) {
  Simulation sim = startedRun(Item::场地公路调头, Mode::练习模式);
  const double y = sim.motion.vehicleY;
  handleRunKey(sim, keys::W);
  const TickResult r = tickOnce(sim);
  EXPECT_FALSE(r.ended);
  EXPECT_TRUE(r.moved);
  EXPECT_DOUBLE_EQ(sim.run.elapsedSeconds, 0.06);
  EXPECT_NEAR(sim.motion.vehicleY, y - sim.vehicle.speedStep * 0.06, 1e-9);
  EXPECT_EQ(sim.run.speedKeyLatch, 0);  // reopened for the next tick
}

TEST(Tick, BrakeAtStandstillStaysStopped) {
  Simulation sim = startedRun(Item::桩考, Mode::练习模式);
  handleRunKey(sim, keys::F);
  tickOnce(sim);
  EXPECT_EQ(sim.motion.speed, 0);
  EXPECT_FALSE(std::signbit(sim.motion.speed));
}

TEST(Tick, PracticeIgnoresTheItemRulesUntilTheBodyLeavesTheGround) {
  // Straight ahead from the pole-test start runs through the end line and off the ground.
  Simulation sim = startedRun(Item::桩考, Mode::练习模式);
  handleRunKey(sim, keys::W);
  TickResult r;
  int ticks = 0;
  do {
    r = tickOnce(sim);
    ++ticks;
  } while (!r.ended && ticks < 10000);
  EXPECT_EQ(r.message, "车身出界!");
  EXPECT_LE(行车雷达(sim.motion, sim.view), 0);
}

TEST(Tick, ExamJudgesTheItem) {
  // Forward first in the pole test is the wrong direction.
  Simulation sim = startedRun(Item::桩考, Mode::考试模式);
  handleRunKey(sim, keys::W);
  const TickResult r = tickOnce(sim);
  EXPECT_TRUE(r.ended);
  EXPECT_EQ(r.message, "行驶方向错误!");
}

TEST(Tick, FourHoursEndTheRunWithTheModesTimeout) {
  for (Mode mode : {Mode::考试模式, Mode::练习模式}) {
    Simulation sim = startedRun(Item::桩考, mode);
    sim.run.ticksRun = 240000 - 1;  // four hours of 60 ms ticks, less one
    const TickResult r = tickOnce(sim);
    EXPECT_TRUE(r.ended);
    EXPECT_FALSE(r.moved);
    EXPECT_EQ(r.message, mode == Mode::考试模式 ? "考试超时!" : "练习超时!");
  }
  EXPECT_EQ(timeoutMessage("演示模式"), "演示超时!");
}

TEST(Tick, TheClockCountsTicksExactly) {
  // Regression: summing 0.06 s per tick put the clock at 14399.99999997 s after
  // four hours, so the timeout came one tick late.
  Simulation sim = startedRun(Item::桩考, Mode::考试模式);
  TickResult r;
  for (long t = 1; t <= 240000 && !r.ended; ++t) r = tickOnce(sim);
  EXPECT_EQ(sim.run.ticksRun, 240000);
  EXPECT_EQ(sim.run.elapsedSeconds, 14400);
  EXPECT_EQ(r.message, "考试超时!");
}

TEST(Tick, ASmallerScreenEndsTheRun) {
  Simulation sim = startedRun(Item::桩考, Mode::练习模式);
  EXPECT_FALSE(tick(sim, kScreenWidth + 100, kScreenHeight).ended);  // larger is fine, and remembered
  const TickResult r = tick(sim, kScreenWidth, kScreenHeight);
  EXPECT_TRUE(r.ended);
  EXPECT_EQ(r.message, "屏幕分辨率被改小!");
}

TEST(Tick, RecordsAChangeOncePerTickAndNothingWhenUnchanged) {
  Simulation sim = startedRun(Item::桩考, Mode::练习模式);
  tickOnce(sim);
  EXPECT_EQ(sim.demo.demoLineIndex, 0);
  handleRunKey(sim, keys::S);
  handleRunKey(sim, keys::D);
  tickOnce(sim);
  EXPECT_EQ(sim.demo.demoLineIndex, 1);
  EXPECT_DOUBLE_EQ(sim.demo.firstLineTime, 0.12);
  tickOnce(sim);
  EXPECT_EQ(sim.demo.demoLineIndex, 1);
  EXPECT_NE(sim.demo.demoLines[0], "");
  EXPECT_EQ(sim.demo.demoLines[1], "");
}

}  // namespace
}  // namespace pelvoro
