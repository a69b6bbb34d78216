#include "render/colours.h"

#include <gtest/gtest.h>

#include <set>

#include "model/random.h"

namespace pelvoro {
namespace {

constexpr Rgb kRed{255, 0, 0}, kYellow{255, 255, 0}, kGreen{0, 255, 0}, kCyan{0, 255, 255}, kBlue{0, 0, 255},
    kMagenta{255, 0, 255}, kWhite{255, 255, 255}, kBlack{0, 0, 0}, kGrey{170, 170, 170};

TEST(Colours, TableIndexLabelsAndDefaults) {
  const ColourTable defaults;
  const struct {
    const char* label;
    Rgb colour;
  } expected[kColourCount] = {{"场地:", kGrey},  {"界线:", kWhite}, {"标志杆:", kRed},   {"辅助线:", kYellow},
                              {"车身:", kBlue},  {"车轴:", kBlack}, {"前轮:", kMagenta}, {"后轮:", kGreen}};
  for (std::size_t i = 0; i < kColourCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(colourEntries()[i].label, expected[i].label);
    EXPECT_EQ(colourAt(defaults, i), expected[i].colour);
  }
  ColourTable t;
  colourAt(t, 4) = kRed;
  EXPECT_EQ(t.bodyColour, kRed);
}

TEST(Colours, DefaultsGoToTheTableOnlyWhenApplied) {
  ColourTable table;
  table.groundColour = kRed;
  table.rearWheelColour = kBlue;
  ColourSwatches swatches{};
  缺省颜色(swatches, table, false);
  EXPECT_EQ(swatches[0], kGrey);
  EXPECT_EQ(swatches[7], kGreen);
  EXPECT_EQ(table.groundColour, kRed);  // the dialog's "缺省" alone changes nothing
  缺省颜色(swatches, table, true);
  EXPECT_EQ(table.groundColour, kGrey);
  EXPECT_EQ(table.rearWheelColour, kGreen);
}

TEST(Colours, RandomPureColourIsNeverBlackOrWhiteAndReachesAllSix) {
  RandomSource random;
  random.seed(7);
  std::set<std::uint32_t> seen;
  for (int i = 0; i < 2000; ++i) {
    const Rgb c = 随机三元彩色(random);
    ASSERT_NE(c, kBlack);
    ASSERT_NE(c, kWhite);
    for (const std::uint8_t component : {c.red, c.green, c.blue}) ASSERT_TRUE(component == 0 || component == 255);
    seen.insert(c.red << 16 | c.green << 8 | c.blue);
  }
  EXPECT_EQ(seen.size(), 6u);
}

TEST(Colours, BannersAvoidTheGroundAndEachOther) {
  for (const Rgb ground : {kRed, kYellow, kGreen, kCyan, kBlue, kMagenta, kGrey}) {
    for (std::uint64_t seed = 0; seed < 300; ++seed) {
      RandomSource random;
      random.seed(seed);
      const TitleColours t = randomizeTitleColours(random, ground);
      ASSERT_NE(t.label3, ground) << "seed " << seed;
      ASSERT_NE(t.label4, ground) << "seed " << seed;
      ASSERT_NE(t.label3, t.label4) << "seed " << seed;
    }
  }
}

TEST(Palette, HueRingThenGreyRamp) {
  const Palette p = loadedPalette();
  EXPECT_EQ(p.nextCell, 33);
  const Rgb ring[24] = {{255, 0, 0},   {255, 64, 0},  {255, 128, 0},  {255, 192, 0},  {255, 255, 0}, {192, 255, 0},
                        {128, 255, 0}, {64, 255, 0},  {0, 255, 0},    {0, 255, 64},   {0, 255, 128}, {0, 255, 192},
                        {0, 255, 255}, {0, 192, 255}, {0, 128, 255},  {0, 64, 255},   {0, 0, 255},   {64, 0, 255},
                        {128, 0, 255}, {192, 0, 255}, {255, 0, 255},  {255, 0, 192},  {255, 0, 128}, {255, 0, 64}};
  for (std::size_t i = 0; i < 24; ++i) EXPECT_EQ(p.cells[i].colour, ring[i]) << "cell " << i;
  const int greys[10] = {255, 226, 198, 170, 141, 113, 85, 56, 28, 0};
  for (std::size_t i = 0; i < 10; ++i) {
    const auto g = static_cast<std::uint8_t>(greys[i]);
    EXPECT_EQ(p.cells[24 + i].colour, (Rgb{g, g, g})) << "cell " << 24 + i;
  }
  EXPECT_EQ(p.cells[0].tooltip, "255,0,0");
  EXPECT_EQ(p.cells[23].tooltip, "255,0,64");
  EXPECT_EQ(p.cells[27].tooltip, "170,170,170");
  EXPECT_EQ(p.cells[33].tooltip, "0,0,0");
}

TEST(Palette, EveryDefaultColourMarksExactlyOneCell) {
  const Palette p = loadedPalette();
  const std::pair<Rgb, std::size_t> cases[] = {{kRed, 0},   {kYellow, 4},  {kGreen, 8}, {kBlue, 16},
                                               {kMagenta, 20}, {kWhite, 24}, {kGrey, 27}, {kBlack, 33}};
  for (const auto& [colour, cell] : cases) {
    EXPECT_EQ(markedCells(p, colour), std::vector<std::size_t>{cell}) << "cell " << cell;
  }
  EXPECT_TRUE(markedCells(p, {1, 2, 3}).empty());
}

TEST(Palette, FillingStopsAtTheLastCell) {
  // A ring started late runs out of cells instead of writing past them.
  Palette p;
  p.nextCell = 30;
  填写彩色表(p, 255, 0);
  EXPECT_EQ(p.nextCell, 34);
  EXPECT_EQ(p.cells[33].colour, (Rgb{255, 192, 0}));
  填写彩色表(p, 255, 0);  // full: nothing more
  EXPECT_EQ(p.nextCell, 34);

  Palette greys;
  填写黑白灰度表(greys, 30, 10);  // cells 30 to 33 only
  EXPECT_EQ(greys.cells[30].colour, kWhite);
  EXPECT_EQ(greys.cells[33].colour, (Rgb{170, 170, 170}));

  Palette one;
  填写黑白灰度表(one, 5, 1);  // a ramp of one: no division by 0
  EXPECT_EQ(one.cells[5].colour, kWhite);
  EXPECT_EQ(one.cells[5].tooltip, "255,255,255");
}

}  // namespace
}  // namespace pelvoro
