#include "shell/about_dialog.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace pelvoro {

namespace {
// About 5730 × 3105 twips.
constexpr QSize kAboutSize{382, 207};

QFrame* separator() {
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}
}  // namespace

QString versionText() { return QStringLiteral("版本 ") + QStringLiteral(PELVORO_VERSION); }

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("关于 Pelvoro"));

  auto* icon = new QLabel;
  icon->setPixmap(windowIcon().pixmap(48, 48));
  auto* title = new QLabel(QStringLiteral("Pelvoro"));
  title->setObjectName(QStringLiteral("lblTitle"));
  QFont titleFont = title->font();
  titleFont.setPointSize(titleFont.pointSize() * 2);
  titleFont.setBold(true);
  title->setFont(titleFont);
  auto* version = new QLabel(versionText());
  version->setObjectName(QStringLiteral("lblVersion"));
  auto* description = new QLabel(QStringLiteral(
      "版权所有 © Pelvoro 的作者们。本软件按原样提供，不附带任何担保。\n\n"
      "场地驾驶考试模拟软件：用键盘驾驶十七种车型，练习场地驾驶考试的八个项目。"));
  description->setObjectName(QStringLiteral("lblDescription"));
  description->setWordWrap(true);
  auto* ok = new QPushButton(QStringLiteral("确定"));
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);  // Enter closes; Esc closes as a dialog's cancel
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* grid = new QGridLayout(this);
  grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
  grid->addWidget(title, 0, 1);
  grid->addWidget(version, 1, 1);
  grid->addWidget(description, 2, 1);
  grid->addWidget(separator(), 3, 0, 1, 2);
  grid->addWidget(separator(), 4, 0, 1, 2);
  grid->addWidget(ok, 5, 1, Qt::AlignRight);
  // The width of the design; the height grows where a font needs more room for the text.
  setFixedSize(kAboutSize.width(), std::max(kAboutSize.height(), heightForWidth(kAboutSize.width())));
}

}  // namespace pelvoro
