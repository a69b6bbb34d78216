#include "render/vehicle_drawing.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "model/geometry.h"
#include "render/field_drawing.h"
#include "render/pane_view.h"
#include "render/readouts.h"
#include "run/simulation.h"
#include "view/mapping.h"

namespace pelvoro {

namespace {

// A point of the body or the wheels as 计算定位 derived it.
struct BodyPoint {
  double MotionState::*x;
  double MotionState::*y;
};
constexpr BodyPoint kLeftRearCorner{&MotionState::leftRearCornerX, &MotionState::leftRearCornerY};
constexpr BodyPoint kRightRearCorner{&MotionState::rightRearCornerX, &MotionState::rightRearCornerY};
constexpr BodyPoint kLeftFrontCorner{&MotionState::leftFrontCornerX, &MotionState::leftFrontCornerY};
constexpr BodyPoint kRightFrontCorner{&MotionState::rightFrontCornerX, &MotionState::rightFrontCornerY};
constexpr BodyPoint kLeftRearWheel{&MotionState::leftRearWheelX, &MotionState::leftRearWheelY};
constexpr BodyPoint kRightRearWheel{&MotionState::rightRearWheelX, &MotionState::rightRearWheelY};
constexpr BodyPoint kLeftFrontWheel{&MotionState::leftFrontWheelX, &MotionState::leftFrontWheelY};
constexpr BodyPoint kRightFrontWheel{&MotionState::rightFrontWheelX, &MotionState::rightFrontWheelY};

FieldPoint at(const MotionState& m, BodyPoint p) { return {m.*p.x, m.*p.y}; }

// Half of a straight trajectory: from a point, ahead (+1) or behind (−1) along the vehicle's axis.
struct Ray {
  BodyPoint from;
  double forward;
};

// The straight trajectories, each two rays per point, in the order they are drawn.
struct StraightTrace {
  MenuOption Selection::*option;
  Rgb ColourTable::*colour;
  std::array<Ray, 4> closeUp;
  std::array<Ray, 4> ground;
};
const std::array<StraightTrace, 3> kStraightTraces{{
    {&Selection::bodyTraceLine, &ColourTable::bodyColour,
     {{{kLeftRearCorner, +1}, {kLeftFrontCorner, -1}, {kRightRearCorner, +1}, {kRightFrontCorner, -1}}},
     {{{kLeftRearCorner, -1}, {kLeftFrontCorner, +1}, {kRightRearCorner, -1}, {kRightFrontCorner, +1}}}},
    {&Selection::frontWheelTraceLine, &ColourTable::frontWheelColour,
     {{{kLeftFrontWheel, +1}, {kLeftFrontWheel, -1}, {kRightFrontWheel, +1}, {kRightFrontWheel, -1}}},
     {{{kLeftFrontWheel, +1}, {kLeftFrontWheel, -1}, {kRightFrontWheel, +1}, {kRightFrontWheel, -1}}}},
    {&Selection::rearWheelTraceLine, &ColourTable::rearWheelColour,
     {{{kLeftRearWheel, -1}, {kLeftRearWheel, +1}, {kRightRearWheel, -1}, {kRightRearWheel, +1}}},
     {{{kLeftRearWheel, -1}, {kLeftRearWheel, +1}, {kRightRearWheel, +1}, {kRightRearWheel, -1}}}},
}};

// A tyre outline: from `s` along e1, then e2, back along e1 and back along e2.
void tyreOutline(DisplayList& list, double sx, double sy, double e1x, double e1y, double e2x, double e2y) {
  drawLineBy(list, sx, sy, e1x, e1y);
  drawLineOn(list, e2x, e2y);
  drawLineOn(list, -e1x, -e1y);
  drawLineOn(list, -e2x, -e2y);
}

// A tyre in the ground pane rolling along β, its left edge q to the left of the
// wheel point: from the rear left corner forward, across to the right, back and across.
void groundTyre(DisplayList& list, FieldPoint wheel, double beta, double q, const VehicleParameters& v) {
  const double D = v.wheelDiameter, T = v.tyreWidth;
  const double ux = std::cos(beta), uy = std::sin(beta);  // forward
  const double nx = std::sin(beta), ny = -std::cos(beta);  // left
  tyreOutline(list, wheel.x + q * nx - D / 2 * ux, wheel.y + q * ny - D / 2 * uy, D * ux, D * uy, -T * nx, -T * ny);
}

// A front tyre in the close-up turned by its steering angle a about its wheel point
// (vehicle frame): from the front left corner back, across to the right, forward and across.
void closeUpFrontTyre(DisplayList& list, const ViewLayout& view, double px, double py, double a,
                      const VehicleParameters& v) {
  const double D = v.wheelDiameter, T = v.tyreWidth;
  const double c = std::cos(a), s = std::sin(a);
  const auto px2 = [&](double len) { return 由全景比例转换(view, len); };
  tyreOutline(list, 车辆定位X(view, px - T / 2 * c + D / 2 * s), 车辆定位Y(view, py - T / 2 * s - D / 2 * c),
              px2(-D * s), px2(D * c), px2(T * c), px2(T * s));
}

void vehicleLine(DisplayList& list, const ViewLayout& view, double x1, double y1, double x2, double y2) {
  drawLine(list, 车辆定位X(view, x1), 车辆定位Y(view, y1), 车辆定位X(view, x2), 车辆定位Y(view, y2));
}

void vehicleRectangle(DisplayList& list, const ViewLayout& view, double x1, double y1, double x2, double y2) {
  drawRectangle(list, 车辆定位X(view, x1), 车辆定位Y(view, y1), 车辆定位X(view, x2), 车辆定位Y(view, y2));
}

void drawVehicle(Frame& frame, const Simulation& sim, const ColourTable& colours) {
  const VehicleParameters& v = sim.vehicle;
  const MotionState& m = sim.motion;
  const ViewLayout& view = sim.view;
  DisplayList& closeUp = frame.closeUp;
  DisplayList& ground = frame.ground;
  const double L = v.vehicleLength, W = v.vehicleWidth, D = v.wheelDiameter, T = v.tyreWidth;
  const double rA = L / 2 - v.rearOverhang;   // rear axle, vehicle frame
  const double fA = -L / 2 + v.frontOverhang;  // front axle

  vehicleLine(closeUp, view, 0, rA, 0, fA);
  vehicleLine(closeUp, view, -v.rearTrack / 2, rA, v.rearTrack / 2, rA);
  vehicleLine(closeUp, view, -v.frontTrack / 2, fA, v.frontTrack / 2, fA);
  drawLine(ground, m.vehicleX, m.vehicleY, m.frontAxleX, m.frontAxleY);
  drawLine(ground, m.leftRearWheelX, m.leftRearWheelY, m.rightRearWheelX, m.rightRearWheelY);
  drawLine(ground, m.leftFrontWheelX, m.leftFrontWheelY, m.rightFrontWheelX, m.rightFrontWheelY);

  setPenColour(closeUp, colours.bodyColour);
  setPenColour(ground, colours.bodyColour);
  vehicleRectangle(closeUp, view, -W / 2, -L / 2, W / 2, L / 2);
  drawLine(ground, m.leftFrontCornerX, m.leftFrontCornerY, m.rightFrontCornerX, m.rightFrontCornerY);
  drawLine(ground, m.rightFrontCornerX, m.rightFrontCornerY, m.rightRearCornerX, m.rightRearCornerY);
  drawLine(ground, m.leftRearCornerX, m.leftRearCornerY, m.rightRearCornerX, m.rightRearCornerY);
  drawLine(ground, m.leftFrontCornerX, m.leftFrontCornerY, m.leftRearCornerX, m.leftRearCornerY);

  // Single tyres are centred on the wheel point; twin tyres lie one on each side of it.
  struct RearTyre {
    BodyPoint wheel;
    double localX;  // the wheel point across the vehicle frame
    double q;       // how far the tyre's left edge lies left of the wheel point
  };
  const bool twin = v.rearTyreCount > 2;
  const double k = twin ? 0 : T / 2;
  RearTyre rearTyres[4];
  std::size_t rearCount = 0;
  rearTyres[rearCount++] = {kLeftRearWheel, -v.rearTrack / 2, k};
  if (twin) rearTyres[rearCount++] = {kLeftRearWheel, -v.rearTrack / 2, T};
  if (v.rearTyreCount > 1) rearTyres[rearCount++] = {kRightRearWheel, v.rearTrack / 2, k};
  if (twin) rearTyres[rearCount++] = {kRightRearWheel, v.rearTrack / 2, T};

  setPenColour(closeUp, colours.rearWheelColour);
  setPenColour(ground, colours.rearWheelColour);
  for (std::size_t i = 0; i < rearCount; ++i) {
    const RearTyre& t = rearTyres[i];
    vehicleRectangle(closeUp, view, t.localX - t.q, rA - D / 2, t.localX - t.q + T, rA + D / 2);
    groundTyre(ground, at(m, t.wheel), m.heading, t.q, v);
  }

  setPenColour(closeUp, colours.frontWheelColour);
  setPenColour(ground, colours.frontWheelColour);
  closeUpFrontTyre(closeUp, view, -v.frontTrack / 2, fA, m.leftWheelSteer, v);
  if (v.frontTyreCount > 1) closeUpFrontTyre(closeUp, view, v.frontTrack / 2, fA, m.rightWheelSteer, v);
  groundTyre(ground, at(m, kLeftFrontWheel), m.leftWheelSteer + m.heading, T / 2, v);
  if (v.frontTyreCount > 1) groundTyre(ground, at(m, kRightFrontWheel), m.rightWheelSteer + m.heading, T / 2, v);
}

// The circles of a turn about the turning centre, in either pane.
void turningTraces(const PaneView& pane, const Simulation& sim, const ColourTable& colours) {
  const Selection& s = sim.selection;
  const MotionState& m = sim.motion;
  const VehicleParameters& v = sim.vehicle;
  const FieldPoint centre{m.turnCentreX, m.turnCentreY};
  const auto through = [&](BodyPoint p) {
    const FieldPoint q = at(m, p);
    worldCircle(pane, centre, 两点距离(centre.x, centre.y, q.x, q.y));
  };
  if (traceLinesShown(s)) cross(pane, centre);
  if (s.bodyTraceLine.on()) {
    setPenColour(pane.list, colours.bodyColour);
    // The inner circle touches the inner side; the outer one runs through the outer front corner.
    worldCircle(pane, centre, std::abs(v.wheelbase / std::tan(m.steerAngle)) - v.vehicleWidth / 2);
    through(std::tan(m.steerAngle) > 0 ? kLeftFrontCorner : kRightFrontCorner);
  }
  if (s.frontWheelTraceLine.on()) {
    setPenColour(pane.list, colours.frontWheelColour);
    through(kLeftFrontWheel);
    through(kRightFrontWheel);
  }
  if (s.rearWheelTraceLine.on()) {
    setPenColour(pane.list, colours.rearWheelColour);
    through(kLeftRearWheel);
    through(kRightRearWheel);
  }
}

// Straight trajectories: rays of length R pixels from the mapped points, along
// `axis` (the forward direction in pane pixels).
void straightTraces(const PaneView& pane, std::array<Ray, 4> StraightTrace::*rays, const Simulation& sim,
                    const ColourTable& colours, double R, double axisX, double axisY) {
  for (const StraightTrace& t : kStraightTraces) {
    if (!(sim.selection.*t.option).on()) continue;
    setPenColour(pane.list, colours.*t.colour);
    for (const Ray& r : t.*rays) {
      const PanePoint p = toPane(pane, at(sim.motion, r.from));
      drawLineBy(pane.list, p.x, p.y, r.forward * R * axisX, r.forward * R * axisY);
    }
  }
}

void drawTrajectories(Frame& frame, const Simulation& sim, const FrameSettings& settings, const LineWidths& widths) {
  const MotionState& m = sim.motion;
  const ColourTable& colours = settings.colours;
  const bool straight = m.turningCircleDiameter == 0;
  const PaneView closeUp = closeUpPane(frame.closeUp, sim.view, m);
  const PaneView ground = groundPane(frame.ground);

  setPenWidth(frame.closeUp, widths.thinLineWidth);
  setPenColour(frame.closeUp, colours.auxLineColour);
  if (straight) {
    // The vehicle's axis is vertical in the close-up, forward up.
    straightTraces(closeUp, &StraightTrace::closeUp, sim, colours, 由全景比例转换(sim.view, settings.windowInnerWidth), 0,
                   -1);
  } else {
    turningTraces(closeUp, sim, colours);
  }

  setPenWidth(frame.ground, widths.thinLineWidth);
  setPenColour(frame.ground, colours.auxLineColour);
  if (straight) {
    straightTraces(ground, &StraightTrace::ground, sim, colours, settings.windowInnerWidth, std::cos(m.heading),
                   std::sin(m.heading));
  } else {
    turningTraces(ground, sim, colours);
  }
}

}  // namespace

Frame 画车辆(const Simulation& sim, const FrameSettings& settings) {
  Frame frame;
  const LineWidths widths = lineWidths(settings);
  画边界(frame, sim, settings.colours, widths);

  setPenWidth(frame.closeUp, widths.thickLineWidth);
  setPenColour(frame.closeUp, settings.colours.axleColour);
  setPenStyle(frame.closeUp, PenStyle::solid);
  setPenWidth(frame.ground, groundLineWidth(widths, sim.view));
  setPenColour(frame.ground, settings.colours.axleColour);
  setPenStyle(frame.ground, PenStyle::solid);

  drawVehicle(frame, sim, settings.colours);
  drawTrajectories(frame, sim, settings, widths);
  frame.readouts = statusReadouts(sim);
  return frame;
}

}  // namespace pelvoro
