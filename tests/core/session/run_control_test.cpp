#include "session/run_control.h"

#include <gtest/gtest.h>

#include "run/keys.h"
#include "session/choices.h"
#include "session/menu_state.h"

namespace pelvoro {
namespace {

using enum MenuId;

TEST(RunControl, KeysBeforeTheRunSeesThem) {
  struct Case {
    Phase phase;
    int key;
    KeyAction expected;
  };
  const Case cases[] = {
      {Phase::Idle, keys::Enter, KeyAction::Start},
      {Phase::Idle, keys::Esc, KeyAction::Quit},
      {Phase::Idle, keys::W, KeyAction::Ignore},
      {Phase::Running, keys::Esc, KeyAction::Return},
      {Phase::Running, keys::W, KeyAction::Drive},
      {Phase::Running, keys::Enter, KeyAction::Drive},
      {Phase::MessageShown, keys::Esc, KeyAction::ActOnMessageThenReturn},
      {Phase::MessageShown, keys::W, KeyAction::Ignore},
      {Phase::MessageShown, keys::Enter, KeyAction::Ignore},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "phase " << static_cast<int>(c.phase) << " key " << c.key);
    EXPECT_EQ(windowKeyAction(c.phase, c.key), c.expected);
  }
}

TEST(RunControl, RunningLocksTheChoiceMenusAndSwapsStartForReturn) {
  Session s = newSession();
  chooseItem(s, Item::通过单边桥);
  beginStart(s);
  EXPECT_EQ(windowTitle(s), "Pelvoro - 东南菱帅 - 通过单边桥 - 考试模式");
  for (MenuId locked : {mnu车型, mnu项目, mnu模式, mnu视图, mnu起步向右, mnu当前比例})
    EXPECT_FALSE(menuEntryState(s, locked).enabled) << menuEntry(locked).caption;
  EXPECT_FALSE(menuEntryState(s, mnu开始).visible);
  EXPECT_FALSE(menuEntryState(s, mnu退出).visible);
  EXPECT_TRUE(menuEntryState(s, mnu返回).visible);
  // Shortcuts of entries under a locked menu must not act either.
  EXPECT_FALSE(menuEntryUsable(s, mnu练习模式));
  EXPECT_FALSE(menuEntryUsable(s, mnu东南菱帅));
  EXPECT_TRUE(menuEntryUsable(s, mnu自定义颜色));
  EXPECT_TRUE(menuEntryUsable(s, mnu返回));

  returnToIdle(s);
  EXPECT_EQ(windowTitle(s), "Pelvoro");
  EXPECT_TRUE(menuEntryUsable(s, mnu练习模式));
  EXPECT_TRUE(menuEntryUsable(s, mnu起步向右));
}

TEST(RunControl, ReturnPutsScale30BackExceptAfterFreePractice) {
  Session s = newSession();
  beginStart(s);
  s.sim.view.currentScale = 17;  // as the fit of the item left it
  s.pictureMissing = 1;
  returnToIdle(s);
  EXPECT_EQ(s.sim.view.currentScale, 30);
  EXPECT_EQ(s.pictureMissing, 0);

  chooseItem(s, Item::自由练习);
  increaseScale(s);
  beginStart(s);
  returnToIdle(s);
  EXPECT_EQ(menuEntryState(s, mnu当前比例).caption, "当前比例 20");
}

TEST(RunControl, VerdictDecidesTheFollowUp) {
  Session s = newSession();
  beginStart(s);
  endRun(s, "车身碰杆!");
  EXPECT_EQ(s.phase, Phase::MessageShown);
  EXPECT_FALSE(isIdle(s));
  EXPECT_EQ(messageFollowUp(s), FollowUp::StartAgain);
  beginStart(s);
  EXPECT_TRUE(s.message.empty());
  endRun(s, "祝贺你!");
  EXPECT_EQ(messageFollowUp(s), FollowUp::OfferSaveThenReturn);
  endRun(s, "");
  EXPECT_EQ(messageFollowUp(s), FollowUp::Return);
}

TEST(RunControl, CloseBoxEndsOnlyTheRunWhileOneIsGoing) {
  Session s = newSession();
  EXPECT_TRUE(closeEndsProgram(s, true));
  beginStart(s);
  EXPECT_FALSE(closeEndsProgram(s, true));
  EXPECT_TRUE(closeEndsProgram(s, false));
  endRun(s, "车身出线!");
  EXPECT_FALSE(closeEndsProgram(s, true));
}

TEST(RunControl, StatusBarShowsOnlyDuringAPracticeRunWhenTicked) {
  Session s = newSession();
  chooseMode(s, Mode::练习模式);
  toggleOption(s, mnu状态栏);
  EXPECT_EQ(controlDisplay(s).statusBar, false);
  EXPECT_EQ(controlDisplay(s).banners, true);
  beginStart(s);
  EXPECT_EQ(controlDisplay(s).statusBar, true);
  EXPECT_EQ(controlDisplay(s).banners, false);
  returnToIdle(s);
  chooseMode(s, Mode::考试模式);
  beginStart(s);
  EXPECT_EQ(controlDisplay(s).statusBar, false);
}

}  // namespace
}  // namespace pelvoro
