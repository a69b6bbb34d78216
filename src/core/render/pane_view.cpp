#include "render/pane_view.h"

#include "view/mapping.h"

namespace pelvoro {

PaneView groundPane(DisplayList& list) { return {list}; }

PaneView closeUpPane(DisplayList& list, const ViewLayout& view, const MotionState& body) {
  return {list, &view, &body};
}

PanePoint toPane(const PaneView& pane, FieldPoint p) {
  if (!pane.view) return {p.x, p.y};
  return {相对框坐标X(*pane.view, *pane.body, p.x, p.y), 相对框坐标Y(*pane.view, *pane.body, p.x, p.y)};
}

double toPaneLength(const PaneView& pane, double length) {
  return pane.view ? 由全景比例转换(*pane.view, length) : length;
}

void worldLine(const PaneView& pane, FieldPoint from, FieldPoint to) {
  const PanePoint a = toPane(pane, from), b = toPane(pane, to);
  drawLine(pane.list, a.x, a.y, b.x, b.y);
}

void worldCircle(const PaneView& pane, FieldPoint centre, double radius) {
  const PanePoint c = toPane(pane, centre);
  drawCircle(pane.list, c.x, c.y, toPaneLength(pane, radius));
}

void pole(const PaneView& pane, FieldPoint p) {
  const PanePoint c = toPane(pane, p);
  drawCircle(pane.list, c.x, c.y, 1);
}

void cross(const PaneView& pane, FieldPoint p) {
  const PanePoint c = toPane(pane, p);
  drawLine(pane.list, c.x - 10, c.y, c.x + 10, c.y);
  drawLine(pane.list, c.x, c.y - 10, c.x, c.y + 10);
}

}  // namespace pelvoro
