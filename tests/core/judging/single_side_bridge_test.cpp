#include <gtest/gtest.h>

#include <algorithm>

#include "exam_fixture.h"
#include "model/geometry.h"
#include "model/kinematics.h"

namespace pelvoro {
namespace {

using testing::Exam;

// Without the start to the right the left wheels run along bridge 1 and the
// right wheels along bridge 2.
class SingleSideBridge : public ::testing::Test {
 protected:
  Exam e{Item::通过单边桥};
  const FieldElements& f = e.field();
  const VehicleParameters& v = e.g.vehicle;
  const double bridge1X = (f.bridge1LeftX + f.bridge1RightX) / 2;
  const double bridge2X = (f.bridge2LeftX + f.bridge2RightX) / 2;

  // Facing up with the left front wheel centre at (x, y).
  void leftFrontWheelAt(double x, double y, double speedSteps = 1) {
    e.place(x + v.frontTrack / 2, y + v.wheelbase, THREE_HALF_PI, speedSteps * v.speedStep);
  }
  void leftRearWheelAt(double x, double y, double speedSteps = 1) {
    e.place(x + v.rearTrack / 2, y, THREE_HALF_PI, speedSteps * v.speedStep);
  }
  void rightFrontWheelAt(double x, double y, double speedSteps = 1) {
    e.place(x - v.frontTrack / 2, y + v.wheelbase, THREE_HALF_PI, speedSteps * v.speedStep);
  }
  void rightRearWheelAt(double x, double y, double speedSteps = 1) {
    e.place(x - v.rearTrack / 2, y, THREE_HALF_PI, speedSteps * v.speedStep);
  }
};

TEST_F(SingleSideBridge, RulesInTheirOrder) {
  // A front wheel 1 m onto a bridge, a rear wheel 1 m before its far end (the front wheel past it).
  const double front1 = f.bridge1StartY - e.metres(1), rear1 = f.bridge1EndY + e.metres(1);
  const double front2 = f.bridge2StartY - e.metres(1), rear2 = f.bridge2EndY + e.metres(1);
  const double beside = e.metres(0.3);  // a tyre off the bridge
  struct Case {
    const char* what;
    int stage;
    std::function<void()> pose;
    const char* expected;
    int stageAfter;
  };
  const Case cases[] = {
      {"direction first", 0, [&] { leftFrontWheelAt(bridge1X + beside, front1, -1); }, "行驶方向错误!", 0},
      {"first front tyre misses bridge 1", 0, [&] { leftFrontWheelAt(bridge1X + beside, front1); }, "左前轮未上桥!", 0},
      {"first front tyre onto bridge 1", 0, [&] { leftFrontWheelAt(bridge1X, front1); }, "", 1},
      {"just short of bridge 1 nothing is judged", 0,
       [&] { leftFrontWheelAt(bridge1X + beside, f.bridge1StartY + e.metres(0.01)); }, "", 0},
      {"first front tyre off bridge 1 midway", 1, [&] { leftFrontWheelAt(bridge1X + beside, front1); }, "左前轮中途下桥!", 1},
      {"first rear tyre misses bridge 1", 1, [&] { leftRearWheelAt(bridge1X + beside, rear1); }, "左后轮未上桥!", 1},
      {"first rear tyre onto bridge 1", 1, [&] { leftRearWheelAt(bridge1X, rear1); }, "", 2},
      {"first rear tyre off bridge 1 midway", 2, [&] { leftRearWheelAt(bridge1X + beside, rear1); }, "左后轮中途下桥!", 2},
      {"second front tyre not judged before stage 2", 1, [&] { rightFrontWheelAt(bridge2X + beside, front2); }, "", 1},
      {"second front tyre misses bridge 2", 2, [&] { rightFrontWheelAt(bridge2X + beside, front2); }, "右前轮未上桥!", 2},
      {"second front tyre onto bridge 2", 2, [&] { rightFrontWheelAt(bridge2X, front2); }, "", 3},
      {"second front tyre off bridge 2 midway", 3, [&] { rightFrontWheelAt(bridge2X + beside, front2); },
       "右前轮中途下桥!", 3},
      {"second rear tyre misses bridge 2", 3, [&] { rightRearWheelAt(bridge2X + beside, rear2); }, "右后轮未上桥!", 3},
      {"second rear tyre onto bridge 2", 3, [&] { rightRearWheelAt(bridge2X, rear2); }, "", 4},
      {"second rear tyre off bridge 2 midway", 4, [&] { rightRearWheelAt(bridge2X + beside, rear2); }, "右后轮中途下桥!", 4},
      {"a stop on the bridge", 4, [&] { rightRearWheelAt(bridge2X, rear2, 0); }, "中途停车!", 4},
      {"standing before the first key", -1, [&] { leftFrontWheelAt(bridge1X, f.bridge1StartY + e.metres(1), 0); },
       "", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.pose();
    e.judgeStage = c.stage;
    EXPECT_EQ(e.judgeMessage(), c.expected);
    EXPECT_EQ(e.judgeStage, c.stageAfter);
  }
}

TEST_F(SingleSideBridge, PassedOnceTheSecondRearWheelLeavesBridge2NotTurnedAway) {
  struct Case {
    const char* what;
    bool toRight;
    int stage;
    double turn;  // clockwise from straight up, radians
    double speedSteps;
    const char* expected;
  };
  const Case cases[] = {
      {"straight on", false, 4, 0, 1, "祝贺你!"},
      {"turned back to the middle", false, 4, -0.05, 1, "祝贺你!"},
      {"turned away, moving", false, 4, 0.05, 1, ""},
      {"turned away, stopped", false, 4, 0.05, 0, "中途停车!"},
      {"second rear wheel never on bridge 2", false, 3, 0, 1, ""},
      // Regression: a vehicle pointing straight up was refused in the mirrored
      // ground, since cos(3π/2) puts frontAxleX a rounding error left of vehicleX.
      {"mirrored, straight on", true, 4, 0, 1, "祝贺你!"},
      {"mirrored, turned back to the middle", true, 4, 0.05, 1, "祝贺你!"},
      {"mirrored, turned away", true, 4, -0.05, 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Exam x(Item::通过单边桥, "东南菱帅", c.toRight);
    x.place(x.motion().vehicleX, x.field().bridge2EndY - x.metres(0.3), THREE_HALF_PI + c.turn,
            c.speedSteps * x.g.vehicle.speedStep);
    x.judgeStage = c.stage;
    EXPECT_EQ(x.judgeMessage(), c.expected);
  }
}

TEST_F(SingleSideBridge, TheTyreIsScannedAcrossItsWidthLessFiveCentimetres) {
  // Single 165 mm tyres are scanned 0, 1, 2 and 3 cm either side of the wheel centre.
  Exam small(Item::通过单边桥, "长安奔奔");
  const FieldElements& sf = small.field();
  const VehicleParameters& sv = small.g.vehicle;
  struct Case {
    double outside;  // the wheel centre beyond the bridge's right edge, metres
    const char* expected;
  };
  for (const Case c : {Case{0.029, ""}, Case{0.031, "左前轮未上桥!"}}) {
    SCOPED_TRACE(c.outside);
    small.place(sf.bridge1RightX + small.metres(c.outside) + sv.frontTrack / 2, sf.bridge1StartY, THREE_HALF_PI,
                sv.speedStep);
    small.judgeStage = 0;
    EXPECT_EQ(small.judgeMessage(), c.expected);
  }
}

TEST_F(SingleSideBridge, TheFrontTyreIsScannedAcrossTheSteeredWheel) {
  // 4 cm is the widest offset scanned on a 185 mm tyre: 3.5 cm beside the
  // bridge it reaches over the edge across a straight wheel, but not across a wheel steered by 33°.
  const double x = f.bridge1RightX + e.metres(0.035) + v.frontTrack / 2;
  const double y = f.bridge1StartY - e.metres(1) + v.wheelbase;
  e.place(x, y, THREE_HALF_PI, v.speedStep);
  e.judgeStage = 0;
  EXPECT_EQ(e.judgeMessage(), "");
  e.place(x, y, THREE_HALF_PI, v.speedStep, -0.5);
  ASSERT_NEAR(e.motion().leftWheelSteer, -33 * PI / 180, 0.01);
  e.judgeStage = 0;
  EXPECT_EQ(e.judgeMessage(), "左前轮未上桥!");
}

// The driver keeps the first side's wheels on bridge 1, moves across to put the
// other side's wheels on bridge 2, and heads back to the middle afterwards.
TEST_F(SingleSideBridge, ADriveOverBothBridgesIsPassed) {
  for (const bool toRight : {false, true}) {
    SCOPED_TRACE(toRight ? "start to the right" : "start to the left");
    Exam drive(Item::通过单边桥, "东南菱帅", toRight);
    const FieldElements& df = drive.field();
    const double side1 = toRight ? -1 : 1;  // from the first side's wheels to the rear axle centre
    const double line1 = (df.bridge1LeftX + df.bridge1RightX) / 2 + side1 * drive.g.vehicle.rearTrack / 2;
    const double line2 = (df.bridge2LeftX + df.bridge2RightX) / 2 - side1 * drive.g.vehicle.rearTrack / 2;
    const double crossFrom = df.bridge1EndY - drive.metres(1), crossTo = crossFrom - drive.metres(4.5);
    const auto lineX = [&](double y) {
      if (y < df.bridge2EndY - drive.metres(1)) return df.centreX;
      const double t = std::clamp((crossFrom - y) / (crossFrom - crossTo), 0.0, 1.0);
      return line1 + t * (line2 - line1);
    };
    drive.pressW();
    drive.tick();
    EXPECT_EQ(drive.judgeStage, 0);
    drive.speedTo(2);
    drive.driveUntil([](const MotionState&) { return false; }, [&] { drive.followLine(lineX, 3); });
    EXPECT_EQ(drive.message, "祝贺你!");
    EXPECT_EQ(drive.judgeStage, 4);
  }
}

}  // namespace
}  // namespace pelvoro
