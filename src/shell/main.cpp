// pelvoro: the field driving-exam simulator.
#include <QApplication>
#include <QIcon>

#include "platform/effect_player.h"
#include "platform/paths.h"
#include "platform/qt_seams.h"
#include "platform/single_instance.h"
#include "shell/main_window.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
  using namespace pelvoro;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pelvoro"));
  QApplication::setApplicationVersion(QStringLiteral(PELVORO_VERSION));

  // A second copy never shows its window.
  const auto lock = lockSingleInstance(defaultLockFile());
  if (!lock) return 0;

  ApplicationFolder folder;
  QApplication::setWindowIcon(QIcon(toQString(folder.path() / "pelvoro.png")));
  QtDialogs dialogs;
  if (!soundReady(EffectPlayer::deviceAvailable(), folder.path(), dialogs)) return 1;
  EffectPlayer sound(folder.path());

  SystemClock clock;
  DesktopViewer viewer;
  QtTimer timer1, timer2;
  MainWindow window({dialogs, sound, clock, folder, viewer, timer1, timer2});
  dialogs.setParent(&window);
  window.show();
  return QApplication::exec();
}
