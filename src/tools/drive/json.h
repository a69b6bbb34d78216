// Just enough JSON for the driver's output lines.
#pragma once

#include <string>
#include <string_view>

namespace pelvoro::drive {

// A JSON string literal; UTF-8 passes through, quotes and control characters are escaped.
std::string jsonString(std::string_view text);
// A number with 17 significant digits, so that it round-trips.
std::string jsonNumber(double value);

}  // namespace pelvoro::drive
