// Where world points and lengths land in a pane: the ground pane shows them as
// they are, the close-up turns and scales them about the vehicle.
#pragma once

#include "field/field_elements.h"
#include "render/display_list.h"

namespace pelvoro {

struct MotionState;
struct ViewLayout;

struct PaneView {
  DisplayList& list;
  const ViewLayout* view = nullptr;    // close-up only
  const MotionState* body = nullptr;  // close-up only: the vehicle it turns with
};

PaneView groundPane(DisplayList& list);
PaneView closeUpPane(DisplayList& list, const ViewLayout& view, const MotionState& body);

// Pane pixels of a world point.
struct PanePoint {
  double x = 0;
  double y = 0;
};
PanePoint toPane(const PaneView& pane, FieldPoint p);
// Pane pixels of a world length.
double toPaneLength(const PaneView& pane, double length);

void worldLine(const PaneView& pane, FieldPoint from, FieldPoint to);
void worldCircle(const PaneView& pane, FieldPoint centre, double radius);
// A marker pole: a circle of one pixel in either pane, whatever the scale.
void pole(const PaneView& pane, FieldPoint p);
// An upright cross with arms of 10 pixels about a world point.
void cross(const PaneView& pane, FieldPoint p);

}  // namespace pelvoro
