#include "session/set_bounds.h"

#include <cmath>

#include "view/view_layout.h"

namespace pelvoro {

namespace {

// Status bar panels in order, weighted against each other (588 in all):
// 总历时, 行驶状态, 车速, 纵轴方向角, 行车雷达, 转向角, 转弯直径.
constexpr std::array<double, kStatusPanelCount> kPanelWeights{82, 36, 78, 90, 90, 72, 140};
constexpr double kPanelWeightSum = 588;
constexpr double kSplitterWidth = 2;
constexpr double kBannerInset = 10;

int whole(double v) { return static_cast<int>(std::lround(v)); }

// Rounds the edges, not the sizes, so that adjoining controls neither overlap nor gap.
Rect rect(double left, double top, double width, double height) {
  return {whole(left), whole(top), whole(left + width) - whole(left), whole(top + height) - whole(top)};
}

}  // namespace

double bannerFontPoints(int pictureMissing) { return pictureMissing ? 72 : 48; }

LayoutResult 设定边界(const LayoutInput& in) {
  const double m = kLayoutMargin;
  const double W = in.client.width;
  const double H = in.client.height;
  LayoutResult out;

  const double captionTop = m, captionLeft = m;
  const double paneTop = m + captionTop + in.captionHeight;
  const double statusTop = H - in.statusBarHeight;
  const double bottom = in.statusBarVisible ? statusTop + m : H;
  const double paneHeight = bottom - paneTop - m;
  const double closeUpWidth = in.ratio * W - captionLeft - m / 2;

  const double splitterLeft = captionLeft + closeUpWidth + m / 2 - kSplitterWidth / 2;
  const double groundLeft = splitterLeft + kSplitterWidth / 2 + m / 2;
  const double groundWidth = W - groundLeft - m;

  out.caption1 = rect(captionLeft, captionTop, 0, in.captionHeight);
  out.closeUpPane = rect(captionLeft, paneTop, closeUpWidth, paneHeight);
  out.splitter = rect(splitterLeft, paneTop, kSplitterWidth, paneHeight);
  out.caption2 = rect(groundLeft, captionTop, 0, in.captionHeight);
  out.groundPane = rect(groundLeft, paneTop, groundWidth, paneHeight);
  out.statusBar = rect(0, statusTop, W, in.statusBarHeight);

  // The banners sit inside the close-up pane, in its own pixels.
  const double innerWidth = out.closeUpPane.width;
  const double innerHeight = out.closeUpPane.height;
  out.clearCloseUpPicture = in.pictureMissing != 0;
  if (in.pictureMissing)
    out.banner = rect(innerWidth / 2 - in.banner.width / 2, innerHeight * 2 / 5 - in.banner.height / 2,
                      in.banner.width, in.banner.height);
  else
    out.banner = rect(kBannerInset, 0, in.banner.width, in.banner.height);
  out.subtitle = rect(innerWidth - in.subtitle.width - kBannerInset, innerHeight - in.subtitle.height - kBannerInset,
                      in.subtitle.width, in.subtitle.height);

  out.messagePanel = rect(W / 2 - in.messagePanel.width / 2, H / 2 - in.messagePanel.height / 2,
                          in.messagePanel.width, in.messagePanel.height);

  for (int i = 0; i < kStatusPanelCount; ++i)
    out.statusPanelWidths[i] = static_cast<int>((W - 8) * kPanelWeights[i] / kPanelWeightSum);
  return out;
}

void applyPaneBounds(ViewLayout& view, const LayoutResult& layout) {
  setPaneSizes(view, layout.closeUpPane.width, layout.closeUpPane.height, layout.groundPane.width,
               layout.groundPane.height);
}

}  // namespace pelvoro
