#include <gtest/gtest.h>

#include "exam_fixture.h"
#include "model/geometry.h"
#include "model/kinematics.h"

namespace pelvoro {
namespace {

using testing::Exam;

class UTurn : public ::testing::Test {
 protected:
  Exam e{Item::场地公路调头};
  const FieldElements& f = e.field();
  const double rearOverhang = e.g.vehicle.rearOverhang;

  double minWheelX() {
    const MotionState& m = e.motion();
    return Min(m.leftRearWheelX, m.rightRearWheelX, m.leftFrontWheelX, m.rightFrontWheelX);
  }
  double maxWheelX() {
    const MotionState& m = e.motion();
    return Max(m.leftRearWheelX, m.rightRearWheelX, m.leftFrontWheelX, m.rightFrontWheelX);
  }
};

TEST_F(UTurn, RulesInTheirOrder) {
  struct Case {
    const char* what;
    int stage;
    double x, y, heading, speedSteps;
    const char* expected;
  };
  const double x = f.centreX;
  const double across = f.centreX + e.g.vehicle.wheelbase / 2;  // facing left, the wheels centred on the road
  const double up = THREE_HALF_PI, down = HALF_PI, left = PI;
  const double between = (f.uturnStartY + f.uturnEndY) / 2;
  const double behindStart = f.uturnStartY + rearOverhang + e.metres(0.1);  // facing down, rear bumper 0.1 m behind
  const double wheelsOverEnd = f.uturnEndY + e.metres(0.1);                 // facing up, rear wheels 0.1 m short
  const Case cases[] = {
      {"wheels over the end line before the direction", 1, x, wheelsOverEnd, up, -1, "车轮出线!"},
      {"wheels over the end line before the first key", -1, x, wheelsOverEnd, up, 0, "车轮出线!"},
      {"front overhang over the end line", 1, x, f.uturnEndY + e.metres(2.6), up, 1, ""},
      {"wheels over the left edge", 2, f.laneLeftX + e.metres(0.7), between, up, -1, "车轮出线!"},
      {"wheels over the right edge", 2, f.laneRightX - e.metres(0.7), between, up, -1, "车轮出线!"},
      {"forward move reversing", 1, across, between, left, -1, "行驶方向错误!"},
      {"forward move stopped", 3, across, between, left, 0, ""},
      {"reverse move driving forward", 2, across, between, left, 1, "行驶方向错误!"},
      {"reverse move stopped", 4, across, between, left, 0, ""},
      {"no success before the fifth move", 3, x, behindStart, down, 1, ""},
      {"fifth move reversing", 5, x, behindStart, down, -1, "行驶方向错误!"},
      {"fifth move stopped", 5, x, behindStart, down, 0, "中途停车!"},
      {"fifth move short of the start line", 5, x, f.uturnStartY, down, 1, ""},
      {"fifth move facing up behind the start line", 5, x, f.uturnStartY + e.metres(5), up, 1, ""},
      {"fifth move past the start line facing down", 5, x, behindStart, down, 1, "祝贺你!"},
      {"a sixth move", 6, across, between, left, 0, "超过三进二退!"},
      {"a seventh move", 7, across, between, left, 1, "超过三进二退!"},
      {"not started", 0, across, between, left, -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    e.place(c.x, c.y, c.heading, c.speedSteps * e.g.vehicle.speedStep);
    e.judgeStage = c.stage;
    EXPECT_EQ(e.judgeMessage(), c.expected);
    EXPECT_EQ(e.judgeStage, c.stage);
  }
}

TEST_F(UTurn, AWheelExactlyOnALineHasCrossedIt) {
  e.place(f.centreX + e.g.vehicle.wheelbase / 2, (f.uturnStartY + f.uturnEndY) / 2, PI + 0.3);  // askew across the road
  e.judgeStage = 2;
  const MotionState& m = e.motion();
  const double nearestEnd = Min(m.leftRearWheelY, m.rightRearWheelY, m.leftFrontWheelY, m.rightFrontWheelY);
  struct Case {
    const char* what;
    double FieldElements::*line;
    double at;
    const char* expected;
  };
  const Case cases[] = {
      {"left edge on a wheel", &FieldElements::laneLeftX, minWheelX(), "车轮出线!"},
      {"left edge just beyond", &FieldElements::laneLeftX, minWheelX() - 1e-9, ""},
      {"right edge on a wheel", &FieldElements::laneRightX, maxWheelX(), "车轮出线!"},
      {"right edge just beyond", &FieldElements::laneRightX, maxWheelX() + 1e-9, ""},
      {"end line on a wheel", &FieldElements::uturnEndY, nearestEnd, "车轮出线!"},
      {"end line just beyond", &FieldElements::uturnEndY, nearestEnd - 1e-9, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const double before = e.g.field.*c.line;
    e.g.field.*c.line = c.at;
    EXPECT_EQ(e.judgeMessage(), c.expected);
    e.g.field.*c.line = before;
  }
}

TEST_F(UTurn, TheRearCornersOnTheStartLineHaveReachedIt) {
  e.place(f.centreX, f.uturnStartY + e.metres(2), HALF_PI + 0.1, e.g.vehicle.speedStep);
  e.judgeStage = 5;
  const double rearmost = 最小值(e.motion().leftRearCornerY, e.motion().rightRearCornerY);
  e.g.field.uturnStartY = rearmost;
  EXPECT_EQ(e.judgeMessage(), "祝贺你!");
  e.g.field.uturnStartY = rearmost + 1e-9;
  EXPECT_EQ(e.judgeMessage(), "");
}

// Three forward moves on full left lock and two reverse moves on full right
// lock, each stopped with the leading wheels a few centimetres from the edge.
TEST_F(UTurn, AFivePointTurnIsPassed) {
  e.pressW();
  e.tick();
  EXPECT_EQ(e.judgeStage, 1);
  // Over to the right first, to have the road's width for the first turn.
  e.steerTo(3);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& m) { return m.vehicleX > f.centreX + e.metres(0.5); })) << e.message;
  e.steerTo(-3);
  ASSERT_TRUE(e.driveUntil([](const MotionState& m) { return m.heading <= THREE_HALF_PI; })) << e.message;
  for (int move = 1; move <= 4; ++move) {
    SCOPED_TRACE(move);
    if (move % 2 == 1) {
      e.steerTo(-6);
      ASSERT_TRUE(e.driveUntil([&](const MotionState&) { return minWheelX() <= f.laneLeftX + e.metres(0.1); }))
          << e.message;
    } else {
      e.steerTo(6);
      ASSERT_TRUE(e.driveUntil([&](const MotionState&) { return maxWheelX() >= f.laneRightX - e.metres(0.1); }))
          << e.message;
    }
    e.stop();
    ASSERT_EQ(e.message, "");
    if (move % 2 == 1) e.pressS(); else e.pressW();
    e.tick();
    EXPECT_EQ(e.judgeStage, move + 1);
  }
  // The fifth move: round to face down the road and drive back over the start line.
  e.steerTo(-6);
  ASSERT_TRUE(e.driveUntil([](const MotionState& m) { return m.heading <= HALF_PI; })) << e.message;
  e.steerTo(0);
  e.driveUntil([](const MotionState&) { return false; });
  EXPECT_EQ(e.message, "祝贺你!");
  EXPECT_GE(最小值(e.motion().leftRearCornerY, e.motion().rightRearCornerY), f.uturnStartY);
}

}  // namespace
}  // namespace pelvoro
