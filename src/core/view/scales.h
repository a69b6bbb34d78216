// Scale set-up at Start.
#pragma once

#include "view/view_layout.h"

namespace pelvoro {

struct VehicleParameters;

// The ground extent an item needs, in metres.
struct GroundExtent {
  double width;   // X
  double height;  // Y
};

// The largest whole number of pixels per metre at which `extent` fits the
// ground pane in both directions, never less than 1 (the mappings divide by it).
double fitScale(const ViewLayout& view, GroundExtent extent);

// Close-up pixels per metre: the close-up pane holds 3.3 vehicle lengths.
// `vehicleLengthMetres` is the length before conversion to world units.
double closeUpScaleFor(const ViewLayout& view, double vehicleLengthMetres);

// 尺寸比例: sets closeUpScale, then converts the vehicle to world units at
// view.currentScale with the given speed step (km/h per key press).
void 尺寸比例(ViewLayout& view, VehicleParameters& vehicle, double speedStepKmh);

}  // namespace pelvoro
