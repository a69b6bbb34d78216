#include "field/layouts.h"

#include <cmath>

#include "model/catalogue.h"
#include "model/geometry.h"
#include "model/kinematics.h"
#include "view/view_layout.h"

namespace pelvoro {

namespace {

// Vertical centring: the approach, the item's own length and the run-out
// together are centred in the pane, leaving this margin above and below.
double centringMargin(const FieldElements& f, const VehicleParameters& v, const ViewLayout& view, double ownLength) {
  const double total = v.vehicleLength * (f.approachLengths + f.runOutLengths) + ownLength;
  return ((view.groundPaneBottom - view.groundPaneTop) - total) / 2;
}

double centredNearEnd(const FieldElements& f, const VehicleParameters& v, const ViewLayout& view, double ownLength) {
  return view.groundPaneBottom - centringMargin(f, v, view, ownLength) - v.vehicleLength * f.approachLengths;
}

// Rear bumper `approachLengths` vehicle lengths below the near end, facing up.
double startY(const FieldElements& f, const VehicleParameters& v, double nearEnd) {
  return nearEnd + v.vehicleLength * f.approachLengths - v.rearOverhang;
}

void placeAt(MotionState& m, const VehicleParameters& v, double x, double y, double heading) {
  m = MotionState{};
  m.vehicleX = x;
  m.vehicleY = y;
  m.heading = heading;
  计算定位(m, v, 0, 0);  // no step: derives the body and wheel points only
}

double paneCentreX(const ViewLayout& view) { return (view.groundPaneLeft + view.groundPaneRight) / 2; }

}  // namespace

void setUpPoleTest(FieldElements& f, MotionState& m, const VehicleParameters& v, const ViewLayout& view) {
  const double s = view.currentScale;
  f.garageWidth = v.vehicleWidth + (v.isInClassList(classes::poleTestWide) ? 0.7 : 0.6) * s;
  f.garageLength = 2 * v.vehicleLength;
  f.poleRoadWidth = 1.5 * v.vehicleLength;
  f.roadWidth = 1.5 * v.vehicleLength;
  f.garageMidX = paneCentreX(view);
  f.garageRightX = f.garageMidX + f.garageWidth;
  f.poleRoadEndX = f.garageRightX + f.poleRoadWidth;
  f.garageLeftX = f.garageMidX - f.garageWidth;
  f.poleRoadTopY =
      view.groundPaneTop + ((view.groundPaneBottom - view.groundPaneTop) - f.roadWidth - f.garageLength) / 2;
  f.garageTopY = f.poleRoadTopY + f.roadWidth;
  f.garageBottomY = f.garageTopY + f.garageLength;
  placeAt(m, v, f.poleRoadEndX - v.frontOverhang - v.wheelbase - 1,
          f.poleRoadTopY + v.wheelbase / 2 + v.vehicleWidth / 2, 0);
}

void 侧方停车(FieldElements& f, MotionState& m, const VehicleParameters& v, const ViewLayout& view) {
  const double s = view.currentScale;
  f.roadWidth = 1.5 * v.vehicleWidth + 0.8 * s;
  f.garageWidth = v.vehicleWidth + 0.8 * s;
  const double d = v.licenceClass == "大型客车" ? -1 * s : v.isInClassList(classes::small) ? 1 * s : 0;
  f.garageLength = 1.5 * v.vehicleLength + d;
  f.laneLeftX = view.groundPaneLeft +
                ((view.groundPaneRight - view.groundPaneLeft) - f.garageWidth - f.roadWidth) / 2;
  f.laneRightX = f.laneLeftX + f.roadWidth;
  f.garageRightX = f.laneRightX + f.garageWidth;
  f.garageBottomY = centredNearEnd(f, v, view, f.garageLength);
  f.garageTopY = f.garageBottomY - f.garageLength;
  // One unit further forward than the other items.
  placeAt(m, v, f.laneRightX - f.roadWidth / 2, startY(f, v, f.garageBottomY) - 1, THREE_HALF_PI);
}

void 直角转弯(FieldElements& f, MotionState& m, const VehicleParameters& v, const ViewLayout& view) {
  const double s = view.currentScale;
  f.turnExtra = 1.5 * v.vehicleLength;
  f.roadWidth = v.wheelbase + (v.isInClassList(classes::small) ? 1 : 0.5) * s;
  f.turnOuterY = view.groundPaneTop +
                 ((view.groundPaneBottom - view.groundPaneTop) - v.vehicleLength * f.approachLengths - f.turnExtra) / 2;
  f.turnStartY = f.turnOuterY + f.turnExtra;
  f.turnInnerY = f.turnOuterY + f.roadWidth;
  f.laneRightX = view.groundPaneRight - 0.2 * s;
  f.laneLeftX = view.groundPaneLeft + 0.2 * s;
  f.turnInnerX = f.startToRight ? f.laneLeftX + f.roadWidth : f.laneRightX - f.roadWidth;
  f.turnLeftEndX = f.laneRightX - f.turnExtra;
  f.turnRightEndX = f.laneLeftX + f.turnExtra;
  const double x = f.startToRight ? f.laneLeftX + f.roadWidth / 2 : f.laneRightX - f.roadWidth / 2;
  placeAt(m, v, x, startY(f, v, f.turnStartY), THREE_HALF_PI);
}

void 通过连续障碍(FieldElements& f, MotionState& m, const VehicleParameters& v, const ViewLayout& view) {
  const double s = view.currentScale;
  f.roadWidth = 7 * s;
  f.centreX = paneCentreX(view);
  f.laneLeftX = f.centreX - f.roadWidth / 2;
  f.laneRightX = f.centreX + f.roadWidth / 2;
  f.obstacleSpacing = v.wheelbase * (v.isInClassList(classes::largeObstacleSpacing) ? 2 : 2.5);
  f.obstacleOffset = 1 * s;
  f.obstacleDiameter = 0.7 * s;
  f.obstacleCentres[0].y = centredNearEnd(f, v, view, 5 * f.obstacleSpacing);
  for (std::size_t i = 1; i < f.obstacleCentres.size(); ++i)
    f.obstacleCentres[i].y = f.obstacleCentres[i - 1].y - f.obstacleSpacing;
  // Discs 2 to 5 alternate left, right, left, right of the centre line (mirrored to the right).
  const double d = f.startToRight ? -1 : +1;
  const double sides[6] = {0, -d, +d, -d, +d, 0};
  for (std::size_t i = 0; i < f.obstacleCentres.size(); ++i)
    f.obstacleCentres[i].x = f.centreX + sides[i] * f.obstacleOffset;
  placeAt(m, v, f.centreX, startY(f, v, f.obstacleCentres[0].y), THREE_HALF_PI);
}

void 通过单边桥(FieldElements& f, MotionState& m, const VehicleParameters& v, const ViewLayout& view) {
  const double s = view.currentScale;
  const bool small = v.isInClassList(classes::small);
  f.bridgeWidth = 0.2 * s;
  f.bridgeHeight = (small ? 0.08 : 0.12) * s;
  f.bridgeTopLength = 1.5 * v.wheelbase;
  f.bridgeRampSlope = 0.07;
  f.bridgeRampLength = f.bridgeHeight / f.bridgeRampSlope;
  f.bridgeLength = f.bridgeTopLength + 2 * f.bridgeRampLength;
  f.bridgeGap = v.frontTrack + 1 * s;
  f.bridgeSpacing = v.wheelbase * (small ? 3 : 2.5);
  f.centreX = paneCentreX(view);
  f.bridge1StartY = centredNearEnd(f, v, view, 2 * f.bridgeLength + f.bridgeSpacing);
  f.bridge1EndY = f.bridge1StartY - f.bridgeLength;
  f.bridge2StartY = f.bridge1EndY - f.bridgeSpacing;
  f.bridge2EndY = f.bridge2StartY - f.bridgeLength;
  const double leftBridgeX = f.centreX - f.bridgeGap / 2 - f.bridgeWidth;
  const double rightBridgeX = f.centreX + f.bridgeGap / 2;
  f.bridge1LeftX = f.startToRight ? rightBridgeX : leftBridgeX;
  f.bridge2LeftX = f.startToRight ? leftBridgeX : rightBridgeX;
  f.bridge1RightX = f.bridge1LeftX + f.bridgeWidth;
  f.bridge2RightX = f.bridge2LeftX + f.bridgeWidth;
  placeAt(m, v, f.centreX, startY(f, v, f.bridge1StartY), THREE_HALF_PI);
}

void 曲线行驶(FieldElements& f, MotionState& m, const VehicleParameters& v, const ViewLayout& view) {
  const double s = view.currentScale;
  if (v.isInClassList(classes::largeCurve)) {
    f.curveParam = 10 * s;
    f.roadWidth = 4 * s;
  } else {
    f.curveParam = 7.5 * s;
    f.roadWidth = 3.5 * s;
  }
  f.curveArcFraction = 3.0 / 8;  // each bend turns through 135°
  const double c = f.curveParam - f.roadWidth / 2;  // radius of the road's centre line
  const double phi = PI / 4;
  const double px = paneCentreX(view);
  const double py = (view.groundPaneTop + view.groundPaneBottom) / 2;
  f.curveCentres[0] = {px + c * std::sin(phi), py + c * std::cos(phi)};
  f.curveCentres[1] = {px - c * std::sin(phi), py - c * std::cos(phi)};
  placeAt(m, v, f.curveCentres[0].x + f.curveParam - f.roadWidth / 2, startY(f, v, f.curveCentres[0].y),
          THREE_HALF_PI);
}

void 限速通过限宽门(FieldElements& f, MotionState& m, const VehicleParameters& v, const ViewLayout& view) {
  const double s = view.currentScale;
  f.centreX = paneCentreX(view);
  f.roadWidth = f.roadWidth * s;  // 7 m, given in metres by Start
  f.laneLeftX = f.centreX - f.roadWidth / 2;
  f.laneRightX = f.centreX + f.roadWidth / 2;
  f.gateSpacing = 3 * v.vehicleLength;
  f.gateWidth = v.vehicleWidth + 0.6 * s;
  const double margin = centringMargin(f, v, view, 2 * f.gateSpacing);
  for (std::size_t i = 0; i < f.gateCentres.size(); ++i) {
    const double k = static_cast<double>(i);
    const double y = view.groundPaneBottom - margin - v.vehicleLength * (f.approachLengths + 3 * k);
    // Offsets +W/2, −W/2, +W/2 from the centre line.
    const double x = f.centreX + (v.vehicleWidth / 2) * std::cos(k * PI);
    f.gateCentres[i] = {x, y};
    f.gateLeftPosts[i] = {x - f.gateWidth / 2, y};
    f.gateRightPosts[i] = {x + f.gateWidth / 2, y};
  }
  placeAt(m, v, f.centreX + v.vehicleWidth / 2, startY(f, v, f.gateCentres[0].y), THREE_HALF_PI);
}

void 场地公路调头(FieldElements& f, MotionState& m, const VehicleParameters& v, const ViewLayout& view) {
  const double s = view.currentScale;
  f.centreX = paneCentreX(view);
  f.roadWidth = f.roadWidth * s;  // two wheelbases, given in metres by Start
  f.laneLeftX = f.centreX - f.roadWidth / 2;
  f.laneRightX = f.centreX + f.roadWidth / 2;
  f.uturnStartY = (view.groundPaneBottom + view.groundPaneTop) / 2 + 0.5 * v.vehicleLength;
  f.uturnEndY = f.uturnStartY - 2 * v.vehicleLength;
  placeAt(m, v, f.centreX, startY(f, v, f.uturnStartY), THREE_HALF_PI);
}

void setUpField(Item item, FieldElements& f, MotionState& m, const VehicleParameters& v, const ViewLayout& view) {
  switch (item) {
    case Item::桩考: setUpPoleTest(f, m, v, view); break;
    case Item::侧方停车: 侧方停车(f, m, v, view); break;
    case Item::直角转弯: 直角转弯(f, m, v, view); break;
    case Item::通过连续障碍: 通过连续障碍(f, m, v, view); break;
    case Item::通过单边桥: 通过单边桥(f, m, v, view); break;
    case Item::曲线行驶: 曲线行驶(f, m, v, view); break;
    case Item::限速通过限宽门: 限速通过限宽门(f, m, v, view); break;
    case Item::场地公路调头: 场地公路调头(f, m, v, view); break;
    case Item::自由练习: break;
  }
}

}  // namespace pelvoro
