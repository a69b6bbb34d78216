#include "session/set_bounds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "view/view_layout.h"

namespace pelvoro {
namespace {

LayoutInput window(double width, double height, double ratio) {
  LayoutInput in;
  in.client = {width, height};
  in.ratio = ratio;
  in.statusBarHeight = 22;
  in.captionHeight = 16;
  in.banner = {300, 70};
  in.subtitle = {260, 24};
  in.messagePanel = {400, 60};
  return in;
}

TEST(SetBounds, PanesMeetTheSplitterAtTheRatio) {
  for (double ratio : {0.75, 0.5, 0.25}) {
    SCOPED_TRACE(ratio);
    const LayoutResult l = 设定边界(window(1000, 700, ratio));
    const int split = static_cast<int>(ratio * 1000);
    EXPECT_EQ(l.closeUpPane.left, 2);
    EXPECT_EQ(l.closeUpPane.left + l.closeUpPane.width, split - 1);
    EXPECT_EQ(l.splitter.left, split - 1);
    EXPECT_EQ(l.splitter.width, 2);
    EXPECT_EQ(l.groundPane.left, split + 1);
    EXPECT_EQ(l.groundPane.left + l.groundPane.width, 998);
    EXPECT_EQ(l.caption2.left, l.groundPane.left);
    EXPECT_EQ(l.closeUpPane.top, 2 + 2 + 16);
    EXPECT_EQ(l.closeUpPane.top + l.closeUpPane.height, 698) << "m above the bottom without a status bar";
    EXPECT_EQ(l.groundPane.height, l.closeUpPane.height);
    EXPECT_EQ(l.splitter.height, l.closeUpPane.height);
  }
}

TEST(SetBounds, OddSizesLeaveNoGapBetweenNeighbours) {
  const LayoutResult l = 设定边界(window(1001, 701, 0.75));
  EXPECT_EQ(l.closeUpPane.left + l.closeUpPane.width, l.splitter.left);
  EXPECT_EQ(l.splitter.left + l.splitter.width, l.groundPane.left);
}

TEST(SetBounds, PanesEndExactlyAtTheStatusBar) {
  LayoutInput in = window(1280, 1024, 0.5);
  in.statusBarVisible = true;
  const LayoutResult l = 设定边界(in);
  EXPECT_EQ(l.statusBar.top, 1024 - 22);
  EXPECT_EQ(l.closeUpPane.top + l.closeUpPane.height, l.statusBar.top);
  const int panels = std::accumulate(l.statusPanelWidths.begin(), l.statusPanelWidths.end(), 0);
  EXPECT_LE(panels, 1280 - 8);
  EXPECT_GE(panels, 1280 - 8 - 7);
  EXPECT_EQ(l.statusPanelWidths[6], static_cast<int>(1272.0 * 140 / 588));
}

TEST(SetBounds, BannerIsCentredAndLargerWhenThePhotoIsMissing) {
  EXPECT_EQ(bannerFontPoints(0), 48);
  EXPECT_EQ(bannerFontPoints(1), 72);
  LayoutInput in = window(1000, 700, 0.75);
  const LayoutResult over = 设定边界(in);
  EXPECT_FALSE(over.clearCloseUpPicture);
  EXPECT_EQ(over.banner.left, 10);
  EXPECT_EQ(over.banner.top, 0);

  in.pictureMissing = 1;
  in.banner = {450, 100};
  const LayoutResult alone = 设定边界(in);
  EXPECT_TRUE(alone.clearCloseUpPicture);
  EXPECT_EQ(alone.banner.left, std::lround(alone.closeUpPane.width / 2.0 - 225));
  EXPECT_EQ(alone.banner.top, std::lround(alone.closeUpPane.height * 2.0 / 5 - 50));
  // The subtitle keeps its corner either way.
  for (const LayoutResult& l : {over, alone}) {
    EXPECT_EQ(l.subtitle.left + l.subtitle.width, l.closeUpPane.width - 10);
    EXPECT_EQ(l.subtitle.top + l.subtitle.height, l.closeUpPane.height - 10);
  }
}

TEST(SetBounds, MessagePanelIsCentredAndPaneBoundsFollowThePanes) {
  const LayoutResult l = 设定边界(window(1000, 700, 0.75));
  EXPECT_EQ(l.messagePanel.left, 300);
  EXPECT_EQ(l.messagePanel.top, 320);
  ViewLayout view;
  applyPaneBounds(view, l);
  EXPECT_EQ(view.vehPaneLeft, 0);
  EXPECT_EQ(view.vehPaneRight, l.closeUpPane.width);
  EXPECT_EQ(view.vehPaneBottom, l.closeUpPane.height);
  EXPECT_EQ(view.groundPaneRight, l.groundPane.width);
  EXPECT_EQ(view.groundPaneBottom, l.groundPane.height);
}

}  // namespace
}  // namespace pelvoro
