#include <gtest/gtest.h>

#include <algorithm>

#include "exam_fixture.h"
#include "model/geometry.h"
#include "model/kinematics.h"

namespace pelvoro {
namespace {

using testing::Exam;

class WidthGates : public ::testing::Test {
 protected:
  Exam e{Item::限速通过限宽门};
  const FieldElements& f = e.field();
  const VehicleParameters& v = e.g.vehicle;

  double gateX(int g) const { return f.gateCentres[static_cast<std::size_t>(g - 1)].x; }
  double gateY(int g) const { return f.gateCentres[static_cast<std::size_t>(g - 1)].y; }
  // Facing up (turned clockwise by `turn`) with the front bumper's middle at frontY.
  void frontAt(double x, double frontY, double speed, double turn = 0) {
    e.place(x, frontY + v.wheelbase + v.frontOverhang, THREE_HALF_PI + turn, speed);
  }
  void rearAt(double x, double rearY, double speed, double turn = 0) {
    e.place(x, rearY - v.rearOverhang, THREE_HALF_PI + turn, speed);
  }
};

TEST_F(WidthGates, TheExamSpeedStepIsTheLimit) {
  EXPECT_EQ(v.speedStep, v.maxSpeed);
  e.pressW();
  EXPECT_EQ(e.judgeStage, 1);
  EXPECT_EQ(e.motion().speed, v.maxSpeed);
}

TEST_F(WidthGates, RulesInTheirOrder) {
  struct Case {
    const char* what;
    int stage;
    bool front;  // place by the front bumper, else by the rear bumper
    double x, y, speed, turn;
    const char* expected;
    int stageAfter;
  };
  const double full = v.maxSpeed, slow = 0.85 * v.maxSpeed;
  const double offRoad = f.laneLeftX + e.metres(0.5);  // the left side 0.35 m over the road's edge
  const double approach = gateY(1) + e.metres(1);
  const double beyond = -e.metres(0.1);  // a bumper 0.1 m past a gate line
  const double wide = e.metres(0.4);     // beside the gate's middle by more than the 0.3 m clearance
  const Case cases[] = {
      {"direction before the road", 2, true, offRoad, approach, -full, 0, "行驶方向错误!", 2},
      {"the road before the first start", -1, true, offRoad, approach, 0, 0, "车身出线!", -1},
      {"nothing else before the first start", 0, true, gateX(1), gateY(1), 0, 0, "", 0},
      {"front into gate 1 beside the posts", 1, true, gateX(1) + wide, gateY(1) + beyond, full, 0, "车未进入第1条门!", 1},
      {"a gate before the speed", 1, true, gateX(1) + wide, gateY(1) + beyond, slow, 0, "车未进入第1条门!", 1},
      {"front through gate 1", 1, true, gateX(1), gateY(1) + beyond, full, 0, "", 2},
      {"one front corner through gate 1", 1, true, gateX(1), gateY(1), full, 0.02, "", 1},
      {"a post before the speed", 2, true, gateX(1) + wide, gateY(1) - e.metres(2), slow, 0, "车身碰杆!", 2},
      {"rear out of gate 1 beside the posts", 2, false, gateX(1) + wide, gateY(1) + beyond, full, 0, "车未通过第1条门!", 2},
      {"rear through gate 1", 2, false, gateX(1), gateY(1) + beyond, full, 0, "", 3},
      {"gate 1's posts no longer judged", 3, true, gateX(1) + wide, gateY(1) - e.metres(2), full, 0, "", 3},
      {"gate 2's posts no longer judged", 5, true, gateX(2) + wide, gateY(2) - e.metres(2), full, 0, "", 5},
      {"front through gate 2", 3, true, gateX(2), gateY(2) + beyond, full, 0, "", 4},
      {"front into gate 3 beside the posts", 5, true, gateX(3) - wide, gateY(3) + beyond, full, 0, "车未进入第3条门!", 5},
      {"below the minimum speed", 1, true, gateX(1), approach, slow, 0, "车速低于最低限速!", 1},
      {"at the minimum speed", 1, true, gateX(1), approach, 0.9 * v.maxSpeed, 0, "", 1},
      {"rear through gate 3 too slowly", 6, false, gateX(3), gateY(3) + beyond, slow, 0, "车速低于最低限速!", 7},
      {"rear through gate 3", 6, false, gateX(3), gateY(3) + beyond, full, 0, "祝贺你!", 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.front) frontAt(c.x, c.y, c.speed, c.turn); else rearAt(c.x, c.y, c.speed, c.turn);
    e.judgeStage = c.stage;
    const Verdict verdict = e.judge();
    EXPECT_EQ(verdict.message, c.expected);
    EXPECT_EQ(e.judgeStage, c.stageAfter);
  }
}

TEST_F(WidthGates, TheGroundCheckIsSkippedOnlyBeforeTheFirstStart) {
  frontAt(gateX(1), gateY(1) + e.metres(1), 0);
  for (const int stage : {-1, 0}) {
    e.judgeStage = stage;
    EXPECT_TRUE(e.judge().skipGroundCheck) << stage;
  }
  e.motion().speed = v.maxSpeed;
  e.judgeStage = 1;
  const Verdict verdict = e.judge();
  EXPECT_EQ(verdict.message, "");
  EXPECT_FALSE(verdict.skipGroundCheck);
}

TEST_F(WidthGates, AFrontCornerOnAPostsXIsNotBetweenThePosts) {
  frontAt(gateX(1), gateY(1) - e.metres(0.05), v.maxSpeed);
  e.judgeStage = 1;
  const double cornerX = e.motion().leftFrontCornerX;
  e.g.field.gateLeftPosts[0].x = cornerX;
  EXPECT_EQ(e.judgeMessage(), "车未进入第1条门!");
  e.g.field.gateLeftPosts[0].x = cornerX - 1e-9;
  e.judgeStage = 1;
  EXPECT_EQ(e.judgeMessage(), "");
  EXPECT_EQ(e.judgeStage, 2);
}

// One W at the start gives the full 20 km/h; the driver weaves from gate to gate.
TEST_F(WidthGates, ADriveThroughTheThreeGatesIsPassed) {
  e.pressW();
  const auto nextGateX = [&](double) { return gateX(std::clamp((e.judgeStage + 1) / 2, 1, 3)); };
  e.driveUntil([](const MotionState&) { return false; }, [&] { e.followLine(nextGateX, 4); });
  EXPECT_EQ(e.message, "祝贺你!");
  EXPECT_EQ(e.judgeStage, 7);
  EXPECT_LE(e.motion().leftRearCornerY, gateY(3));
}

}  // namespace
}  // namespace pelvoro
