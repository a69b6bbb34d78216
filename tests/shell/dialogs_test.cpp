#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>

#include "shell/about_dialog.h"
#include "shell/colour_dialogs.h"
#include "shell/fakes.h"
#include "shell/startup.h"

namespace pelvoro::testing {
namespace {

void writeFile(const std::filesystem::path& file) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file) << "x";
}

TEST(StartUpChecks, EverySoundFileMustBeThereAndTheDevice) {
  QTemporaryDir dir;
  const auto folder = toPath(dir.path());
  RecordingDialogs dialogs;
  EXPECT_FALSE(soundReady(true, folder, dialogs));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "未发现音效文件!");

  for (int i = 0; i < kSoundCount; ++i) writeFile(resourcePath(folder, kSoundFolder, soundFileName(Sound(i))));
  std::filesystem::remove(resourcePath(folder, kSoundFolder, soundFileName(Sound::引擎)));
  EXPECT_FALSE(soundReady(true, folder, dialogs)) << "the last of the seven is missing";
  writeFile(resourcePath(folder, kSoundFolder, soundFileName(Sound::引擎)));
  EXPECT_TRUE(soundReady(true, folder, dialogs));
  EXPECT_EQ(dialogs.shown.size(), 2u);

  EXPECT_FALSE(soundReady(false, folder, dialogs));
  EXPECT_EQ(dialogs.shown.back().text, "DirectSound 初始化失败!");
}

TEST(CustomColours, DefaultsThenCancelChangeNothingAndOkApplies) {
  ColourTable table;
  table.groundColour = {255, 0, 0};
  CustomColourDialog dialog(table, nullptr);
  for (QPushButton* b : dialog.findChildren<QPushButton*>())
    if (b->text() == QStringLiteral("缺省(&D)")) b->click();
  EXPECT_EQ(dialog.swatches()[0], (Rgb{170, 170, 170}));
  EXPECT_EQ(dialog.colours().groundColour, (Rgb{170, 170, 170})) << "OK would apply the defaults";
  EXPECT_EQ(table.groundColour, (Rgb{255, 0, 0})) << "nothing is applied before OK";
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("自定义颜色"));
}

TEST(CustomColours, PickingInThePaletteSetsTheSwatchAndRestoresTheCaption) {
  CustomColourDialog dialog(ColourTable{}, nullptr);
  QString captionWhileOpen;
  std::vector<QRect> marks;
  QTimer::singleShot(0, &dialog, [&] {
    auto* palette = dialog.findChild<PaletteDialog*>();
    ASSERT_NE(palette, nullptr);
    captionWhileOpen = dialog.windowTitle();
    palette->pick(8);  // green
  });
  dialog.editSwatch(4);  // the body
  EXPECT_EQ(captionWhileOpen, QStringLiteral("自定义车身颜色"));
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("自定义颜色"));
  EXPECT_EQ(dialog.colours().bodyColour, (Rgb{0, 255, 0}));

  QTimer::singleShot(0, &dialog, [&] { dialog.findChild<PaletteDialog*>()->reject(); });
  dialog.editSwatch(4);
  EXPECT_EQ(dialog.colours().bodyColour, (Rgb{0, 255, 0})) << "cancel keeps the swatch";
}

TEST(PaletteDialog, CellsSitInNineColumnsWithCancelInTheLastTwo) {
  PaletteDialog palette({0, 0, 255}, nullptr);
  EXPECT_EQ(palette.cellRect(1).left() - palette.cellRect(0).left(), 22);
  EXPECT_EQ(palette.cellRect(9).top() - palette.cellRect(0).top(), 22);
  EXPECT_EQ(palette.cellRect(9).left(), palette.cellRect(0).left());
  const QRect last = palette.cellRect(33);
  EXPECT_TRUE(palette.rect().contains(last));
  auto* cancel = palette.findChild<QPushButton*>();
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->geometry().left(), palette.cellRect(34).left());
  EXPECT_FALSE(cancel->geometry().intersects(last));
}

TEST(About, CaptionTitleAndVersion) {
  AboutDialog about(nullptr);
  EXPECT_EQ(about.windowTitle(), QStringLiteral("关于 Pelvoro"));
  EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Pelvoro"));
  EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
            QStringLiteral("版本 ") + QStringLiteral(PELVORO_VERSION));
}

}  // namespace
}  // namespace pelvoro::testing
