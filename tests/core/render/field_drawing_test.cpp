#include "render/field_drawing.h"

#include <gtest/gtest.h>

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
using testing::shapesOfKind;
using testing::simulationAtStart;

constexpr double kTol = 2e-3;  // pixels: coordinates are single precision
const ColourTable kColours;
const FrameSettings kSettings;  // 1920 × 1080 at 96 dpi: thick lines are 4 pixels

struct ItemCase {
  Item item;
  bool right;
};
constexpr ItemCase kAllItems[] = {{Item::桩考, false},       {Item::侧方停车, false},       {Item::直角转弯, false},
                                  {Item::直角转弯, true},    {Item::通过连续障碍, false},   {Item::通过连续障碍, true},
                                  {Item::通过单边桥, false}, {Item::通过单边桥, true},      {Item::限速通过限宽门, false},
                                  {Item::场地公路调头, false}, {Item::曲线行驶, false},     {Item::自由练习, false}};

std::string name(ItemCase c) { return std::string(caption(c.item)) + (c.right ? "_右" : ""); }

Frame drawGround(const Simulation& sim) {
  Frame frame;
  画边界(frame, sim, kColours, lineWidths(kSettings));
  return frame;
}

// The start pose of the item, then moved and turned to a heading no item starts with.
Simulation turnedAtStart(ItemCase c) {
  Simulation sim = simulationAtStart(c.item, "东南菱帅", c.right);
  place(sim, sim.motion.vehicleX + 7, sim.motion.vehicleY - 11, 0.7);
  return sim;
}

void expectPoint(PixelPoint got, FieldPoint want) {
  EXPECT_NEAR(got.x, want.x, kTol);
  EXPECT_NEAR(got.y, want.y, kTol);
}

// A line of the close-up between the mapped ends of a world line.
void expectCloseUpLine(const Simulation& sim, const DrawnShape& s, FieldPoint from, FieldPoint to) {
  ASSERT_EQ(s.shape.kind, PrimitiveKind::line);
  expectPoint(s.shape.a, expectedCloseUp(sim, from));
  expectPoint(s.shape.b, expectedCloseUp(sim, to));
}

void expectGroundShape(const DrawnShape& s, PrimitiveKind kind, FieldPoint a, FieldPoint b) {
  ASSERT_EQ(s.shape.kind, kind);
  expectPoint(s.shape.a, a);
  expectPoint(s.shape.b, b);
}

std::vector<DrawnShape> withColour(const std::vector<DrawnShape>& shapes, Rgb colour, bool wanted = true) {
  std::vector<DrawnShape> out;
  for (const DrawnShape& s : shapes)
    if ((s.colour == colour) == wanted) out.push_back(s);
  return out;
}

double closeUpFactor(const Simulation& sim) { return sim.view.closeUpScale / sim.view.currentScale; }

TEST(FieldDrawing, EveryFrameStartsFromClearedPanesAndTheGroundOutline) {
  for (const ItemCase c : kAllItems) {
    SCOPED_TRACE(name(c));
    Simulation sim = turnedAtStart(c);
    setTraceLines(sim, true, true, true);
    const Frame f = drawGround(sim);
    const auto& cu = f.closeUp.primitives;
    const auto& gr = f.ground.primitives;
    ASSERT_GE(cu.size(), 9u);
    ASSERT_GE(gr.size(), 3u);
    EXPECT_EQ(cu[0].kind, PrimitiveKind::penStyle);
    EXPECT_EQ(cu[0].style, PenStyle::solid);
    EXPECT_EQ(gr[0].kind, PrimitiveKind::penStyle);
    EXPECT_EQ(gr[1].kind, PrimitiveKind::penWidth);
    EXPECT_EQ(gr[1].width, groundLineWidth(lineWidths(kSettings), sim.view));
    EXPECT_EQ(gr[2].kind, PrimitiveKind::background);
    EXPECT_EQ(gr[2].colour, kColours.groundColour);
    EXPECT_EQ(cu[1].kind, PrimitiveKind::background);
    EXPECT_EQ(cu[1].colour, kColours.groundColour);

    // The outline of the whole ground pane, in the close-up only, thin and in the pole colour.
    const ViewLayout& v = sim.view;
    const auto shapes = drawnShapes(f.closeUp);
    ASSERT_GE(shapes.size(), 4u);
    const FieldPoint tl{v.groundPaneLeft, v.groundPaneTop}, tr{v.groundPaneRight, v.groundPaneTop};
    const FieldPoint bl{v.groundPaneLeft, v.groundPaneBottom}, br{v.groundPaneRight, v.groundPaneBottom};
    expectCloseUpLine(sim, shapes[0], tl, tr);
    expectCloseUpLine(sim, shapes[1], tl, bl);
    expectCloseUpLine(sim, shapes[2], bl, br);
    expectCloseUpLine(sim, shapes[3], tr, br);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(shapes[i].colour, kColours.poleColour);
      EXPECT_EQ(shapes[i].width, 1);
    }
  }
}

