// A colour as the panes and the colour table hold it.
#pragma once

#include <cstdint>

namespace pelvoro {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The 32-bit RGB value of the Windows colour encoding, red in the low byte: 0x00BBGGRR.
constexpr std::uint32_t rgbValue(Rgb c) {
  return std::uint32_t{c.red} | std::uint32_t{c.green} << 8 | std::uint32_t{c.blue} << 16;
}
constexpr Rgb rgbFromValue(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8 & 0xFF),
          static_cast<std::uint8_t>(value >> 16 & 0xFF)};
}

}  // namespace pelvoro
