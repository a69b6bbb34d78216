#include "run/keyboard.h"

#include <gtest/gtest.h>

#include "run/keys.h"
#include "run_fixture.h"

namespace pelvoro {
namespace {

using testing::startedRun;
using testing::tickOnce;

TEST(Keyboard, OneSteeringStepPerTickUpToFullLock) {
  Simulation sim = startedRun(Item::桩考, Mode::练习模式);
  for (int t = 0; t < 10; ++t) {
    for (int repeat = 0; repeat < 5; ++repeat) handleRunKey(sim, keys::Right);  // key repeat within one tick
    EXPECT_NEAR(sim.motion.steerAngle, std::min(t + 1, 6) * sim.vehicle.steerStep, 1e-12);
    tickOnce(sim);
  }
  EXPECT_EQ(sim.motion.steerAngle, sim.vehicle.maxSteerAngle);
}

TEST(Keyboard, SteppingBackToTheCentreIsExactlyStraight) {
  Simulation sim = startedRun(Item::桩考, Mode::练习模式);
  for (int i = 0; i < 3; ++i) {
    handleRunKey(sim, keys::D);
    tickOnce(sim);
  }
  for (int i = 0; i < 3; ++i) {
    handleRunKey(sim, keys::A);
    tickOnce(sim);
  }
  EXPECT_EQ(sim.motion.steerAngle, 0);
  handleRunKey(sim, keys::Left);
  EXPECT_NEAR(sim.motion.steerAngle, -sim.vehicle.steerStep, 1e-15);
}

TEST(Keyboard, SpeedStepsReverseAndBrake) {
  Simulation sim = startedRun(Item::自由练习, Mode::练习模式);
  const double step = sim.vehicle.speedStep;
  handleRunKey(sim, keys::S);
  handleRunKey(sim, keys::S);  // same tick: ignored
  EXPECT_DOUBLE_EQ(sim.motion.speed, -step);
  tickOnce(sim);
  handleRunKey(sim, keys::W);  // a reverse speed is reduced first
  EXPECT_EQ(sim.motion.speed, 0);
  tickOnce(sim);
  for (int i = 0; i < 2; ++i) {
    handleRunKey(sim, keys::Up);
    tickOnce(sim);
  }
  EXPECT_DOUBLE_EQ(sim.motion.speed, 2 * step);
  // Three brake presses in one tick at two steps: stopped, never reversed.
  handleRunKey(sim, keys::F);
  handleRunKey(sim, keys::Ctrl);
  handleRunKey(sim, keys::Numpad5);
  EXPECT_EQ(sim.run.brakePressCount, 3);
  tickOnce(sim);
  EXPECT_EQ(sim.motion.speed, 0);
  EXPECT_EQ(sim.run.brakePressCount, 0);
  for (int i = 0; i < 20; ++i) {
    handleRunKey(sim, keys::W);
    tickOnce(sim);
  }
  EXPECT_EQ(sim.motion.speed, sim.vehicle.maxSpeed);
}

TEST(Keyboard, WidthGatesInTheExamReachTheLimitInOnePress) {
  Simulation sim = startedRun(Item::限速通过限宽门, Mode::考试模式);
  handleRunKey(sim, keys::W);
  EXPECT_EQ(sim.motion.speed, sim.vehicle.maxSpeed);
  Simulation practice = startedRun(Item::限速通过限宽门, Mode::练习模式);
  handleRunKey(practice, keys::W);
  EXPECT_LT(practice.motion.speed, practice.vehicle.maxSpeed);
}

TEST(Keyboard, FirstSpeedKeyStartsTheJudgingAndStartsFromStandstillCount) {
  struct Case {
    Item item;
    int key;
    int stageAfter;
  };
  const Case cases[] = {
      {Item::桩考, keys::S, 1},           {Item::桩考, keys::W, 1},           {Item::侧方停车, keys::W, 1},
      {Item::场地公路调头, keys::Down, 1}, {Item::限速通过限宽门, keys::W, 1}, {Item::限速通过限宽门, keys::S, 0},
      {Item::直角转弯, keys::W, 0},       {Item::通过单边桥, keys::W, 0},     {Item::通过连续障碍, keys::W, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(caption(c.item)));
    Simulation sim = startedRun(c.item, Mode::考试模式);
    EXPECT_EQ(sim.run.judgeStage, -1);
    handleRunKey(sim, keys::A);  // steering does not start the judging
    EXPECT_EQ(sim.run.judgeStage, -1);
    handleRunKey(sim, c.key);
    EXPECT_EQ(sim.run.judgeStage, c.stageAfter);
  }
}

TEST(Keyboard, MovingOffAgainAfterAStopBeginsTheNextSegment) {
  Simulation sim = startedRun(Item::场地公路调头, Mode::考试模式);
  handleRunKey(sim, keys::W);
  tickOnce(sim);
  handleRunKey(sim, keys::W);  // moving: no new segment
  EXPECT_EQ(sim.run.judgeStage, 1);
  tickOnce(sim);
  handleRunKey(sim, keys::F);
  handleRunKey(sim, keys::F);
  tickOnce(sim);
  handleRunKey(sim, keys::S);  // from standstill
  EXPECT_EQ(sim.run.judgeStage, 2);
}

TEST(Keyboard, PracticeToggleKeysAndDemonstrationIgnoresKeys) {
  Simulation practice = startedRun(Item::桩考, Mode::练习模式);
  handleRunKey(practice, keys::Digit1);
  handleRunKey(practice, keys::Numpad2);
  handleRunKey(practice, keys::Digit3);
  handleRunKey(practice, keys::Digit3);
  EXPECT_TRUE(practice.selection.bodyTraceLine.checked);
  EXPECT_TRUE(practice.selection.frontWheelTraceLine.checked);
  EXPECT_FALSE(practice.selection.rearWheelTraceLine.checked);

  Simulation exam = startedRun(Item::桩考, Mode::考试模式);
  handleRunKey(exam, keys::Digit1);
  EXPECT_FALSE(exam.selection.bodyTraceLine.checked);

  Simulation demo = startedRun(Item::桩考, Mode::演示模式);
  for (int key : {keys::W, keys::D, keys::F, keys::Digit1}) handleRunKey(demo, key);
  EXPECT_EQ(demo.motion.speed, 0);
  EXPECT_EQ(demo.motion.steerAngle, 0);
  EXPECT_EQ(demo.run.brakePressCount, 0);
  EXPECT_EQ(demo.run.judgeStage, -1);
  EXPECT_FALSE(demo.selection.bodyTraceLine.checked);
}

}  // namespace
}  // namespace pelvoro
