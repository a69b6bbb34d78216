#include "field/layouts.h"

#include <gtest/gtest.h>

#include <cmath>

#include "field/radar.h"
#include "ground_fixture.h"
#include "model/geometry.h"

namespace pelvoro {
namespace {

using testing::Ground;
using testing::prepareGround;

constexpr double kTol = 1e-9;  // metres

double frontBumperY(const Ground& g) { return g.motion.leftFrontCornerY; }
double rearBumperY(const Ground& g) { return g.motion.leftRearCornerY; }

TEST(Layouts, PoleTestInMetres) {
  const Ground g = prepareGround(Item::桩考, "东南菱帅");
  const FieldElements& f = g.field;
  EXPECT_NEAR(g.metres(f.garageMidX - f.garageLeftX), 2.3, kTol);
  EXPECT_NEAR(g.metres(f.garageRightX - f.garageMidX), 2.3, kTol);
  EXPECT_NEAR(g.metres(f.garageBottomY - f.garageTopY), 8.86, kTol);
  EXPECT_NEAR(g.metres(f.garageTopY - f.poleRoadTopY), 6.645, kTol);
  EXPECT_NEAR(g.metres(f.poleRoadEndX - f.garageRightX), 6.645, kTol);
  EXPECT_EQ(f.garageMidX, 239);
  // Facing the end line with the front bumper one unit short of it, the left
  // side wheelbase / 2 below the road's far edge.
  EXPECT_EQ(g.motion.heading, 0);
  EXPECT_NEAR(g.motion.leftFrontCornerX, f.poleRoadEndX - 1, 1e-9);
  EXPECT_NEAR(g.motion.leftFrontCornerY, f.poleRoadTopY + g.vehicle.wheelbase / 2, 1e-9);
  // The bays and the road are centred vertically.
  EXPECT_NEAR(f.poleRoadTopY - g.view.groundPaneTop, g.view.groundPaneBottom - f.garageBottomY, 1e-9);

  const Ground bus = prepareGround(Item::桩考, "金龙小行星");
  EXPECT_NEAR(bus.metres(bus.field.garageRightX - bus.field.garageMidX), 2.8, kTol);
}

TEST(Layouts, SideParkingInMetres) {
  const Ground g = prepareGround(Item::侧方停车, "东南菱帅");
  const FieldElements& f = g.field;
  EXPECT_NEAR(g.metres(f.laneRightX - f.laneLeftX), 3.35, kTol);
  EXPECT_NEAR(g.metres(f.garageRightX - f.laneRightX), 2.5, kTol);
  EXPECT_NEAR(g.metres(f.garageBottomY - f.garageTopY), 7.645, kTol);
  // In the lane's centre, rear bumper 1.5 lengths (less one unit) below the bay.
  EXPECT_NEAR(g.motion.vehicleX, (f.laneLeftX + f.laneRightX) / 2, 1e-9);
  EXPECT_NEAR(rearBumperY(g) - f.garageBottomY, 1.5 * g.vehicle.vehicleLength - 1, 1e-9);

  struct ClassCase {
    const char* vehicle;
    double bayLengthMetres;
  };
  for (const ClassCase c : {ClassCase{"程力客车", 1.5 * 9.215 - 1}, {"金龙海格", 1.5 * 10.6 - 1},
                            {"程力尖头", 1.5 * 9.0}, {"金龙小行星", 1.5 * 5.99}, {"上海申龙", 1.5 * 8.93},
                            {"五菱桂花", 1.5 * 5.63 + 1}}) {
    const Ground v = prepareGround(Item::侧方停车, c.vehicle);
    EXPECT_NEAR(v.metres(v.field.garageBottomY - v.field.garageTopY), c.bayLengthMetres, 1e-9) << c.vehicle;
  }
}

TEST(Layouts, RightAngleTurnInMetres) {
  const Ground g = prepareGround(Item::直角转弯, "东南菱帅");
  const FieldElements& f = g.field;
  EXPECT_NEAR(g.metres(f.turnInnerY - f.turnOuterY), 3.5, kTol);
  EXPECT_NEAR(g.metres(f.laneRightX - f.turnInnerX), 3.5, kTol);
  EXPECT_NEAR(g.metres(f.turnStartY - f.turnOuterY), 6.645, kTol);
  EXPECT_NEAR(g.metres(f.laneRightX - f.turnLeftEndX), 6.645, kTol);
  EXPECT_NEAR(g.metres(g.view.groundPaneRight - f.laneRightX), 0.2, kTol);
  EXPECT_NEAR(rearBumperY(g) - f.turnStartY, 2 * g.vehicle.vehicleLength, 1e-9);
  EXPECT_NEAR(g.motion.vehicleX, (f.turnInnerX + f.laneRightX) / 2, 1e-9);

  const Ground truck = prepareGround(Item::直角转弯, "程力尖头");
  EXPECT_NEAR(truck.metres(truck.field.turnInnerY - truck.field.turnOuterY), 5.3 + 0.5, kTol);
}

TEST(Layouts, ContinuousObstaclesInMetres) {
  const Ground g = prepareGround(Item::通过连续障碍, "东南菱帅");
  const FieldElements& f = g.field;
  EXPECT_NEAR(g.metres(f.laneRightX - f.laneLeftX), 7, kTol);
  EXPECT_NEAR(g.metres(f.obstacleDiameter), 0.7, kTol);
  for (std::size_t i = 1; i < 6; ++i)
    EXPECT_NEAR(g.metres(f.obstacleCentres[i - 1].y - f.obstacleCentres[i].y), 6.25, kTol);
  const double offsets[6] = {0, -1, 1, -1, 1, 0};  // left, right, left, right of the centre line
  for (std::size_t i = 0; i < 6; ++i) EXPECT_NEAR(g.metres(f.obstacleCentres[i].x - f.centreX), offsets[i], kTol);
  EXPECT_NEAR(g.metres(frontBumperY(g) - f.obstacleCentres[0].y), 0.886, kTol);

  const Ground bus = prepareGround(Item::通过连续障碍, "金龙海格");
  EXPECT_NEAR(bus.metres(bus.field.obstacleCentres[0].y - bus.field.obstacleCentres[1].y), 2 * 4.3, kTol);
}

TEST(Layouts, SingleSideBridgeInMetres) {
  const Ground g = prepareGround(Item::通过单边桥, "东南菱帅");
  const FieldElements& f = g.field;
  EXPECT_NEAR(g.metres(f.bridgeRampLength), 0.08 / 0.07, kTol);
  EXPECT_NEAR(g.metres(f.bridgeTopLength), 3.75, kTol);
  EXPECT_NEAR(g.metres(f.bridge1StartY - f.bridge1EndY), 6.0357, 5e-5);
  EXPECT_NEAR(g.metres(f.bridge2StartY - f.bridge2EndY), 6.0357, 5e-5);
  EXPECT_NEAR(g.metres(f.bridge1EndY - f.bridge2StartY), 7.5, kTol);
  EXPECT_NEAR(g.metres(f.bridge2LeftX - f.bridge1RightX), 2.45, kTol);
  EXPECT_NEAR(g.metres(f.bridge1RightX - f.bridge1LeftX), 0.2, kTol);
  EXPECT_LT(f.bridge1RightX, g.motion.vehicleX);  // bridge 1 on the left

  const Ground bus = prepareGround(Item::通过单边桥, "金龙海格");
  EXPECT_NEAR(bus.metres(bus.field.bridgeRampLength), 0.12 / 0.07, kTol);
  EXPECT_NEAR(bus.metres(bus.field.bridge1EndY - bus.field.bridge2StartY), 2.5 * 4.3, kTol);
}

TEST(Layouts, CurveInMetres) {
  const Ground g = prepareGround(Item::曲线行驶, "东南菱帅");
  const FieldElements& f = g.field;
  const double px = g.view.groundPaneRight / 2, py = g.view.groundPaneBottom / 2;
  EXPECT_NEAR(g.metres(f.curveParam), 7.5, kTol);
  EXPECT_NEAR(g.metres(f.curveParam - f.roadWidth), 4, kTol);
  EXPECT_NEAR(g.metres(f.curveCentres[0].x - px), 4.0659, 5e-5);
  EXPECT_NEAR(g.metres(f.curveCentres[0].y - py), 4.0659, 5e-5);
  EXPECT_NEAR(g.metres(px - f.curveCentres[1].x), 4.0659, 5e-5);
  EXPECT_NEAR(g.metres(py - f.curveCentres[1].y), 4.0659, 5e-5);
  EXPECT_NEAR(g.metres(g.motion.vehicleX - f.curveCentres[0].x), 5.75, kTol);
  EXPECT_NEAR(rearBumperY(g) - f.curveCentres[0].y, 1.5 * g.vehicle.vehicleLength, 1e-9);

  const Ground bus = prepareGround(Item::曲线行驶, "上海申龙");
  EXPECT_NEAR(bus.metres(bus.field.curveParam), 10, kTol);
  EXPECT_NEAR(bus.metres(bus.field.roadWidth), 4, kTol);
}

TEST(Layouts, WidthGatesInMetres) {
  const Ground g = prepareGround(Item::限速通过限宽门, "东南菱帅");
  const FieldElements& f = g.field;
  EXPECT_NEAR(g.metres(f.laneRightX - f.laneLeftX), 7, kTol);
  const double offsets[3] = {0.85, -0.85, 0.85};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(g.metres(f.gateRightPosts[i].x - f.gateLeftPosts[i].x), 2.3, kTol);
    EXPECT_NEAR(g.metres(f.gateCentres[i].x - f.centreX), offsets[i], kTol);
    EXPECT_EQ(f.gateLeftPosts[i].y, f.gateCentres[i].y);
    EXPECT_EQ(f.gateRightPosts[i].y, f.gateCentres[i].y);
  }
  EXPECT_NEAR(g.metres(f.gateCentres[0].y - f.gateCentres[1].y), 13.29, kTol);
  EXPECT_NEAR(g.metres(f.gateCentres[1].y - f.gateCentres[2].y), 13.29, kTol);
  EXPECT_NEAR(g.motion.vehicleX, f.gateCentres[0].x, 1e-9);
}

TEST(Layouts, UTurnInMetres) {
  const Ground g = prepareGround(Item::场地公路调头, "东南菱帅");
  const FieldElements& f = g.field;
  EXPECT_NEAR(g.metres(f.laneRightX - f.laneLeftX), 5, kTol);
  EXPECT_NEAR(g.metres(f.uturnStartY - g.view.groundPaneBottom / 2), 2.215, kTol);
  EXPECT_NEAR(g.metres(f.uturnStartY - f.uturnEndY), 8.86, kTol);
  EXPECT_EQ(g.motion.vehicleX, f.centreX);
}

// Each x of one ground is the mirror image of its counterpart in the other.
void expectMirrored(const Ground& a, double xa, double xb) { EXPECT_NEAR(xa, a.mirrored(xb), 1e-9); }

TEST(Layouts, MirroredGroundsAreMirrorImages) {
  for (Item item : {Item::直角转弯, Item::通过连续障碍, Item::通过单边桥}) {
    for (const char* vehicle : {"东南菱帅", "金龙海格"}) {
      SCOPED_TRACE(std::string(caption(item)) + " " + vehicle);
      const Ground a = prepareGround(item, vehicle, false);
      const Ground b = prepareGround(item, vehicle, true);
      const FieldElements &fa = a.field, &fb = b.field;
      EXPECT_TRUE(fb.startToRight);
      switch (item) {
        case Item::直角转弯:
          expectMirrored(a, fa.turnInnerX, fb.turnInnerX);
          expectMirrored(a, fa.laneRightX, fb.laneLeftX);
          expectMirrored(a, fa.turnLeftEndX, fb.turnRightEndX);
          EXPECT_NE(fa.turnInnerX, fb.turnInnerX);
          EXPECT_EQ(fa.turnStartY, fb.turnStartY);
          EXPECT_EQ(fa.turnInnerY, fb.turnInnerY);
          break;
        case Item::通过连续障碍:
          for (std::size_t i = 0; i < 6; ++i) {
            expectMirrored(a, fa.obstacleCentres[i].x, fb.obstacleCentres[i].x);
            EXPECT_EQ(fa.obstacleCentres[i].y, fb.obstacleCentres[i].y);
          }
          EXPECT_NE(fa.obstacleCentres[1].x, fb.obstacleCentres[1].x);
          break;
        default:
          expectMirrored(a, fa.bridge1LeftX, fb.bridge1RightX);
          expectMirrored(a, fa.bridge2LeftX, fb.bridge2RightX);
          EXPECT_NE(fa.bridge1LeftX, fb.bridge1LeftX);
          EXPECT_EQ(fa.bridge1StartY, fb.bridge1StartY);
          EXPECT_EQ(fa.bridge2EndY, fb.bridge2EndY);
          break;
      }
      // The start pose too: the left front corner of one is the right front corner of the other.
      expectMirrored(a, a.motion.vehicleX, b.motion.vehicleX);
      expectMirrored(a, a.motion.leftFrontCornerX, b.motion.rightFrontCornerX);
      EXPECT_EQ(a.motion.vehicleY, b.motion.vehicleY);
      EXPECT_EQ(a.motion.heading, b.motion.heading);
    }
  }
}

TEST(Layouts, StartToRightChangesNothingForOtherItems) {
  for (Item item : {Item::桩考, Item::侧方停车, Item::曲线行驶, Item::限速通过限宽门, Item::场地公路调头}) {
    const Ground a = prepareGround(item, "东南菱帅", false);
    const Ground b = prepareGround(item, "东南菱帅", true);
    EXPECT_FALSE(b.field.startToRight);
    EXPECT_EQ(a.motion.vehicleX, b.motion.vehicleX) << caption(item);
  }
}

// For every model and item: the fitted scale is the largest that fits, and the
// vehicle starts wholly on the ground at rest with the wheels straight.
TEST(Layouts, EveryModelStartsOnEveryGroundAtTheLargestFittingScale) {
  for (const VehiclePreset& p : vehicleCatalogue()) {
    for (Item item : allItems()) {
      if (!hasGround(item)) continue;
      for (bool right : {false, true}) {
        SCOPED_TRACE(std::string(p.caption) + " " + std::string(caption(item)));
        const Ground g = prepareGround(item, p.caption, right);
        const double s = g.view.currentScale;
        EXPECT_LE(g.extent.width * s, g.view.groundPaneRight);
        EXPECT_LE(g.extent.height * s, g.view.groundPaneBottom);
        EXPECT_TRUE(g.extent.width * (s + 1) > g.view.groundPaneRight ||
                    g.extent.height * (s + 1) > g.view.groundPaneBottom);
        EXPECT_GT(行车雷达(g.motion, g.view), 0);
        EXPECT_EQ(g.motion.speed, 0);
        EXPECT_EQ(g.motion.steerAngle, 0);
      }
    }
  }
}

TEST(Layouts, FieldModeFollowsTheGround) {
  EXPECT_TRUE(场地模式(hasGround(Item::桩考)).examModeEnabled);
  EXPECT_FALSE(场地模式(hasGround(Item::桩考)).currentScaleEnabled);
  EXPECT_FALSE(场地模式(hasGround(Item::自由练习)).examModeEnabled);
  EXPECT_TRUE(场地模式(hasGround(Item::自由练习)).currentScaleEnabled);
  EXPECT_EQ(startSideSuffix(Item::直角转弯, true), "_右");
  EXPECT_EQ(startSideSuffix(Item::桩考, true), "");
  EXPECT_EQ(startSideSuffix(Item::通过单边桥, false), "");
  for (Item item : allItems()) EXPECT_EQ(itemFromCaption(caption(item)), item);
  EXPECT_EQ(itemFromCaption("坡道定点停车和起步"), std::nullopt);
}

}  // namespace
}  // namespace pelvoro
