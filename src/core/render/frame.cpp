#include "render/frame.h"

#include <cmath>

#include "model/geometry.h"
#include "view/mapping.h"
#include "view/view_layout.h"

namespace pelvoro {

LineWidths lineWidths(const FrameSettings& s) {
  const double twipsPerPixel = 1440 / s.logicalDpi;
  const double shorterSide = 最小值(s.screenWidth * twipsPerPixel, s.screenHeight * twipsPerPixel);
  const double thick = std::floor(shorterSide / 4500 + 0.5);
  // Screens under 150 pixels would get 0, which no pen can draw; an unknown DPI (0) must not
  // reach the int conversion; 1000 pixels is wider than any screen needs.
  return {.thickLineWidth = thick >= 1 ? static_cast<int>(最小值(thick, 1000)) : 1, .thinLineWidth = 1};
}

int groundLineWidth(const LineWidths& w, const ViewLayout& view) {
  const double onePixelPerMetre = 由全景比例转换(view, 1);
  // A collapsed close-up (closeUpScale 0) would divide by 0: the ground keeps the thick width,
  // which is where the rule tends as the close-up shrinks.
  if (!(onePixelPerMetre > 0)) return w.thickLineWidth;
  const double scaled = std::floor(w.thickLineWidth / onePixelPerMetre + 0.5);
  return static_cast<int>(最小值(最大值(w.thinLineWidth, scaled), w.thickLineWidth));
}

}  // namespace pelvoro
