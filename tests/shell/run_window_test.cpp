#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "demo/demo_file.h"
#include "demo/shuffle.h"
#include "run/keys.h"
#include "session/choices.h"
#include "shell/fakes.h"

namespace pelvoro::testing {
namespace {

using enum MenuId;

QLabel* label(MainWindow& w, const char* name) { return w.findChild<QLabel*>(QString::fromUtf8(name)); }
QWidget* widget(MainWindow& w, const char* name) { return w.findChild<QWidget*>(QString::fromUtf8(name)); }

// Full speed ahead until the body leaves the ground: "车身出界!" in practice mode.
void driveOffTheGround(WindowFixture& f) {
  for (int i = 0; i < 10; ++i) {
    f.window->Form_KeyDown(keys::W);
    f.timer1.fire();
  }
  ASSERT_TRUE(f.tickUntilEnd(5000));
}

// The exam of the width gates, driven through the window's keys: one W for the
// full 20 km/h, then steering one step per tick at the next gate's centre.
void passWidthGates(WindowFixture& f) {
  MainWindow& w = *f.window;
  w.Form_KeyDown(keys::W);
  for (int i = 0; i < 3000 && f.timer1.isActive(); ++i) {
    const Simulation& sim = f.session().sim;
    const MotionState& m = sim.motion;
    const auto gate = static_cast<std::size_t>(std::clamp((sim.run.judgeStage + 1) / 2, 1, 3) - 1);
    const double aimY = m.vehicleY - 4 * sim.view.currentScale;  // the gates lie up the screen
    const double alpha = std::atan2(aimY - m.vehicleY, sim.field.gateCentres[gate].x - m.vehicleX) - m.heading;
    const double distance = std::hypot(aimY - m.vehicleY, sim.field.gateCentres[gate].x - m.vehicleX);
    const double wanted = std::atan(2 * sim.vehicle.wheelbase * std::sin(alpha) / distance) / sim.vehicle.steerStep;
    const double now = m.steerAngle / sim.vehicle.steerStep;
    if (std::lround(wanted) > std::lround(now)) w.Form_KeyDown(keys::D);
    if (std::lround(wanted) < std::lround(now)) w.Form_KeyDown(keys::A);
    f.timer1.fire();
  }
}

void writeDemo(WindowFixture& f, const std::vector<std::string>& records) {
  DemoLines lines{};
  std::copy(records.begin(), records.end(), lines.begin());
  const Selection& sel = f.session().sim.selection;
  ASSERT_TRUE(saveDemoFile(f.folder.path(), demoChoice(sel), lines).saved);
}

TEST(RunWindow, StartGoesFullScreenAndReturnRestoresTheIdleWindow) {
  WindowFixture f;
  MainWindow& w = f.open();
  const QSize idleSize = w.size();
  f.choose(mnu左小右大);
  f.choose(mnu开始);

  EXPECT_TRUE(w.isFullScreen());
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Pelvoro - 东南菱帅 - 桩考 - 考试模式"));
  EXPECT_EQ(label(w, "Label1")->text(), QStringLiteral("车辆俯视图:"));
  EXPECT_EQ(label(w, "Label2")->text(), QStringLiteral("场地俯视图:"));
  EXPECT_TRUE(f.timer1.isActive());
  EXPECT_EQ(f.timer1.interval, 60);
  EXPECT_TRUE(w.action(mnu返回)->isVisible());
  EXPECT_FALSE(w.action(mnu开始)->isVisible());
  EXPECT_FALSE(w.action(mnu车型)->isEnabled());
  EXPECT_FALSE(w.action(mnu练习模式)->isEnabled()) << "F3 must not change the mode during a run";
  EXPECT_TRUE(label(w, "Label3")->isHidden());
  // The run's split on the whole screen, and the scale fitted to the ground pane it lays out.
  const LayoutResult& l = w.layout();
  EXPECT_NEAR(l.closeUpPane.width, 0.25 * w.screen()->geometry().width() - 3, 1);
  EXPECT_EQ(f.session().sim.view.groundPaneRight, l.groundPane.width);
  const double scale = f.session().sim.view.currentScale;
  EXPECT_NE(scale, 30);
  EXPECT_EQ(w.action(mnu当前比例)->text(), QString::fromStdString(scaleCaption(scale)));

  f.timer1.fire();
  EXPECT_EQ(f.sound.plays(Sound::引擎), 1) << "the engine starts with the first tick";
  f.choose(mnu返回);
  EXPECT_FALSE(w.isFullScreen());
  EXPECT_EQ(w.size(), idleSize);
  EXPECT_NEAR(w.frameGeometry().center().x(), w.screen()->geometry().center().x(), 1) << "centred";
  EXPECT_NEAR(w.frameGeometry().center().y(), w.screen()->geometry().center().y(), 1);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Pelvoro"));
  EXPECT_EQ(w.action(mnu当前比例)->text(), QStringLiteral("当前比例 30"));
  EXPECT_EQ(label(w, "Label1")->text(), QStringLiteral("车型:东南菱帅"));
  EXPECT_FALSE(f.timer1.isActive());
  EXPECT_EQ(f.sound.calls.back(), (SoundCall{Sound::引擎, false, false}));
  EXPECT_NEAR(w.layout().closeUpPane.width, 0.75 * w.centralWidget()->width() - 3, 1) << "idle splits 3 : 1";
}

TEST(RunWindow, KeyEventsReachTheWindowAsVirtualKeys) {
  WindowFixture f;
  MainWindow& w = f.open();
  const auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&w, &event);
  };
  press(Qt::Key_Return);
  ASSERT_TRUE(f.timer1.isActive());
  press(Qt::Key_S);
  EXPECT_LT(f.session().sim.motion.speed, 0);
  press(Qt::Key_Escape);
  EXPECT_TRUE(isIdle(f.session()));
  EXPECT_TRUE(w.isVisible());
  press(Qt::Key_Escape);
  EXPECT_FALSE(w.isVisible()) << "Esc while idle closes the window, which ends the program";
}