TEST(FieldDrawing, FreePracticeIsTheBareGround) {
  Simulation sim = turnedAtStart({Item::自由练习, false});
  setTraceLines(sim, true, true, true);
  const Frame f = drawGround(sim);
  EXPECT_EQ(drawnShapes(f.closeUp).size(), 4u);  // the outline alone
  EXPECT_TRUE(drawnShapes(f.ground).empty());
}

// Where the ground pane draws the same lines as the close-up, each close-up
// shape is its ground shape turned and scaled about the vehicle.
TEST(FieldDrawing, CloseUpShowsTheGroundTurnedAboutTheVehicle) {
  const ItemCase items[] = {{Item::直角转弯, false},     {Item::直角转弯, true},      {Item::通过连续障碍, false},
                            {Item::通过连续障碍, true},  {Item::限速通过限宽门, false}, {Item::场地公路调头, false}};
  const LineWidths widths = lineWidths(kSettings);
  for (const ItemCase c : items) {
    SCOPED_TRACE(name(c));
    Simulation sim = turnedAtStart(c);
    const Frame f = drawGround(sim);
    auto cu = drawnShapes(f.closeUp);
    cu.erase(cu.begin(), cu.begin() + 4);  // the outline
    const auto gr = drawnShapes(f.ground);
    ASSERT_EQ(cu.size(), gr.size());
    ASSERT_GE(gr.size(), 3u);
    for (std::size_t i = 0; i < gr.size(); ++i) {
      SCOPED_TRACE(i);
      const DrawnShape& g = gr[i];
      const DrawnShape& u = cu[i];
      ASSERT_EQ(u.shape.kind, g.shape.kind);
      EXPECT_EQ(u.colour, g.colour);
      EXPECT_EQ(u.style, g.style);
      if (g.style == PenStyle::solid) {
        EXPECT_EQ(u.width, widths.thickLineWidth);
        EXPECT_EQ(g.width, groundLineWidth(widths, sim.view));
      }
      expectPoint(u.shape.a, expectedCloseUp(sim, {g.shape.a.x, g.shape.a.y}));
      if (g.shape.kind == PrimitiveKind::line) expectPoint(u.shape.b, expectedCloseUp(sim, {g.shape.b.x, g.shape.b.y}));
      if (g.shape.kind == PrimitiveKind::circle) {
        const bool isPole = g.colour == kColours.poleColour;
        EXPECT_NEAR(u.shape.radius, isPole ? 1 : g.shape.radius * closeUpFactor(sim), kTol);
      }
    }
  }
}

TEST(FieldDrawing, PoleTestLinesAndPoles) {
  const Simulation sim = turnedAtStart({Item::桩考, false});
  const FieldElements& f = sim.field;
  const double left = sim.view.groundPaneLeft;
  const Frame frame = drawGround(sim);

  const auto cu = withColour(drawnShapes(frame.closeUp), kColours.boundaryLineColour);
  ASSERT_EQ(cu.size(), 8u);
  expectCloseUpLine(sim, cu[0], {left, f.poleRoadTopY}, {f.poleRoadEndX, f.poleRoadTopY});
  expectCloseUpLine(sim, cu[3], {f.poleRoadEndX, f.poleRoadTopY}, {f.poleRoadEndX, f.garageTopY});
  // The bays' side lines cross the road band.
  expectCloseUpLine(sim, cu[4], {f.garageLeftX, f.poleRoadTopY}, {f.garageLeftX, f.garageBottomY});
  expectCloseUpLine(sim, cu[7], {f.garageMidX, f.garageTopY}, {f.garageMidX, f.garageBottomY});

  const auto gr = withColour(drawnShapes(frame.ground), kColours.boundaryLineColour);
  ASSERT_EQ(gr.size(), 3u);
  expectGroundShape(gr[0], PrimitiveKind::rectangle, {left, f.poleRoadTopY}, {f.poleRoadEndX, f.garageTopY});
  expectGroundShape(gr[1], PrimitiveKind::rectangle, {f.garageLeftX, f.poleRoadTopY},
                    {f.garageRightX, f.garageBottomY});
  expectGroundShape(gr[2], PrimitiveKind::line, {f.garageMidX, f.garageTopY}, {f.garageMidX, f.garageBottomY});

  const FieldPoint poles[] = {{f.garageRightX, f.garageTopY},    {f.garageMidX, f.garageTopY},
                              {f.garageLeftX, f.garageTopY},     {f.garageRightX, f.garageBottomY},
                              {f.garageMidX, f.garageBottomY},   {f.garageLeftX, f.garageBottomY}};
  const auto cuPoles = withColour(drawnShapes(frame.closeUp), kColours.poleColour);
  const auto grPoles = withColour(drawnShapes(frame.ground), kColours.poleColour);
  ASSERT_EQ(cuPoles.size(), 4u + 6u);  // after the outline
  ASSERT_EQ(grPoles.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    expectPoint(cuPoles[4 + i].shape.a, expectedCloseUp(sim, poles[i]));
    expectPoint(grPoles[i].shape.a, poles[i]);
  }
}

