// A drawing pane: its background colour, and either a picture (while idle)
// or the display list of the run's last frame.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "render/display_list.h"

namespace pelvoro {

class PaneWidget : public QWidget {
 public:
  explicit PaneWidget(QWidget* parent);

  // Setting the background clears the pane, as the frame's own background does.
  void setBackground(const QColor& colour);
  // False when the file cannot be loaded; the pane is then empty.
  bool loadPicture(const QString& file);
  void setPicture(const QPixmap& picture);
  void clearPicture();
  bool hasPicture() const { return !picture_.isNull(); }
  // What the run drew; played over the background when there is no picture.
  void setDisplayList(DisplayList list);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor background_;
  QPixmap picture_;
  DisplayList list_;
};

}  // namespace pelvoro
