#include "plans.h"

#include <algorithm>
#include <cmath>

#include "model/geometry.h"

namespace pelvoro::plan {

namespace {

// Heading difference folded into (−PI, PI]; headings accumulate beyond ±2PI.
double angleBetween(double a, double b) {
  const double d = std::remainder(a - b, TWO_PI);
  return std::abs(d);
}

// A pose of the rear axle centre (or of the front axle centre) to reach.
struct Pose {
  double x = 0, y = 0;       // world units
  double heading = 0;        // radians
  double headingWeight = 0;  // metres of error per radian
  bool frontAxle = false;
  double xWeight = 1, yWeight = 1;  // below 1 where that coordinate matters less
};

std::function<double(const Drive&)> errorTo(Pose p) {
  return [p](const Drive& d) {
    const MotionState& m = d.sim.motion;
    const double s = d.sim.view.currentScale;
    const double x = p.frontAxle ? m.frontAxleX : m.vehicleX;
    const double y = p.frontAxle ? m.frontAxleY : m.vehicleY;
    return std::hypot(p.xWeight * (x - p.x), p.yWeight * (y - p.y)) / s +
           p.headingWeight * angleBetween(m.heading, p.heading);
  };
}

// Crossing a line across the road: the distance along the road matters little
// (a tick moves up to a third of a metre), the offset and the heading do.
Pose across(double x, double y, double heading, double headingWeight, double yWeight = 0.05) {
  return {x, y, heading, headingWeight, false, 1, yWeight};
}

// Metres of error per radian: a heading error swings the far end of the body by about this much.
double lengthMetres(const Drive& d) { return d.sim.vehicle.vehicleLength / d.sim.view.currentScale; }

// The rear axle of a body centred on (cx, cy) with `heading`.
Pose bodyCentredAt(const Drive& d, double cx, double cy, double heading) {
  const VehicleParameters& v = d.sim.vehicle;
  const double ahead = v.vehicleLength / 2 - v.rearOverhang;  // body centre ahead of the rear axle
  return {cx - ahead * std::cos(heading), cy - ahead * std::sin(heading), heading, lengthMetres(d)};
}

LegShape move(int direction, int speedSteps, int phases, int maxTicks, bool stop) {
  return {direction, speedSteps, stop, phases, maxTicks, 0};
}

LegShape runOut(int speedSteps, int phases, int maxTicks, int runOutTicks) {
  return {1, speedSteps, false, phases, maxTicks, runOutTicks};
}

std::vector<Group> poleTest(const Drive& d) {
  const FieldElements& f = d.sim.field;
  const VehicleParameters& v = d.sim.vehicle;
  const double up = THREE_HALF_PI;
  // Deep in a bay, a tenth of the body length clear of its back line, leaves room for the shuffle.
  const double bayCentreY = f.garageBottomY - 0.6 * v.vehicleLength;
  const Pose bayB = bodyCentredAt(d, (f.garageLeftX + f.garageMidX) / 2, bayCentreY, up);
  const Pose bayA = bodyCentredAt(d, (f.garageMidX + f.garageRightX) / 2, bayCentreY, up);
  const double roadY = (f.poleRoadTopY + f.garageTopY) / 2;
  const Pose start2 = bodyCentredAt(d, (d.sim.view.groundPaneLeft + f.garageLeftX) / 2, roadY, PI);
  const Pose end = {f.poleRoadEndX - v.frontOverhang - v.wheelbase, roadY, 0, lengthMetres(d)};
  return {
      // Four phases: the last straightens the body in a bay only 0.3 m wider on each side.
      {"倒B库", {move(-1, 2, 4, 160, true)}, errorTo(bayB), 0.3},
      {"移A库", {move(1, 2, 2, 50, true), move(-1, 2, 2, 50, true), move(1, 2, 2, 50, true), move(-1, 2, 2, 50, true)},
       errorTo(bayA), 0.3},
      // Anywhere in start point 2 will do; its stop rule is judged.
      {"进起点2", {move(1, 2, 3, 160, true)}, errorTo(start2), 1.0},
      {"倒A库", {move(-1, 2, 4, 160, true)}, errorTo(bayA), 0.3},
      {"回起点1", {runOut(2, 3, 100, 200)}, errorTo(end), 0, true},
  };
}

std::vector<Group> sideParking(const Drive& d) {
  const FieldElements& f = d.sim.field;
  const Pose bay = bodyCentredAt(d, (f.laneRightX + f.garageRightX) / 2, (f.garageTopY + f.garageBottomY) / 2,
                                 THREE_HALF_PI);
  // Forward past the bay and one reverse into it, searched together.
  return {{"倒车入库", {move(1, 3, 2, 150, true), move(-1, 2, 5, 80, true)}, errorTo(bay), 0, true}};
}

std::vector<Group> rightAngleTurn(const Drive& d) {
  const FieldElements& f = d.sim.field;
  const VehicleParameters& v = d.sim.vehicle;
  const double y = (f.turnOuterY + f.turnInnerY) / 2;
  const double heading = f.startToRight ? 0 : PI;
  const double exitX = f.startToRight ? f.turnRightEndX + v.vehicleLength : f.turnLeftEndX - v.vehicleLength;
  // First straight at some distance from the outer edge; which one suits the
  // vehicle is left to the search (the nearest of them counts), from hugging
  // the outer edge to hugging the inner one.
  const double s = d.sim.view.currentScale;
  const double nearOuter = v.vehicleWidth / 2 + 0.3 * s, nearInner = f.roadWidth - v.vehicleWidth / 2 - 0.1 * s;
  std::vector<std::function<double(const Drive&)>> lines;
  for (int k = 0; k <= 4; ++k) {
    const double fromOuter = nearOuter + (nearInner - nearOuter) * k / 4;
    const double x = f.startToRight ? f.laneLeftX + fromOuter : f.laneRightX - fromOuter;
    lines.push_back(errorTo(across(x, f.turnStartY, THREE_HALF_PI, lengthMetres(d))));
  }
  const auto nearestLine = [lines](const Drive& dr) {
    double e = lines.front()(dr);
    for (const auto& line : lines) e = std::min(e, line(dr));
    return e;
  };
  // Then turned into the middle of the crossing leg, straight along it; how far along matters little.
  // (A long vehicle cannot end a tight turn centred, so the side offset weighs less.)
  Pose turned{f.turnInnerX, y, heading, lengthMetres(d), false, 0.05, 0.3};
  return {
      // At one speed step, for the timing of the turn.
      {"对准", {move(1, 1, 3, 200, false)}, nearestLine, 0.1},
      {"转弯", {move(1, 0, 3, 400, false)}, errorTo(turned), 0.4},
      {"出口", {runOut(0, 1, 60, 600)}, errorTo({exitX, y, heading, lengthMetres(d)}), 0, true},
  };
}

// Reaching the polar angle `a` about a bend's centre at about radius `r`, heading
// along the bend (`turn` −1 anticlockwise, +1 clockwise). The radius and the
// heading weigh less than the progress: a body too long for a steady turn must
// cut in and out of the bend, its rear axle off the tangent.
std::function<double(const Drive&)> alongBend(FieldPoint c, double r, double a, int turn, double headingWeight) {
  return [=](const Drive& d) {
    const MotionState& m = d.sim.motion;
    const double s = d.sim.view.currentScale;
    const double rho = std::hypot(m.vehicleX - c.x, m.vehicleY - c.y);
    const double phi = std::atan2(m.vehicleY - c.y, m.vehicleX - c.x);
    return (r * angleBetween(phi, a) + 0.3 * std::abs(rho - r)) / s +
           headingWeight * angleBetween(m.heading, phi + turn * HALF_PI);
  };
}

std::vector<Group> curve(const Drive& d) {
  const FieldElements& f = d.sim.field;
  const VehicleParameters& v = d.sim.vehicle;
  // Rear axle radius halfway between the two limits of a steady turn: the
  // centre line clear of the inner edge, the outer front corner inside the outer edge.
  const double R = f.curveParam, w = f.roadWidth, halfW = v.vehicleWidth / 2;
  const double inner = R - w + halfW;
  const double reach = v.wheelbase + v.frontOverhang;
  const double outer = R * R > reach * reach ? std::sqrt(R * R - reach * reach) - halfW : inner;
  const double r = outer > inner ? (inner + outer) / 2 : inner;
  const double weight = lengthMetres(d);
  const FieldPoint c1 = f.curveCentres[0], c2 = f.curveCentres[1];
  std::vector<Group> groups;
  const double step = PI / 8;
  // Bend 1 turns left (anticlockwise on the screen), bend 2 right.
  for (int k = 1; k <= 5; ++k)
    groups.push_back({"弯1", {move(1, groups.empty() ? 2 : 0, 2, 80, false)}, alongBend(c1, r, -step * k, -1, weight / 4),
                      0.3});
  for (int k = 1; k <= 5; ++k)
    groups.push_back({"弯2", {move(1, 0, 2, 80, false)}, alongBend(c2, r, PI / 4 + step * k, 1, weight / 4), 0.3});
  groups.push_back({"出口", {runOut(0, 2, 60, 200)}, errorTo({c2.x - r, c2.y - v.vehicleLength, THREE_HALF_PI, weight}),
                    0, true});
  return groups;
}

std::vector<Group> continuousObstacles(const Drive& d) {
  const FieldElements& f = d.sim.field;
  std::vector<Group> groups;
  // Each disc between the front wheels as the front axle crosses its row, then between the rear wheels.
  for (const FieldPoint& disc : f.obstacleCentres) {
    for (const bool front : {true, false}) {
      Pose p{disc.x, disc.y, THREE_HALF_PI, 0.5, front};
      groups.push_back({front ? "前轮过饼" : "后轮过饼", {move(1, groups.empty() ? 2 : 0, 2, 60, false)}, errorTo(p), 0.15});
    }
  }
  const FieldPoint last = f.obstacleCentres.back();
  groups.push_back({"驶离", {runOut(0, 1, 40, 200)},
                    errorTo({last.x, last.y - d.sim.vehicle.vehicleLength, THREE_HALF_PI, lengthMetres(d)}), 0, true});
  return groups;
}

std::vector<Group> singleSideBridge(const Drive& d) {
  const FieldElements& f = d.sim.field;
  const VehicleParameters& v = d.sim.vehicle;
  // The front tyres have the narrower band, so the front wheel is centred on the bridge.
  const double side1 = f.startToRight ? -1 : 1;  // bridge 1 under the left wheels unless mirrored
  const double b1 = (f.bridge1LeftX + f.bridge1RightX) / 2 + side1 * v.frontTrack / 2;
  const double b2 = (f.bridge2LeftX + f.bridge2RightX) / 2 - side1 * v.frontTrack / 2;
  const double onto = 1.0 * d.sim.view.currentScale;  // front axle a metre onto the bridge
  const double weight = 2 * lengthMetres(d);
  const auto frontAt = [&](double x, double y) {
    Pose p = across(x, y, THREE_HALF_PI, weight, 0.3);
    p.frontAxle = true;
    return errorTo(p);
  };
  // There is little room before bridge 1 to move across, so each bridge is taken in
  // two steps: the front wheel onto it, then along it until the rear wheel follows.
  return {
      {"前轮上桥1", {move(1, 2, 3, 80, false)}, frontAt(b1, f.bridge1StartY - onto), 0.15},
      {"后轮上桥1", {move(1, 0, 2, 80, false)}, frontAt(b1, f.bridge1EndY), 0.15},
      {"前轮上桥2", {move(1, 0, 4, 80, false)}, frontAt(b2, f.bridge2StartY - onto), 0.1},
      {"后轮上桥2", {move(1, 0, 2, 80, false)}, frontAt(b2, f.bridge2EndY), 0.1},
      {"下桥", {runOut(0, 1, 20, 400)}, frontAt(b2, f.bridge2EndY - v.vehicleLength), 0, true},
  };
}

std::vector<Group> widthGates(const Drive& d) {
  const FieldElements& f = d.sim.field;
  const VehicleParameters& v = d.sim.vehicle;
  const double before = v.wheelbase + v.frontOverhang + 0.5 * d.sim.view.currentScale;  // front 0.5 m short
  const double weight = 2 * lengthMetres(d);
  // One W from standstill gives the full speed limit.
  return {
      {"第2门", {move(1, 1, 3, 30, false)},
       errorTo(across(f.gateCentres[1].x, f.gateCentres[1].y + before, THREE_HALF_PI, weight)), 0.08},
      {"第3门", {move(1, 0, 3, 30, false)},
       errorTo(across(f.gateCentres[2].x, f.gateCentres[2].y + before, THREE_HALF_PI, weight)), 0.08},
      {"出门", {runOut(0, 1, 10, 100)},
       errorTo({f.gateCentres[2].x, f.gateCentres[2].y - v.vehicleLength, THREE_HALF_PI, weight}), 0, true},
  };
}

std::vector<Group> uTurn(const Drive& d) {
  const FieldElements& f = d.sim.field;
  const VehicleParameters& v = d.sim.vehicle;
  const double s = d.sim.view.currentScale;
  const double weight = lengthMetres(d);
  // Each move turns the vehicle on anticlockwise (left forward, right in reverse) by at
  // least a quarter of the way round, near the middle of the road; the fourth ends facing
  // down it. The heading is not folded: a turn the other way round must not count as progress.
  const auto turnedBy = [&](int quarters) {
    const double heading = THREE_HALF_PI - quarters * PI / 4;
    const bool exactly = quarters == 4;
    return [heading, exactly, s, weight, centreX = f.centreX](const Drive& dr) {
      const MotionState& m = dr.sim.motion;
      const double shortOf = exactly ? std::abs(m.heading - heading) : std::max(0.0, m.heading - heading);
      return 0.1 * std::abs(m.vehicleX - centreX) / s + weight * shortOf;
    };
  };
  return {
      // A long vehicle turns less per move; the later moves make up for it.
      {"一进", {move(1, 2, 2, 120, true)}, turnedBy(1), 1.0},
      {"一退", {move(-1, 2, 2, 80, true)}, turnedBy(2), 1.0},
      {"二进", {move(1, 2, 2, 80, true)}, turnedBy(3), 1.0},
      {"二退", {move(-1, 2, 2, 80, true)}, turnedBy(4), 0.5},
      {"驶回", {runOut(2, 2, 60, 300)}, errorTo({f.centreX, f.uturnStartY + v.vehicleLength, HALF_PI, weight}), 0, true},
  };
}

}  // namespace

std::vector<Group> groupsFor(const Drive& started) {
  switch (started.sim.selection.item) {
    case Item::桩考: return poleTest(started);
    case Item::侧方停车: return sideParking(started);
    case Item::直角转弯: return rightAngleTurn(started);
    case Item::曲线行驶: return curve(started);
    case Item::通过连续障碍: return continuousObstacles(started);
    case Item::通过单边桥: return singleSideBridge(started);
    case Item::限速通过限宽门: return widthGates(started);
    case Item::场地公路调头: return uTurn(started);
    case Item::自由练习: break;
  }
  return {};
}

}  // namespace pelvoro::plan
