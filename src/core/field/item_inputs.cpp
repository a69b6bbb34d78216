#include "field/item_inputs.h"

#include <cmath>

#include "model/catalogue.h"
#include "model/geometry.h"

namespace pelvoro {


void setItemInputs(FieldElements& f, Item item, const VehicleParameters& v) {
  const double L = v.vehicleLength;
  const double W = v.vehicleWidth;
  switch (item) {
    case Item::桩考:
      f.garageWidth = W + (v.isInClassList(classes::poleTestWide) ? 0.7 : 0.6);
      f.garageLength = 2 * L;
      f.poleRoadWidth = 1.5 * L;
      f.roadWidth = 1.5 * L;
      break;
    case Item::侧方停车:
      f.approachLengths = 1.5;
      f.runOutLengths = 1.0;
      break;
    case Item::直角转弯:
      f.approachLengths = 2;
      f.runOutLengths = (std::sqrt(W * W + L * L) + 0.1) / L;
      f.turnExtra = 1.5 * L;
      f.roadWidth = v.wheelbase + (v.isInClassList(classes::small) ? 1 : 0.5);
      break;
    case Item::通过连续障碍:
      f.approachLengths = 1.2;
      f.runOutLengths = 1.0;
      f.roadWidth = 7.0;
      break;
    case Item::通过单边桥:
      f.approachLengths = 1.4;
      f.runOutLengths = 1.0;
      break;
    case Item::限速通过限宽门:
      f.approachLengths = 1.5;
      f.runOutLengths = 1.1;
      f.roadWidth = 7.0;
      break;
    case Item::场地公路调头:
      f.approachLengths = 1.5;
      f.runOutLengths = 0.5;
      f.roadWidth = 2 * v.wheelbase;
      break;
    case Item::曲线行驶:
      f.approachLengths = 1.5;
      f.runOutLengths = 0.2 / W;
      if (v.isInClassList(classes::largeCurve)) {
        f.curveParam = 10;
        f.roadWidth = 4.0;
      } else {
        f.curveParam = 7.5;
        f.roadWidth = 3.5;
      }
      break;
    case Item::自由练习:
      break;
  }
}

GroundExtent itemExtent(Item item, const FieldElements& f, const VehicleParameters& v) {
  const double W = v.vehicleWidth;
  const double L = v.vehicleLength;
  const double WB = v.wheelbase;
  const double sin45 = std::sin(PI / 4);
  switch (item) {
    case Item::桩考:
      return {2 * f.garageWidth + 2.1 * f.poleRoadWidth, 3.5 * L};
    case Item::侧方停车: {
      const double t = v.licenceClass == "大型客车" ? -1 : v.isInClassList(classes::small) ? 1 : 0;
      return {2.5 * W + 1.6, L * (1.5 + f.approachLengths + f.runOutLengths) + t};
    }
    case Item::直角转弯:
      return {f.turnExtra + L * f.runOutLengths + 0.2, L * (f.approachLengths + 1.5) + 0.2};
    case Item::通过连续障碍: {
      const double s = v.isInClassList(classes::largeObstacleSpacing) ? 2 : 2.5;
      return {f.roadWidth, L * (f.approachLengths + f.runOutLengths) + 5 * WB * s};
    }
    case Item::通过单边桥: {
      const double h = v.isInClassList(classes::small) ? 0.08 : 0.12;
      return {4 * v.frontTrack + 1 + 0.4, L * (f.approachLengths + f.runOutLengths) + 6 * WB + 4 * h / 0.07};
    }
    case Item::限速通过限宽门:
      return {7.0, L * (6 + f.approachLengths + f.runOutLengths)};
    case Item::场地公路调头:
      return {f.roadWidth + 1.1 * (v.frontOverhang + v.rearOverhang), L * (2 + f.approachLengths + f.runOutLengths)};
    case Item::曲线行驶: {
      const double c = v.isInClassList(classes::largeCurve) ? 20 + 16 * sin45 : 15 + 11.5 * sin45;
      return {2 * W * f.runOutLengths + c, 2 * L * f.approachLengths + (2 * f.curveParam - f.roadWidth) * sin45};
    }
    case Item::自由练习:
      break;
  }
  return {1, 1};
}

}  // namespace pelvoro
