// A pane canvas that records what is drawn on it, for the window layer to play
// onto the screen. Pane pixels, origin at the top-left, x to the right, y down;
// coordinates are kept in single precision, as the panes take them.
#pragma once

#include <vector>

#include "render/rgb.h"

namespace pelvoro {

enum class PenStyle { solid, dashDot };

enum class PrimitiveKind {
  background,  // fills the whole pane with `colour`: everything drawn before is gone
  penColour,
  penWidth,
  penStyle,
  line,       // from `a` to `b`
  rectangle,  // outline of the axis-aligned rectangle with opposite corners `a` and `b`
  circle,     // outline about `a` with `radius`
  arc,        // about `a` with `radius`, anticlockwise on the screen from `startAngle` to `endAngle`
};

struct PixelPoint {
  float x = 0;
  float y = 0;
};

struct Primitive {
  PrimitiveKind kind = PrimitiveKind::line;
  Rgb colour{};                     // background, penColour
  int width = 1;                    // penWidth, pixels
  PenStyle style = PenStyle::solid; // penStyle
  PixelPoint a{}, b{};              // line, rectangle, circle and arc (centre `a`)
  float radius = 0;                 // circle, arc; pixels
  // Arc: radians from +x, anticlockwise on the screen; the arc runs anticlockwise
  // from start to end, through 0 when end < start.
  float startAngle = 0, endAngle = 0;
};

struct DisplayList {
  std::vector<Primitive> primitives;
  PixelPoint penPosition;  // end of the last line drawn: where lineOn starts
};

// Pen and background. The style and width stay until changed.
void setBackground(DisplayList& list, Rgb colour);
void setPenColour(DisplayList& list, Rgb colour);
void setPenWidth(DisplayList& list, int width);
void setPenStyle(DisplayList& list, PenStyle style);

// Shapes. A shape with a coordinate that is not finite in single precision
// (NaN, infinite or beyond the float range) is dropped and leaves the pen
// position alone: the statement that could not be drawn is skipped. So is a
// circle or an arc of negative radius.
void drawLine(DisplayList& list, double x1, double y1, double x2, double y2);
// From (x, y) by the offset (dx, dy).
void drawLineBy(DisplayList& list, double x, double y, double dx, double dy);
// From the pen position by the offset (dx, dy).
void drawLineOn(DisplayList& list, double dx, double dy);
void drawRectangle(DisplayList& list, double x1, double y1, double x2, double y2);
void drawCircle(DisplayList& list, double cx, double cy, double radius);
void drawArc(DisplayList& list, double cx, double cy, double radius, double startAngle, double endAngle);

}  // namespace pelvoro
