// Pictures of drawn frames: both panes as the window shows them during a run,
// and the item previews of the idle window.
#pragma once

#include <QImage>
#include <QMap>
#include <QSize>
#include <QString>

namespace pelvoro {

struct Frame;

inline constexpr int kSplitterWidth = 2;            // pixels between the two panes
inline constexpr QSize kItemPreviewSize{151, 414};  // the idle ground pane

// The close-up on the left, the splitter, the ground on the right.
QImage frameSnapshot(const Frame& frame, QSize closeUp, QSize ground);
// Saves frameSnapshot as a PNG; false when the file could not be written.
bool saveFrameSnapshot(const Frame& frame, QSize closeUp, QSize ground, const QString& path);

// The twelve item previews, keyed by the item's caption with its start-side
// suffix ("直角转弯_右"): each item's ground in the default colours with the
// 东南菱帅 at its start pose; free practice is the bare ground.
QMap<QString, QImage> itemPreviews();

}  // namespace pelvoro
