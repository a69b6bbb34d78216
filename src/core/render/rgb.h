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

}  // namespace pelvoro
