#include "model/catalogue.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pelvoro {

namespace {

constexpr Overhang metres(double m) { return {m, 0}; }
constexpr Overhang fraction(double numerator, double denominator) { return {numerator, denominator}; }
constexpr TyreSpec plainTyre(double width, double diameter) { return {width, diameter, 0, 0}; }
constexpr TyreSpec sizedTyre(double sectionMillimetres, double aspect, double rimMillimetres) {
  return {sectionMillimetres, 0, aspect, rimMillimetres};
}

// clang-format off
constexpr std::array<VehiclePreset, 17> kCatalogue{{
  //  caption       class           length  width  wheelbase ftrack rtrack  front overhang        rear overhang         turn   tyre                              rear tyres
  {"长安奔奔",   "小型汽车",     3.525,  1.65,  2.365, 1.4,   1.385, fraction(1.8, 3.8),  fraction(2, 3.8),   9.8,  plainTyre(0.165, 0.5536),         2},
  {"北京吉普",   "小型汽车",     4.016,  1.778, 2.3,   1.5,   1.5,   fraction(4, 7),      fraction(3, 7),     12,   plainTyre(0.215, 0.7504),         2},
  {"起亚千里马", "小型汽车",     4.115,  1.62,  2.4,   1.42,  1.41,  metres(0.8),         metres(0.915),      9.8,  plainTyre(0.175, 0.5752),         2},
  {"悍马H1",     "小型汽车",     4.686,  2.197, 3.302, 1.819, 1.819, fraction(3, 7),      fraction(4, 7),     9.4,  sizedTyre(317.5, 0.8, 431.8),     2},
  {"上海普桑",   "小型汽车",     4.546,  1.71,  2.548, 1.414, 1.422, fraction(5, 10),     fraction(5, 10),    11,   plainTyre(0.195, 0.5896),         2},
  {"一汽捷达",   "小型汽车",     4.416,  1.668, 2.471, 1.429, 1.422, fraction(5, 11),     fraction(6, 11),    10.5, plainTyre(0.185, 0.5776),         2},
  {"东南菱帅",   "小型汽车",     4.43,   1.7,   2.5,   1.45,  1.46,  fraction(5, 11),     fraction(6, 11),    10.2, plainTyre(0.185, 0.5961),         2},
  {"雪铁龙富康", "小型汽车",     4.071,  1.702, 2.54,  1.423, 1.424, fraction(5, 9),      fraction(4, 9),     11.6, plainTyre(0.165, 0.5866),         2},
  {"江铃宝典",   "小型汽车",     4.975,  1.69,  3.025, 1.425, 1.4,   fraction(5, 14),     fraction(9, 14),    11.8, plainTyre(0.215, 0.682),          2},
  {"猎豹飞腾",   "小型汽车",     4.745,  1.695, 2.725, 1.47,  1.49,  metres(0.75),        metres(1.27),       13,   plainTyre(0.235, 0.8059),         2},
  {"五菱桂花",   "低速载货汽车", 5.63,   1.99,  3.49,  1.54,  1.485, fraction(1.5, 3.8),  fraction(2.3, 3.8), 15,   sizedTyre(209.55, 0.6, 406.4),    4},
  {"金龙小行星", "中型客车",     5.99,   2.1,   3.1,   1.75,  1.586, fraction(3, 7),      fraction(4, 7),     14,   sizedTyre(177.8, 0.7, 406.4),     4},
  {"上海申龙",   "城市公交车",   8.93,   2.42,  4.25,  1.9,   1.8,   fraction(1, 2),      fraction(1, 2),     20,   sizedTyre(209.55, 0.7, 508),      4},
  {"程力尖头",   "大型货车",     9.0,    2.47,  5.3,   2.0,   1.9,   metres(1.064),       metres(2.636),      20,   sizedTyre(228.6, 0.7, 508),       4},
  {"程力平头",   "大型货车",     9.0,    2.48,  5.35,  2.0,   1.9,   metres(1.47),        metres(2.18),       20,   sizedTyre(254, 0.7, 508),         4},
  {"程力客车",   "大型客车",     9.215,  2.46,  4.7,   1.9,   1.8,   metres(1.915),       metres(2.6),        18,   sizedTyre(254, 0.7, 571.5),       4},
  {"金龙海格",   "大型客车",     10.6,   2.42,  4.3,   1.95,  1.8,   fraction(3, 7),      fraction(4, 7),     17,   sizedTyre(254, 0.7, 571.5),       4},
}};
// clang-format on

double overhangMetres(const Overhang& o, double length, double wheelbase) {
  if (o.denominator == 0) return o.numerator;
  return (length - wheelbase) * (o.numerator / o.denominator);
}

}  // namespace