TEST(FieldDrawing, SideParkingAndBridgeLines) {
  {
    const Simulation sim = turnedAtStart({Item::侧方停车, false});
    const FieldElements& f = sim.field;
    const ViewLayout& v = sim.view;
    const Frame frame = drawGround(sim);
    const auto cu = withColour(drawnShapes(frame.closeUp), kColours.boundaryLineColour);
    ASSERT_EQ(cu.size(), 5u);
    expectCloseUpLine(sim, cu[0], {f.laneLeftX, v.groundPaneTop}, {f.laneLeftX, v.groundPaneBottom});
    expectCloseUpLine(sim, cu[2], {f.laneRightX, f.garageTopY}, {f.garageRightX, f.garageTopY});
    expectCloseUpLine(sim, cu[4], {f.garageRightX, f.garageTopY}, {f.garageRightX, f.garageBottomY});
    const auto gr = withColour(drawnShapes(frame.ground), kColours.boundaryLineColour);
    ASSERT_EQ(gr.size(), 3u);
    expectGroundShape(gr[1], PrimitiveKind::line, {f.laneRightX, v.groundPaneTop}, {f.laneRightX, v.groundPaneBottom});
    expectGroundShape(gr[2], PrimitiveKind::rectangle, {f.laneRightX, f.garageTopY}, {f.garageRightX, f.garageBottomY});
    EXPECT_EQ(withColour(drawnShapes(frame.ground), kColours.poleColour).size(), 4u);
  }
  for (const bool right : {false, true}) {
    SCOPED_TRACE(right);
    const Simulation sim = turnedAtStart({Item::通过单边桥, right});
    const FieldElements& f = sim.field;
    const double r = f.bridgeRampLength;
    const Frame frame = drawGround(sim);
    const auto cu = withColour(drawnShapes(frame.closeUp), kColours.boundaryLineColour);
    ASSERT_EQ(cu.size(), 12u);
    expectCloseUpLine(sim, cu[0], {f.bridge1LeftX, f.bridge1StartY}, {f.bridge1RightX, f.bridge1StartY});
    expectCloseUpLine(sim, cu[7], {f.bridge2RightX, f.bridge2EndY}, {f.bridge2LeftX, f.bridge2EndY});
    expectCloseUpLine(sim, cu[8], {f.bridge1LeftX, f.bridge1StartY - r}, {f.bridge1RightX, f.bridge1StartY - r});
    expectCloseUpLine(sim, cu[11], {f.bridge2RightX, f.bridge2EndY + r}, {f.bridge2LeftX, f.bridge2EndY + r});
    const auto gr = withColour(drawnShapes(frame.ground), kColours.boundaryLineColour);
    ASSERT_EQ(gr.size(), 4u);
    expectGroundShape(gr[1], PrimitiveKind::rectangle, {f.bridge2LeftX, f.bridge2StartY},
                      {f.bridge2RightX, f.bridge2EndY});
    expectGroundShape(gr[2], PrimitiveKind::rectangle, {f.bridge1LeftX, f.bridge1StartY - r},
                      {f.bridge1RightX, f.bridge1EndY + r});
  }
}

// Angles compared on the circle, in single precision.
void expectSameAngle(double got, double want) {
  const double d = std::remainder(got - want, TWO_PI);
  EXPECT_NEAR(d, 0, 1e-5) << got << " vs " << want;
}

