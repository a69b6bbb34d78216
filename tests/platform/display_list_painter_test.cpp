#include "platform/display_list_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "model/geometry.h"
#include "render/display_list.h"

namespace pelvoro {
namespace {

const QColor kPaneColour(10, 20, 30), kRed(255, 0, 0), kGreen(0, 255, 0), kOutside(255, 255, 255);

QColor pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

// Whether any pixel within one of (x, y) has the colour: aliased shapes may land a pixel off.
bool near(const QImage& image, int x, int y, const QColor& colour) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (pixel(image, x + dx, y + dy) == colour) return true;
  return false;
}

// The right half of an 80 × 40 image is the pane; the left half shows whether anything leaked.
QImage play(const DisplayList& list) {
  QImage image(80, 40, QImage::Format_RGB32);
  image.fill(kOutside);
  QPainter painter(&image);
  playDisplayList(list, painter, QRect(40, 0, 40, 40));
  return image;
}

TEST(DisplayListPainter, PlaysPrimitivesIntoThePane) {
  DisplayList list;
  setBackground(list, {10, 20, 30});
  setPenColour(list, {255, 0, 0});
  setPenWidth(list, 3);
  drawLine(list, -100, 5, 200, 5);  // runs far beyond the pane on both sides
  setPenColour(list, {0, 255, 0});
  setPenWidth(list, 1);
  drawRectangle(list, 35, 30, 5, 15);  // corners in any order
  drawArc(list, 20, 22, 6, 0, HALF_PI);  // from the right, anticlockwise up to the top
  const QImage image = play(list);

  // The background fills the pane and only the pane.
  EXPECT_EQ(pixel(image, 41, 39), kPaneColour);
  EXPECT_EQ(pixel(image, 39, 39), kOutside);
  // A 3-pixel line, cut at the pane's edge.
  for (const int y : {4, 5, 6}) EXPECT_EQ(pixel(image, 40 + 20, y), kRed) << y;
  EXPECT_EQ(pixel(image, 40 + 20, 9), kPaneColour);
  EXPECT_EQ(pixel(image, 39, 5), kOutside);
  // An unfilled rectangle outline.
  EXPECT_TRUE(near(image, 40 + 5, 25, kGreen));
  EXPECT_TRUE(near(image, 40 + 35, 25, kGreen));
  EXPECT_TRUE(near(image, 40 + 30, 15, kGreen));
  EXPECT_EQ(pixel(image, 40 + 30, 25), kPaneColour);
  // The arc covers the upper right quarter only (y grows downwards).
  EXPECT_TRUE(near(image, 40 + 20 + 4, 22 - 4, kGreen));
  EXPECT_FALSE(near(image, 40 + 20 - 4, 22 + 4, kGreen));
  EXPECT_FALSE(near(image, 40 + 20 - 4, 22 - 4, kGreen));
}

TEST(DisplayListPainter, DashDotLeavesGapsAndCirclesAreOutlines) {
  DisplayList list;
  setBackground(list, {10, 20, 30});
  setPenColour(list, {255, 0, 0});
  setPenStyle(list, PenStyle::dashDot);
  drawLine(list, 0, 10, 40, 10);
  setPenStyle(list, PenStyle::solid);
  drawLine(list, 0, 20, 40, 20);
  drawCircle(list, 20, 32, 5);
  const QImage image = play(list);
  int dashDot = 0, solid = 0;
  for (int x = 40; x < 80; ++x) {
    dashDot += pixel(image, x, 10) == kRed;
    solid += pixel(image, x, 20) == kRed;
  }
  EXPECT_EQ(solid, 40);
  EXPECT_GT(dashDot, 12);
  EXPECT_LT(dashDot, 36);
  EXPECT_TRUE(near(image, 40 + 25, 32, kRed));
  EXPECT_EQ(pixel(image, 40 + 20, 32), kPaneColour);  // not filled
}

}  // namespace
}  // namespace pelvoro
