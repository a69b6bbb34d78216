#include "platform/snapshot.h"

#include <gtest/gtest.h>

#include "render/colours.h"
#include "render/frame.h"

namespace pelvoro {
namespace {

TEST(Snapshot, PanesSideBySideWithTheSplitterBetween) {
  Frame frame;
  setBackground(frame.closeUp, {255, 0, 0});
  setBackground(frame.ground, {0, 0, 255});
  const QImage image = frameSnapshot(frame, QSize(30, 20), QSize(10, 20));
  ASSERT_EQ(image.size(), QSize(30 + kSplitterWidth + 10, 20));
  EXPECT_EQ(image.pixelColor(29, 10), QColor(255, 0, 0));
  EXPECT_NE(image.pixelColor(30, 10), QColor(255, 0, 0));
  EXPECT_NE(image.pixelColor(31, 10), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(32, 10), QColor(0, 0, 255));
}

TEST(Snapshot, TwelveItemPreviews) {
  const QMap<QString, QImage> previews = itemPreviews();
  const char* const keys[] = {"侧方停车",     "曲线行驶",       "通过单边桥", "场地公路调头", "通过单边桥_右", "通过连续障碍",
                              "通过连续障碍_右", "限速通过限宽门", "直角转弯",   "直角转弯_右",  "桩考",          "自由练习"};
  ASSERT_EQ(previews.size(), 12);
  const ColourTable colours;
  const QColor ground(colours.groundColour.red, colours.groundColour.green, colours.groundColour.blue);
  const QColor body(colours.bodyColour.red, colours.bodyColour.green, colours.bodyColour.blue);
  for (const char* key : keys) {
    SCOPED_TRACE(key);
    ASSERT_TRUE(previews.contains(QString::fromUtf8(key)));
    const QImage& image = previews[QString::fromUtf8(key)];
    ASSERT_EQ(image.size(), kItemPreviewSize);
    int groundPixels = 0, bodyPixels = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        groundPixels += image.pixelColor(x, y) == ground;
        bodyPixels += image.pixelColor(x, y) == body;
      }
    const bool bare = QString::fromUtf8(key) == "自由练习";
    EXPECT_EQ(groundPixels == image.width() * image.height(), bare);
    EXPECT_EQ(bodyPixels > 0, !bare);  // the vehicle stands at its start
  }
}

}  // namespace
}  // namespace pelvoro
