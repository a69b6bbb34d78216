#include "platform/snapshot.h"

#include <QPainter>

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/display_list_painter.h"
#include "render/field_drawing.h"
#include "render/vehicle_drawing.h"
#include "run/simulation.h"
#include "run/start.h"
#include "view/scales.h"

namespace pelvoro {

namespace {

// Splitter bar and anything between the panes.
const QColor kWindowColour(240, 240, 240);

constexpr std::string_view kPreviewVehicle = "东南菱帅";

// The item's ground and start pose as Start prepares them, on a ground pane of
// the preview's size beside a close-up of the idle 3 : 1 split.
Simulation previewSimulation(Item item, bool startToRight) {
  Simulation sim;
  sim.selection.item = item;
  sim.selection.vehicle = findVehiclePreset(kPreviewVehicle);
  sim.selection.startToRight = {startToRight, hasMirroredLayout(item)};
  StartEnvironment env;
  env.vehPaneWidth = 3 * kItemPreviewSize.width();
  env.vehPaneHeight = kItemPreviewSize.height();
  env.groundPaneWidth = kItemPreviewSize.width();
  env.groundPaneHeight = kItemPreviewSize.height();
  if (hasGround(item)) startRun(sim, env);
  else setPaneSizes(sim.view, env.vehPaneWidth, env.vehPaneHeight, env.groundPaneWidth, env.groundPaneHeight);
  return sim;
}

QImage paneImage(const DisplayList& list, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(kWindowColour);
  QPainter painter(&image);
  playDisplayList(list, painter, QRect(QPoint(0, 0), size));
  return image;
}

}  // namespace

QImage frameSnapshot(const Frame& frame, QSize closeUp, QSize ground) {
  QImage image(closeUp.width() + kSplitterWidth + ground.width(), std::max(closeUp.height(), ground.height()),
               QImage::Format_RGB32);
  image.fill(kWindowColour);
  QPainter painter(&image);
  playDisplayList(frame.closeUp, painter, QRect(QPoint(0, 0), closeUp));
  playDisplayList(frame.ground, painter, QRect(QPoint(closeUp.width() + kSplitterWidth, 0), ground));
  return image;
}

bool saveFrameSnapshot(const Frame& frame, QSize closeUp, QSize ground, const QString& path) {
  return frameSnapshot(frame, closeUp, ground).save(path, "PNG");
}

QMap<QString, QImage> itemPreviews() {
  const FrameSettings settings;  // default colours
  QMap<QString, QImage> previews;
  for (const Item item : allItems()) {
    for (const bool right : {false, true}) {
      if (right && !hasMirroredLayout(item)) continue;
      const Simulation sim = previewSimulation(item, right);
      Frame frame;
      if (hasGround(item)) {
        frame = 画车辆(sim, settings);
      } else {
        画边界(frame, sim, settings.colours, lineWidths(settings));
      }
      const std::string key = std::string(caption(item)) + std::string(startSideSuffix(item, right));
      previews.insert(QString::fromStdString(key), paneImage(frame.ground, kItemPreviewSize));
    }
  }
  return previews;
}

}  // namespace pelvoro
