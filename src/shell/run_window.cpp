// The main window during a run: Start, the tick, the keys, the verdict and Return.
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>

#include "demo/demo_file.h"
#include "platform/key_codes.h"
#include "platform/paths.h"
#include "render/vehicle_drawing.h"
#include "run/keyboard.h"
#include "run/start.h"
#include "run/tick.h"
#include "session/choices.h"
#include "session/run_control.h"
#include "shell/main_window.h"
#include "shell/pane_widget.h"

namespace pelvoro {

namespace {

constexpr int kMessageMilliseconds = 3000;
constexpr QColor kSuccessColour{0, 255, 0};
constexpr QColor kFaultColour{255, 0, 0};
const char* const kTitle = "Pelvoro";

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void MainWindow::mnu开始_Click() {
  beginStart(session_);
  label5_->clear();
  setWindowTitle(text(pelvoro::windowTitle(session_)));

  const Selection& sel = session_.sim.selection;
  std::optional<DemoLines> demo;
  if (sel.mode == Mode::演示模式) {
    demo = loadDemoFile(seams_.folder.path(), demoChoice(sel));
    if (!demo) {
      seams_.dialogs.message(kTitle, invalidDemoFileMessage(demoFilePath(seams_.folder.path(), demoChoice(sel))),
                             MessageIcon::None);
      seams_.timer1.stop();
      returnToIdle();
      return;
    }
  }

  控件显示();
  setPanesVisible(false);
  label1_->setText(QStringLiteral("车辆俯视图:"));
  label2_->setText(QStringLiteral("场地俯视图:"));
  applyGroundColour();
  picture1_->clearPicture();
  picture2_->clearPicture();

  // The run's layout is needed now for the scale fit; the window system's
  // resize lays the panes out again when it arrives. The geometry is set too,
  // for a desktop without a window manager to honour the full-screen state.
  const QRect screenArea = screen()->geometry();
  setGeometry(screenArea);
  setWindowState(windowState() | Qt::WindowFullScreen);
  设定边界(QSize(screenArea.width(), screenArea.height() - menuBar()->sizeHint().height()));
  setPanesVisible(true);

  StartEnvironment env;
  env.vehPaneWidth = layout_.closeUpPane.width;
  env.vehPaneHeight = layout_.closeUpPane.height;
  env.groundPaneWidth = layout_.groundPane.width;
  env.groundPaneHeight = layout_.groundPane.height;
  env.screenWidth = screenArea.width();
  env.screenHeight = screenArea.height();
  env.randomSeed = seams_.clock.randomSeed();
  env.demoLines = demo ? &*demo : nullptr;
  if (startRun(session_.sim, env) == StartResult::VehicleTooLarge) {
    seams_.dialogs.message(kTitle, "你选的车型太大了!", MessageIcon::None);
    returnToIdle();
    return;
  }
  refreshMenus();
  seams_.timer1.start(static_cast<int>(session_.sim.run.tickInterval));
}

// The menu entry, Esc and the close box: a verdict still on screen is acted on
// first, so that its timer cannot start a run after the return to idle.
void MainWindow::mnu返回_Click() {
  if (session_.phase == Phase::MessageShown) Timer2_Timer();
  if (!isIdle(session_)) returnToIdle();
}

void MainWindow::setPanesVisible(bool visible) {
  for (QWidget* w : std::initializer_list<QWidget*>{label1_, label2_, picture1_, picture2_}) w->setVisible(visible);
}

void MainWindow::returnToIdle() {
  seams_.sound.stop(Sound::引擎);
  seams_.timer1.stop();
  pelvoro::returnToIdle(session_);
  applyGroundColour();
  setPanesVisible(false);

  setWindowState(windowState() & ~Qt::WindowFullScreen);
  resize(savedWindowSize_);
  const QRect screenArea = screen()->geometry();
  move((screenArea.width() - frameGeometry().width()) / 2, (screenArea.height() - frameGeometry().height()) / 2);

  label1_->setText(QStringLiteral("车型:") + QString::fromUtf8(session_.sim.selection.vehicleCaption()));
  label2_->setText(QStringLiteral("项目:") + QString::fromUtf8(caption(session_.sim.selection.item)));
  showIdlePictures();
  控件显示();
  updateDemoAvailability();
  设定边界(clientSize());
  setPanesVisible(true);
  setWindowTitle(text(pelvoro::windowTitle(session_)));
  refreshMenus();
}

void MainWindow::Timer1_Timer() {
  session_.message.clear();
  const Selection& sel = session_.sim.selection;
  if (sel.sound)
    seams_.sound.play(Sound::引擎, true);
  else
    seams_.sound.stop(Sound::引擎);

  const QSize screenSize = screen()->geometry().size();
  TickResult result = tick(session_.sim, screenSize.width(), screenSize.height());
  if (result.moved) drawFrame();
  if (result.ended) endOfRun(std::move(result.message));
}

void MainWindow::endOfRun(std::string message) {
  seams_.sound.stop(Sound::引擎);
  seams_.timer1.stop();
  endRun(session_, std::move(message));

  const MessageClass kind = classifyMessage(session_.message);
  label5_->setText(text(session_.message));
  QPalette palette = label5_->palette();
  palette.setColor(QPalette::WindowText, kind == MessageClass::Success ? kSuccessColour : kFaultColour);
  label5_->setPalette(palette);
  label5_->adjustSize();
  label5_->move(0, 0);
  picture3_->resize(label5_->size());
  const QSize client = clientSize();
  picture3_->move(client.width() / 2 - picture3_->width() / 2, client.height() / 2 - picture3_->height() / 2);
  picture3_->setVisible(!session_.message.empty());
  picture3_->raise();
  seams_.timer2.start(kMessageMilliseconds);

  if (kind == MessageClass::None) {
    seams_.dialogs.message(kTitle, std::string(kUnknownErrorMessage), MessageIcon::Error);
    return;
  }
  if (session_.sim.selection.sound)
    for (Sound s : endOfRunSounds(kind)) seams_.sound.play(s, false);
}

void MainWindow::Timer2_Timer() {
  seams_.timer2.stop();
  picture3_->hide();
  switch (messageFollowUp(session_)) {
    case FollowUp::StartAgain: mnu开始_Click(); return;
    case FollowUp::Return: returnToIdle(); return;
    case FollowUp::OfferSaveThenReturn:
      if (seams_.dialogs.ask(kTitle, "是否保存为演示? ")) saveDemonstration();
      returnToIdle();
      return;
  }
}

void MainWindow::drawFrame() {
  const QScreen* s = screen();
  FrameSettings settings;
  settings.screenWidth = s->geometry().width();
  settings.screenHeight = s->geometry().height();
  settings.logicalDpi = s->logicalDotsPerInch();
  settings.windowInnerWidth = clientSize().width();
  settings.colours = colours_;
  Frame frame = 画车辆(session_.sim, settings);
  picture1_->setDisplayList(std::move(frame.closeUp));
  picture2_->setDisplayList(std::move(frame.ground));
  for (std::size_t i = 0; i < statusPanels_.size(); ++i) statusPanels_[i]->setText(text(frame.readouts[i]));
}

void MainWindow::saveDemonstration() {
  const Selection& sel = session_.sim.selection;
  const DemoSaveResult saved = saveDemoFile(seams_.folder.path(), demoChoice(sel), session_.sim.demo.demoLines);
  if (!saved.saved)
    seams_.dialogs.message(kTitle, "演示文件没有保存!\n\n" + saved.reason, MessageIcon::Error);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  Form_KeyDown(virtualKeyOf(event->key(), event->modifiers()));
}

void MainWindow::Form_KeyDown(int key) {
  switch (windowKeyAction(session_.phase, key)) {
    case KeyAction::Start: mnu开始_Click(); return;
    case KeyAction::Quit: mnu退出_Click(); return;
    case KeyAction::Return:
    case KeyAction::ActOnMessageThenReturn: mnu返回_Click(); return;
    case KeyAction::Ignore: return;
    case KeyAction::Drive:
      handleRunKey(session_.sim, key);
      refreshMenus();  // keys 1 to 3 tick the trace lines
      return;
  }
}

bool MainWindow::closeRequest(bool fromCloseBox) {
  if (closeEndsProgram(session_, fromCloseBox)) {
    seams_.timer1.stop();
    seams_.timer2.stop();
    for (int i = 0; i < kSoundCount; ++i) seams_.sound.stop(static_cast<Sound>(i));
    return true;
  }
  session_.sim.run.judgeStage = -2;
  mnu返回_Click();
  return false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The close box and the window manager send spontaneous events; close() from the program does not.
  if (closeRequest(event->spontaneous()))
    event->accept();
  else
    event->ignore();
}

void MainWindow::mnu退出_Click() { close(); }

}  // namespace pelvoro
