#include "view/scales.h"

#include <gtest/gtest.h>

#include "model/catalogue.h"

namespace pelvoro {
namespace {

ViewLayout panes(double vehW, double vehH, double groundW, double groundH) {
  ViewLayout view;
  setPaneSizes(view, vehW, vehH, groundW, groundH);
  return view;
}

TEST(Scales, FitTakesTheTighterDirectionRoundedDown) {
  const ViewLayout view = panes(1436, 1000, 478, 1000);
  EXPECT_EQ(fitScale(view, {10, 20}), 47);  // min(Int(1000/20) = 50, Int(478/10) = 47)
  EXPECT_EQ(fitScale(view, {4, 40}), 25);
}

TEST(Scales, FitNeverGivesZero) {
  // A pane smaller than the ground at one pixel per metre.
  const ViewLayout view = panes(10, 10, 5, 5);
  EXPECT_EQ(fitScale(view, {7, 40}), 1);
}

TEST(Scales, CloseUpHoldsThreePointThreeVehicleLengths) {
  EXPECT_EQ(closeUpScaleFor(panes(800, 600, 200, 600), 4.5), 40);  // Int(600 / 14.85)
  EXPECT_EQ(closeUpScaleFor(panes(800, 10, 200, 600), 4.5), 0);
}

TEST(Scales, SizeRatioScalesTheVehicleAtTheCurrentScale) {
  ViewLayout view = panes(1436, 1000, 478, 1000);
  view.currentScale = 20;
  VehicleParameters v = applyVehiclePreset(*findVehiclePreset("东南菱帅"));
  尺寸比例(view, v, 2);
  EXPECT_EQ(view.closeUpScale, 68);  // Int(1000 / (3.3 × 4.43))
  EXPECT_NEAR(v.vehicleLength, 4.43 * 20, 1e-9);
}

}  // namespace
}  // namespace pelvoro
