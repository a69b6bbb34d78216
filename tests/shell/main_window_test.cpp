#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <gtest/gtest.h>

#include <fstream>

#include "session/menu_state.h"
#include "shell/fakes.h"
#include "shell/pane_widget.h"

namespace pelvoro::testing {
namespace {

using enum MenuId;

QString labelText(MainWindow& w, const char* name) { return w.findChild<QLabel*>(QString::fromUtf8(name))->text(); }
PaneWidget* pane(MainWindow& w, const char* name) { return w.findChild<PaneWidget*>(QString::fromUtf8(name)); }

void writePicture(const std::filesystem::path& programFolder, std::string_view vehicle) {
  std::filesystem::create_directories(programFolder / kPictureFolder);
  QImage photo(64, 48, QImage::Format_RGB32);
  photo.fill(Qt::darkBlue);
  ASSERT_TRUE(photo.save(toQString(resourcePath(programFolder, kPictureFolder, std::string(vehicle) + ".jpg")), "JPG"));
}

TEST(MainWindow, StartsIdleInTheExamOfThePoleTest) {
  WindowFixture f;
  MainWindow& w = f.open();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Pelvoro"));
  EXPECT_EQ(w.action(mnu开始)->text(), QStringLiteral("开始考试(&S)..."));
  EXPECT_EQ(w.action(mnu开始)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
  EXPECT_FALSE(w.action(mnu返回)->isVisible());
  EXPECT_TRUE(w.action(mnu东南菱帅)->isChecked());
  EXPECT_TRUE(w.action(mnu考试模式)->isChecked());
  EXPECT_TRUE(w.action(mnu音效)->isChecked());
  EXPECT_TRUE(w.action(mnu左大右小)->isChecked());
  EXPECT_FALSE(w.action(mnu演示模式)->isEnabled()) << "no demonstration file in a fresh folder";
  EXPECT_FALSE(w.action(mnu牵引车)->isEnabled());
  EXPECT_EQ(w.action(mnu当前比例)->text(), QStringLiteral("当前比例 30"));
  EXPECT_EQ(labelText(w, "Label1"), QStringLiteral("车型:东南菱帅"));
  EXPECT_EQ(labelText(w, "Label2"), QStringLiteral("项目:桩考"));
  EXPECT_TRUE(w.findChild<QStatusBar*>(QStringLiteral("StatusBar1"))->isHidden());
  EXPECT_TRUE(pane(w, "Picture2")->hasPicture()) << "the item preview";
  // The menu bar holds the seven menus in order.
  QStringList bar;
  for (QAction* a : w.menuBar()->actions()) bar << a->text();
  EXPECT_EQ(bar, (QStringList{"程序(&P)", "车型(&C)", "项目(&X)", "模式(&M)", "视图(&V)", "设置(&S)", "帮助(&H)"}));
}

TEST(MainWindow, MissingPhotoShowsTheLargeBannerAndAPresentOneShowsThePhoto) {
  WindowFixture f;
  writePicture(f.folder.path(), "金龙海格");
  MainWindow& w = f.open();
  EXPECT_EQ(f.session().pictureMissing, 1);
  EXPECT_FALSE(pane(w, "Picture1")->hasPicture());
  auto* banner = w.findChild<QLabel*>(QStringLiteral("Label3"));
  EXPECT_EQ(banner->font().pointSizeF(), 72);
  EXPECT_NEAR(banner->geometry().center().x(), pane(w, "Picture1")->width() / 2, 1);

  f.choose(mnu金龙海格);
  EXPECT_EQ(f.session().pictureMissing, 0);
  EXPECT_TRUE(pane(w, "Picture1")->hasPicture());
  EXPECT_EQ(banner->font().pointSizeF(), 48);
  EXPECT_EQ(banner->pos(), QPoint(10, 0));
  EXPECT_EQ(labelText(w, "Label1"), QStringLiteral("车型:金龙海格"));
  EXPECT_TRUE(w.action(mnu金龙海格)->isChecked());
  EXPECT_FALSE(w.action(mnu东南菱帅)->isChecked());
}

TEST(MainWindow, ItemChoicesFollowTheRules) {
  WindowFixture f;
  MainWindow& w = f.open();
  f.choose(mnu通过单边桥);
  ASSERT_TRUE(w.action(mnu起步向右)->isEnabled());
  f.choose(mnu起步向右);
  EXPECT_EQ(labelText(w, "Label2"), QStringLiteral("项目:通过单边桥"));
  f.choose(mnu自由练习);
  EXPECT_TRUE(w.action(mnu练习模式)->isChecked());
  EXPECT_FALSE(w.action(mnu考试模式)->isEnabled());
  EXPECT_EQ(w.action(mnu当前比例)->text(), QStringLiteral("当前比例 10"));
  EXPECT_EQ(w.action(mnu开始)->text(), QStringLiteral("开始练习(&S)..."));
  EXPECT_TRUE(w.action(mnu比例加10)->isEnabled());
  f.choose(mnu比例加10);
  EXPECT_EQ(w.action(mnu当前比例)->text(), QStringLiteral("当前比例 20"));
}

TEST(MainWindow, HelpOpensTheFileBesideTheProgramOrSaysItIsMissing) {
  WindowFixture f;
  f.open();
  f.choose(mnu帮助主题);
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  const std::filesystem::path help = f.folder.path() / "pelvoro.html";
  EXPECT_EQ(f.dialogs.shown[0].title, "帮助");
  EXPECT_EQ(f.dialogs.shown[0].text, "帮助文件没有找到!\n\n" + pathText(help));
  EXPECT_EQ(f.dialogs.shown[0].icon, MessageIcon::Error);
  EXPECT_TRUE(f.viewer.opened.empty());

  std::ofstream(help) << "<html></html>";
  f.choose(mnu帮助主题);
  EXPECT_EQ(f.viewer.opened, std::vector<std::filesystem::path>{help});
  EXPECT_EQ(f.dialogs.shown.size(), 1u);
}

}  // namespace
}  // namespace pelvoro::testing
