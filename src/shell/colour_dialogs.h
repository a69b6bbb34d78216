// Form自定义颜色, the eight swatches of the colour table, and
// Form简化颜色表, the palette a swatch takes its new colour from.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "render/colours.h"

class QAbstractButton;
class QLabel;

namespace pelvoro {

class CustomColourDialog : public QDialog {
 public:
  CustomColourDialog(const ColourTable& table, QWidget* parent);

  // The table as "确定(&O)" leaves it: the swatches copied in.
  ColourTable colours() const;
  const ColourSwatches& swatches() const { return swatches_; }
  // Label颜色图示_Click: opens the palette below the dialog for swatch `index`.
  void editSwatch(std::size_t index);
  void setSwatch(std::size_t index, Rgb colour);

 private:
  void showSwatch(std::size_t index);
  void 缺省();

  ColourTable table_;
  ColourSwatches swatches_{};
  std::array<QAbstractButton*, kColourCount> swatchButtons_{};
};

class PaletteDialog : public QDialog {
 public:
  // `current` is marked in the cells that show it.
  PaletteDialog(Rgb current, QWidget* parent);

  // The cell picked with the left button; none after "取消".
  std::optional<Rgb> picked() const { return picked_; }
  void pick(std::size_t cell);
  QRect cellRect(std::size_t cell) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Palette palette_;
  std::vector<std::size_t> marked_;
  std::optional<Rgb> picked_;
};

}  // namespace pelvoro
