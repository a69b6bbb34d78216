// A drawing pane: its background colour, and either a picture (while idle)
// or the frame of the run.
#pragma once

#include <QPixmap>
#include <QWidget>

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

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor background_;
  QPixmap picture_;
};

}  // namespace pelvoro
