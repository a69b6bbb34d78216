// The two panes and their scales. Every pane's bounds start at 0; world
// units are pixels of the ground pane.
#pragma once

namespace pelvoro {

struct ViewLayout {
  double currentScale = 30;  // world units (ground-pane pixels) per metre, a whole number
  double closeUpScale = 0;   // close-up pane pixels per metre, a whole number

  // Close-up pane Picture1, in its own pixels; the bottom is a whole pixel.
  double vehPaneLeft = 0, vehPaneRight = 0, vehPaneTop = 0, vehPaneBottom = 0;
  // Ground pane Picture2: the outer boundary of every item's ground.
  double groundPaneLeft = 0, groundPaneRight = 0, groundPaneTop = 0, groundPaneBottom = 0;
};

// Sets both panes' bounds from their inner sizes in pixels.
void setPaneSizes(ViewLayout& view, double vehPaneWidth, double vehPaneHeight, double groundPaneWidth,
                  double groundPaneHeight);

}  // namespace pelvoro
