#include "render/field_drawing.h"

#include <utility>

#include "model/geometry.h"
#include "render/pane_view.h"
#include "run/simulation.h"

namespace pelvoro {

namespace {

struct FieldPanes {
  PaneView closeUp;
  PaneView ground;
  const FieldElements& f;
  const ViewLayout& view;
  const ColourTable& colours;
  const LineWidths& widths;
  bool aux;  // traceLinesShown
};

FieldPoint P(double x, double y) { return {x, y}; }

void boundaryPen(const FieldPanes& g, const PaneView& pane) {
  setPenStyle(pane.list, PenStyle::solid);
  setPenColour(pane.list, g.colours.boundaryLineColour);
}

void auxiliaryPen(const FieldPanes& g, const PaneView& pane) {
  setPenWidth(pane.list, g.widths.thinLineWidth);
  setPenColour(pane.list, g.colours.auxLineColour);
  setPenStyle(pane.list, PenStyle::dashDot);
}

// A line across the whole ground, top to bottom.
void fullHeight(const FieldPanes& g, const PaneView& pane, double x) {
  worldLine(pane, P(x, g.view.groundPaneTop), P(x, g.view.groundPaneBottom));
}

void auxiliaryCentreLine(const FieldPanes& g, double closeUpFromY) {
  if (!g.aux) return;
  for (const PaneView* pane : {&g.closeUp, &g.ground}) {
    auxiliaryPen(g, *pane);
    const double fromY = pane == &g.closeUp ? closeUpFromY : g.view.groundPaneTop;
    worldLine(*pane, P(g.f.centreX, fromY), P(g.f.centreX, g.view.groundPaneBottom));
  }
}

void poleTest(const FieldPanes& g) {
  const FieldElements& f = g.f;
  const double left = g.view.groundPaneLeft;
  const FieldPoint poles[] = {P(f.garageRightX, f.garageTopY),    P(f.garageMidX, f.garageTopY),
                              P(f.garageLeftX, f.garageTopY),     P(f.garageRightX, f.garageBottomY),
                              P(f.garageMidX, f.garageBottomY),   P(f.garageLeftX, f.garageBottomY)};
  const auto drawPoles = [&](const PaneView& pane) {
    setPenColour(pane.list, g.colours.poleColour);
    for (const FieldPoint& p : poles) pole(pane, p);
  };

  boundaryPen(g, g.closeUp);
  worldLine(g.closeUp, P(left, f.poleRoadTopY), P(f.poleRoadEndX, f.poleRoadTopY));
  worldLine(g.closeUp, P(left, f.poleRoadTopY), P(left, f.garageTopY));
  worldLine(g.closeUp, P(left, f.garageTopY), P(f.poleRoadEndX, f.garageTopY));
  worldLine(g.closeUp, P(f.poleRoadEndX, f.poleRoadTopY), P(f.poleRoadEndX, f.garageTopY));
  // The bays' side lines cross the road band up to its far edge.
  worldLine(g.closeUp, P(f.garageLeftX, f.poleRoadTopY), P(f.garageLeftX, f.garageBottomY));
  worldLine(g.closeUp, P(f.garageRightX, f.garageBottomY), P(f.garageRightX, f.poleRoadTopY));
  worldLine(g.closeUp, P(f.garageRightX, f.garageBottomY), P(f.garageLeftX, f.garageBottomY));
  worldLine(g.closeUp, P(f.garageMidX, f.garageTopY), P(f.garageMidX, f.garageBottomY));
  drawPoles(g.closeUp);

  DisplayList& ground = g.ground.list;
  boundaryPen(g, g.ground);
  drawRectangle(ground, left, f.poleRoadTopY, f.poleRoadEndX, f.garageTopY);
  drawRectangle(ground, f.garageLeftX, f.poleRoadTopY, f.garageRightX, f.garageBottomY);
  drawLine(ground, f.garageMidX, f.garageTopY, f.garageMidX, f.garageBottomY);
  drawPoles(g.ground);
}

void sideParking(const FieldPanes& g) {
  const FieldElements& f = g.f;
  const FieldPoint poles[] = {P(f.laneRightX, f.garageTopY), P(f.laneRightX, f.garageBottomY),
                              P(f.garageRightX, f.garageTopY), P(f.garageRightX, f.garageBottomY)};
  const auto drawPoles = [&](const PaneView& pane) {
    setPenColour(pane.list, g.colours.poleColour);
    for (const FieldPoint& p : poles) pole(pane, p);
  };

  boundaryPen(g, g.closeUp);
  fullHeight(g, g.closeUp, f.laneLeftX);
  fullHeight(g, g.closeUp, f.laneRightX);
  worldLine(g.closeUp, P(f.laneRightX, f.garageTopY), P(f.garageRightX, f.garageTopY));
  worldLine(g.closeUp, P(f.laneRightX, f.garageBottomY), P(f.garageRightX, f.garageBottomY));
  worldLine(g.closeUp, P(f.garageRightX, f.garageTopY), P(f.garageRightX, f.garageBottomY));
  drawPoles(g.closeUp);

  boundaryPen(g, g.ground);
  fullHeight(g, g.ground, f.laneLeftX);
  fullHeight(g, g.ground, f.laneRightX);
  drawRectangle(g.ground.list, f.laneRightX, f.garageTopY, f.garageRightX, f.garageBottomY);
  drawPoles(g.ground);
}

void rightAngleTurn(const FieldPanes& g) {
  const FieldElements& f = g.f;
  const double E = f.startToRight ? f.turnRightEndX : f.turnLeftEndX;  // the crossing leg's far end
  const double S = f.startToRight ? f.laneLeftX : f.laneRightX;       // the approach leg's outer line
  for (const PaneView* pane : {&g.closeUp, &g.ground}) {
    boundaryPen(g, *pane);
    worldLine(*pane, P(f.turnInnerX, f.turnInnerY), P(f.turnInnerX, f.turnStartY));
    worldLine(*pane, P(f.turnInnerX, f.turnInnerY), P(E, f.turnInnerY));
    worldLine(*pane, P(E, f.turnOuterY), P(S, f.turnOuterY));
    worldLine(*pane, P(S, f.turnOuterY), P(S, f.turnStartY));
    setPenColour(pane->list, g.colours.poleColour);
    pole(*pane, P(f.turnInnerX, f.turnInnerY));
  }
  if (!g.aux) return;
  // The centre lines of the two legs, each run out to the pane's edge.
  const double h = f.roadWidth / 2;
  const double legX = f.startToRight ? f.turnInnerX - h : f.turnInnerX + h;
  const double crossingY = f.turnOuterY + h;
  const double edgeX = f.startToRight ? g.view.groundPaneRight : g.view.groundPaneLeft;
  for (const PaneView* pane : {&g.closeUp, &g.ground}) {
    auxiliaryPen(g, *pane);
    worldLine(*pane, P(legX, g.view.groundPaneBottom), P(legX, crossingY));
    worldLine(*pane, P(edgeX, crossingY), P(legX, crossingY));
  }
}

void continuousObstacles(const FieldPanes& g) {
  const FieldElements& f = g.f;
  for (const PaneView* pane : {&g.closeUp, &g.ground}) {
    boundaryPen(g, *pane);
    worldLine(*pane, P(f.laneLeftX, g.view.groundPaneBottom), P(f.laneLeftX, g.view.groundPaneTop));
    worldLine(*pane, P(f.laneRightX, g.view.groundPaneBottom), P(f.laneRightX, g.view.groundPaneTop));
    // The discs keep the boundary colour.
    for (const FieldPoint& c : f.obstacleCentres) worldCircle(*pane, c, f.obstacleDiameter / 2);
  }
  if (!g.aux) return;
  for (const PaneView* pane : {&g.closeUp, &g.ground}) {
    auxiliaryPen(g, *pane);
    worldLine(*pane, P(f.centreX, g.view.groundPaneBottom), P(f.centreX, g.view.groundPaneTop));
  }
}

void singleSideBridge(const FieldPanes& g) {
  const FieldElements& f = g.f;
  const double r = f.bridgeRampLength;
  struct Bridge {
    double leftX, rightX, startY, endY;
  };
  const Bridge bridges[] = {{f.bridge1LeftX, f.bridge1RightX, f.bridge1StartY, f.bridge1EndY},
                            {f.bridge2LeftX, f.bridge2RightX, f.bridge2StartY, f.bridge2EndY}};

  boundaryPen(g, g.closeUp);
  for (const Bridge& b : bridges) {
    worldLine(g.closeUp, P(b.leftX, b.startY), P(b.rightX, b.startY));
    worldLine(g.closeUp, P(b.leftX, b.startY), P(b.leftX, b.endY));
    worldLine(g.closeUp, P(b.rightX, b.startY), P(b.rightX, b.endY));
    worldLine(g.closeUp, P(b.rightX, b.endY), P(b.leftX, b.endY));
  }
  // The ends of the flat tops, a ramp's length inside each bridge.
  for (const Bridge& b : bridges) {
    worldLine(g.closeUp, P(b.leftX, b.startY - r), P(b.rightX, b.startY - r));
    worldLine(g.closeUp, P(b.rightX, b.endY + r), P(b.leftX, b.endY + r));
  }

  boundaryPen(g, g.ground);
  for (const Bridge& b : bridges) drawRectangle(g.ground.list, b.leftX, b.startY, b.rightX, b.endY);
  for (const Bridge& b : bridges) drawRectangle(g.ground.list, b.leftX, b.startY - r, b.rightX, b.endY + r);

  auxiliaryCentreLine(g, g.view.groundPaneTop);
}

void widthGates(const FieldPanes& g) {
  const FieldElements& f = g.f;
  for (const PaneView* pane : {&g.closeUp, &g.ground}) {
    boundaryPen(g, *pane);
    fullHeight(g, *pane, f.laneLeftX);
    fullHeight(g, *pane, f.laneRightX);
    for (std::size_t i = 0; i < f.gateLeftPosts.size(); ++i) {
      const FieldPoint& l = f.gateLeftPosts[i];
      const FieldPoint& r = f.gateRightPosts[i];
      setPenColour(pane->list, g.colours.boundaryLineColour);
      worldLine(*pane, l, P(f.laneLeftX, l.y));
      worldLine(*pane, r, P(f.laneRightX, r.y));
      setPenColour(pane->list, g.colours.poleColour);
      pole(*pane, l);
      pole(*pane, r);
    }
  }
  auxiliaryCentreLine(g, g.view.groundPaneTop);
}

void uTurn(const FieldPanes& g) {
  const FieldElements& f = g.f;
  for (const PaneView* pane : {&g.closeUp, &g.ground}) {
    boundaryPen(g, *pane);
    fullHeight(g, *pane, f.laneLeftX);
    worldLine(*pane, P(f.laneLeftX, f.uturnEndY), P(f.laneRightX, f.uturnEndY));
    fullHeight(g, *pane, f.laneRightX);
    // The start line is always thin and dash-dot, still in the boundary colour.
    setPenWidth(pane->list, g.widths.thinLineWidth);
    setPenStyle(pane->list, PenStyle::dashDot);
    worldLine(*pane, P(f.laneLeftX, f.uturnStartY), P(f.laneRightX, f.uturnStartY));
  }
  // In the close-up the centre line starts at the end line.
  auxiliaryCentreLine(g, f.uturnEndY);
}

// Start and end angles of the two bends' arcs, radians anticlockwise on the screen.
struct BendAngles {
  double start1, end1, start2, end2;
};

// The anticlockwise screen angle of the mapped point p seen from the mapped point c.
double screenAngle(PanePoint c, PanePoint p) {
  const double a = TWO_PI - 两点倾角弧度(c.x, c.y, p.x, p.y);
  return a > TWO_PI ? a - TWO_PI : a;
}

void worldArc(const PaneView& pane, FieldPoint centre, double radius, double start, double end) {
  const PanePoint c = toPane(pane, centre);
  drawArc(pane.list, c.x, c.y, toPaneLength(pane, radius), start, end);
}

void curveDriving(const FieldPanes& g) {
  const FieldElements& f = g.f;
  const double R = f.curveParam, w = f.roadWidth;
  const FieldPoint C1 = f.curveCentres[0], C2 = f.curveCentres[1];
  const FieldPoint M = P((C1.x + C2.x) / 2, (C1.y + C2.y) / 2);
  const FieldPoint N = P(C1.x + R - w / 2, C1.y);  // entry
  const FieldPoint X = P(C2.x - R + w / 2, C2.y);  // exit

  // The close-up turns with the vehicle, so its angles follow the heading.
  const auto mapped = [&](FieldPoint p) { return toPane(g.closeUp, p); };
  const BendAngles closeUpAngles{screenAngle(mapped(C1), mapped(N)), screenAngle(mapped(C1), mapped(M)),
                                 screenAngle(mapped(C2), mapped(X)), screenAngle(mapped(C2), mapped(M))};
  // Each bend turns through 135°: 0° to 135° about C1, 180° to 315° about C2.
  const BendAngles groundAngles{0, TWO_PI * f.curveArcFraction, PI, (2 * f.curveArcFraction + 1) * PI};

  const std::pair<const PaneView*, BendAngles> panes[] = {{&g.closeUp, closeUpAngles}, {&g.ground, groundAngles}};
  for (const auto& [pane, a] : panes) {
    boundaryPen(g, *pane);
    worldArc(*pane, C1, R, a.start1, a.end1);
    worldArc(*pane, C2, R - w, a.start2, a.end2);
    worldArc(*pane, C1, R - w, a.start1, a.end1);
    worldArc(*pane, C2, R, a.start2, a.end2);
  }
  if (!g.aux) return;
  for (const auto& [pane, a] : panes) {
    setPenWidth(pane->list, g.widths.thinLineWidth);
    setPenColour(pane->list, g.colours.auxLineColour);
    cross(*pane, C1);
    cross(*pane, C2);
    setPenStyle(pane->list, PenStyle::dashDot);
    worldLine(*pane, P(N.x, g.view.groundPaneBottom), N);
    worldArc(*pane, C1, R - w / 2, a.start1, a.end1);
    worldArc(*pane, C2, R - w / 2, a.start2, a.end2);
    worldLine(*pane, X, P(X.x, g.view.groundPaneTop));
  }
}

}  // namespace

bool traceLinesShown(const Selection& s) {
  return s.bodyTraceLine.on() || s.frontWheelTraceLine.on() || s.rearWheelTraceLine.on();
}

void 画边界(Frame& frame, const Simulation& sim, const ColourTable& colours, const LineWidths& widths) {
  const FieldPanes g{closeUpPane(frame.closeUp, sim.view, sim.motion),
                 groundPane(frame.ground),
                 sim.field,
                 sim.view,
                 colours,
                 widths,
                 traceLinesShown(sim.selection)};
  const ViewLayout& v = sim.view;

  setPenStyle(frame.closeUp, PenStyle::solid);
  setPenStyle(frame.ground, PenStyle::solid);
  setPenWidth(frame.ground, groundLineWidth(widths, v));
  setBackground(frame.closeUp, colours.groundColour);
  setBackground(frame.ground, colours.groundColour);

  // The outline of the whole ground, in the close-up only, where it turns with the ground.
  setPenColour(frame.closeUp, colours.poleColour);
  setPenWidth(frame.closeUp, widths.thinLineWidth);
  worldLine(g.closeUp, P(v.groundPaneLeft, v.groundPaneTop), P(v.groundPaneRight, v.groundPaneTop));
  worldLine(g.closeUp, P(v.groundPaneLeft, v.groundPaneTop), P(v.groundPaneLeft, v.groundPaneBottom));
  worldLine(g.closeUp, P(v.groundPaneLeft, v.groundPaneBottom), P(v.groundPaneRight, v.groundPaneBottom));
  worldLine(g.closeUp, P(v.groundPaneRight, v.groundPaneTop), P(v.groundPaneRight, v.groundPaneBottom));
  setPenWidth(frame.closeUp, widths.thickLineWidth);

  switch (sim.selection.item) {
    case Item::桩考: poleTest(g); break;
    case Item::侧方停车: sideParking(g); break;
    case Item::直角转弯: rightAngleTurn(g); break;
    case Item::通过连续障碍: continuousObstacles(g); break;
    case Item::通过单边桥: singleSideBridge(g); break;
    case Item::限速通过限宽门: widthGates(g); break;
    case Item::场地公路调头: uTurn(g); break;
    case Item::曲线行驶: curveDriving(g); break;
    case Item::自由练习: break;  // the bare ground
  }
}

}  // namespace pelvoro
