// An item's ground prepared the way Start prepares it, for the field tests.
#pragma once

#include <string_view>

#include "field/field_elements.h"
#include "field/items.h"
#include "model/catalogue.h"
#include "model/kinematics.h"
#include "view/scales.h"

namespace pelvoro::testing {

struct Ground {
  VehicleParameters vehicle;
  ViewLayout view;
  FieldElements field;
  MotionState motion;
  GroundExtent extent;  // metres, as the scale fit saw it

  double metres(double worldLength) const { return worldLength / view.currentScale; }
  // Mirror image of an x about the pane's vertical centre line.
  double mirrored(double x) const { return view.groundPaneLeft + view.groundPaneRight - x; }
};

Ground prepareGround(Item item, std::string_view vehicleCaption, bool startToRight = false,
                     double groundWidth = 478, double groundHeight = 1000);

}  // namespace pelvoro::testing
