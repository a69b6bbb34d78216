// The start of free practice: anywhere on the ground pane, at random.
#pragma once

namespace pelvoro {

struct MotionState;
struct VehicleParameters;
struct ViewLayout;
class RandomSource;

enum class PlacementResult {
  Placed,
  VehicleTooLarge,  // the caller reports "你选的车型太大了!" and returns to idle
};

// Puts the vehicle at a random pose, with a whole number of steering steps
// (−6 to +6), such that the whole body lies strictly inside the ground pane.
// Refuses, before drawing anything, a vehicle whose diagonal does not fit.
PlacementResult placeVehicleRandomly(MotionState& motion, const VehicleParameters& vehicle, const ViewLayout& view,
                                     double tickInterval, double steerSnapThreshold, RandomSource& random);

}  // namespace pelvoro
