#include "render/readouts.h"

#include <charconv>
#include <cmath>

#include "field/radar.h"
#include "model/geometry.h"
#include "run/simulation.h"

namespace pelvoro {

namespace {

// Adds one unit in the last place of a string of decimal digits.
void incrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::string formatNumber(double value, int decimals, int minIntegerDigits) {
  // The shortest text that reads back as the same double: at most 309 integer digits.
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value), std::chars_format::fixed);
  const std::string text(buffer, result.ptr);
  if (!std::isfinite(value)) return text;

  const std::size_t point = text.find('.');
  std::string integer = text.substr(0, point);
  std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
  const auto places = static_cast<std::size_t>(decimals);
  if (fraction.size() > places) {
    const bool up = fraction[places] >= '5';
    fraction.resize(places);
    if (up) {
      std::string digits = integer + fraction;
      incrementDigits(digits);
      integer = digits.substr(0, digits.size() - places);
      fraction = digits.substr(digits.size() - places);
    }
  }
  fraction.resize(places, '0');
  const auto width = static_cast<std::size_t>(minIntegerDigits);
  if (integer.size() < width) integer.insert(0, width - integer.size(), '0');

  std::string out = integer;
  if (places > 0) out += "." + fraction;
  const bool zero = out.find_first_not_of("0.") == std::string::npos;
  return value < 0 && !zero ? "-" + out : out;
}

std::string 中心线夹角实值(double heading, const MotionState& m) {
  const double c = m.vehicleX, f = m.vehicleY;     // rear axle centre
  const double d = m.frontAxleX, g = m.frontAxleY;  // front axle centre
  const double A = std::atan(std::tan(heading)) * 180 / PI;  // −90 to 90
  const auto degrees = [](double a) { return formatNumber(a, 2, 1) + "度"; };
  // Headings are built from the literal PI, so a vehicle set facing due north
  // has its front axle some 1e-14 units off the vertical: within a billionth
  // of the axle distance the two count as level.
  const double tolerance = 1e-9 * std::hypot(d - c, g - f);
  const auto level = [&](double a, double b) { return std::abs(a - b) <= tolerance; };
  if (level(c, d)) return f > g ? "正北" : "正南";
  if (c > d) {  // front axle to the left
    if (level(f, g)) return "正西";
    return f > g ? "北偏西" + degrees(std::abs(A - 90)) : "南偏西" + degrees(A + 90);
  }
  if (level(f, g)) return "正东";
  return f < g ? "南偏东" + degrees(std::abs(A - 90)) : "北偏东" + degrees(A + 90);
}

std::string 历时(double t) {
  const double h = std::floor(t / 3600);
  const double r = t - 3600 * h;
  const double m = std::floor(r / 60);
  const double s = r - 60 * m;  // keeps its fraction
  return formatNumber(h, 0, 2) + "时" + formatNumber(m, 0, 2) + "分" + formatNumber(s, 0, 2) + "秒";
}

std::array<std::string, kReadoutCount> statusReadouts(const Simulation& sim) {
  const MotionState& m = sim.motion;
  const double scale = sim.view.currentScale;
  const char* const state = m.speed == 0 ? "停止" : m.speed > 0 ? "前进" : "后退";
  const std::string steering =
      m.steerAngle == 0 ? "正前"
                        : std::string(m.steerAngle < 0 ? "左转" : "右转") +
                              formatNumber(std::abs(m.steerAngle * 180 / PI), 1, 1) + "度";
  const std::string diameter =
      m.turningCircleDiameter > 0 ? formatNumber(m.turningCircleDiameter / scale, 1, 1) : "∞";
  return {
      历时(sim.run.elapsedSeconds),
      state,
      formatNumber(std::abs(m.speed * 3.6 / scale), 2, 1) + "公里/小时",
      中心线夹角实值(m.heading, m),
      "雷达" + formatNumber(行车雷达(m, sim.view) / scale, 2, 1) + "米",
      steering,
      "转弯直径" + diameter + "米",
  };
}

}  // namespace pelvoro
