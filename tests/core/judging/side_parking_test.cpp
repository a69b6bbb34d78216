#include <gtest/gtest.h>

#include <string>

#include "exam_fixture.h"
#include "model/geometry.h"
#include "model/kinematics.h"

namespace pelvoro {
namespace {

using testing::Exam;

class SideParking : public ::testing::Test {
 protected:
  Exam e{Item::侧方停车};
  const FieldElements& f = e.field();
  const double laneCentreX = (f.laneLeftX + f.laneRightX) / 2;
  const double bayCentreX = (f.laneRightX + f.garageRightX) / 2;
  // Drive-in must end with the whole body ahead of this line.
  const double markY = (f.garageTopY + f.garageBottomY) / 2 + f.garageLength / 6;

  // Facing up (turned clockwise by `turn` radians) with the rear bumper's middle at rearY.
  void placeUp(double x, double rearY, double speedSteps = 0, double turn = 0) {
    e.place(x, rearY - e.g.vehicle.rearOverhang, THREE_HALF_PI + turn, speedSteps * e.g.vehicle.speedStep);
  }
};

TEST_F(SideParking, RulesInTheirOrder) {
  struct Case {
    const char* what;
    int stage;
    double x, rearY, speedSteps;
    const char* expected;
  };
  const double overLeftLine = f.laneLeftX + e.metres(0.5);  // the left side 0.35 m over the lane's left line
  const Case cases[] = {
      {"a pole before the direction and the lines", 1, f.laneRightX, f.garageBottomY + e.metres(1), -1, "车身碰杆!"},
      {"a pole before the first key", -1, f.laneRightX, f.garageBottomY + e.metres(1), 0, "车身碰杆!"},
      {"driving in: direction before the lines", 1, overLeftLine, markY, -1, "行驶方向错误!"},
      {"driving in: lines before the stop", 1, overLeftLine, markY + e.metres(0.3), 0, "车身出线!"},
      {"driving in: stopped behind the mark", 1, laneCentreX, markY + e.metres(0.3), 0, "进车不到位!"},
      {"driving in: moving behind the mark", 1, laneCentreX, markY + e.metres(0.3), 1, ""},
      {"driving in: slower than the stopped threshold", 1, laneCentreX, markY + e.metres(0.3), 0.7, "进车不到位!"},
      {"driving in: stopped ahead of the mark", 1, laneCentreX, markY - e.metres(0.3), 0, ""},
      {"driving in: stopped ahead of the mark half over the bay", 1, f.laneRightX, markY - e.metres(0.3), 0, ""},
      {"reversing: direction first", 2, bayCentreX, f.garageBottomY - e.metres(1), 1, "行驶方向错误!"},
      {"reversing: rear over the bay's near end", 2, laneCentreX, f.garageBottomY + e.metres(0.1), -1, "车身出线!"},
      {"reversing: lines before the stop", 2, laneCentreX, f.garageBottomY + e.metres(0.1), 0, "车身出线!"},
      {"reversing: moving in the bay", 2, bayCentreX, f.garageBottomY - e.metres(1), -1, ""},
      {"reversing: stopped in the bay", 2, bayCentreX, f.garageBottomY - e.metres(1), 0, "祝贺你!"},
      {"reversing: stopped half in the bay", 2, f.laneRightX + e.metres(0.4), f.garageBottomY - e.metres(1), 0,
       "停车不到位!"},
      {"not started: no rule but the poles", 0, overLeftLine, markY, -1, ""},
      {"after the reverse: no rule but the poles", 3, overLeftLine, markY, -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    placeUp(c.x, c.rearY, c.speedSteps);
    e.judgeStage = c.stage;
    EXPECT_EQ(e.judgeMessage(), c.expected);
    EXPECT_EQ(e.judgeStage, c.stage);  // only the keyboard counts the moves
  }
}

TEST_F(SideParking, ACornerOnTheBaysSideLineIsNotParked) {
  // Parked slightly askew: the left rear corner is the one nearest the lane.
  placeUp(bayCentreX, f.garageBottomY - e.metres(1), 0, 0.05);
  e.judgeStage = 2;
  const double cornerX = e.motion().leftRearCornerX;
  ASSERT_LT(cornerX, e.motion().leftFrontCornerX);

  e.g.field.laneRightX = cornerX;  // the side line through that corner
  EXPECT_EQ(e.judgeMessage(), "停车不到位!");
  e.g.field.laneRightX = cornerX - e.metres(0.01);
  EXPECT_EQ(e.judgeMessage(), "祝贺你!");
}

TEST_F(SideParking, AParkingDriveIsPassed) {
  const double startX = e.motion().vehicleX;
  // Drive in along the lane's right side and stop with the rear 1 m past the bay's far end.
  e.pressW();
  e.tick();
  EXPECT_EQ(e.judgeStage, 1);
  e.speedTo(2);
  e.steerTo(1);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& m) { return m.vehicleX > startX + e.metres(0.3); })) << e.message;
  e.steerTo(-1);
  ASSERT_TRUE(e.driveUntil([](const MotionState& m) { return m.heading <= THREE_HALF_PI; })) << e.message;
  e.steerTo(0);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& m) { return m.leftRearCornerY < f.garageTopY + e.metres(1); }))
      << e.message;
  e.stop();
  ASSERT_EQ(e.message, "");

  // Reverse: full right lock swings the rear into the bay, full left lock straightens the body.
  e.pressS();
  e.tick();
  EXPECT_EQ(e.judgeStage, 2);
  e.speedTo(-2);
  e.steerTo(6);
  ASSERT_TRUE(e.driveUntil([](const MotionState& m) { return m.heading <= THREE_HALF_PI - 40 * PI / 180; }))
      << e.message;
  e.steerTo(-6);
  ASSERT_TRUE(e.driveUntil([](const MotionState& m) { return m.heading >= THREE_HALF_PI; })) << e.message;
  e.steerTo(0);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& m) {
    return 最大值(m.leftRearCornerY, m.rightRearCornerY) > f.garageBottomY - e.metres(0.3);
  })) << e.message;
  e.stop();
  EXPECT_EQ(e.message, "祝贺你!");
}

}  // namespace
}  // namespace pelvoro