TEST(RunWindow, RightClickOnAPicturePopsUpItsMenuOnlyWhileIdle) {
  WindowFixture f;
  MainWindow& w = f.open();
  const auto rightClick = [&](const char* name) {
    QWidget* target = widget(w, name);
    const QPointF at(5, 5);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::RightButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    const QString title = popup ? popup->title() : QString();
    if (popup) popup->close();
    return title;
  };
  EXPECT_EQ(rightClick("Picture1"), QStringLiteral("车型(&C)"));
  EXPECT_EQ(rightClick("Picture2"), QStringLiteral("项目(&X)"));
  EXPECT_EQ(rightClick("Label4"), QStringLiteral("车型(&C)"));
  f.choose(mnu开始);
  EXPECT_EQ(rightClick("Picture2"), QString());
}

TEST(RunWindow, FreePracticeKeepsItsScaleAfterReturn) {
  WindowFixture f;
  MainWindow& w = f.open();
  f.choose(mnu自由练习);
  f.choose(mnu比例加10);
  f.choose(mnu开始);
  EXPECT_EQ(f.session().sim.view.currentScale, 20);
  f.choose(mnu返回);
  EXPECT_EQ(w.action(mnu当前比例)->text(), QStringLiteral("当前比例 20"));
}

TEST(RunWindow, KeysTakeOneStepPerTickAndTheDigitsTickTheTraceLines) {
  WindowFixture f;
  MainWindow& w = f.open();
  f.choose(mnu练习模式);
  f.choose(mnu状态栏);
  w.Form_KeyDown(keys::Enter);
  ASSERT_TRUE(f.timer1.isActive());
  EXPECT_FALSE(widget(w, "StatusBar1")->isHidden());
  const double step = f.session().sim.vehicle.steerStep;
  for (int i = 0; i < 3; ++i) w.Form_KeyDown(keys::Right);
  EXPECT_DOUBLE_EQ(f.session().sim.motion.steerAngle, step);
  f.timer1.fire();
  w.Form_KeyDown(keys::Right);
  EXPECT_DOUBLE_EQ(f.session().sim.motion.steerAngle, 2 * step);
  w.Form_KeyDown(keys::Enter);
  EXPECT_TRUE(f.timer1.isActive()) << "Enter does nothing during a run";

  w.Form_KeyDown(keys::Digit1);
  EXPECT_TRUE(w.action(mnu车身轨迹线)->isChecked());
  w.Form_KeyDown(keys::Numpad1);
  EXPECT_FALSE(w.action(mnu车身轨迹线)->isChecked());
  // The status bar shows the readouts of the last frame.
  EXPECT_FALSE(w.findChild<QLabel*>(QStringLiteral("车速"))->text().isEmpty());
}

