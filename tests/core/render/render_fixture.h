// Simulations at an item's start pose, and a reading of display lists, for the drawing tests.
#pragma once

#include <string_view>
#include <vector>

#include "field/field_elements.h"
#include "render/display_list.h"
#include "run/simulation.h"

namespace pelvoro::testing {

// The item's ground and start pose as Start prepares them: close-up 1436 × 1000, ground 478 × 1000.
Simulation simulationAtStart(Item item, std::string_view vehicle = "东南菱帅", bool startToRight = false);

// Ticks and enables the three trajectory entries as given.
void setTraceLines(Simulation& sim, bool body, bool front, bool rear, bool enabled = true);

// Steers without moving: the wheel angles, turning centre and diameter follow.
void steer(Simulation& sim, double steerAngle);
// Puts the vehicle's rear axle centre at (x, y) facing `heading`, derived points updated.
void place(Simulation& sim, double x, double y, double heading);

// A shape with the pen it was drawn with.
struct DrawnShape {
  Primitive shape;
  Rgb colour;
  int width;
  PenStyle style;
};
std::vector<DrawnShape> drawnShapes(const DisplayList& list);
std::vector<DrawnShape> shapesOfKind(const DisplayList& list, PrimitiveKind kind);

// Where a world point should land in the close-up, worked out from the pose
// directly: forward is up, the vehicle's right is right, scaled about the body centre.
FieldPoint expectedCloseUp(const Simulation& sim, FieldPoint world);

}  // namespace pelvoro::testing