bool VehicleParameters::isInClassList(std::string_view list) const {
  const std::string needle = "[" + licenceClass + "]";
  return list.find(needle) != std::string_view::npos;
}

std::span<const VehiclePreset> vehicleCatalogue() { return kCatalogue; }

const VehiclePreset* findVehiclePreset(std::string_view caption) {
  const auto it = std::find_if(kCatalogue.begin(), kCatalogue.end(),
                               [&](const VehiclePreset& p) { return p.caption == caption; });
  return it == kCatalogue.end() ? nullptr : &*it;
}

VehicleParameters applyVehiclePreset(const VehiclePreset& preset) {
  VehicleParameters v;
  // Length and wheelbase first: the overhang fractions are taken of their difference.
  v.vehicleLength = preset.length;
  v.wheelbase = preset.wheelbase;
  v.vehicleWidth = preset.width;
  v.frontTrack = preset.frontTrack;
  v.rearTrack = preset.rearTrack;
  v.frontOverhang = overhangMetres(preset.front, v.vehicleLength, v.wheelbase);
  v.rearOverhang = overhangMetres(preset.rear, v.vehicleLength, v.wheelbase);
  v.turningDiameter = preset.turningDiameter;
  if (preset.tyre.aspect == 0) {
    v.tyreWidth = preset.tyre.sectionWidth;
    v.wheelDiameter = preset.tyre.diameter;
  } else {
    v.tyreWidth = preset.tyre.sectionWidth / 1000;
    v.wheelDiameter = (preset.tyre.sectionWidth * preset.tyre.aspect * 2 + preset.tyre.rimMillimetres) / 1000;
  }
  v.frontTyreCount = 2;
  v.rearTyreCount = preset.rearTyreCount;
  v.licenceClass = std::string(preset.licenceClass);
  return v;
}

void scaleToWorldUnits(VehicleParameters& v, double currentScale, double speedStepKmh) {
  v.rearTrack *= currentScale;
  v.rearOverhang *= currentScale;
  v.tyreWidth *= currentScale;
  v.wheelDiameter *= currentScale;
  v.wheelbase *= currentScale;
  v.frontOverhang *= currentScale;
  v.vehicleWidth *= currentScale;
  v.frontTrack *= currentScale;
  v.turningDiameter *= currentScale;
  v.maxSpeed = currentScale * 20 / 3.6;
  v.speedStep = currentScale * speedStepKmh / 3.6;
  // Rebuilt from its parts so that the three always add up exactly.
  v.vehicleLength = v.frontOverhang + v.wheelbase + v.rearOverhang;
  v.vehicleDiagonal = std::sqrt(v.vehicleWidth * v.vehicleWidth + v.vehicleLength * v.vehicleLength);
  // Half the turning diameter less half a tyre is the outer front wheel's radius;
  // Pythagoras with the wheelbase gives it at rear-axle level, and half the
  // front track less gives the radius of the rear axle centre.
  const double outerWheelRadius = (v.turningDiameter - v.tyreWidth) / 2;
  v.maxSteerAngle = std::atan(
      v.wheelbase / (std::sqrt(outerWheelRadius * outerWheelRadius - v.wheelbase * v.wheelbase) - v.frontTrack / 2));
  v.steerStep = v.maxSteerAngle / 6;
}

}  // namespace pelvoro
