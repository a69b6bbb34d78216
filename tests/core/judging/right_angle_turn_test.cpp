#include <gtest/gtest.h>

#include "exam_fixture.h"
#include "judging/shared_rules.h"
#include "model/geometry.h"
#include "model/kinematics.h"

namespace pelvoro {
namespace {

using testing::Exam;

// Poses are written for the left turn and mirrored about the pane's middle
// for the ground that starts to the right.
struct Pose {
  double x, y, heading;
  bool middle = false;  // (x, y) is the middle of the body, else the rear axle centre
};

class RightAngleTurn : public ::testing::TestWithParam<bool> {
 protected:
  const bool toRight = GetParam();
  Exam e{Item::直角转弯, "东南菱帅", toRight};
  Exam plain{Item::直角转弯};  // the left-turn ground the poses are written for
  const FieldElements& f = plain.field();

  void place(Pose p, double speedSteps) {
    const double x = toRight ? e.g.mirrored(p.x) : p.x;
    const double heading = toRight ? PI - p.heading : p.heading;
    const double speed = speedSteps * e.g.vehicle.speedStep;
    if (p.middle) e.placeMiddle(x, p.y, heading, speed); else e.place(x, p.y, heading, speed);
  }
};

TEST_P(RightAngleTurn, RulesInTheirOrder) {
  const double up = THREE_HALF_PI, left = PI;
  const double approachX = (f.turnInnerX + f.laneRightX) / 2;
  const double crossingY = (f.turnOuterY + f.turnInnerY) / 2;
  const Pose inApproach{approachX, f.turnStartY - plain.metres(1), up};
  const Pose onInnerEntranceEnd{f.turnInnerX, f.turnStartY + plain.metres(1), up};
  const Pose overBothInnerLines{f.turnInnerX, f.turnInnerY + plain.metres(2.5), up};
  const Pose onInnerCorner{f.turnInnerX, f.turnInnerY, 1.25 * PI, true};
  const Pose onOuterExitEnd{f.turnLeftEndX + plain.metres(1), f.turnOuterY, left};
  const Pose beyondExit{f.turnLeftEndX - plain.metres(1.2), crossingY, left};
  const Pose beyondExitOverOuterEdge{f.turnLeftEndX - plain.metres(1.2), f.turnOuterY + plain.metres(0.7), left};
  const Pose inCrossingLeg{f.turnInnerX + plain.metres(1.5), crossingY, left};
  const Pose overCrossingOuterEdge{f.turnInnerX + plain.metres(1.5), f.turnOuterY + plain.metres(0.7), left};
  const Pose overApproachOuterEdge{f.laneRightX - plain.metres(0.5), f.turnStartY - plain.metres(2), up};
  const Pose overOuterEdgeBelowEntrance{f.laneRightX - plain.metres(0.5), f.turnStartY + plain.metres(5), up};
  const Pose halfwayRound{f.turnInnerX + plain.metres(1.3), f.turnInnerY - plain.metres(0.35), 1.25 * PI};
  struct Case {
    const char* what;
    int stage;
    Pose pose;
    double speedSteps;
    const char* expected;
  };
  const Case cases[] = {
      {"direction first", 0, onInnerEntranceEnd, -1, "行驶方向错误!"},
      {"stopping after the first key", 0, inApproach, 0, "中途停车!"},
      {"standing before the first key", -1, inApproach, 0, ""},
      {"a stop before the entrance", 0, onInnerEntranceEnd, 0, "中途停车!"},
      {"an entrance line end before the first key", -1, onInnerEntranceEnd, 0, "车身在入口处出线!"},
      {"the entrance before the corner", 0, overBothInnerLines, 1, "车身在入口处出线!"},
      {"the right-angle point", 0, onInnerCorner, 1, "直角点被压!"},
      {"an exit line end", 0, onOuterExitEnd, 1, "车身在出口处出线!"},
      {"out through the exit", 0, beyondExit, 1, "祝贺你!"},
      {"out through the exit over the outer edge", 0, beyondExitOverOuterEdge, 1, "车身不正!"},
      {"in the crossing leg", 0, inCrossingLeg, 1, ""},
      {"over the crossing leg's outer edge", 0, overCrossingOuterEdge, 1, "车身出线!"},
      {"over the approach's outer edge", 0, overApproachOuterEdge, 1, "车身出线!"},
      {"over the outer edge below the entrance", 0, overOuterEdgeBelowEntrance, 1, ""},
      {"halfway round the corner", 0, halfwayRound, 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    place(c.pose, c.speedSteps);
    e.judgeStage = c.stage;
    EXPECT_EQ(e.judgeMessage(), c.expected);
  }
}

TEST_P(RightAngleTurn, ThePoleOnTheBodysOutlineIsRunOver) {
  place({f.turnInnerX + plain.metres(1.3), f.turnInnerY - plain.metres(0.35), 1.25 * PI}, 1);  // halfway round
  e.judgeStage = 0;
  ASSERT_EQ(e.judgeMessage(), "");
  // Move the corner of the road onto a body corner that lies exactly on the
  // outline after rounding (not every corner does).
  bool moved = false;
  for (const FieldPoint corner : bodyCorners(e.motion())) {
    if (moved || 在车身外部(e.motion(), corner.x, corner.y) != 0) continue;
    e.g.field.turnInnerX = corner.x;
    e.g.field.turnInnerY = corner.y;
    moved = true;
  }
  ASSERT_TRUE(moved);
  EXPECT_EQ(e.judgeMessage(), "直角点被压!");
}

// Up the approach close to its outer edge, then round on full lock.
TEST_P(RightAngleTurn, ATurnOnFullLockIsPassed) {
  const FieldElements& field = e.field();
  const double side = toRight ? -1 : 1;
  const double outerEdgeX = toRight ? field.laneLeftX : field.laneRightX;
  const double lineX = outerEdgeX - side * (e.g.vehicle.vehicleWidth / 2 + e.metres(0.3));
  e.pressW();
  e.tick();
  EXPECT_EQ(e.judgeStage, 0);
  e.speedTo(2);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& m) { return m.vehicleY <= field.turnInnerY + e.metres(2.5); },
                           [&] { e.followLine([&](double) { return lineX; }, 3); }))
      << e.message;
  e.steerTo(toRight ? 6 : -6);
  ASSERT_TRUE(e.driveUntil([&](const MotionState& m) { return toRight ? m.heading >= TWO_PI : m.heading <= PI; }))
      << e.message;
  e.steerTo(0);
  e.driveUntil([](const MotionState&) { return false; });
  EXPECT_EQ(e.message, "祝贺你!");
}

INSTANTIATE_TEST_SUITE_P(BothSides, RightAngleTurn, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& side) {
                           return side.param ? "StartToRight" : "StartToLeft";
                         });

}  // namespace
}  // namespace pelvoro
