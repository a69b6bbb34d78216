// The text of one demonstration record: "abc=" t ", def=" a ", gh=" v ";"
// with t the time in seconds, a the steering angle in radians and v the speed
// in metres per second. The text is ASCII and never depends on the locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pelvoro {

// The record with `seconds` rounded to two decimals as "%.2f" rounds, and
// every number written as "%.15g" writes it, with '.' as the decimal point.
std::string formatDemoRecord(double seconds, double steer, double metresPerSecond);

// The number a field holds, or nothing when it is not a number. A number is
// the whole field, without spaces: an optional sign, digits with an optional
// '.' and fraction (or '.' and a fraction alone), then an optional exponent
// "e" or "E" with an optional sign and digits. Its value must fit a double:
// "1e400" and "1e-400" are not numbers, nor are "inf", "nan" or hex forms.
std::optional<double> parseDemoNumber(std::string_view field);

// The three fields of a record line; nothing when the field is missing or not
// a number. The time is the text from the fifth character up to ", def=", the
// steering the text between ", def=" and the following ", gh=", the speed the
// text after that ", gh=" up to a final ';' (a line not ending in ';' has none).
std::optional<double> demoLineTime(std::string_view line);
std::optional<double> demoLineSteer(std::string_view line);
std::optional<double> demoLineSpeed(std::string_view line);

// What the loader asks of an unshuffled line: it holds "abc=", "def=" and "gh=".
bool hasDemoKeys(std::string_view line);

}  // namespace pelvoro
