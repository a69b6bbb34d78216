#include "vehicle_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "model/geometry.h"
#include "platform/display_list_painter.h"
#include "render/vehicle_drawing.h"
#include "run/simulation.h"
#include "view/scales.h"

namespace pelvoro {

namespace {

constexpr int kDrawingWidth = 400;  // the vehicle's part of the picture; the text takes the rest
constexpr double kWorldScale = 10;  // pixels per metre of the ground the vehicle stands on
constexpr double kGroundSize = 100000;  // so large that the ground's outline is never in view

QString metres(double value, int decimals = 2) { return QString::number(value, 'f', decimals) + QStringLiteral(" 米"); }

// The vehicle at rest, heading up, in the middle of an empty ground.
Simulation standingVehicle(const VehiclePreset& preset, QSize pane) {
  Simulation sim;
  sim.selection.vehicle = &preset;
  sim.selection.item = Item::自由练习;
  sim.vehicle = applyVehiclePreset(preset);
  const double lengthMetres = sim.vehicle.vehicleLength;
  setPaneSizes(sim.view, pane.width(), pane.height(), kGroundSize, kGroundSize);
  sim.view.currentScale = kWorldScale;
  尺寸比例(sim.view, sim.vehicle, 2);
  // Larger than the run's close-up: the body fills most of the picture's height.
  sim.view.closeUpScale = std::floor(pane.height() * 0.72 / lengthMetres);
  sim.motion.vehicleX = kGroundSize / 2;
  sim.motion.vehicleY = kGroundSize / 2;
  sim.motion.heading = THREE_HALF_PI;
  计算定位(sim.motion, sim.vehicle, 60, 0);
  return sim;
}

}  // namespace

QImage vehiclePicture(const VehiclePreset& preset) {
  const QSize drawing(kDrawingWidth, kVehiclePictureSize.height());
  const Simulation sim = standingVehicle(preset, drawing);
  const Frame frame = 画车辆(sim, FrameSettings{});

  QImage image(kVehiclePictureSize, QImage::Format_RGB32);
  QPainter painter(&image);
  playDisplayList(frame.closeUp, painter, QRect(QPoint(0, 0), drawing));
  painter.fillRect(QRect(drawing.width(), 0, image.width() - drawing.width(), image.height()), QColor(170, 170, 170));

  const VehicleParameters v = applyVehiclePreset(preset);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::black);
  QFont font = painter.font();
  font.setPointSize(24);
  font.setBold(true);
  painter.setFont(font);
  int y = 150;
  const int x = drawing.width() + 10;
  painter.drawText(x, y, QString::fromUtf8(preset.caption.data(), static_cast<qsizetype>(preset.caption.size())));
  font.setPointSize(13);
  font.setBold(false);
  painter.setFont(font);
  const std::pair<const char*, QString> lines[] = {
      {"准驾车型", QString::fromUtf8(preset.licenceClass.data(), static_cast<qsizetype>(preset.licenceClass.size()))},
      {"车长", metres(v.vehicleLength)},
      {"车宽", metres(v.vehicleWidth)},
      {"轴距", metres(v.wheelbase)},
      {"前轮距", metres(v.frontTrack)},
      {"后轮距", metres(v.rearTrack)},
      {"转弯直径", metres(v.turningDiameter, 1)},
  };
  y += 16;
  for (const auto& [name, value] : lines) {
    y += 30;
    painter.drawText(x, y, QString::fromUtf8(name));
    painter.drawText(x + 100, y, value);
  }
  return image;
}

QImage programIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(170, 170, 170));
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
  p.setPen(QPen(Qt::white, 2.5));
  p.drawLine(QPointF(14, 6), QPointF(14, 58));
  p.drawLine(QPointF(50, 6), QPointF(50, 58));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 0, 0));
  for (const QPointF pole : {QPointF(14, 12), QPointF(50, 12), QPointF(14, 52), QPointF(50, 52)})
    p.drawEllipse(pole, 3.5, 3.5);
  p.setBrush(Qt::black);
  for (const QPointF tyre : {QPointF(22.5, 19), QPointF(38, 19), QPointF(22.5, 40), QPointF(38, 40)})
    p.drawRoundedRect(QRectF(tyre, QSizeF(3.5, 8)), 1, 1);
  p.setPen(QPen(QColor(0, 0, 255), 3));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(24, 14, 16, 38), 4, 4);
  return icon;
}

}  // namespace pelvoro
