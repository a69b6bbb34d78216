#include "shell/pane_widget.h"

#include <QPainter>

#include "platform/display_list_painter.h"

namespace pelvoro {

PaneWidget::PaneWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void PaneWidget::setBackground(const QColor& colour) {
  background_ = colour;
  list_ = {};
  update();
}

void PaneWidget::setDisplayList(DisplayList list) {
  list_ = std::move(list);
  update();
}

bool PaneWidget::loadPicture(const QString& file) {
  picture_ = QPixmap(file);
  update();
  return !picture_.isNull();
}

void PaneWidget::setPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void PaneWidget::clearPicture() {
  picture_ = QPixmap();
  update();
}

void PaneWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), background_);
  // A picture keeps its own size at the top-left corner, as a picture box shows it.
  if (!picture_.isNull())
    painter.drawPixmap(0, 0, picture_);
  else
    playDisplayList(list_, painter, rect());
}

}  // namespace pelvoro
