#include "render/readouts.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/render/render_fixture.h"
#include "model/geometry.h"
#include "view/view_layout.h"

namespace pelvoro {
namespace {

using testing::place;
using testing::simulationAtStart;
using testing::steer;

TEST(Readouts, NumberPatterns) {
  const struct {
    double value;
    int decimals, integerDigits;
    const char* text;
  } cases[] = {
      {0, 2, 1, "0.00"},          {3.14159, 2, 1, "3.14"},    {12.5, 1, 1, "12.5"},
      {0.125, 2, 1, "0.13"},      {1.005, 2, 1, "1.01"},      {2.5, 0, 2, "03"},  // halfway: away from zero
      {-0.125, 2, 1, "-0.13"},    {-0.35, 2, 1, "-0.35"},     {9.995, 2, 1, "10.00"},
      {99.96, 1, 1, "100.0"},     {59.97, 0, 2, "60"},        {5, 0, 2, "05"},
      {123, 0, 2, "123"},         {-0.001, 2, 1, "0.00"},     {0.004999, 2, 1, "0.00"},
      {1e20, 2, 1, "100000000000000000000.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value, c.decimals, c.integerDigits), c.text) << c.value;
}

TEST(Readouts, ElapsedTime) {
  EXPECT_EQ(历时(0), "00时00分00秒");
  EXPECT_EQ(历时(3725), "01时02分05秒");
  // The seconds are rounded after the minutes were taken.
  EXPECT_EQ(历时(59.97), "00时00分60秒");
  EXPECT_EQ(历时(119.4), "00时01分59秒");
  EXPECT_EQ(历时(360000), "100时00分00秒");
}

// Rear axle at (100, 100), front axle 10 units along `heading`.
MotionState axles(double heading) {
  MotionState m;
  m.vehicleX = 100, m.vehicleY = 100;
  m.frontAxleX = 100 + 10 * std::cos(heading);
  m.frontAxleY = 100 + 10 * std::sin(heading);
  return m;
}

TEST(Readouts, CompassText) {
  MotionState north;
  north.vehicleX = north.frontAxleX = 50;
  north.vehicleY = 100, north.frontAxleY = 90;
  EXPECT_EQ(中心线夹角实值(THREE_HALF_PI, north), "正北");
  MotionState south = north;
  south.frontAxleY = 110;
  EXPECT_EQ(中心线夹角实值(HALF_PI, south), "正南");
  EXPECT_EQ(中心线夹角实值(0, axles(0)), "正东");
  // Regression: a pose set up facing due north or west put the front axle a
  // rounding error off the axis and read "北偏西0.00度" / "南偏西90.00度".
  EXPECT_EQ(中心线夹角实值(THREE_HALF_PI, axles(THREE_HALF_PI)), "正北");
  EXPECT_EQ(中心线夹角实值(PI, axles(PI)), "正西");
  EXPECT_EQ(中心线夹角实值(HALF_PI, axles(HALF_PI)), "正南");
  const double deg = PI / 180;
  const struct {
    double heading;
    const char* text;
  } cases[] = {
      {THREE_HALF_PI + 45 * deg, "北偏东45.00度"}, {THREE_HALF_PI + 30 * deg, "北偏东30.00度"},
      {PI / 4, "南偏东45.00度"},                    {HALF_PI + 20 * deg, "南偏西20.00度"},
      {PI + 10 * deg, "北偏西80.00度"},             {THREE_HALF_PI - 30 * deg, "北偏西30.00度"},
      {-HALF_PI + 12.5 * deg, "北偏东12.50度"},
  };
  for (const auto& c : cases) EXPECT_EQ(中心线夹角实值(c.heading, axles(c.heading)), c.text) << c.heading;
}

TEST(Readouts, StatusPanelsAtTheStart) {
  Simulation sim = simulationAtStart(Item::场地公路调头);
  sim.run.elapsedSeconds = 3725;
  const auto panels = statusReadouts(sim);
  EXPECT_EQ(panels[0], "01时02分05秒");
  EXPECT_EQ(panels[1], "停止");
  EXPECT_EQ(panels[2], "0.00公里/小时");
  EXPECT_EQ(panels[5], "正前");
  EXPECT_EQ(panels[6], "转弯直径∞米");
  EXPECT_EQ(panels[4].substr(0, 6), "雷达");
}

TEST(Readouts, StatusPanelsWhileMoving) {
  Simulation sim = simulationAtStart(Item::场地公路调头);
  const double s = sim.view.currentScale;
  sim.motion.speed = -10 * s / 3.6;  // reversing at 10 km/h
  steer(sim, -10 * PI / 180);
  auto panels = statusReadouts(sim);
  EXPECT_EQ(panels[1], "后退");
  EXPECT_EQ(panels[2], "10.00公里/小时");
  EXPECT_EQ(panels[5], "左转10.0度");
  // 2·√((2.5 / tan 10° + 1.45 / 2)² + 2.5²) + 0.185 = 30.41 m for this car.
  EXPECT_EQ(panels[6], "转弯直径30.4米");

  sim.motion.speed = 1;
  steer(sim, 0.1);
  panels = statusReadouts(sim);
  EXPECT_EQ(panels[1], "前进");
  EXPECT_EQ(panels[5].substr(0, 6), "右转");

  // Facing east with the front corners 0.35 m beyond the right edge of the ground.
  const VehicleParameters& v = sim.vehicle;
  place(sim, sim.view.groundPaneRight + 0.35 * s - v.wheelbase - v.frontOverhang, 500, 0);
  EXPECT_EQ(statusReadouts(sim)[4], "雷达-0.35米");
  EXPECT_EQ(statusReadouts(sim)[3], "正东");
}

}  // namespace
}  // namespace pelvoro
