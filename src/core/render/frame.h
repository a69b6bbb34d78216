// One drawn frame of both panes and the status bar, and what drawing it needs
// from the window besides the simulation.
#pragma once

#include <array>
#include <string>

#include "render/colours.h"
#include "render/display_list.h"

namespace pelvoro {

struct ViewLayout;

struct FrameSettings {
  double screenWidth = 1920;       // pixels
  double screenHeight = 1080;      // pixels
  double logicalDpi = 96;          // pixels per inch; a twip is 1/1440 inch
  double windowInnerWidth = 1920;  // pixels: how far the straight trajectory lines reach
  ColourTable colours;
};

inline constexpr std::size_t kReadoutCount = 7;

struct Frame {
  DisplayList closeUp;  // Picture1
  DisplayList ground;   // Picture2
  std::array<std::string, kReadoutCount> readouts;  // status bar panels 1 to 7
};

// Pen widths in pixels, set anew for every frame.
struct LineWidths {
  int thickLineWidth = 1;  // boundary lines, poles, the vehicle in the close-up
  int thinLineWidth = 1;   // outlines, auxiliary and trajectory lines
};

// thickLineWidth = Int(min(screen width, screen height in twips) / 4500 + 0.5):
// 3 pixels on a 1024 × 768 screen at 96 dpi.
LineWidths lineWidths(const FrameSettings& settings);

// The thick width as the ground pane shows it: scaled by currentScale /
// closeUpScale, rounded, kept between thinLineWidth and thickLineWidth.
int groundLineWidth(const LineWidths& widths, const ViewLayout& view);

}  // namespace pelvoro
