#include "platform/display_list_painter.h"

#include <QPainter>
#include <QPen>
#include <QRect>

#include <cmath>

#include "model/geometry.h"
#include "render/display_list.h"

namespace pelvoro {

namespace {

QColor toQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }
QPointF toQPoint(PixelPoint p) { return QPointF(p.x, p.y); }

// QPainter takes arc angles in whole sixteenths of a degree, anticlockwise on the screen.
int sixteenths(double radians) { return static_cast<int>(std::lround(radians * 180 / PI * 16)); }

}  // namespace

void playDisplayList(const DisplayList& list, QPainter& painter, const QRect& pane) {
  painter.save();
  painter.translate(pane.topLeft());
  const QRect local(0, 0, pane.width(), pane.height());
  painter.setClipRect(local);
  painter.setBrush(Qt::NoBrush);
  // Round ends make the one-pixel poles dots as wide as the pen.
  QPen pen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(pen);

  for (const Primitive& p : list.primitives) {
    switch (p.kind) {
      case PrimitiveKind::background:
        painter.fillRect(local, toQColor(p.colour));
        break;
      case PrimitiveKind::penColour:
        pen.setColor(toQColor(p.colour));
        painter.setPen(pen);
        break;
      case PrimitiveKind::penWidth:
        pen.setWidth(p.width);
        painter.setPen(pen);
        break;
      case PrimitiveKind::penStyle:
        pen.setStyle(p.style == PenStyle::dashDot ? Qt::DashDotLine : Qt::SolidLine);
        painter.setPen(pen);
        break;
      case PrimitiveKind::line:
        painter.drawLine(toQPoint(p.a), toQPoint(p.b));
        break;
      case PrimitiveKind::rectangle:
        painter.drawRect(QRectF(toQPoint(p.a), toQPoint(p.b)).normalized());
        break;
      case PrimitiveKind::circle:
        painter.drawEllipse(toQPoint(p.a), p.radius, p.radius);
        break;
      case PrimitiveKind::arc: {
        // Anticlockwise from start to end, through 0 when end < start; within one turn.
        double span = std::fmod(static_cast<double>(p.endAngle) - p.startAngle, TWO_PI);
        if (span < 0) span += TWO_PI;
        const QRectF box(p.a.x - p.radius, p.a.y - p.radius, 2 * p.radius, 2 * p.radius);
        painter.drawArc(box, sixteenths(std::fmod(p.startAngle, TWO_PI)), sixteenths(span));
        break;
      }
    }
  }
  painter.restore();
}

}  // namespace pelvoro