TEST(RunWindow, FaultShowsItsVerdictThenTheSameItemStartsAgain) {
  WindowFixture f;
  MainWindow& w = f.open();
  f.choose(mnu练习模式);
  f.choose(mnu开始);
  driveOffTheGround(f);

  EXPECT_EQ(label(w, "Label5")->text(), QStringLiteral("车身出界!"));
  EXPECT_EQ(label(w, "Label5")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(label(w, "Label5")->font().pointSize(), 42);
  EXPECT_TRUE(label(w, "Label5")->font().bold());
  QWidget* panel = widget(w, "Picture3");
  EXPECT_TRUE(panel->isVisible());
  EXPECT_NEAR(panel->geometry().center().x(), w.centralWidget()->width() / 2, 1);
  EXPECT_TRUE(f.timer2.isActive());
  EXPECT_EQ(f.timer2.interval, 3000);
  EXPECT_EQ(f.sound.plays(Sound::撞车), 1);
  EXPECT_EQ(f.sound.plays(Sound::起哄), 1);
  EXPECT_EQ(f.sound.plays(Sound::犯规), 0);

  const double speed = f.session().sim.motion.speed;
  w.Form_KeyDown(keys::S);
  EXPECT_EQ(f.session().sim.motion.speed, speed) << "keys are ignored while the verdict is shown";

  f.timer2.fire();
  EXPECT_FALSE(panel->isVisible());
  EXPECT_FALSE(f.timer2.isActive());
  EXPECT_TRUE(f.timer1.isActive());
  EXPECT_EQ(f.session().sim.run.elapsedSeconds, 0);
  EXPECT_EQ(f.session().sim.motion.speed, 0);
  EXPECT_TRUE(w.isFullScreen());
}

TEST(RunWindow, EscOrReturnWhileAVerdictIsShownGoesBackToIdleAtOnce) {
  for (const bool byMenu : {false, true}) {
    SCOPED_TRACE(byMenu ? "menu" : "Esc");
    WindowFixture f;
    MainWindow& w = f.open();
    f.choose(mnu练习模式);
    f.choose(mnu开始);
    driveOffTheGround(f);
    if (byMenu)
      f.choose(mnu返回);
    else
      w.Form_KeyDown(keys::Esc);
    EXPECT_TRUE(isIdle(f.session()));
    EXPECT_FALSE(f.timer1.isActive());
    EXPECT_FALSE(f.timer2.isActive()) << "no timer left to start a run after the return";
    EXPECT_FALSE(w.isFullScreen());
  }
}

TEST(RunWindow, SoundOffPlaysNothingButTheVerdictIsTheSame) {
  WindowFixture f;
  MainWindow& w = f.open();
  f.choose(mnu练习模式);
  f.choose(mnu音效);
  f.choose(mnu开始);
  driveOffTheGround(f);
  for (const SoundCall& c : f.sound.calls) EXPECT_FALSE(c.play);
  EXPECT_EQ(label(w, "Label5")->text(), QStringLiteral("车身出界!"));
  EXPECT_TRUE(f.timer2.isActive());
}

TEST(RunWindow, CloseBoxEndsTheRunAndASecondCloseTheProgram) {
  WindowFixture f;
  MainWindow& w = f.open();
  f.choose(mnu开始);
  EXPECT_FALSE(w.closeRequest(true));
  EXPECT_TRUE(isIdle(f.session()));
  EXPECT_EQ(f.session().sim.run.judgeStage, -2);
  EXPECT_FALSE(f.timer1.isActive());
  EXPECT_TRUE(w.closeRequest(true));

  f.choose(mnu开始);
  EXPECT_TRUE(w.closeRequest(false)) << "a close from the program ends it even during a run";
  EXPECT_FALSE(f.timer1.isActive());
}

TEST(RunWindow, DemonstrationReplaysItsFileAndEndsWithThePrompt) {
  WindowFixture f;
  MainWindow& w = f.open();
  EXPECT_FALSE(w.action(mnu演示模式)->isEnabled());
  writeDemo(f, {"abc=0.12, def=0, gh=1;", "abc=0.6, def=0, gh=0;"});
  f.choose(mnu东南菱帅);  // availability is checked when a choice changes
  ASSERT_TRUE(w.action(mnu演示模式)->isEnabled());
  f.choose(mnu演示模式);
  EXPECT_EQ(w.action(mnu开始)->text(), QStringLiteral("开始演示(&S)..."));
  f.choose(mnu开始);
  ASSERT_TRUE(f.timer1.isActive());
  w.Form_KeyDown(keys::W);
  EXPECT_EQ(f.session().sim.motion.speed, 0) << "keys do not drive a demonstration";
  ASSERT_TRUE(f.tickUntilEnd(100));
  EXPECT_EQ(label(w, "Label5")->text(), QStringLiteral("演示结束!"));
  EXPECT_EQ(f.sound.plays(Sound::提示), 1);
  f.timer2.fire();
  EXPECT_TRUE(isIdle(f.session()));
  EXPECT_TRUE(w.action(mnu演示模式)->isChecked()) << "the file is still there";
}

TEST(RunWindow, PassedExamIsSavedOnRequestAndReplaysAsADemonstration) {
  WindowFixture f;
  MainWindow& w = f.open();
  f.choose(mnu限速通过限宽门);
  f.choose(mnu开始);
  passWidthGates(f);
  ASSERT_EQ(label(w, "Label5")->text(), QStringLiteral("祝贺你!"));
  EXPECT_EQ(label(w, "Label5")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
  EXPECT_EQ(f.sound.plays(Sound::祝贺), 1);
  EXPECT_EQ(f.sound.plays(Sound::鼓励), 1);
  const double passedAtY = f.session().sim.motion.vehicleY;

  f.dialogs.answers = {true};
  f.timer2.fire();
  ASSERT_EQ(f.dialogs.asked.size(), 1u);
  EXPECT_EQ(f.dialogs.asked[0].text, "是否保存为演示? ");
  EXPECT_TRUE(isIdle(f.session()));
  EXPECT_TRUE(std::filesystem::exists(f.folder.path() / u8"演示" / u8"东南菱帅_限速通过限宽门.dem"));
  ASSERT_TRUE(w.action(mnu演示模式)->isEnabled());

  f.choose(mnu演示模式);
  f.choose(mnu开始);
  ASSERT_TRUE(f.tickUntilEnd(3000));
  EXPECT_EQ(label(w, "Label5")->text(), QStringLiteral("演示结束!"));
  EXPECT_NEAR(f.session().sim.motion.vehicleY, passedAtY, f.session().sim.view.currentScale)
      << "the replay drives the recorded run to where it passed";
}

TEST(RunWindow, FailedSaveIsReportedAndNoDemonstrationIsOffered) {
  WindowFixture f;
  MainWindow& w = f.open();
  std::ofstream(toPath(f.dir.path()) / u8"演示") << "a file where the folder should be";
  f.choose(mnu限速通过限宽门);
  f.choose(mnu开始);
  passWidthGates(f);
  ASSERT_EQ(f.session().message, "祝贺你!");
  f.dialogs.answers = {true};
  f.timer2.fire();
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].icon, MessageIcon::Error);
  EXPECT_EQ(f.dialogs.shown[0].text.rfind("演示文件没有保存!\n\n", 0), 0u) << f.dialogs.shown[0].text;
  EXPECT_TRUE(isIdle(f.session()));
  EXPECT_FALSE(w.action(mnu演示模式)->isEnabled());
}

