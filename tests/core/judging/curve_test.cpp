#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "exam_fixture.h"
#include "judging/shared_rules.h"
#include "model/geometry.h"
#include "model/kinematics.h"

namespace pelvoro {
namespace {

using testing::Exam;

class Curve : public ::testing::Test {
 protected:
  Exam e{Item::曲线行驶};
  const FieldElements& f = e.field();
  const FieldPoint c1 = f.curveCentres[0], c2 = f.curveCentres[1];
  const double R = f.curveParam, w = f.roadWidth;
  const double c = R - w / 2;  // radius of the road's centre line

  // Rear axle on the circle of radius r about bend 1's centre at angle a (anticlockwise on
  // the screen from +x), driving round it anticlockwise; bend 2 is driven clockwise.
  void inBend1(double r, double a, double speedSteps = 1) {
    e.place(c1.x + r * std::cos(a), c1.y - r * std::sin(a), std::atan2(-std::cos(a), -std::sin(a)),
            speedSteps * e.g.vehicle.speedStep);
  }
  void inBend2(double r, double a, double speedSteps = 1) {
    e.place(c2.x + r * std::cos(a), c2.y - r * std::sin(a), std::atan2(std::cos(a), std::sin(a)),
            speedSteps * e.g.vehicle.speedStep);
  }
  // Facing up the screen with the middle of the body at (x, y).
  void facingUp(double x, double y, double speedSteps = 1) {
    e.placeMiddle(x, y, THREE_HALF_PI, speedSteps * e.g.vehicle.speedStep);
  }
};

TEST_F(Curve, RulesInTheirOrder) {
  const double innerEdgeClearance = (R - w) + e.g.vehicle.vehicleWidth / 2;
  struct Case {
    const char* what;
    int stage;
    std::function<void()> pose;
    const char* expected;
  };
  const Case cases[] = {
      {"direction first", 0, [&] { facingUp(c1.x + R - w, c1.y, -1); }, "行驶方向错误!"},
      {"stopping after the first key", 0, [&] { inBend1(c, 0.5, 0); }, "中途停车!"},
      {"standing before the first key", -1, [&] { inBend1(c, 0.5, 0); }, ""},
      {"the entry's inner line end", 0, [&] { facingUp(c1.x + R - w, c1.y); }, "车身在入口处出线!"},
      {"the entry's outer line end", -1, [&] { facingUp(c1.x + R, c1.y, 0); }, "车身在入口处出线!"},
      {"the exit's inner line end", 0, [&] { facingUp(c2.x - R + w, c2.y); }, "车身在出口处出线!"},
      {"the exit's outer line end", 0, [&] { facingUp(c2.x - R, c2.y); }, "车身在出口处出线!"},
      {"the whole body beyond the exit line", 0, [&] { facingUp(c2.x - c, c2.y - e.metres(2.3)); }, "祝贺你!"},
      {"beyond the exit line anywhere", 0, [&] { facingUp(c2.x, c2.y - e.metres(2.3)); }, "祝贺你!"},
      {"the rear bumper still on the exit line", 0, [&] { facingUp(c2.x - c, c2.y - e.metres(2.1)); }, ""},
      {"on the approach", 0, [&] { facingUp(c1.x + c, c1.y + e.metres(3)); }, ""},
      {"beside the approach", 0, [&] { facingUp(c1.x + R + e.metres(1), c1.y + e.metres(3)); }, ""},
      {"along bend 1", 0, [&] { inBend1(c, 1.0); }, ""},
      {"bend 1 hugging its inner edge", 0, [&] { inBend1(innerEdgeClearance + e.metres(0.05), 1.0); }, ""},
      {"bend 1 over its inner edge", 0, [&] { inBend1(innerEdgeClearance - e.metres(0.05), 1.0); }, "车身出线!"},
      {"bend 1 over its outer edge", 0, [&] { inBend1(c + e.metres(0.3), 1.0); }, "车身出线!"},
      {"from bend 1 into bend 2", 0, [&] { inBend1(c, 0.75 * PI); }, ""},
      {"along bend 2", 0, [&] { inBend2(c, 1.5 * PI); }, ""},
      {"bend 2 over its inner edge", 0, [&] { inBend2(innerEdgeClearance - e.metres(0.05), 1.5 * PI); }, "车身出线!"},
      {"bend 2 over its outer edge", 0, [&] { inBend2(c + e.metres(0.3), 1.5 * PI); }, "车身出线!"},
      {"leaving bend 2", 0, [&] { inBend2(c, 1.05 * PI); }, ""},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    k.pose();
    e.judgeStage = k.stage;
    EXPECT_EQ(e.judgeMessage(), k.expected);
  }
}

TEST_F(Curve, ACornerOnTheOuterEdgeHasCrossedIt) {
  inBend1(c, 1.0);
  e.judgeStage = 0;
  const auto corners = bodyCorners(e.motion());
  double outermost = 0;
  for (const FieldPoint p : corners) outermost = std::max(outermost, 两点距离(p.x, p.y, c1.x, c1.y));
  e.g.field.curveParam = outermost;  // the outer edge through that corner
  e.g.field.roadWidth = outermost - (R - w);
  EXPECT_EQ(e.judgeMessage(), "车身出线!");
  e.g.field.curveParam = outermost + 1e-9;
  EXPECT_EQ(e.judgeMessage(), "");
}

// The rear axle kept on the road's centre line.
TEST_F(Curve, ADriveAlongTheCentreLineIsPassed) {
  const double step = e.metres(0.05);
  std::vector<FieldPoint> centreLine;
  for (double y = e.motion().vehicleY; y > c1.y; y -= step) centreLine.push_back({c1.x + c, y});
  for (double a = 0; a < 0.75 * PI; a += step / c)  // bend 1, anticlockwise
    centreLine.push_back({c1.x + c * std::cos(a), c1.y - c * std::sin(a)});
  for (double a = 1.75 * PI; a > PI; a -= step / c)  // bend 2, clockwise
    centreLine.push_back({c2.x + c * std::cos(a), c2.y - c * std::sin(a)});
  for (double y = c2.y; y > e.g.view.groundPaneTop; y -= step) centreLine.push_back({c2.x - c, y});

  e.pressW();
  e.tick();
  EXPECT_EQ(e.judgeStage, 0);
  e.speedTo(2);
  e.driveUntil([](const MotionState&) { return false; }, [&] { e.followPath(centreLine, 1.5); });
  EXPECT_EQ(e.message, "祝贺你!");
}

}  // namespace
}  // namespace pelvoro
