// The colour table every pane draws with, its defaults, the random banner
// colours, and the cells of the palette from which the user picks a colour.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "render/rgb.h"

namespace pelvoro {

class RandomSource;

// Read afresh on every frame. The member defaults are the default colours.
struct ColourTable {
  Rgb groundColour{170, 170, 170};        // background of both panes
  Rgb boundaryLineColour{255, 255, 255};  // boundary lines, bridges, discs
  Rgb poleColour{255, 0, 0};              // marker poles, the close-up's ground outline
  Rgb auxLineColour{255, 255, 0};         // auxiliary lines, the turning-centre cross
  Rgb bodyColour{0, 0, 255};              // body and body trajectory
  Rgb axleColour{0, 0, 0};                // axles and centre line
  Rgb frontWheelColour{255, 0, 255};      // front tyres and their trajectory
  Rgb rearWheelColour{0, 255, 0};         // rear tyres and their trajectory
};

inline constexpr std::size_t kColourCount = 8;

// One colour of the table as the custom-colour dialog shows it, in index order.
struct ColourEntry {
  Rgb ColourTable::*member;
  std::string_view label;  // "场地:" ...
};
std::span<const ColourEntry, kColourCount> colourEntries();

Rgb& colourAt(ColourTable& table, std::size_t index);
Rgb colourAt(const ColourTable& table, std::size_t index);

// The swatches of the custom-colour dialog, one per table index.
using ColourSwatches = std::array<Rgb, kColourCount>;

// 缺省颜色: the swatches show the defaults; with `apply` the table takes them too.
void 缺省颜色(ColourSwatches& swatches, ColourTable& table, bool apply);

// 随机三元彩色: each component 0 or 255 with even odds, never black or white
// (red, yellow, green, cyan, blue or magenta). The caller seeds `random`.
Rgb 随机三元彩色(RandomSource& random);

// Text colours of the two banners on the idle close-up pane.
struct TitleColours {
  Rgb label3;  // "Pelvoro"
  Rgb label4;  // the subtitle
};
// Neither is the ground colour, and they differ from each other.
TitleColours randomizeTitleColours(RandomSource& random, Rgb groundColour);

// The palette dialog Form简化颜色表: 34 cells, a hue ring then a grey ramp.
inline constexpr std::size_t kPaletteCellCount = 34;

struct PaletteCell {
  Rgb colour;
  std::string tooltip;  // "R,G,B" in decimal
};

struct Palette {
  std::array<PaletteCell, kPaletteCellCount> cells;
  double nextCell = 0;  // index of the next cell to fill
};

// 填写彩色表: from (r0, s, s) round the hue ring in steps of 64 (63 off 255),
// one cell per colour, until it is back next to the start or the cells are full.
void 填写彩色表(Palette& palette, double r0, double s);
// 填写黑白灰度表: `count` greys from white down to black from cell `first` on;
// cells beyond the palette are not written.
void 填写黑白灰度表(Palette& palette, double first, double count);
// The palette as the dialog loads it: 24 hues from red, then 10 greys.
Palette loadedPalette();
// The cells showing `colour`, which the dialog marks with a rectangle.
std::vector<std::size_t> markedCells(const Palette& palette, Rgb colour);

}  // namespace pelvoro
