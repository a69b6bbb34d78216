#include "render/display_list.h"

#include <cmath>
#include <limits>
#include <optional>

namespace pelvoro {

namespace {

// The value in single precision, or nothing when it has none: converting a
// double beyond the float range would be undefined.
std::optional<float> single(double v) {
  if (!(std::abs(v) <= std::numeric_limits<float>::max())) return std::nullopt;
  return static_cast<float>(v);
}

std::optional<PixelPoint> point(double x, double y) {
  const auto sx = single(x), sy = single(y);
  if (!sx || !sy) return std::nullopt;
  return PixelPoint{*sx, *sy};
}

// A line or rectangle between two points; false, and nothing recorded, when
// either point is not finite.
bool addTwoPoint(DisplayList& list, PrimitiveKind kind, double x1, double y1, double x2, double y2) {
  const auto a = point(x1, y1), b = point(x2, y2);
  if (!a || !b) return false;
  Primitive p{.kind = kind};
  p.a = *a;
  p.b = *b;
  list.primitives.push_back(p);
  return true;
}

void addLine(DisplayList& list, double x1, double y1, double x2, double y2) {
  if (addTwoPoint(list, PrimitiveKind::line, x1, y1, x2, y2)) list.penPosition = list.primitives.back().b;
}

void addRound(DisplayList& list, PrimitiveKind kind, double cx, double cy, double radius, double start,
              double end) {
  const auto centre = point(cx, cy);
  const auto r = single(radius), s = single(start), e = single(end);
  if (!centre || !r || *r < 0 || !s || !e) return;
  Primitive p{.kind = kind};
  p.a = *centre;
  p.radius = *r;
  p.startAngle = *s;
  p.endAngle = *e;
  list.primitives.push_back(p);
}

}  // namespace

void setBackground(DisplayList& list, Rgb colour) {
  list.primitives.push_back({.kind = PrimitiveKind::background, .colour = colour});
}

void setPenColour(DisplayList& list, Rgb colour) {
  list.primitives.push_back({.kind = PrimitiveKind::penColour, .colour = colour});
}

void setPenWidth(DisplayList& list, int width) {
  list.primitives.push_back({.kind = PrimitiveKind::penWidth, .width = width});
}

void setPenStyle(DisplayList& list, PenStyle style) {
  list.primitives.push_back({.kind = PrimitiveKind::penStyle, .style = style});
}

void drawLine(DisplayList& list, double x1, double y1, double x2, double y2) { addLine(list, x1, y1, x2, y2); }

void drawLineBy(DisplayList& list, double x, double y, double dx, double dy) { addLine(list, x, y, x + dx, y + dy); }

void drawLineOn(DisplayList& list, double dx, double dy) {
  const double x = list.penPosition.x, y = list.penPosition.y;
  addLine(list, x, y, x + dx, y + dy);
}

void drawRectangle(DisplayList& list, double x1, double y1, double x2, double y2) {
  addTwoPoint(list, PrimitiveKind::rectangle, x1, y1, x2, y2);
}

void drawCircle(DisplayList& list, double cx, double cy, double radius) {
  addRound(list, PrimitiveKind::circle, cx, cy, radius, 0, 0);
}

void drawArc(DisplayList& list, double cx, double cy, double radius, double startAngle, double endAngle) {
  addRound(list, PrimitiveKind::arc, cx, cy, radius, startAngle, endAngle);
}

}  // namespace pelvoro