TEST(FieldDrawing, CurveArcsAreFixedOnTheGroundAndFollowTheHeadingInTheCloseUp) {
  for (const double turn : {0.0, 0.7, -2.0, 3.0}) {
    SCOPED_TRACE(turn);
    Simulation sim = simulationAtStart(Item::曲线行驶);
    place(sim, sim.motion.vehicleX, sim.motion.vehicleY, THREE_HALF_PI + turn);
    const FieldElements& f = sim.field;
    const double R = f.curveParam, w = f.roadWidth;
    const Frame frame = drawGround(sim);
    const auto gr = shapesOfKind(frame.ground, PrimitiveKind::arc);
    const auto cu = shapesOfKind(frame.closeUp, PrimitiveKind::arc);
    ASSERT_EQ(gr.size(), 4u);
    ASSERT_EQ(cu.size(), 4u);
    const FieldPoint centres[] = {f.curveCentres[0], f.curveCentres[1], f.curveCentres[0], f.curveCentres[1]};
    const double radii[] = {R, R - w, R - w, R};
    for (std::size_t i = 0; i < 4; ++i) {
      SCOPED_TRACE(i);
      const bool bend1 = i % 2 == 0;
      // 0° to 135° about C1, 180° to 315° about C2, anticlockwise on the screen.
      EXPECT_FLOAT_EQ(gr[i].shape.startAngle, static_cast<float>(bend1 ? 0 : PI));
      EXPECT_FLOAT_EQ(gr[i].shape.endAngle, static_cast<float>(bend1 ? 0.75 * PI : 1.75 * PI));
      expectPoint(gr[i].shape.a, centres[i]);
      EXPECT_FLOAT_EQ(gr[i].shape.radius, static_cast<float>(radii[i]));
      EXPECT_EQ(gr[i].colour, kColours.boundaryLineColour);
      // The close-up turns the ground anticlockwise by as much as the vehicle turned clockwise.
      expectSameAngle(cu[i].shape.startAngle, gr[i].shape.startAngle + turn);
      expectSameAngle(cu[i].shape.endAngle, gr[i].shape.endAngle + turn);
      expectPoint(cu[i].shape.a, expectedCloseUp(sim, centres[i]));
      EXPECT_NEAR(cu[i].shape.radius, radii[i] * closeUpFactor(sim), kTol);
    }
  }
}

TEST(FieldDrawing, CurveAuxiliaryLinesFollowTheRoadsCentre) {
  Simulation sim = turnedAtStart({Item::曲线行驶, false});
  setTraceLines(sim, false, true, false);
  const FieldElements& f = sim.field;
  const FieldPoint C1 = f.curveCentres[0], C2 = f.curveCentres[1];
  const double R = f.curveParam, w = f.roadWidth;
  const Frame frame = drawGround(sim);
  const auto gr = withColour(drawnShapes(frame.ground), kColours.auxLineColour);
  ASSERT_EQ(gr.size(), 8u);
  // Upright crosses of 10 pixels about the bend centres, solid.
  expectGroundShape(gr[0], PrimitiveKind::line, {C1.x - 10, C1.y}, {C1.x + 10, C1.y});
  expectGroundShape(gr[3], PrimitiveKind::line, {C2.x, C2.y - 10}, {C2.x, C2.y + 10});
  const FieldPoint N{C1.x + R - w / 2, C1.y};
  const FieldPoint X{C2.x - R + w / 2, C2.y};
  expectGroundShape(gr[4], PrimitiveKind::line, {N.x, sim.view.groundPaneBottom}, N);
  EXPECT_FLOAT_EQ(gr[5].shape.radius, static_cast<float>(R - w / 2));
  expectGroundShape(gr[7], PrimitiveKind::line, X, {X.x, sim.view.groundPaneTop});

  const auto cu = withColour(drawnShapes(frame.closeUp), kColours.auxLineColour);
  ASSERT_EQ(cu.size(), 8u);
  const FieldPoint c1 = expectedCloseUp(sim, C1);
  expectPoint(cu[0].shape.a, {c1.x - 10, c1.y});  // upright on the screen, not turned
  expectPoint(cu[1].shape.b, {c1.x, c1.y + 10});
  expectCloseUpLine(sim, cu[4], {N.x, sim.view.groundPaneBottom}, N);
}

