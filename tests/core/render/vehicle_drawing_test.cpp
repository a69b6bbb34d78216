#include "render/vehicle_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/render/render_fixture.h"
#include "model/geometry.h"

namespace pelvoro {
namespace {

using testing::drawnShapes;
using testing::DrawnShape;
using testing::expectedCloseUp;
using testing::place;
using testing::setTraceLines;
using testing::simulationAtStart;
using testing::steer;

constexpr double kTol = 2e-3;  // pixels
const FrameSettings kSettings;
const ColourTable& kColours = kSettings.colours;

// The U-turn's ground, with the vehicle moved off its start and turned.
Simulation vehicleOnGround(std::string_view model = "东南菱帅") {
  Simulation sim = simulationAtStart(Item::场地公路调头, model);
  place(sim, 240, 520, 0.7);
  return sim;
}

// The shapes from the first axle line on: the vehicle and its trajectories.
std::vector<DrawnShape> vehicleShapes(const DisplayList& list) {
  auto shapes = drawnShapes(list);
  std::size_t i = 0;
  while (i < shapes.size() && shapes[i].colour != kColours.axleColour) ++i;
  shapes.erase(shapes.begin(), shapes.begin() + static_cast<std::ptrdiff_t>(i));
  return shapes;
}

std::vector<DrawnShape> ofColour(const std::vector<DrawnShape>& shapes, Rgb colour) {
  std::vector<DrawnShape> out;
  for (const DrawnShape& s : shapes)
    if (s.colour == colour) out.push_back(s);
  return out;
}

void expectPoint(PixelPoint got, double x, double y) {
  EXPECT_NEAR(got.x, x, kTol);
  EXPECT_NEAR(got.y, y, kTol);
}
void expectPoint(PixelPoint got, FieldPoint want) { expectPoint(got, want.x, want.y); }

FieldPoint at(double x, double y) { return {x, y}; }
double length(const Primitive& line) { return std::hypot(line.b.x - line.a.x, line.b.y - line.a.y); }

struct CloseUpFrame {
  double cx, cy, k;  // pane centre, pixels per world unit
};
CloseUpFrame closeUpFrame(const Simulation& sim) {
  const ViewLayout& v = sim.view;
  return {(v.vehPaneLeft + v.vehPaneRight) / 2, (v.vehPaneTop + v.vehPaneBottom) / 2,
          v.closeUpScale / v.currentScale};
}

TEST(VehicleDrawing, AxlesAndBodyInBothPanes) {
  const Simulation sim = vehicleOnGround();
  const MotionState& m = sim.motion;
  const VehicleParameters& v = sim.vehicle;
  const Frame frame = 画车辆(sim, kSettings);
  const CloseUpFrame c = closeUpFrame(sim);
  const double rA = v.vehicleLength / 2 - v.rearOverhang, fA = -v.vehicleLength / 2 + v.frontOverhang;
  const LineWidths widths = lineWidths(kSettings);

  const auto cu = vehicleShapes(frame.closeUp);
  ASSERT_GE(cu.size(), 4u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(cu[i].colour, kColours.axleColour);
    EXPECT_EQ(cu[i].width, widths.thickLineWidth);
    EXPECT_EQ(cu[i].style, PenStyle::solid);
  }
  expectPoint(cu[0].shape.a, c.cx, c.cy + c.k * rA);  // the centre line, upright
  expectPoint(cu[0].shape.b, c.cx, c.cy + c.k * fA);
  expectPoint(cu[1].shape.a, c.cx - c.k * v.rearTrack / 2, c.cy + c.k * rA);
  expectPoint(cu[2].shape.b, c.cx + c.k * v.frontTrack / 2, c.cy + c.k * fA);
  ASSERT_EQ(cu[3].shape.kind, PrimitiveKind::rectangle);
  EXPECT_EQ(cu[3].colour, kColours.bodyColour);
  // The body drawn in the vehicle frame lies exactly where the ground mapping puts its corners.
  expectPoint(cu[3].shape.a, expectedCloseUp(sim, at(m.leftFrontCornerX, m.leftFrontCornerY)));
  expectPoint(cu[3].shape.b, expectedCloseUp(sim, at(m.rightRearCornerX, m.rightRearCornerY)));

  const auto gr = vehicleShapes(frame.ground);
  ASSERT_GE(gr.size(), 7u);
  EXPECT_EQ(gr[0].width, groundLineWidth(widths, sim.view));
  expectPoint(gr[0].shape.a, m.vehicleX, m.vehicleY);
  expectPoint(gr[0].shape.b, m.frontAxleX, m.frontAxleY);
  expectPoint(gr[1].shape.a, m.leftRearWheelX, m.leftRearWheelY);
  expectPoint(gr[2].shape.b, m.rightFrontWheelX, m.rightFrontWheelY);
  const FieldPoint lf = at(m.leftFrontCornerX, m.leftFrontCornerY), rf = at(m.rightFrontCornerX, m.rightFrontCornerY);
  const FieldPoint lr = at(m.leftRearCornerX, m.leftRearCornerY), rr = at(m.rightRearCornerX, m.rightRearCornerY);
  const FieldPoint body[4][2] = {{lf, rf}, {rf, rr}, {lr, rr}, {lf, lr}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(gr[3 + i].colour, kColours.bodyColour);
    expectPoint(gr[3 + i].shape.a, body[i][0]);
    expectPoint(gr[3 + i].shape.b, body[i][1]);
  }
}

// A tyre drawn as four chained lines: closed, with its centre and rolling direction.
struct TyreOutline {
  double cx, cy;          // centre
  double longSide;        // length of the first side
  double dirX, dirY;      // unit vector of the first side
  bool closed;
};
TyreOutline outline(const std::vector<DrawnShape>& s, std::size_t first) {
  const Primitive& e1 = s[first].shape;
  const Primitive& e4 = s[first + 3].shape;
  TyreOutline t{};
  for (std::size_t i = 0; i < 4; ++i) {
    t.cx += s[first + i].shape.a.x / 4;
    t.cy += s[first + i].shape.a.y / 4;
  }
  t.longSide = length(e1);
  t.dirX = (e1.b.x - e1.a.x) / t.longSide;
  t.dirY = (e1.b.y - e1.a.y) / t.longSide;
  t.closed = std::abs(e4.b.x - e1.a.x) < kTol && std::abs(e4.b.y - e1.a.y) < kTol;
  return t;
}

TEST(VehicleDrawing, SingleRearTyresAreCentredOnTheWheelPoints) {
  const Simulation sim = vehicleOnGround();
  const MotionState& m = sim.motion;
  const VehicleParameters& v = sim.vehicle;
  const Frame frame = 画车辆(sim, kSettings);
  const CloseUpFrame c = closeUpFrame(sim);
  const double rA = v.vehicleLength / 2 - v.rearOverhang;

  const auto cu = ofColour(vehicleShapes(frame.closeUp), kColours.rearWheelColour);
  ASSERT_EQ(cu.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    const Primitive& r = cu[i].shape;
    ASSERT_EQ(r.kind, PrimitiveKind::rectangle);
    const double side = i == 0 ? -1 : 1;
    EXPECT_NEAR((r.a.x + r.b.x) / 2, c.cx + side * c.k * v.rearTrack / 2, kTol);
    EXPECT_NEAR((r.a.y + r.b.y) / 2, c.cy + c.k * rA, kTol);
    EXPECT_NEAR(r.b.x - r.a.x, c.k * v.tyreWidth, kTol);
    EXPECT_NEAR(r.b.y - r.a.y, c.k * v.wheelDiameter, kTol);
  }

  const auto gr = ofColour(vehicleShapes(frame.ground), kColours.rearWheelColour);
  ASSERT_EQ(gr.size(), 8u);
  const FieldPoint wheels[] = {at(m.leftRearWheelX, m.leftRearWheelY), at(m.rightRearWheelX, m.rightRearWheelY)};
  for (std::size_t i = 0; i < 2; ++i) {
    const TyreOutline t = outline(gr, 4 * i);
    EXPECT_TRUE(t.closed);
    EXPECT_NEAR(t.cx, wheels[i].x, kTol);
    EXPECT_NEAR(t.cy, wheels[i].y, kTol);
    EXPECT_NEAR(t.longSide, v.wheelDiameter, kTol);
    EXPECT_NEAR(t.dirX, std::cos(m.heading), 1e-4);  // rolling along the heading
    EXPECT_NEAR(t.dirY, std::sin(m.heading), 1e-4);
    EXPECT_NEAR(length(gr[4 * i + 1].shape), v.tyreWidth, kTol);
  }
}

TEST(VehicleDrawing, TwinRearTyresMeetAtTheTrackPoint) {
  const Simulation sim = vehicleOnGround("程力尖头");
  ASSERT_EQ(sim.vehicle.rearTyreCount, 4);
  const MotionState& m = sim.motion;
  const VehicleParameters& v = sim.vehicle;
  const Frame frame = 画车辆(sim, kSettings);
  const CloseUpFrame c = closeUpFrame(sim);
  const double half = v.rearTrack / 2, T = v.tyreWidth;

  const auto cu = ofColour(vehicleShapes(frame.closeUp), kColours.rearWheelColour);
  ASSERT_EQ(cu.size(), 4u);
  // Left inboard, left outboard, right outboard, right inboard.
  const double spans[4][2] = {{-half, -half + T}, {-half - T, -half}, {half, half + T}, {half - T, half}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(cu[i].shape.a.x, c.cx + c.k * spans[i][0], kTol) << i;
    EXPECT_NEAR(cu[i].shape.b.x, c.cx + c.k * spans[i][1], kTol) << i;
  }

  const auto gr = ofColour(vehicleShapes(frame.ground), kColours.rearWheelColour);
  ASSERT_EQ(gr.size(), 16u);
  const double nx = std::sin(m.heading), ny = -std::cos(m.heading);  // left
  const struct {
    FieldPoint wheel;
    double leftOfWheel;  // where the tyre's centre lies across the vehicle
  } tyres[] = {{at(m.leftRearWheelX, m.leftRearWheelY), -T / 2},
               {at(m.leftRearWheelX, m.leftRearWheelY), T / 2},
               {at(m.rightRearWheelX, m.rightRearWheelY), -T / 2},
               {at(m.rightRearWheelX, m.rightRearWheelY), T / 2}};
  for (std::size_t i = 0; i < 4; ++i) {
    const TyreOutline t = outline(gr, 4 * i);
    EXPECT_TRUE(t.closed) << i;
    EXPECT_NEAR(t.cx, tyres[i].wheel.x + tyres[i].leftOfWheel * nx, kTol) << i;
    EXPECT_NEAR(t.cy, tyres[i].wheel.y + tyres[i].leftOfWheel * ny, kTol) << i;
  }
}

TEST(VehicleDrawing, FrontTyresTurnWithTheirSteeringAngles) {
  for (const double angle : {0.0, 0.3, -0.45}) {
    SCOPED_TRACE(angle);
    Simulation sim = vehicleOnGround();
    steer(sim, angle);
    const MotionState& m = sim.motion;
    const VehicleParameters& v = sim.vehicle;
    const Frame frame = 画车辆(sim, kSettings);
    const CloseUpFrame c = closeUpFrame(sim);
    const double fA = -v.vehicleLength / 2 + v.frontOverhang;
    const double wheelSteer[] = {m.leftWheelSteer, m.rightWheelSteer};

    const auto cu = ofColour(vehicleShapes(frame.closeUp), kColours.frontWheelColour);
    const auto gr = ofColour(vehicleShapes(frame.ground), kColours.frontWheelColour);
    ASSERT_EQ(cu.size(), 8u);
    ASSERT_EQ(gr.size(), 8u);
    const FieldPoint wheels[] = {at(m.leftFrontWheelX, m.leftFrontWheelY), at(m.rightFrontWheelX, m.rightFrontWheelY)};
    for (std::size_t i = 0; i < 2; ++i) {
      const double a = wheelSteer[i];
      const TyreOutline u = outline(cu, 4 * i);
      EXPECT_TRUE(u.closed);
      EXPECT_NEAR(u.cx, c.cx + (i == 0 ? -1 : 1) * c.k * v.frontTrack / 2, kTol);
      EXPECT_NEAR(u.cy, c.cy + c.k * fA, kTol);
      EXPECT_NEAR(u.longSide, c.k * v.wheelDiameter, kTol);
      // The first side runs from the tyre's front to its back; a positive angle turns the front to the right.
      EXPECT_NEAR(-u.dirX, std::sin(a), 1e-4);
      EXPECT_NEAR(-u.dirY, -std::cos(a), 1e-4);

      const TyreOutline g = outline(gr, 4 * i);
      EXPECT_TRUE(g.closed);
      EXPECT_NEAR(g.cx, wheels[i].x, kTol);
      EXPECT_NEAR(g.cy, wheels[i].y, kTol);
      EXPECT_NEAR(g.dirX, std::cos(m.heading + a), 1e-4);
      EXPECT_NEAR(g.dirY, std::sin(m.heading + a), 1e-4);
    }
  }
}

// The last `n` shapes of a pane: the trajectories come last.
std::vector<DrawnShape> last(const std::vector<DrawnShape>& shapes, std::size_t n) {
  return {shapes.end() - static_cast<std::ptrdiff_t>(n), shapes.end()};
}

TEST(VehicleDrawing, StraightTrajectoriesAreFullLinesAlongTheAxis) {
  Simulation sim = vehicleOnGround();
  setTraceLines(sim, true, true, true);
  const MotionState& m = sim.motion;
  ASSERT_EQ(m.turningCircleDiameter, 0);
  FrameSettings settings;
  settings.windowInnerWidth = 900;
  const Frame frame = 画车辆(sim, settings);
  const CloseUpFrame c = closeUpFrame(sim);

  const auto cuAll = vehicleShapes(frame.closeUp);
  const auto grAll = vehicleShapes(frame.ground);
  for (const auto* shapes : {&cuAll, &grAll}) {
    for (const DrawnShape& s : *shapes) {
      EXPECT_NE(s.shape.kind, PrimitiveKind::circle);
      EXPECT_NE(s.colour, kColours.auxLineColour);  // no cross when straight
    }
  }
  const auto cu = last(cuAll, 12);
  const auto gr = last(grAll, 12);
  const FieldPoint lr = at(m.leftRearCornerX, m.leftRearCornerY), lf = at(m.leftFrontCornerX, m.leftFrontCornerY);
  const FieldPoint rr = at(m.rightRearCornerX, m.rightRearCornerY), rf = at(m.rightFrontCornerX, m.rightFrontCornerY);
  const FieldPoint lfw = at(m.leftFrontWheelX, m.leftFrontWheelY), rfw = at(m.rightFrontWheelX, m.rightFrontWheelY);
  const FieldPoint lrw = at(m.leftRearWheelX, m.leftRearWheelY), rrw = at(m.rightRearWheelX, m.rightRearWheelY);
  const FieldPoint starts[12] = {lr, lf, rr, rf, lfw, lfw, rfw, rfw, lrw, lrw, rrw, rrw};
  const Rgb colours[3] = {kColours.bodyColour, kColours.frontWheelColour, kColours.rearWheelColour};
  for (std::size_t i = 0; i < 12; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(cu[i].colour, colours[i / 4]);
    EXPECT_EQ(gr[i].colour, colours[i / 4]);
    EXPECT_EQ(cu[i].width, 1);
    EXPECT_EQ(gr[i].width, 1);
    expectPoint(cu[i].shape.a, expectedCloseUp(sim, starts[i]));
    expectPoint(gr[i].shape.a, starts[i]);
    // Upright in the close-up, along the heading on the ground, as long as the window is wide.
    EXPECT_NEAR(cu[i].shape.b.x, cu[i].shape.a.x, kTol);
    EXPECT_NEAR(length(cu[i].shape), 900 * c.k, kTol);
    EXPECT_NEAR(length(gr[i].shape), 900, kTol);
    const double gx = gr[i].shape.b.x - gr[i].shape.a.x, gy = gr[i].shape.b.y - gr[i].shape.a.y;
    EXPECT_NEAR(gx * std::sin(m.heading) - gy * std::cos(m.heading), 0, 1e-2);
  }
  // Pairs of rays on one line run in opposite directions, so together they cover the whole line.
  for (const auto* pane : {&cu, &gr}) {
    for (std::size_t i = 0; i < 12; i += 2) {
      const Primitive& p = (*pane)[i].shape;
      const Primitive& q = (*pane)[i + 1].shape;
      const double dot = (p.b.x - p.a.x) * (q.b.x - q.a.x) + (p.b.y - p.a.y) * (q.b.y - q.a.y);
      EXPECT_LT(dot, 0) << i;
    }
  }
}

// Distance from p to the line through a and b.
double distanceToLine(FieldPoint p, FieldPoint a, FieldPoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  return std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / std::hypot(dx, dy);
}

TEST(VehicleDrawing, TurningBodyCirclesTouchTheInnerSideAndPassTheOuterFrontCorner) {
  for (const double angle : {0.35, -0.35}) {
    SCOPED_TRACE(angle);
    Simulation sim = vehicleOnGround();
    setTraceLines(sim, true, false, false);
    steer(sim, angle);
    const MotionState& m = sim.motion;
    ASSERT_GT(m.turningCircleDiameter, 0);
    const Frame frame = 画车辆(sim, kSettings);
    const FieldPoint centre = at(m.turnCentreX, m.turnCentreY);
    const bool right = angle > 0;
    const FieldPoint innerRear =
        right ? at(m.rightRearCornerX, m.rightRearCornerY) : at(m.leftRearCornerX, m.leftRearCornerY);
    const FieldPoint innerFront =
        right ? at(m.rightFrontCornerX, m.rightFrontCornerY) : at(m.leftFrontCornerX, m.leftFrontCornerY);
    const FieldPoint outerFront =
        right ? at(m.leftFrontCornerX, m.leftFrontCornerY) : at(m.rightFrontCornerX, m.rightFrontCornerY);
    const double inner = distanceToLine(centre, innerRear, innerFront);
    const double outer = std::hypot(outerFront.x - centre.x, outerFront.y - centre.y);
    const double k = closeUpFrame(sim).k;

    const auto gr = last(vehicleShapes(frame.ground), 4);
    const auto cu = last(vehicleShapes(frame.closeUp), 4);
    for (const auto* pane : {&gr, &cu}) {
      const bool closeUp = pane == &cu;
      const FieldPoint c = closeUp ? expectedCloseUp(sim, centre) : centre;
      // The cross at the turning centre, 10 pixels each way.
      EXPECT_EQ((*pane)[0].colour, kColours.auxLineColour);
      expectPoint((*pane)[0].shape.a, c.x - 10, c.y);
      expectPoint((*pane)[1].shape.b, c.x, c.y + 10);
      for (std::size_t i = 2; i < 4; ++i) {
        EXPECT_EQ((*pane)[i].shape.kind, PrimitiveKind::circle);
        EXPECT_EQ((*pane)[i].colour, kColours.bodyColour);
        expectPoint((*pane)[i].shape.a, c);
      }
      EXPECT_NEAR((*pane)[2].shape.radius, (closeUp ? k : 1) * inner, kTol);
      EXPECT_NEAR((*pane)[3].shape.radius, (closeUp ? k : 1) * outer, kTol);
    }
  }
}

TEST(VehicleDrawing, TurningWheelCirclesRunThroughTheWheelPoints) {
  Simulation sim = vehicleOnGround();
  setTraceLines(sim, false, true, true);
  steer(sim, 0.2);
  const MotionState& m = sim.motion;
  const Frame frame = 画车辆(sim, kSettings);
  const auto gr = last(vehicleShapes(frame.ground), 6);
  const struct {
    FieldPoint wheel;
    Rgb colour;
  } expected[] = {{at(m.leftFrontWheelX, m.leftFrontWheelY), kColours.frontWheelColour},
                  {at(m.rightFrontWheelX, m.rightFrontWheelY), kColours.frontWheelColour},
                  {at(m.leftRearWheelX, m.leftRearWheelY), kColours.rearWheelColour},
                  {at(m.rightRearWheelX, m.rightRearWheelY), kColours.rearWheelColour}};
  EXPECT_EQ(gr[0].colour, kColours.auxLineColour);  // the cross comes first
  for (std::size_t i = 0; i < 4; ++i) {
    const Primitive& circle = gr[2 + i].shape;
    ASSERT_EQ(circle.kind, PrimitiveKind::circle);
    EXPECT_EQ(gr[2 + i].colour, expected[i].colour);
    EXPECT_NEAR(circle.radius, std::hypot(expected[i].wheel.x - m.turnCentreX, expected[i].wheel.y - m.turnCentreY),
                kTol);
  }
}

TEST(VehicleDrawing, NoTrajectoryAndNoCrossWhenAllAreOff) {
  for (const bool enabled : {true, false}) {
    Simulation sim = vehicleOnGround();
    setTraceLines(sim, !enabled, !enabled, !enabled, enabled);  // off, or ticked but disabled
    steer(sim, 0.3);
    const Frame frame = 画车辆(sim, kSettings);
    for (const DisplayList* pane : {&frame.closeUp, &frame.ground}) {
      for (const DrawnShape& s : vehicleShapes(*pane)) {
        EXPECT_NE(s.shape.kind, PrimitiveKind::circle);
        EXPECT_NE(s.colour, kColours.auxLineColour);
      }
    }
  }
}

TEST(VehicleDrawing, ATrajectoryThatCannotBeDrawnIsSkipped) {
  // Wheels straight while the last turn's diameter is still set: the inner body
  // circle would have an infinite radius. It is left out, the rest is drawn.
  Simulation sim = vehicleOnGround();
  setTraceLines(sim, true, false, false);
  steer(sim, 0.3);
  sim.motion.steerAngle = 0;
  const Frame frame = 画车辆(sim, kSettings);
  const auto gr = ofColour(vehicleShapes(frame.ground), kColours.bodyColour);
  ASSERT_FALSE(gr.empty());
  EXPECT_EQ(gr.back().shape.kind, PrimitiveKind::circle);
  const auto isCircle = [](const DrawnShape& s) { return s.shape.kind == PrimitiveKind::circle; };
  EXPECT_EQ(std::count_if(gr.begin(), gr.end(), isCircle), 1);
  EXPECT_EQ(frame.readouts[5], "正前");
}

TEST(VehicleDrawing, FrameCarriesTheReadouts) {
  Simulation sim = vehicleOnGround();
  sim.run.elapsedSeconds = 59.97;
  const Frame frame = 画车辆(sim, kSettings);
  EXPECT_EQ(frame.readouts[0], "00时00分60秒");
  EXPECT_EQ(frame.readouts[6], "转弯直径∞米");
}

}  // namespace
}  // namespace pelvoro
