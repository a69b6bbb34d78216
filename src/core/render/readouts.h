// The seven status bar texts and their two formatters.
#pragma once

#include <array>
#include <string>

#include "render/frame.h"

namespace pelvoro {

struct MotionState;
struct Simulation;

// A number in a digit pattern: "#0.00" is (2, 1), "#0.0" is (1, 1), "00秒" is
// (0, 2) followed by the unit. At least `minIntegerDigits` integer digits,
// exactly `decimals` decimals. A value halfway between two results rounds away
// from zero, judged on its shortest exact decimal text (so 0.125 gives 0.13 and
// 1.005 gives 1.01); a result of all zeros has no sign.
std::string formatNumber(double value, int decimals, int minIntegerDigits);

// 中心线夹角实值: the heading as a compass text such as "北偏东30.00度" or
// "正北", from the rear and front axle centres of `axles` (up is north).
std::string 中心线夹角实值(double heading, const MotionState& axles);

// 历时: "01时02分05秒". The seconds are rounded only after the minutes were
// taken, so 59.97 s gives "00时00分60秒".
std::string 历时(double seconds);

// Panels 1 to 7: elapsed time, driving state, speed, heading, radar, steering, turning diameter.
std::array<std::string, kReadoutCount> statusReadouts(const Simulation& sim);

}  // namespace pelvoro