TEST(FieldDrawing, RightAngleTurnAuxiliaryLinesRunToThePaneEdge) {
  for (const bool right : {false, true}) {
    SCOPED_TRACE(right);
    Simulation sim = turnedAtStart({Item::直角转弯, right});
    setTraceLines(sim, true, false, false);
    const FieldElements& f = sim.field;
    const ViewLayout& v = sim.view;
    const double h = f.roadWidth / 2;
    const double legX = right ? f.turnInnerX - h : f.turnInnerX + h;
    const Frame frame = drawGround(sim);
    const auto gr = withColour(drawnShapes(frame.ground), kColours.auxLineColour);
    ASSERT_EQ(gr.size(), 2u);
    expectGroundShape(gr[0], PrimitiveKind::line, {legX, v.groundPaneBottom}, {legX, f.turnOuterY + h});
    expectGroundShape(gr[1], PrimitiveKind::line, {right ? v.groundPaneRight : v.groundPaneLeft, f.turnOuterY + h},
                      {legX, f.turnOuterY + h});
    // The approach leg's outer line and the crossing leg's end.
    const auto lines = withColour(drawnShapes(frame.ground), kColours.boundaryLineColour);
    ASSERT_EQ(lines.size(), 4u);
    const double S = right ? f.laneLeftX : f.laneRightX;
    const double E = right ? f.turnRightEndX : f.turnLeftEndX;
    expectGroundShape(lines[2], PrimitiveKind::line, {E, f.turnOuterY}, {S, f.turnOuterY});
    expectGroundShape(lines[3], PrimitiveKind::line, {S, f.turnOuterY}, {S, f.turnStartY});
  }
}

