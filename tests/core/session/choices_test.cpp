#include "session/choices.h"

#include <gtest/gtest.h>

#include "session/menu_state.h"
#include "session/run_control.h"

namespace pelvoro {
namespace {

using enum MenuId;

bool checked(const Session& s, MenuId id) { return menuEntryState(s, id).checked; }
bool enabled(const Session& s, MenuId id) { return menuEntryState(s, id).enabled; }
std::string captionOf(const Session& s, MenuId id) { return menuEntryState(s, id).caption; }

void chooseVehicleNamed(Session& s, std::string_view name, bool demoFileExists) {
  chooseVehicle(s, *findVehiclePreset(name));
  updateDemoAvailability(s, demoFileExists);
}

TEST(Choices, StartUpStateIsTheExamOfThePoleTestWith东南菱帅) {
  Session s = newSession();
  updateDemoAvailability(s, false);
  EXPECT_EQ(captionOf(s, mnu开始), "开始考试(&S)...");
  EXPECT_EQ(captionOf(s, mnu当前比例), "当前比例 30");
  EXPECT_EQ(windowTitle(s), "Pelvoro");
  for (MenuId on : {mnu东南菱帅, mnu桩考, mnu考试模式, mnu左大右小, mnu音效}) EXPECT_TRUE(checked(s, on));
  for (MenuId off : {mnu一汽捷达, mnu自由练习, mnu练习模式, mnu左右等宽, mnu起步向右, mnu车身轨迹线, mnu状态栏})
    EXPECT_FALSE(checked(s, off));
  for (MenuId disabled : {mnu演示模式, mnu起步向右, mnu车身轨迹线, mnu前轮轨迹线, mnu后轮轨迹线, mnu状态栏, mnu当前比例,
                          mnu牵引车, mnu坡道定点停车和起步})
    EXPECT_FALSE(enabled(s, disabled)) << menuEntry(disabled).caption;
  EXPECT_FALSE(menuEntryState(s, mnu返回).visible);
  EXPECT_TRUE(menuEntryState(s, mnu退出).visible);
  EXPECT_EQ(s.splitRatio, 0.75);
}

TEST(Choices, StartSideFollowsTheItemAndKeepsItsTick) {
  Session s = newSession();
  chooseItem(s, Item::通过单边桥);
  EXPECT_TRUE(enabled(s, mnu起步向右));
  toggleOption(s, mnu起步向右);
  EXPECT_EQ(previewKey(s.sim.selection), "通过单边桥_右");
  EXPECT_EQ(s.sim.selection.startSide(), "_右");

  chooseItem(s, Item::桩考);
  EXPECT_FALSE(enabled(s, mnu起步向右));
  EXPECT_TRUE(checked(s, mnu起步向右));
  EXPECT_EQ(previewKey(s.sim.selection), "桩考");
  chooseItem(s, Item::直角转弯);
  EXPECT_EQ(previewKey(s.sim.selection), "直角转弯_右");
  EXPECT_EQ(demoFilePath("程序", demoChoice(s.sim.selection)),
            std::filesystem::path(u8"程序") / u8"演示" / u8"东南菱帅_直角转弯_右.dem");
  chooseItem(s, Item::桩考);
  EXPECT_EQ(demoFilePath("", demoChoice(s.sim.selection)).filename(), std::filesystem::path(u8"东南菱帅_桩考.dem"));
}

TEST(Choices, FreePracticeForcesPracticeAndScale10AndLocksTheExam) {
  Session s = newSession();
  chooseItem(s, Item::自由练习);
  EXPECT_EQ(s.sim.selection.mode, Mode::练习模式);
  EXPECT_EQ(captionOf(s, mnu开始), "开始练习(&S)...");
  EXPECT_EQ(captionOf(s, mnu当前比例), "当前比例 10");
  EXPECT_FALSE(enabled(s, mnu考试模式));
  EXPECT_TRUE(enabled(s, mnu当前比例));
  EXPECT_TRUE(enabled(s, mnu状态栏));

  chooseItem(s, Item::桩考);
  EXPECT_TRUE(enabled(s, mnu考试模式));
  EXPECT_FALSE(enabled(s, mnu当前比例));
  EXPECT_EQ(s.sim.selection.mode, Mode::练习模式);
}

TEST(Choices, DemonstrationModeIsOfferedExactlyWhereAFileExists) {
  Session s = newSession();
  updateDemoAvailability(s, true);
  ASSERT_TRUE(enabled(s, mnu演示模式));
  chooseMode(s, Mode::演示模式);
  EXPECT_EQ(captionOf(s, mnu开始), "开始演示(&S)...");
  EXPECT_FALSE(enabled(s, mnu车身轨迹线));

  chooseVehicleNamed(s, "金龙海格", false);
  EXPECT_FALSE(enabled(s, mnu演示模式));
  EXPECT_TRUE(checked(s, mnu练习模式));
  EXPECT_FALSE(checked(s, mnu演示模式));
  EXPECT_EQ(captionOf(s, mnu开始), "开始练习(&S)...");
  // The fallback is a real practice mode: its trace lines and status bar can be used.
  EXPECT_TRUE(enabled(s, mnu车身轨迹线));
  EXPECT_TRUE(enabled(s, mnu状态栏));

  chooseVehicleNamed(s, "东南菱帅", true);
  EXPECT_TRUE(enabled(s, mnu演示模式));
  EXPECT_EQ(s.sim.selection.mode, Mode::练习模式);
}

TEST(Choices, StatusBarTickIsUsableOnlyInPracticeAndSurvivesModeChanges) {
  Session s = newSession();
  EXPECT_FALSE(menuEntryUsable(s, mnu状态栏));
  chooseMode(s, Mode::练习模式);
  ASSERT_TRUE(menuEntryUsable(s, mnu状态栏));
  toggleOption(s, mnu状态栏);
  chooseMode(s, Mode::考试模式);
  EXPECT_TRUE(checked(s, mnu状态栏));
  EXPECT_FALSE(s.sim.selection.statusBar.on());
  chooseMode(s, Mode::练习模式);
  EXPECT_TRUE(s.sim.selection.statusBar.on());
}

TEST(Choices, ScaleStepsStopBeforeZero) {
  Session s = newSession();
  decreaseScale(s);
  EXPECT_EQ(captionOf(s, mnu当前比例), "当前比例 20");
  EXPECT_TRUE(enabled(s, mnu比例减10));
  decreaseScale(s);
  EXPECT_EQ(s.sim.view.currentScale, 10);
  EXPECT_FALSE(enabled(s, mnu比例减10));
  decreaseScale(s);
  EXPECT_EQ(s.sim.view.currentScale, 10);
  increaseScale(s);
  EXPECT_EQ(s.sim.view.currentScale, 20);
  EXPECT_TRUE(enabled(s, mnu比例减10));
  for (int i = 0; i < 20; ++i) increaseScale(s);
  EXPECT_EQ(captionOf(s, mnu当前比例), "当前比例 220");
}

TEST(Choices, SplitEntriesSetTheRatioOfTheNextRun) {
  const std::pair<MenuId, double> cases[] = {{mnu左小右大, 0.25}, {mnu左右等宽, 0.5}, {mnu左大右小, 0.75}};
  Session s = newSession();
  for (const auto& [entry, ratio] : cases) {
    chooseSplit(s, entry);
    EXPECT_EQ(s.splitRatio, ratio);
    EXPECT_TRUE(checked(s, entry));
    EXPECT_EQ(layoutRatio(s), 0.75) << "idle always splits 3 : 1";
    beginStart(s);
    EXPECT_EQ(layoutRatio(s), ratio);
    returnToIdle(s);
  }
  EXPECT_FALSE(checked(s, mnu左小右大));
}

TEST(Choices, SoundAndTraceLinesOnlyInvertTheirTicks) {
  Session s = newSession();
  chooseMode(s, Mode::练习模式);
  toggleOption(s, mnu音效);
  toggleOption(s, mnu前轮轨迹线);
  EXPECT_FALSE(s.sim.selection.sound);
  EXPECT_TRUE(s.sim.selection.frontWheelTraceLine.on());
  EXPECT_FALSE(s.sim.selection.bodyTraceLine.checked);
  toggleOption(s, mnu音效);
  EXPECT_TRUE(checked(s, mnu音效));
}

}  // namespace
}  // namespace pelvoro
