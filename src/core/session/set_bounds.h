// 设定边界: the window's layout as a function of its inner size. The window
// measures its labels, calls this, and places its controls where it says.
#pragma once

#include <array>

namespace pelvoro {

struct ViewLayout;

struct Size {
  double width = 0;
  double height = 0;
};

// Whole pixels, so neighbours share their edges exactly.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct LayoutInput {
  Size client;                 // the window's inner size below the menu bar, W and H
  double ratio = 0.75;         // layoutRatio: close-up share of W
  bool statusBarVisible = false;
  double statusBarHeight = 0;
  double captionHeight = 0;    // Label1 (and Label2) at their font
  Size banner;                 // Label3 at bannerFontPoints(pictureMissing)
  Size subtitle;               // Label4
  Size messagePanel;           // Picture3, sized to its text
  int pictureMissing = 0;
};

inline constexpr int kStatusPanelCount = 7;

struct LayoutResult {
  Rect caption1, caption2;     // Label1, Label2 (position; their width is their text's)
  Rect closeUpPane;            // Picture1
  Rect splitter;               // Picture窗体分割条
  Rect groundPane;             // Picture2
  Rect statusBar;              // StatusBar1 along the bottom
  Rect banner, subtitle;       // Label3, Label4 inside Picture1
  Rect messagePanel;           // Picture3, centred
  bool clearCloseUpPicture = false;  // the photo failed: the large banner takes its place
  std::array<int, kStatusPanelCount> statusPanelWidths{};
};

inline constexpr double kLayoutMargin = 2;

// 48 points over the photo, 72 centred when the photo is missing.
double bannerFontPoints(int pictureMissing);

LayoutResult 设定边界(const LayoutInput& in);

// The pane bounds of a layout, in the panes' own pixels.
void applyPaneBounds(ViewLayout& view, const LayoutResult& layout);

}  // namespace pelvoro