TEST(FieldDrawing, DashDotExactlyForTheUTurnStartLineAndTheAuxiliaryLines) {
  const struct {
    ItemCase item;
    std::size_t dashDotWithAux, solidAux;  // per pane
  } cases[] = {{{Item::桩考, false}, 0, 0},         {{Item::侧方停车, false}, 0, 0},   {{Item::直角转弯, false}, 2, 0},
               {{Item::直角转弯, true}, 2, 0},      {{Item::通过连续障碍, false}, 1, 0}, {{Item::通过单边桥, true}, 1, 0},
               {{Item::限速通过限宽门, false}, 1, 0}, {{Item::场地公路调头, false}, 2, 0}, {{Item::曲线行驶, false}, 4, 4},
               {{Item::自由练习, false}, 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(name(c.item));
    const bool uTurn = c.item.item == Item::场地公路调头;
    // Trajectory entries off, ticked but disabled, and on.
    for (const int state : {0, 1, 2}) {
      SCOPED_TRACE(state);
      Simulation sim = turnedAtStart(c.item);
      setTraceLines(sim, state != 0, state != 0, state != 0, state != 1);
      const bool aux = state == 2;
      const Frame frame = drawGround(sim);
      for (const DisplayList* pane : {&frame.closeUp, &frame.ground}) {
        const auto shapes = drawnShapes(*pane);
        std::size_t dashDot = 0, solidAux = 0, auxShapes = 0;
        for (const DrawnShape& s : shapes) {
          if (s.style == PenStyle::dashDot) {
            ++dashDot;
            EXPECT_EQ(s.width, 1);
          }
          if (s.colour == kColours.auxLineColour) {
            ++auxShapes;
            if (s.style == PenStyle::solid) ++solidAux;
          }
        }
        EXPECT_EQ(dashDot, aux ? c.dashDotWithAux : uTurn ? 1 : 0);
        EXPECT_EQ(solidAux, aux ? c.solidAux : 0);
        if (!aux) {
          EXPECT_EQ(auxShapes, 0u);
        }
      }
    }
  }
}

TEST(FieldDrawing, AnyOneTrajectoryEntryShowsTheAuxiliaryLines) {
  for (const int which : {0, 1, 2}) {
    Simulation sim = turnedAtStart({Item::通过连续障碍, false});
    setTraceLines(sim, which == 0, which == 1, which == 2);
    const Frame frame = drawGround(sim);
    EXPECT_EQ(withColour(drawnShapes(frame.ground), kColours.auxLineColour).size(), 1u) << which;
  }
}

TEST(FieldDrawing, UTurnStartLineIsOnePixelDashDotAndTheEndLineSolid) {
  const Simulation sim = turnedAtStart({Item::场地公路调头, false});
  const FieldElements& f = sim.field;
  const Frame frame = drawGround(sim);
  const auto cu = drawnShapes(frame.closeUp);
  const auto gr = drawnShapes(frame.ground);
  ASSERT_EQ(cu.size(), 4u + 4u);
  ASSERT_EQ(gr.size(), 4u);
  expectGroundShape(gr[1], PrimitiveKind::line, {f.laneLeftX, f.uturnEndY}, {f.laneRightX, f.uturnEndY});
  EXPECT_EQ(gr[1].style, PenStyle::solid);
  expectGroundShape(gr[3], PrimitiveKind::line, {f.laneLeftX, f.uturnStartY}, {f.laneRightX, f.uturnStartY});
  for (const DrawnShape* start : {&gr[3], &cu[7]}) {
    EXPECT_EQ(start->width, 1);
    EXPECT_EQ(start->style, PenStyle::dashDot);
    EXPECT_EQ(start->colour, kColours.boundaryLineColour);
  }
  EXPECT_EQ(cu[5].width, lineWidths(kSettings).thickLineWidth);
  EXPECT_EQ(cu[5].style, PenStyle::solid);
}

TEST(FieldDrawing, PolesAreOnePixelCirclesWithTheBoundaryPen) {
  const struct {
    Item item;
    std::size_t poles;
  } cases[] = {{Item::桩考, 6}, {Item::侧方停车, 4}, {Item::直角转弯, 1}, {Item::限速通过限宽门, 6}};
  const LineWidths widths = lineWidths(kSettings);
  for (const auto& c : cases) {
    SCOPED_TRACE(caption(c.item));
    const Simulation sim = turnedAtStart({c.item, false});
    const Frame frame = drawGround(sim);
    const auto cu = shapesOfKind(frame.closeUp, PrimitiveKind::circle);
    const auto gr = shapesOfKind(frame.ground, PrimitiveKind::circle);
    ASSERT_EQ(cu.size(), c.poles);
    ASSERT_EQ(gr.size(), c.poles);
    for (std::size_t i = 0; i < c.poles; ++i) {
      EXPECT_EQ(cu[i].shape.radius, 1);
      EXPECT_EQ(gr[i].shape.radius, 1);
      EXPECT_EQ(cu[i].colour, kColours.poleColour);
      EXPECT_EQ(gr[i].colour, kColours.poleColour);
      EXPECT_EQ(cu[i].width, widths.thickLineWidth);
      EXPECT_EQ(gr[i].width, groundLineWidth(widths, sim.view));
    }
  }
}

TEST(FieldDrawing, ObstacleDiscsInTheBoundaryColour) {
  const Simulation sim = turnedAtStart({Item::通过连续障碍, true});
  const FieldElements& f = sim.field;
  const Frame frame = drawGround(sim);
  const auto cu = shapesOfKind(frame.closeUp, PrimitiveKind::circle);
  const auto gr = shapesOfKind(frame.ground, PrimitiveKind::circle);
  ASSERT_EQ(cu.size(), 6u);
  ASSERT_EQ(gr.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(gr[i].colour, kColours.boundaryLineColour);
    EXPECT_EQ(cu[i].colour, kColours.boundaryLineColour);
    expectPoint(gr[i].shape.a, f.obstacleCentres[i]);
    EXPECT_FLOAT_EQ(gr[i].shape.radius, static_cast<float>(f.obstacleDiameter / 2));
    EXPECT_NEAR(cu[i].shape.radius, f.obstacleDiameter / 2 * closeUpFactor(sim), kTol);
  }
}

TEST(LineWidths, FromTheScreenAndTheScales) {
  const struct {
    double width, height, dpi;
    int thick;
  } screens[] = {{1024, 768, 96, 3}, {1920, 1080, 96, 4}, {1920, 1080, 144, 2}, {3840, 2160, 96, 7}, {100, 80, 96, 1}};
  for (const auto& s : screens) {
    FrameSettings settings;
    settings.screenWidth = s.width, settings.screenHeight = s.height, settings.logicalDpi = s.dpi;
    EXPECT_EQ(lineWidths(settings).thickLineWidth, s.thick) << s.width << "x" << s.height << "@" << s.dpi;
    EXPECT_EQ(lineWidths(settings).thinLineWidth, 1);
  }

  ViewLayout view;
  const struct {
    double currentScale, closeUpScale;
    int ground;
  } scales[] = {{30, 60, 2}, {10, 68, 1}, {30, 30, 4}, {60, 20, 4}, {30, 0, 4}};  // 0: a collapsed close-up
  for (const auto& s : scales) {
    view.currentScale = s.currentScale, view.closeUpScale = s.closeUpScale;
    EXPECT_EQ(groundLineWidth({4, 1}, view), s.ground) << s.currentScale << "/" << s.closeUpScale;
  }
}

}  // namespace
}  // namespace pelvoro
