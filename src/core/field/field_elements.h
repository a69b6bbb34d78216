// The ground of the current item, computed once per run by its set-up.
// World units unless noted; y grows downwards and the vehicle drives up the screen.
#pragma once

#include <array>

namespace pelvoro {

struct FieldPoint {
  double x = 0;
  double y = 0;
};

struct FieldElements {
  // Item inputs, set by Start before the scale fit (metres or vehicle lengths).
  double approachLengths = 0;  // start rear bumper to the item's near end, vehicle lengths
  double runOutLengths = 0;    // space kept beyond the item, vehicle lengths
  double garageWidth = 0;
  double garageLength = 0;
  double poleRoadWidth = 0;
  double roadWidth = 0;        // metres at Start for the gates and the U-turn, world units after set-up
  double turnExtra = 0;
  double curveParam = 0;       // outer radius of both bends
  bool startToRight = false;   // the mirrored ground of the turn, the obstacles and the bridge

  double centreX = 0;          // the pane's horizontal centre
  double laneLeftX = 0;        // left and right road boundary lines
  double laneRightX = 0;

  // 桩考 and 侧方停车
  double garageMidX = 0, garageLeftX = 0, garageRightX = 0, poleRoadEndX = 0;
  double poleRoadTopY = 0, garageTopY = 0, garageBottomY = 0;

  // 直角转弯
  double turnOuterY = 0, turnStartY = 0, turnInnerY = 0, turnInnerX = 0;
  double turnLeftEndX = 0, turnRightEndX = 0;

  // 通过连续障碍: disc 1 is nearest to the start.
  double obstacleSpacing = 0, obstacleOffset = 0, obstacleDiameter = 0;
  std::array<FieldPoint, 6> obstacleCentres{};

  // 通过单边桥: start is the near end (larger y), end the far end.
  double bridgeWidth = 0, bridgeHeight = 0, bridgeTopLength = 0, bridgeRampSlope = 0;
  double bridgeRampLength = 0, bridgeLength = 0, bridgeGap = 0, bridgeSpacing = 0;
  double bridge1StartY = 0, bridge1EndY = 0, bridge2StartY = 0, bridge2EndY = 0;
  double bridge1LeftX = 0, bridge1RightX = 0, bridge2LeftX = 0, bridge2RightX = 0;

  // 曲线行驶: bend 1 lower right, bend 2 upper left.
  double curveArcFraction = 0;
  std::array<FieldPoint, 2> curveCentres{};

  // 限速通过限宽门: gate 1 is nearest to the start; the three points of a gate share its y.
  double gateSpacing = 0, gateWidth = 0;
  std::array<FieldPoint, 3> gateLeftPosts{}, gateRightPosts{}, gateCentres{};

  // 场地公路调头
  double uturnStartY = 0, uturnEndY = 0;
};

}  // namespace pelvoro
