#include "demo/demo_record.h"

#include <array>
#include <charconv>
#include <cmath>

namespace pelvoro {

namespace {

constexpr std::string_view kTimeKey = "abc=";
constexpr std::string_view kSteerSeparator = ", def=";
constexpr std::string_view kSpeedSeparator = ", gh=";

// std::to_chars writes as printf does in the "C" locale, whatever the program's locale is.
void append(std::string& out, double value, std::chars_format format, int precision) {
  std::array<char, 64> digits{};  // "%.15g" of any double needs at most 24 characters
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value, format, precision).ptr;
  out.append(digits.data(), end);
}

std::string_view::size_type skipDigits(std::string_view s, std::string_view::size_type i) {
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
  return i;
}

// Position of the steering separator, npos when there is none after the time key.
std::string_view::size_type steerSeparator(std::string_view line) {
  const auto at = line.find(kSteerSeparator);
  return at != std::string_view::npos && at >= kTimeKey.size() ? at : std::string_view::npos;
}

std::string_view::size_type speedSeparator(std::string_view line, std::string_view::size_type steerAt) {
  return steerAt == std::string_view::npos ? steerAt : line.find(kSpeedSeparator, steerAt + kSteerSeparator.size());
}

}  // namespace

std::string formatDemoRecord(double seconds, double steer, double metresPerSecond) {
  // The time goes through "%.2f" first, then is written like the others.
  std::string hundredths;
  append(hundredths, seconds, std::chars_format::fixed, 2);
  double rounded = 0;  // from_chars reads back whatever to_chars wrote
  std::from_chars(hundredths.data(), hundredths.data() + hundredths.size(), rounded);

  std::string line(kTimeKey);
  append(line, rounded, std::chars_format::general, 15);
  line += kSteerSeparator;
  append(line, steer, std::chars_format::general, 15);
  line += kSpeedSeparator;
  append(line, metresPerSecond, std::chars_format::general, 15);
  line += ';';
  return line;
}

std::optional<double> parseDemoNumber(std::string_view field) {
  std::string_view::size_type i = 0;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) ++i;
  const auto mantissa = i;
  i = skipDigits(field, i);
  bool hasDigits = i > mantissa;
  if (i < field.size() && field[i] == '.') {
    const auto fraction = ++i;
    i = skipDigits(field, i);
    hasDigits = hasDigits || i > fraction;
  }
  if (!hasDigits) return std::nullopt;
  if (i < field.size() && (field[i] == 'e' || field[i] == 'E')) {
    ++i;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) ++i;
    const auto exponent = i;
    i = skipDigits(field, i);
    if (i == exponent) return std::nullopt;
  }
  if (i != field.size()) return std::nullopt;

  // from_chars takes no '+'; the pattern above already holds, so it reads the whole field.
  if (field.front() == '+') field.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc{} || end != field.data() + field.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<double> demoLineTime(std::string_view line) {
  const auto steerAt = steerSeparator(line);
  if (steerAt == std::string_view::npos) return std::nullopt;
  return parseDemoNumber(line.substr(kTimeKey.size(), steerAt - kTimeKey.size()));
}

std::optional<double> demoLineSteer(std::string_view line) {
  const auto steerAt = steerSeparator(line);
  const auto speedAt = speedSeparator(line, steerAt);
  if (speedAt == std::string_view::npos) return std::nullopt;
  const auto from = steerAt + kSteerSeparator.size();
  return parseDemoNumber(line.substr(from, speedAt - from));
}

std::optional<double> demoLineSpeed(std::string_view line) {
  const auto speedAt = speedSeparator(line, steerSeparator(line));
  if (speedAt == std::string_view::npos || line.back() != ';') return std::nullopt;
  const auto from = speedAt + kSpeedSeparator.size();
  return parseDemoNumber(line.substr(from, line.size() - 1 - from));
}

bool hasDemoKeys(std::string_view line) {
  return line.find("abc=") != std::string_view::npos && line.find("def=") != std::string_view::npos &&
         line.find("gh=") != std::string_view::npos;
}

}  // namespace pelvoro
