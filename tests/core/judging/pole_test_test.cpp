#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "exam_fixture.h"
#include "judging/shared_rules.h"
#include "model/geometry.h"
#include "model/kinematics.h"

namespace pelvoro {
namespace {

using testing::Exam;

class PoleTest : public ::testing::Test {
 protected:
  Exam e{Item::桩考};
  const FieldElements& f = e.field();
  const VehicleParameters& v = e.g.vehicle;
  const double bayB = (f.garageLeftX + f.garageMidX) / 2;   // middles of the bays
  const double bayA = (f.garageMidX + f.garageRightX) / 2;
  const double roadY = (f.poleRoadTopY + f.garageTopY) / 2;  // middle of the road

  double m(double metres) const { return e.metres(metres); }
};

TEST_F(PoleTest, RulesInTheirOrder) {
  const double up = THREE_HALF_PI, left = PI, right = 0;
  const double frontToMiddle = (v.wheelbase + v.frontOverhang + v.rearOverhang) / 2;
  struct Case {
    const char* what;
    int stage;
    double x, y, heading;  // middle of the body
    double speedSteps;
    const char* expected;
  };
  const Case cases[] = {
      {"a pole before the first key", -1, f.garageMidX, f.garageTopY, up, 0, "车身碰杆!"},
      {"a pole before the direction", 1, f.garageMidX, f.garageTopY, up, 1, "车身碰杆!"},
      {"a pole in a stage without rules", 9, f.garageLeftX, f.garageBottomY, up, 0, "车身碰杆!"},
      {"B: forward from the start", 1, f.poleRoadEndX - m(2.5), roadY, right, 1, "行驶方向错误!"},
      {"B: reversing from the start", 1, f.poleRoadEndX - m(2.5), roadY, right, -1, ""},
      {"B: direction before the lines", 1, bayB, f.garageBottomY - m(1.5), up, 1, "行驶方向错误!"},
      {"B: over the back line", 1, bayB, f.garageBottomY - m(1.5), up, -1, "车身出线!"},
      {"B: lines before the stop", 1, bayB, f.garageBottomY - m(1.5), up, 0, "车身出线!"},
      {"B: stopped half on the road", 1, bayB, f.garageTopY + m(1.5), up, 0, "倒B库不到位!"},
      {"B: stopped in bay B", 1, bayB, f.garageTopY + m(3), up, 0, ""},
      {"B: reversing into bay A", 1, bayA, f.garageTopY + m(3), up, -1, "车身出线!"},
      {"shuffle: reversing in a forward move", 2, f.garageMidX, f.garageTopY + m(3), up, -1, "行驶方向错误!"},
      {"shuffle: forward in a reverse move", 3, f.garageMidX, f.garageTopY + m(3), up, 1, "行驶方向错误!"},
      {"shuffle: standing across both bays", 4, f.garageMidX, f.garageTopY + m(3), up, 0, ""},
      {"shuffle: front on the road", 2, bayB, f.garageTopY + m(2), up, 1, "车身出线!"},
      {"shuffle: stopped half in bay A", 5, f.garageMidX, f.garageTopY + m(3), up, 0, "移A库不到位!"},
      {"shuffle: stopped in bay A", 5, bayA, f.garageTopY + m(3), up, 0, ""},
      {"out: reversing", 6, bayB, roadY, left, -1, "行驶方向错误!"},
      {"out: over the road above bay A", 6, f.garageMidX, roadY, left, 1, "车身出线!"},
      {"out: stopped above bay B", 6, f.garageLeftX, roadY, left, 0, "进起点2不到位!"},
      {"out: stopped at start point 2", 6, f.garageLeftX - m(2.8), roadY, left, 0, ""},
      {"A again: forward", 7, f.garageMidX, roadY, left, 1, "行驶方向错误!"},
      {"A again: right of bay A on the road", 7, f.garageRightX, roadY, left, -1, "车身出线!"},
      {"A again: stopped on the road", 7, f.garageMidX, roadY, left, 0, "倒A库不到位!"},
      {"A again: stopped in bay A", 7, bayA, f.garageTopY + m(3), up, 0, ""},
      {"home: over the road above bay B", 8, f.garageMidX, roadY, right, 1, "车身出线!"},
      {"home: 0.3 m short of the end line", 8, f.poleRoadEndX - m(0.3) - frontToMiddle, roadY, right, 1, ""},
      {"home: 0.15 m short of the end line", 8, f.poleRoadEndX - m(0.15) - frontToMiddle, roadY, right, 1, "祝贺你!"},
      {"home: over the end line", 8, f.poleRoadEndX + m(0.1) - frontToMiddle, roadY, right, 1, "车身出线!"},
      {"home: stopped 0.3 m short", 8, f.poleRoadEndX - m(0.3) - frontToMiddle, roadY, right, 0, "中途停车!"},
      {"home: stopped 0.15 m short", 8, f.poleRoadEndX - m(0.15) - frontToMiddle, roadY, right, 0, "中途停车!"},
      {"home: stopped short of start point 1", 8, f.garageRightX + m(1.5), roadY, right, 0, "回起点1不到位!"},
      {"not started: no rule but the poles", 0, f.garageMidX, roadY, right, -1, ""},
      {"past the last move: no rule but the poles", 9, f.garageMidX, roadY, right, -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    e.placeMiddle(c.x, c.y, c.heading, c.speedSteps * v.speedStep);
    e.judgeStage = c.stage;
    EXPECT_EQ(e.judgeMessage(), c.expected);
    EXPECT_EQ(e.judgeStage, c.stage);  // only the keyboard counts the moves
  }
}

TEST_F(PoleTest, ACornerOnTheBayEntranceLine) {
  // In bay B, slightly askew, with the left front corner the highest point.
  e.placeMiddle(bayB, f.garageTopY + m(3), THREE_HALF_PI + 0.02);
  const MotionState& body = e.motion();
  ASSERT_LT(body.leftFrontCornerY, body.rightFrontCornerY);
  e.g.field.garageTopY = body.leftFrontCornerY;  // the entrance line through that corner
  struct Case {
    int stage;
    double speedSteps;
    const char* expected;
  };
  // Inside the left column in the first move, but not in bay B; on the outline of the bays later on.
  const Case cases[] = {{1, -1, ""}, {1, 0, "倒B库不到位!"}, {2, 0, "车身出线!"}, {3, -1, "车身出线!"}, {5, 0, "车身出线!"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stage);
    e.motion().speed = c.speedSteps * v.speedStep;
    e.judgeStage = c.stage;
    EXPECT_EQ(e.judgeMessage(), c.expected);
  }
  e.motion().speed = 0;
  e.g.field.garageTopY = body.leftFrontCornerY - 1e-9;
  e.judgeStage = 2;
  EXPECT_EQ(e.judgeMessage(), "");
}

// The whole pole test on full lock: reverse into B, shift into A in four
// moves, out forward over B to start point 2, reverse into A, and out to the end line.
TEST_F(PoleTest, TheEightMovesArePassed) {
  const double R = v.wheelbase / std::tan(v.maxSteerAngle);  // rear axle radius on full lock
  const double deg = PI / 180;
  using Done = std::function<bool(const MotionState&)>;
  const auto rearNear = [](double y) -> Done {
    return [y](const MotionState& s) { return 最大值(s.leftRearCornerY, s.rightRearCornerY) >= y; };
  };
  const auto frontNear = [](double y) -> Done {
    return [y](const MotionState& s) { return 最小值(s.leftFrontCornerY, s.rightFrontCornerY) <= y; };
  };
  const auto start = [&](bool forward, int expectedStage) {
    if (forward) e.pressW(); else e.pressS();
    e.tick();
    EXPECT_EQ(e.judgeStage, expectedStage);
    e.speedTo(forward ? 2 : -2);
  };

  // 1: reverse along the road and swing into bay B.
  start(false, 1);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& s) { return s.vehicleX <= bayB + R + m(0.15); })) << e.message;
  e.steerTo(6);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& s) { return s.heading <= -HALF_PI + 2.5 * deg; })) << e.message;
  e.steerTo(0);
  ASSERT_TRUE(e.driveUntil(rearNear(f.garageBottomY - m(0.3)))) << e.message;
  e.stop();
  ASSERT_EQ(e.message, "");

  // 2 to 5: a quarter of the way across at each move, forward and back.
  for (int move = 2; move <= 5; ++move) {
    SCOPED_TRACE(move);
    const double lineX = bayB + (bayA - bayB) * (move - 1) / 4;
    const bool forward = move % 2 == 0;
    start(forward, move);
    ASSERT_TRUE(e.driveUntil(forward ? frontNear(f.garageTopY + m(0.3)) : rearNear(f.garageBottomY - m(0.3)),
                             [&] { e.followLine([&](double) { return lineX; }, 1); }))
        << e.message;
    e.steerTo(0);
    e.stop();
    ASSERT_EQ(e.message, "");
  }

  // 6: half left, up through the gap above bay B, round to the left and on to start point 2.
  start(true, 6);
  e.steerTo(-6);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& s) { return s.heading <= -HALF_PI - 18 * deg; })) << e.message;
  e.steerTo(0);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& s) { return s.vehicleY <= f.garageTopY - m(0.5); })) << e.message;
  e.steerTo(-6);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& s) { return s.heading <= -PI + 2.5 * deg; })) << e.message;
  e.steerTo(0);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& s) {
    return Max(s.leftRearCornerX, s.rightRearCornerX, s.leftFrontCornerX, s.rightFrontCornerX) < f.garageLeftX - m(0.3);
  })) << e.message;
  e.stop();
  ASSERT_EQ(e.message, "");

  // 7: reverse along the road and swing into bay A.
  start(false, 7);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& s) { return s.vehicleX >= bayA - R; })) << e.message;
  e.steerTo(-6);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& s) { return s.heading >= -HALF_PI - 2.5 * deg; })) << e.message;
  e.steerTo(0);
  ASSERT_TRUE(e.driveUntil(rearNear(f.garageBottomY - m(0.5)))) << e.message;
  e.stop();
  ASSERT_EQ(e.message, "");

  // 8: out of bay A, round to the right and up to the end line.
  start(true, 8);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& s) { return s.vehicleY <= f.garageTopY + m(0.5); })) << e.message;
  e.steerTo(6);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& s) { return s.heading >= -2.5 * deg; })) << e.message;
  e.steerTo(0);
  e.driveUntil([](const MotionState&) { return false; });
  EXPECT_EQ(e.message, "祝贺你!");
  EXPECT_GT(e.motion().speed, 0);
}

}  // namespace
}  // namespace pelvoro
