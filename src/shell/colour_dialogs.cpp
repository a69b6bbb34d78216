#include "shell/colour_dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace pelvoro {

namespace {

constexpr int kSwatchSize = 18;
constexpr int kCellPitch = 22;
constexpr int kPaletteColumns = 9;
constexpr QSize kPaletteSize{204, 93};
constexpr QPoint kPaletteOrigin{5, 4};  // centres nine by four cells in the window

// The dialog's three rows, as table indices: poles, body, front wheels; aux
// lines, axles, rear wheels; ground, boundary lines.
constexpr std::array<std::array<int, 3>, 3> kRows{{{2, 4, 6}, {3, 5, 7}, {0, 1, -1}}};

QColor toQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

void paintSwatch(QAbstractButton* button, Rgb c) {
  button->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;").arg(toQColor(c).name()));
}

QString label(std::size_t index) { return QString::fromUtf8(colourEntries()[index].label.data()); }

}  // namespace

CustomColourDialog::CustomColourDialog(const ColourTable& table, QWidget* parent) : QDialog(parent), table_(table) {
  setWindowTitle(QStringLiteral("自定义颜色"));
  for (std::size_t i = 0; i < kColourCount; ++i) swatches_[i] = colourAt(table, i);

  auto* grid = new QGridLayout;
  for (std::size_t row = 0; row < kRows.size(); ++row)
    for (std::size_t col = 0; col < kRows[row].size(); ++col) {
      if (kRows[row][col] < 0) continue;
      const auto index = static_cast<std::size_t>(kRows[row][col]);
      auto* name = new QLabel(label(index));
      name->setObjectName(QStringLiteral("Label颜色名称%1").arg(index));
      auto* swatch = new QToolButton;
      swatch->setObjectName(QStringLiteral("Label颜色图示%1").arg(index));
      swatch->setFixedSize(kSwatchSize, kSwatchSize);
      connect(swatch, &QToolButton::clicked, this, [this, index] { editSwatch(index); });
      swatchButtons_[index] = swatch;
      showSwatch(index);
      grid->addWidget(name, static_cast<int>(row), static_cast<int>(col * 2), Qt::AlignRight);
      grid->addWidget(swatch, static_cast<int>(row), static_cast<int>(col * 2 + 1));
    }

  auto* ok = new QPushButton(QStringLiteral("确定(&O)"));
  auto* cancel = new QPushButton(QStringLiteral("取消(&C)"));
  auto* defaults = new QPushButton(QStringLiteral("缺省(&D)"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(defaults, &QPushButton::clicked, this, &CustomColourDialog::缺省);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {ok, cancel, defaults}) buttons->addWidget(b);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

ColourTable CustomColourDialog::colours() const {
  ColourTable table = table_;
  for (std::size_t i = 0; i < kColourCount; ++i) colourAt(table, i) = swatches_[i];
  return table;
}

void CustomColourDialog::editSwatch(std::size_t index) {
  QString name = label(index);
  name.chop(1);  // the colon
  setWindowTitle(QStringLiteral("自定义") + name + QStringLiteral("颜色"));
  PaletteDialog palette(swatches_[index], this);
  palette.move(frameGeometry().left(), frameGeometry().bottom() + 1);
  palette.exec();
  if (palette.picked()) setSwatch(index, *palette.picked());
  setWindowTitle(QStringLiteral("自定义颜色"));
}

void CustomColourDialog::setSwatch(std::size_t index, Rgb colour) {
  swatches_[index] = colour;
  showSwatch(index);
}

void CustomColourDialog::showSwatch(std::size_t index) { paintSwatch(swatchButtons_[index], swatches_[index]); }

void CustomColourDialog::缺省() {
  ColourTable untouched = table_;
  pelvoro::缺省颜色(swatches_, untouched, false);
  for (std::size_t i = 0; i < kColourCount; ++i) showSwatch(i);
}

PaletteDialog::PaletteDialog(Rgb current, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), palette_(loadedPalette()) {
  setFixedSize(kPaletteSize);
  marked_ = markedCells(palette_, current);
  for (std::size_t i = 0; i < kPaletteCellCount; ++i) {
    auto* cell = new QToolButton(this);
    cell->setObjectName(QStringLiteral("Label1_%1").arg(i));
    cell->setGeometry(cellRect(i));
    cell->setToolTip(QString::fromStdString(palette_.cells[i].tooltip));
    paintSwatch(cell, palette_.cells[i].colour);
    // A press of the left button picks, as the cells of a palette do.
    connect(cell, &QToolButton::pressed, this, [this, i] { pick(i); });
  }
  // "取消" takes the place of the last two cells of the fourth row.
  auto* cancel = new QPushButton(QStringLiteral("取消"), this);
  cancel->setGeometry(QRect(cellRect(kPaletteCellCount).topLeft(), cellRect(kPaletteCellCount + 1).bottomRight()));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QRect PaletteDialog::cellRect(std::size_t cell) const {
  const int column = static_cast<int>(cell) % kPaletteColumns;
  const int row = static_cast<int>(cell) / kPaletteColumns;
  return QRect(kPaletteOrigin.x() + column * kCellPitch, kPaletteOrigin.y() + row * kCellPitch, kSwatchSize, kSwatchSize);
}

void PaletteDialog::pick(std::size_t cell) {
  picked_ = palette_.cells[cell].colour;
  accept();
}

void PaletteDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));  // no title bar: the frame shows where it ends
  for (std::size_t cell : marked_) {
    const QRect r = cellRect(cell);
    painter.drawRect(QRect(r.left() - 2, r.top() - 2, r.width() + 2, r.height() + 2));
  }
}

}  // namespace pelvoro
