// frmAbout: the program's title, version and description.
#pragma once

#include <QDialog>

namespace pelvoro {

class AboutDialog : public QDialog {
 public:
  explicit AboutDialog(QWidget* parent);
};

// "版本 0.1.0": the major, minor and revision numbers of the build.
QString versionText();

}  // namespace pelvoro
