#include "field/free_placement.h"

#include <gtest/gtest.h>

#include <cmath>

#include "field/radar.h"
#include "model/catalogue.h"
#include "model/kinematics.h"
#include "model/random.h"
#include "view/scales.h"

namespace pelvoro {
namespace {

struct Placement {
  VehicleParameters vehicle;
  ViewLayout view;
  MotionState motion;
  PlacementResult place(std::string_view caption, double scale, double width, double height, std::uint64_t seed) {
    setPaneSizes(view, 1436, 1000, width, height);
    view.currentScale = scale;
    vehicle = applyVehiclePreset(*findVehiclePreset(caption));
    尺寸比例(view, vehicle, 2);
    RandomSource random;
    random.seed(seed);
    return placeVehicleRandomly(motion, vehicle, view, 60, 0.8 * vehicle.steerStep, random);
  }
};

TEST(FreePlacement, BodyLiesStrictlyInsideWithWholeSteeringSteps) {
  for (const char* caption : {"东南菱帅", "金龙海格", "悍马H1"}) {
    for (std::uint64_t seed = 0; seed < 300; ++seed) {
      Placement p;
      ASSERT_EQ(p.place(caption, 10, 478, 1000, seed), PlacementResult::Placed);
      EXPECT_GT(行车雷达(p.motion, p.view), 0);
      EXPECT_EQ(p.motion.speed, 0);
      const double steps = p.motion.steerAngle / p.vehicle.steerStep;
      EXPECT_NEAR(steps, std::round(steps), 1e-9);
      EXPECT_LE(std::abs(steps), 6 + 1e-9);
    }
  }
}

TEST(FreePlacement, SameSeedSamePoseOtherSeedOtherPose) {
  Placement a, b, c;
  a.place("东南菱帅", 10, 478, 1000, 7);
  b.place("东南菱帅", 10, 478, 1000, 7);
  c.place("东南菱帅", 10, 478, 1000, 8);
  EXPECT_EQ(a.motion.vehicleX, b.motion.vehicleX);
  EXPECT_EQ(a.motion.heading, b.motion.heading);
  EXPECT_NE(a.motion.vehicleX, c.motion.vehicleX);
}

TEST(FreePlacement, UsesEveryStepOfSteeringToBothSides) {
  int seen[13] = {};
  for (std::uint64_t seed = 0; seed < 400; ++seed) {
    Placement p;
    p.place("东南菱帅", 10, 478, 1000, seed);
    ++seen[static_cast<int>(std::lround(p.motion.steerAngle / p.vehicle.steerStep)) + 6];
  }
  for (int steps = -6; steps <= 6; ++steps) EXPECT_GT(seen[steps + 6], 0) << steps;
}

TEST(FreePlacement, RefusesAModelThatCannotFit) {
  Placement p;
  // 金龙海格 is about 10.9 m across its diagonal: 109 units at scale 10.
  EXPECT_EQ(p.place("金龙海格", 10, 100, 1000, 1), PlacementResult::VehicleTooLarge);
  EXPECT_EQ(p.place("金龙海格", 10, 478, 100, 1), PlacementResult::VehicleTooLarge);
  EXPECT_EQ(p.place("金龙海格", 10, 109.5, 109.5, 1), PlacementResult::Placed);  // just fits
  EXPECT_GT(行车雷达(p.motion, p.view), 0);
}

}  // namespace
}  // namespace pelvoro
