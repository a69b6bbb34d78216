#include "run/start.h"

#include <gtest/gtest.h>

#include "run/keys.h"
#include "run_fixture.h"

namespace pelvoro {
namespace {

using testing::defaultEnvironment;
using testing::startedRun;
using testing::tickOnce;

TEST(Start, StartingAgainResetsTheClockTheCountersAndTheRecording) {
  Simulation sim = startedRun(Item::桩考, Mode::练习模式);
  const MotionState startPose = sim.motion;
  handleRunKey(sim, keys::S);
  for (int i = 0; i < 20; ++i) tickOnce(sim);
  handleRunKey(sim, keys::F);
  ASSERT_NE(sim.demo.demoLines[0], "");
  startRun(sim, defaultEnvironment());
  EXPECT_EQ(sim.run.elapsedSeconds, 0);
  EXPECT_EQ(sim.run.judgeStage, -1);
  EXPECT_EQ(sim.run.brakePressCount, 0);
  EXPECT_EQ(sim.demo.demoLineIndex, 0);
  EXPECT_EQ(sim.demo.firstLineTime, 0);
  EXPECT_EQ(sim.demo.demoLines[0], "");
  EXPECT_EQ(sim.motion.vehicleX, startPose.vehicleX);
  EXPECT_EQ(sim.motion.speed, 0);
  EXPECT_DOUBLE_EQ(sim.run.stoppedThreshold, 0.8 * sim.vehicle.speedStep);
  EXPECT_DOUBLE_EQ(sim.run.steerSnapThreshold, 0.8 * sim.vehicle.steerStep);
}

TEST(Start, ItemsFitTheirScaleButFreePracticeKeepsTheMenuScale) {
  Simulation exam = startedRun(Item::桩考, Mode::考试模式);
  EXPECT_EQ(exam.view.currentScale, 25);  // 478 / (2 × 2.3 + 2.1 × 6.645) = 25.8
  Simulation free;
  free.selection.vehicle = findVehiclePreset("东南菱帅");
  free.selection.item = Item::自由练习;
  free.selection.mode = Mode::练习模式;
  free.view.currentScale = 20;
  ASSERT_EQ(startRun(free, defaultEnvironment()), StartResult::Running);
  EXPECT_EQ(free.view.currentScale, 20);
  EXPECT_NEAR(free.vehicle.vehicleLength, 4.43 * 20, 1e-9);
}

TEST(Start, FreePracticeRefusesAVehicleTooLargeForTheGround) {
  Simulation sim;
  sim.selection.vehicle = findVehiclePreset("金龙海格");
  sim.selection.item = Item::自由练习;
  sim.selection.mode = Mode::练习模式;
  sim.view.currentScale = 50;  // 10.9 m × 50 > 478 pixels
  EXPECT_EQ(startRun(sim, defaultEnvironment()), StartResult::VehicleTooLarge);
}

TEST(Start, DemonstrationModeTakesTheLoadedLines) {
  std::array<std::string, kDemoLineCount> lines{};
  lines[0] = "a shuffled line";
  Simulation sim;
  sim.selection.vehicle = findVehiclePreset("东南菱帅");
  sim.selection.item = Item::桩考;
  sim.selection.mode = Mode::演示模式;
  StartEnvironment env = defaultEnvironment();
  env.demoLines = &lines;
  startRun(sim, env);
  EXPECT_EQ(sim.demo.demoLines[0], "a shuffled line");
  sim.selection.mode = Mode::练习模式;
  startRun(sim, env);  // only demonstration mode replays a file
  EXPECT_EQ(sim.demo.demoLines[0], "");
}

TEST(Start, StartToTheRightMirrorsOnlyTheThreeItems) {
  EXPECT_TRUE(startedRun(Item::直角转弯, Mode::考试模式, "东南菱帅", true).field.startToRight);
  EXPECT_FALSE(startedRun(Item::桩考, Mode::考试模式, "东南菱帅", true).field.startToRight);
}

}  // namespace
}  // namespace pelvoro