TEST(RunWindow, UnreadableDemonstrationIsReportedAndTheRunDoesNotStart) {
  WindowFixture f;
  MainWindow& w = f.open();
  const auto file = demoFilePath(f.folder.path(), demoChoice(f.session().sim.selection));
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file) << "not a demonstration\r\n";
  f.choose(mnu桩考);
  f.choose(mnu演示模式);
  f.choose(mnu开始);
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].text, "\"" + pathText(file) + "\"不是有效的演示文件!");
  EXPECT_TRUE(isIdle(f.session()));
  EXPECT_FALSE(f.timer1.isActive());
  EXPECT_FALSE(w.isFullScreen());
}

TEST(RunWindow, EmptyVerdictShowsTheUnknownErrorAndReturns) {
  WindowFixture f;
  MainWindow& w = f.open();
  writeDemo(f, {"abc=zz, def=0, gh=0;"});  // a time that is no number ends the replay without a text
  f.choose(mnu东南菱帅);
  f.choose(mnu演示模式);
  f.choose(mnu开始);
  ASSERT_TRUE(f.tickUntilEnd(10));
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].text, "遇到未知错误!");
  EXPECT_EQ(f.dialogs.shown[0].icon, MessageIcon::Error);
  EXPECT_FALSE(widget(w, "Picture3")->isVisible());
  for (const SoundCall& c : f.sound.calls) EXPECT_FALSE(c.play && c.sound != Sound::引擎);
  f.timer2.fire();
  EXPECT_TRUE(isIdle(f.session()));
}

}  // namespace
}  // namespace pelvoro::testing
