#include "render/display_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pelvoro {
namespace {

TEST(DisplayList, OffsetsChainFromTheEndOfTheLastLine) {
  DisplayList list;
  drawLineBy(list, 10, 20, 5, -3);
  drawLineOn(list, 0, 7);
  drawLineOn(list, -5, -4);
  ASSERT_EQ(list.primitives.size(), 3u);
  const Primitive& first = list.primitives[0];
  EXPECT_EQ(first.kind, PrimitiveKind::line);
  EXPECT_FLOAT_EQ(first.a.x, 10);
  EXPECT_FLOAT_EQ(first.a.y, 20);
  EXPECT_FLOAT_EQ(first.b.x, 15);
  EXPECT_FLOAT_EQ(first.b.y, 17);
  EXPECT_FLOAT_EQ(list.primitives[1].a.x, 15);
  EXPECT_FLOAT_EQ(list.primitives[1].b.y, 24);
  // Back at the start: a closed outline.
  EXPECT_FLOAT_EQ(list.primitives[2].b.x, 10);
  EXPECT_FLOAT_EQ(list.primitives[2].b.y, 20);
  EXPECT_FLOAT_EQ(list.penPosition.x, 10);
}

TEST(DisplayList, RecordsPenAndShapesInOrder) {
  DisplayList list;
  setBackground(list, {1, 2, 3});
  setPenColour(list, {4, 5, 6});
  setPenWidth(list, 3);
  setPenStyle(list, PenStyle::dashDot);
  drawRectangle(list, 30, 40, 10, 20);
  drawCircle(list, 5, 6, 1);
  drawArc(list, 7, 8, 9, 6, 0.5);
  ASSERT_EQ(list.primitives.size(), 7u);
  EXPECT_EQ(list.primitives[0].kind, PrimitiveKind::background);
  EXPECT_EQ(list.primitives[0].colour, (Rgb{1, 2, 3}));
  EXPECT_EQ(list.primitives[1].colour, (Rgb{4, 5, 6}));
  EXPECT_EQ(list.primitives[2].width, 3);
  EXPECT_EQ(list.primitives[3].style, PenStyle::dashDot);
  // Corners are kept as given; the painter orders them.
  EXPECT_FLOAT_EQ(list.primitives[4].a.x, 30);
  EXPECT_FLOAT_EQ(list.primitives[4].b.y, 20);
  EXPECT_FLOAT_EQ(list.primitives[5].radius, 1);
  const Primitive& arc = list.primitives[6];
  EXPECT_EQ(arc.kind, PrimitiveKind::arc);
  EXPECT_FLOAT_EQ(arc.startAngle, 6);
  EXPECT_FLOAT_EQ(arc.endAngle, 0.5);
}

// What cannot be drawn in single precision is skipped, and the chain goes on
// from the last line that was drawn.
TEST(DisplayList, DropsShapesThatCannotBeDrawn) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double beyondFloat = 1e39;
  for (const double bad : {nan, inf, -inf, beyondFloat, -beyondFloat}) {
    SCOPED_TRACE(bad);
    DisplayList list;
    drawLine(list, 1, 2, 3, 4);
    drawLine(list, bad, 0, 1, 1);
    drawLineBy(list, 0, 0, 0, bad);
    drawLineOn(list, bad, 0);
    drawRectangle(list, 0, 0, bad, 1);
    drawCircle(list, 0, bad, 1);
    drawCircle(list, 0, 0, bad);
    drawArc(list, 0, 0, 1, bad, 0);
    drawArc(list, 0, 0, 1, 0, bad);
    ASSERT_EQ(list.primitives.size(), 1u);
    EXPECT_FLOAT_EQ(list.penPosition.x, 3);
    EXPECT_FLOAT_EQ(list.penPosition.y, 4);
    drawLineOn(list, 1, 1);
    ASSERT_EQ(list.primitives.size(), 2u);
    EXPECT_FLOAT_EQ(list.primitives[1].a.x, 3);
  }
  DisplayList list;
  drawCircle(list, 0, 0, -1);
  drawArc(list, 0, 0, -2, 0, 1);
  drawCircle(list, 0, 0, 0);  // a point: drawable
  EXPECT_EQ(list.primitives.size(), 1u);
}


}  // namespace
}  // namespace pelvoro
