// The main window's other commands: the scale, the colours, help and About.
#include "platform/paths.h"
#include "session/choices.h"
#include "shell/about_dialog.h"
#include "shell/colour_dialogs.h"
#include "shell/main_window.h"

namespace pelvoro {

void MainWindow::mnu比例减10_Click() { decreaseScale(session_); }
void MainWindow::mnu比例加10_Click() { increaseScale(session_); }

void MainWindow::mnu自定义颜色_Click() {
  CustomColourDialog dialog(colours_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  colours_ = dialog.colours();
  applyGroundColour();
  randomizeBannerColours();
}

std::filesystem::path MainWindow::helpFile() const {
  return seams_.folder.path() / std::filesystem::path(seams_.folder.executableName() + ".html");
}

void MainWindow::mnu帮助主题_Click() {
  const std::filesystem::path file = helpFile();
  std::error_code ec;
  if (std::filesystem::is_regular_file(file, ec))
    seams_.viewer.open(file);
  else
    seams_.dialogs.message("帮助", "帮助文件没有找到!\n\n" + pathText(file), MessageIcon::Error);
}

void MainWindow::mnu关于_Click() {
  AboutDialog about(this);
  about.exec();
}

}  // namespace pelvoro
