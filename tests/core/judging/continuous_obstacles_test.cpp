#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "exam_fixture.h"
#include "model/geometry.h"
#include "model/kinematics.h"

namespace pelvoro {
namespace {

using testing::Exam;

class ContinuousObstacles : public ::testing::Test {
 protected:
  Exam e{Item::通过连续障碍};
  const FieldElements& f = e.field();
  const VehicleParameters& v = e.g.vehicle;

  FieldPoint disc(int i) const { return f.obstacleCentres[static_cast<std::size_t>(i - 1)]; }
  // Facing up with the front axle centre at (x, y).
  void frontAxleAt(double x, double y, double speedSteps = 1) {
    e.place(x, y + v.wheelbase, THREE_HALF_PI, speedSteps * v.speedStep);
  }
  void rearAxleAt(double x, double y, double speedSteps = 1) {
    e.place(x, y, THREE_HALF_PI, speedSteps * v.speedStep);
  }
};

TEST_F(ContinuousObstacles, RulesInTheirOrder) {
  const double overRoadEdge = f.laneLeftX + e.metres(0.5);  // the left side 0.35 m over the edge
  const double pastRow = -e.metres(0.01);                   // the front wheels just past a disc's row
  const double underOverhang = e.metres(0.5);               // a disc under the front overhang
  struct Case {
    const char* what;
    int stage;
    double x, frontAxleY, speedSteps;
    const char* expected;
    int stageAfter;
  };
  const Case cases[] = {
      {"direction before the road", 0, overRoadEdge, disc(1).y + e.metres(1), -1, "行驶方向错误!", 0},
      {"the road before the discs", 0, overRoadEdge, disc(1).y + pastRow, 1, "车身出线!", 0},
      {"disc 1 passing under the front", 0, disc(1).x, disc(1).y + underOverhang, 1, "", 1},
      {"disc 1 not under the body when the front wheels reach it", 0, disc(1).x + e.metres(1.5),
       disc(1).y + pastRow, 1, "第1圆饼未过!", 0},
      {"straight up the middle misses disc 2", 1, f.centreX, disc(2).y + pastRow, 1, "第2圆饼未过!", 1},
      {"a missed disc before a tyre on it", 1, disc(2).x + v.frontTrack / 2, disc(2).y + pastRow, 1, "第2圆饼未过!", 1},
      {"a tyre on a straddled disc", 2, disc(2).x + v.frontTrack / 2, disc(2).y, 1, "左前轮压第2圆饼!", 2},
      {"a tyre on a disc not yet straddled", 2, disc(3).x + v.frontTrack / 2, disc(3).y + e.metres(0.2), 1,
       "左前轮压第3圆饼!", 2},
      {"disc 2 between the front wheels", 2, disc(2).x, disc(2).y, 1, "", 2},
      {"disc 3 under the front after disc 2", 2, disc(3).x, disc(3).y + underOverhang, 1, "", 3},
      {"disc 4 under the front with disc 3 missed", 2, disc(4).x, disc(4).y + underOverhang, 1, "第3圆饼未过!", 2},
      {"stopped between discs", 3, disc(4).x, disc(4).y + e.metres(3), 0, "中途停车!", 3},
      {"stopped before the first key", -1, f.centreX, disc(1).y + e.metres(1.5), 0, "", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    frontAxleAt(c.x, c.frontAxleY, c.speedSteps);
    e.judgeStage = c.stage;
    EXPECT_EQ(e.judgeMessage(), c.expected);
    EXPECT_EQ(e.judgeStage, c.stageAfter);
  }
}

TEST_F(ContinuousObstacles, SkippedDiscsAreNamedAsARange) {
  // Discs 2 and 3 moved out ahead of the vehicle, which covers disc 4 with its front overhang.
  frontAxleAt(disc(4).x, disc(4).y + e.metres(0.5));
  e.g.field.obstacleCentres[1].y = e.g.field.obstacleCentres[2].y = disc(4).y - e.metres(5);
  e.judgeStage = 1;
  EXPECT_EQ(e.judgeMessage(), "第2-3圆饼未过!");
}

TEST_F(ContinuousObstacles, TheLastWheelInTheNamingOrderIsNamed) {
  // One large disc under several tyres at once; the wheels are named in the
  // order left rear, right rear, left front, right front and the last one wins.
  struct Case {
    const char* what;
    double dx, dy;  // disc centre from the body's middle, metres (x right, y down)
    double diameter;
    const char* expected;
  };
  const Case cases[] = {
      {"all four wheels", 0, 0, 4, "右前轮压第1圆饼!"},
      {"the two left wheels", -1.6, 0, 3.4, "左前轮压第1圆饼!"},
      {"the two rear wheels", 0, 1.2, 1.8, "右后轮压第1圆饼!"},
      {"the left rear wheel alone", -0.8, 1.3, 0.4, "左后轮压第1圆饼!"},
  };
  e.placeMiddle(f.centreX, disc(1).y - e.metres(3), THREE_HALF_PI, v.speedStep);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const double middleY = (e.motion().leftFrontCornerY + e.motion().rightRearCornerY) / 2;
    e.g.field.obstacleCentres[0] = {f.centreX + e.metres(c.dx), middleY + e.metres(c.dy)};
    e.g.field.obstacleDiameter = e.metres(c.diameter);
    e.judgeStage = 1;
    EXPECT_EQ(e.judgeMessage(), c.expected);
  }
}

TEST_F(ContinuousObstacles, ATyreEdgeAtTheDiscsRadiusRunsOverIt) {
  rearAxleAt(disc(1).x - e.metres(0.4), disc(1).y);  // disc 1 just inside the right rear tyre
  e.judgeStage = 1;
  const MotionState& m = e.motion();
  // The right rear tyre's inner edge, half a tyre width from the wheel centre towards the middle.
  const double innerEdgeX = m.rightRearWheelX - v.rearTyreCount * v.tyreWidth / 4;
  const double gap = 两点距离(disc(1).x, disc(1).y, innerEdgeX, m.rightRearWheelY);
  e.g.field.obstacleDiameter = 2 * gap;
  EXPECT_EQ(e.judgeMessage(), "右后轮压第1圆饼!");
  e.g.field.obstacleDiameter = 2 * std::nextafter(gap, 0.0);
  EXPECT_EQ(e.judgeMessage(), "");
}

TEST_F(ContinuousObstacles, FrontTyresAreProbedAcrossTheSteeredWheel) {
  e.place(f.centreX, disc(1).y - e.metres(1), THREE_HALF_PI, v.speedStep, -0.5);  // turning left
  const MotionState& m = e.motion();
  const double h = v.frontTyreCount * v.tyreWidth / 4;
  const double wheelAngle = m.heading + m.leftWheelSteer;
  const FieldPoint steeredEdge{m.leftFrontWheelX + h * std::sin(wheelAngle),
                               m.leftFrontWheelY - h * std::cos(wheelAngle)};
  const FieldPoint unsteeredEdge{m.leftFrontWheelX + h * std::sin(m.heading),
                                 m.leftFrontWheelY - h * std::cos(m.heading)};
  e.g.field.obstacleDiameter = e.metres(0.02);
  e.judgeStage = 1;
  e.g.field.obstacleCentres[0] = steeredEdge;
  EXPECT_EQ(e.judgeMessage(), "左前轮压第1圆饼!");
  e.g.field.obstacleCentres[0] = unsteeredEdge;
  EXPECT_EQ(e.judgeMessage(), "");
}

TEST_F(ContinuousObstacles, TheLastDiscMustEndCentredBehindTheRearAxle) {
  struct Case {
    const char* what;
    int stage;
    double offset;  // rear axle beside disc 6, in half rear tracks
    double speedSteps;
    const char* expected;
  };
  const Case cases[] = {
      {"centred", 6, 0, 1, "祝贺你!"},
      {"within half the rear track", 6, 0.8, 1, "祝贺你!"},
      {"further off, still moving", 6, 1.2, 1, ""},
      {"further off, stopped", 6, 1.2, 0, "中途停车!"},
      {"disc 6 never straddled", 5, 0, 1, "第6圆饼未过!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    rearAxleAt(disc(6).x + c.offset * v.rearTrack / 2, disc(6).y - e.metres(0.5), c.speedSteps);
    e.judgeStage = c.stage;
    EXPECT_EQ(e.judgeMessage(), c.expected);
  }
}

// The driver keeps the rear axle on the zigzag line through the disc centres.
TEST_F(ContinuousObstacles, ADriveOverTheSixDiscsIsPassed) {
  for (const bool toRight : {false, true}) {
    SCOPED_TRACE(toRight ? "start to the right" : "start to the left");
    Exam drive(Item::通过连续障碍, "东南菱帅", toRight);
    const auto& centres = drive.field().obstacleCentres;
    const auto zigzagX = [&](double y) {
      for (std::size_t i = 0; i + 1 < centres.size(); ++i) {
        if (y < centres[i + 1].y) continue;
        const double t = std::clamp((centres[i].y - y) / (centres[i].y - centres[i + 1].y), 0.0, 1.0);
        return centres[i].x + t * (centres[i + 1].x - centres[i].x);
      }
      return centres.back().x;
    };
    drive.pressW();
    drive.tick();
    EXPECT_EQ(drive.judgeStage, 0);
    drive.speedTo(1);
    drive.driveUntil([](const MotionState&) { return false; }, [&] { drive.followLine(zigzagX, 2); });
    EXPECT_EQ(drive.message, "祝贺你!");
    EXPECT_EQ(drive.judgeStage, 6);
  }
}

}  // namespace
}  // namespace pelvoro
