// The seventeen vehicle models and the one vehicle record a run drives.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace pelvoro {

// The vehicle of the run. Lengths are metres after applyVehiclePreset and
// world units (metres x currentScale) after scaleToWorldUnits.
struct VehicleParameters {
  double vehicleLength = 0;    // front bumper to rear bumper
  double vehicleWidth = 0;     // overall body width
  double wheelbase = 0;        // front axle to rear axle
  double frontTrack = 0;       // centre distance of the front wheels
  double rearTrack = 0;        // centre distance of the rear wheel positions
  double frontOverhang = 0;    // front axle to front of the body
  double rearOverhang = 0;     // rear axle to rear of the body
  double turningDiameter = 0;  // minimum turning circle, outer edge of the outer front tyre
  double wheelDiameter = 0;    // tyre outer diameter
  double tyreWidth = 0;        // tyre section width
  int frontTyreCount = 2;
  int rearTyreCount = 2;       // 2 single tyres, 4 twin tyres
  std::string licenceClass;    // "小型汽车", "大型客车", ...

  // Derived by scaleToWorldUnits.
  double vehicleDiagonal = 0;  // world units
  double maxSteerAngle = 0;    // radians
  double steerStep = 0;        // radians; six steps from straight to full lock
  double maxSpeed = 0;         // world units per second (20 km/h)
  double speedStep = 0;        // world units per second per key press

  // Whether "[" + licenceClass + "]" occurs in a list such as "[小型汽车][低速载货汽车]".
  bool isInClassList(std::string_view list) const;
};

// The class lists by which items vary their ground.
namespace classes {
inline constexpr std::string_view poleTestWide = "[大型客车][大型货车][中型客车][城市公交车]";
inline constexpr std::string_view small = "[小型汽车][低速载货汽车]";
inline constexpr std::string_view largeObstacleSpacing = "[大型客车][大型货车]";
inline constexpr std::string_view largeCurve = "[大型客车][大型货车][牵引车][城市公交车][中型客车]";
}  // namespace classes

// An overhang is either given in metres or as a fraction of (length - wheelbase).
struct Overhang {
  double numerator;
  double denominator;  // 0: numerator is the length in metres
};

// A tyre is given either by width and diameter in metres, or by its size
// (section width in mm, aspect ratio, rim diameter in mm).
struct TyreSpec {
  double sectionWidth;  // metres when plain, millimetres when sized
  double diameter;      // metres when plain, unused when sized
  double aspect;        // 0 for a plain tyre
  double rimMillimetres;
};

struct VehiclePreset {
  std::string_view caption;
  std::string_view licenceClass;
  double length, width, wheelbase, frontTrack, rearTrack;
  Overhang front, rear;
  double turningDiameter;
  TyreSpec tyre;
  int rearTyreCount;
};

// The catalogue in table order.
std::span<const VehiclePreset> vehicleCatalogue();
// nullptr when no model has this caption.
const VehiclePreset* findVehiclePreset(std::string_view caption);

// The model in metres, derived values left at 0.
VehicleParameters applyVehiclePreset(const VehiclePreset& preset);

// The vehicle part of 尺寸比例: converts the metre record to world units at
// `currentScale` and derives the steering and speed limits. `speedStepKmh` is
// 20 for the width gates in the exam and 2 otherwise.
void scaleToWorldUnits(VehicleParameters& vehicle, double currentScale, double speedStepKmh);

}  // namespace pelvoro
