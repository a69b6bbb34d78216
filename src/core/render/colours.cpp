#include "render/colours.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/random.h"

namespace pelvoro {

namespace {

constexpr std::array<ColourEntry, kColourCount> kEntries{{
    {&ColourTable::groundColour, "场地:"},
    {&ColourTable::boundaryLineColour, "界线:"},
    {&ColourTable::poleColour, "标志杆:"},
    {&ColourTable::auxLineColour, "辅助线:"},
    {&ColourTable::bodyColour, "车身:"},
    {&ColourTable::axleColour, "车轴:"},
    {&ColourTable::frontWheelColour, "前轮:"},
    {&ColourTable::rearWheelColour, "后轮:"},
}};

constexpr ColourTable kDefaults{};

// Cells hold whole components; the ring's arguments are not checked, so clamp.
std::uint8_t component(double v) { return static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0)); }

// Whether `index` names a cell: the routines stop rather than write past the palette.
bool isCell(double index) { return 0 <= index && index < static_cast<double>(kPaletteCellCount); }

void writeCell(Palette& p, std::size_t index, double r, double g, double b) {
  PaletteCell& cell = p.cells[index];
  cell.colour = {component(r), component(g), component(b)};
  cell.tooltip = std::to_string(cell.colour.red) + "," + std::to_string(cell.colour.green) + "," +
                 std::to_string(cell.colour.blue);
}

bool same(double a, double b) { return std::abs(a - b) < 1; }

// Stepping down from full strength lands on 192, 128, 64, 0.
double stepDown(double v) { return v - (v == 255 ? 63 : 64); }
double stepUp(double v) { return std::fmin(v + 64, 255); }

}  // namespace

std::span<const ColourEntry, kColourCount> colourEntries() { return kEntries; }

Rgb& colourAt(ColourTable& table, std::size_t index) { return table.*kEntries.at(index).member; }
Rgb colourAt(const ColourTable& table, std::size_t index) { return table.*kEntries.at(index).member; }

void 缺省颜色(ColourSwatches& swatches, ColourTable& table, bool apply) {
  for (std::size_t i = 0; i < kColourCount; ++i) swatches[i] = colourAt(kDefaults, i);
  if (apply)
    for (std::size_t i = 0; i < kColourCount; ++i) colourAt(table, i) = swatches[i];
}

Rgb 随机三元彩色(RandomSource& random) {
  const auto draw = [&] { return static_cast<int>(std::floor(random.next() + 0.5)) * 255; };
  const int red = draw();
  const int green = draw();
  int blue = draw();
  if (red + green == 0) blue = 255;
  if (red + green == 510) blue = 0;
  return {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green), static_cast<std::uint8_t>(blue)};
}

TitleColours randomizeTitleColours(RandomSource& random, Rgb groundColour) {
  // At most two of the six possible colours are excluded, so both loops end.
  TitleColours t;
  do {
    t.label3 = 随机三元彩色(random);
  } while (t.label3 == groundColour);
  do {
    t.label4 = 随机三元彩色(random);
  } while (t.label4 == groundColour || t.label4 == t.label3);
  return t;
}

void 填写彩色表(Palette& p, double r0, double s) {
  // The ring would go on for up to 130 cells; the palette has fewer.
  if (!isCell(p.nextCell)) return;
  double R = r0, G = s, B = s;
  writeCell(p, static_cast<std::size_t>(p.nextCell), R, G, B);
  p.nextCell += 1;
  while (true) {
    if (same(R, r0) && same(B, s) && G < r0 - 1) {
      G = stepUp(G);
    } else if (same(G, r0) && same(B, s) && R > s + 1) {
      R = stepDown(R);
    } else if (same(R, s) && same(G, r0) && B < r0 - 1) {
      B = stepUp(B);
    } else if (same(R, s) && same(B, r0) && G > s + 1) {
      G = stepDown(G);
    } else if (same(G, s) && same(B, r0) && R < r0 - 1) {
      R = stepUp(R);
    } else if (same(R, r0) && same(G, s) && B > s + 1) {
      B = stepDown(B);
    }
    if (!isCell(p.nextCell)) return;
    writeCell(p, static_cast<std::size_t>(p.nextCell), R, G, B);
    p.nextCell += 1;
    if (same(R, r0) && same(G, s) && std::abs(B - (s + 64)) < 2) return;
  }
}

void 填写黑白灰度表(Palette& p, double first, double count) {
  // Indices before cell 0 are stepped over at once, keeping the ramp's phase.
  const double start = first < 0 ? first + std::ceil(-first) : first;
  for (double i = start; i <= first + count - 1 && isCell(i); ++i) {
    // A ramp of one cell is white; the formula would divide by 0.
    const double g = count > 1 ? std::fmin(std::floor(255 * ((count - 1) - (i - first)) / (count - 1)), 255) : 255;
    writeCell(p, static_cast<std::size_t>(i), g, g, g);
  }
}

Palette loadedPalette() {
  Palette p;
  p.nextCell = 0;
  填写彩色表(p, 255, 0);
  填写黑白灰度表(p, p.nextCell, 10);
  p.nextCell = p.nextCell + 10 - 1;
  return p;
}

std::vector<std::size_t> markedCells(const Palette& p, Rgb colour) {
  std::vector<std::size_t> marked;
  for (std::size_t i = 0; i < kPaletteCellCount && static_cast<double>(i) <= p.nextCell; ++i)
    if (p.cells[i].colour == colour) marked.push_back(i);
  return marked;
}

}  // namespace pelvoro
