#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/geometry.h"

namespace pelvoro {
namespace {

double degrees(double radians) { return radians * 180 / PI; }

VehicleParameters scaled(std::string_view caption, double scale, double speedStepKmh = 2) {
  const VehiclePreset* preset = findVehiclePreset(caption);
  EXPECT_NE(preset, nullptr) << caption;
  VehicleParameters v = applyVehiclePreset(*preset);
  scaleToWorldUnits(v, scale, speedStepKmh);
  return v;
}

TEST(Catalogue, HoldsSeventeenModelsInSixClasses) {
  EXPECT_EQ(vehicleCatalogue().size(), 17u);
  for (const VehiclePreset& p : vehicleCatalogue()) {
    const VehicleParameters v = applyVehiclePreset(p);
    EXPECT_TRUE(v.isInClassList("[小型汽车][低速载货汽车][中型客车][城市公交车][大型货车][大型客车]")) << p.caption;
  }
  EXPECT_EQ(findVehiclePreset("牵引车"), nullptr);
  EXPECT_EQ(findVehiclePreset(""), nullptr);
}

struct DerivedFigures {
  const char* caption;
  double frontOverhang, rearOverhang, tyreWidth, wheelDiameter;
};

TEST(Catalogue, OverhangFractionsAndTyreFormulasGiveTheTabledValues) {
  const DerivedFigures figures[] = {
      {"长安奔奔", 0.5495, 0.6105, 0.165, 0.5536},   {"北京吉普", 0.9806, 0.7354, 0.215, 0.7504},
      {"起亚千里马", 0.8, 0.915, 0.175, 0.5752},     {"悍马H1", 0.5931, 0.7909, 0.3175, 0.9398},
      {"上海普桑", 0.999, 0.999, 0.195, 0.5896},     {"一汽捷达", 0.8841, 1.0609, 0.185, 0.5776},
      {"东南菱帅", 0.8773, 1.0527, 0.185, 0.5961},   {"雪铁龙富康", 0.8506, 0.6804, 0.165, 0.5866},
      {"江铃宝典", 0.6964, 1.2536, 0.215, 0.682},    {"猎豹飞腾", 0.75, 1.27, 0.235, 0.8059},
      {"五菱桂花", 0.8447, 1.2953, 0.20955, 0.65786}, {"金龙小行星", 1.2386, 1.6514, 0.1778, 0.65532},
      {"上海申龙", 2.34, 2.34, 0.20955, 0.80137},    {"程力尖头", 1.064, 2.636, 0.2286, 0.82804},
      {"程力平头", 1.47, 2.18, 0.254, 0.8636},       {"程力客车", 1.915, 2.6, 0.254, 0.9271},
      {"金龙海格", 2.7, 3.6, 0.254, 0.9271},
  };
  for (const auto& f : figures) {
    SCOPED_TRACE(f.caption);
    const VehicleParameters v = applyVehiclePreset(*findVehiclePreset(f.caption));
    EXPECT_NEAR(v.frontOverhang, f.frontOverhang, 5e-5);
    EXPECT_NEAR(v.rearOverhang, f.rearOverhang, 5e-5);
    EXPECT_NEAR(v.tyreWidth, f.tyreWidth, 1e-12);
    EXPECT_NEAR(v.wheelDiameter, f.wheelDiameter, 1e-12);
    EXPECT_EQ(v.frontTyreCount, 2);
  }
}

TEST(Catalogue, LengthPartsAddUpForEveryModelAndScale) {
  for (const VehiclePreset& p : vehicleCatalogue()) {
    const VehicleParameters metres = applyVehiclePreset(p);
    EXPECT_NEAR(metres.frontOverhang + metres.wheelbase + metres.rearOverhang, metres.vehicleLength, 1e-12)
        << p.caption;
    for (double scale : {1.0, 10.0, 30.0, 47.0}) {
      const VehicleParameters v = scaled(p.caption, scale);
      EXPECT_EQ(v.vehicleLength, v.frontOverhang + v.wheelbase + v.rearOverhang);
      EXPECT_NEAR(v.vehicleLength, p.length * scale, 1e-9 * scale) << p.caption;
      EXPECT_NEAR(v.vehicleDiagonal, std::hypot(p.length, p.width) * scale, 1e-9 * scale);
    }
  }
}

TEST(Catalogue, MaximumSteeringAngles) {
  EXPECT_NEAR(degrees(scaled("长安奔奔", 30).maxSteerAngle), 34.1, 0.05);
  EXPECT_NEAR(degrees(scaled("程力平头", 30).maxSteerAngle), 36.2, 0.05);
  EXPECT_NEAR(degrees(scaled("北京吉普", 30).maxSteerAngle), 26, 0.5);
  EXPECT_NEAR(degrees(scaled("悍马H1", 30).maxSteerAngle), 56, 0.5);
  for (const VehiclePreset& p : vehicleCatalogue()) {
    const VehicleParameters v = scaled(p.caption, 30);
    EXPECT_GE(degrees(v.maxSteerAngle), 25.5) << p.caption;
    EXPECT_LE(degrees(v.maxSteerAngle), 56.5) << p.caption;
    EXPECT_DOUBLE_EQ(v.steerStep * 6, v.maxSteerAngle);
    // The angle depends on the proportions only, not on the scale.
    EXPECT_NEAR(scaled(p.caption, 7).maxSteerAngle, v.maxSteerAngle, 1e-12);
  }
}

TEST(Catalogue, SpeedLimitsInWorldUnits) {
  const VehicleParameters normal = scaled("东南菱帅", 30, 2);
  EXPECT_NEAR(normal.speedStep, 16.67, 0.005);
  EXPECT_DOUBLE_EQ(normal.maxSpeed, 30 * 20 / 3.6);
  const VehicleParameters gates = scaled("东南菱帅", 30, 20);
  EXPECT_EQ(gates.speedStep, gates.maxSpeed);
}

TEST(Catalogue, ClassListMembershipNeedsTheBrackets) {
  VehicleParameters v;
  v.licenceClass = "大型客车";
  EXPECT_TRUE(v.isInClassList(classes::poleTestWide));
  EXPECT_TRUE(v.isInClassList(classes::largeObstacleSpacing));
  EXPECT_FALSE(v.isInClassList(classes::small));
  EXPECT_FALSE(v.isInClassList("大型客车"));  // only "[" + class + "]" counts
  v.licenceClass = "客车";
  EXPECT_FALSE(v.isInClassList(classes::poleTestWide));
}

}  // namespace
}  // namespace pelvoro
