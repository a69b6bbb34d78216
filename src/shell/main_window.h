// FormPelvoro: the one main window. It holds the session and mirrors it; the
// decisions are the session layer's, the window adds the window steps.
#pragma once

#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QStatusBar>
#include <array>
#include <filesystem>
#include <map>

#include "model/random.h"
#include "render/colours.h"
#include "render/frame.h"
#include "session/session.h"
#include "session/set_bounds.h"
#include "shell/shell_seams.h"

class QAction;
class QMenu;

namespace pelvoro {

class PaneWidget;

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(ShellSeams seams, QWidget* parent = nullptr);
  ~MainWindow() override;

  const Session& session() const { return session_; }
  const ColourTable& colours() const { return colours_; }
  QAction* action(MenuId id) const { return actions_[static_cast<std::size_t>(id)]; }
  // The client area's layout as last applied.
  const LayoutResult& layout() const { return layout_; }

  // A close request: from the close box (or the window manager) or from the program.
  // Returns whether the program ends.
  bool closeRequest(bool fromCloseBox);
  // One key-down, as a virtual-key code.
  void Form_KeyDown(int virtualKey);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Right-button releases over the panes and banners pop up the vehicle and item menus.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createActions();
  void createMenus();
  void createControls();
  void createStatusBar();
  void connectTimers();
  void loadDefaults();

  // Menus and layout.
  void onMenu(MenuId id);
  void refreshMenus();
  void 设定边界(QSize client);
  // Idle or running controls, as the session's phase says.
  void 控件显示();
  void popUpMenu(MenuId menu, const QPoint& globalPosition);
  QSize clientSize() const;

  // Selections (while idle).
  void 车型附加();
  void 项目附加();
  void updateDemoAvailability();
  bool demoFileExists() const;
  void showIdlePictures();

  // Run control.
  void mnu开始_Click();
  void mnu返回_Click();
  void returnToIdle();
  // The two captions and the two panes, hidden while they are being changed.
  void setPanesVisible(bool visible);
  void Timer1_Timer();
  void Timer2_Timer();
  void endOfRun(std::string message);
  void saveDemonstration();
  void drawFrame();

  // Other commands.
  void mnu退出_Click();
  void mnu比例减10_Click();
  void mnu比例加10_Click();
  void mnu自定义颜色_Click();
  void mnu帮助主题_Click();
  void mnu关于_Click();

  void applyGroundColour();
  void randomizeBannerColours();
  std::filesystem::path helpFile() const;

  ShellSeams seams_;
  Session session_;
  ColourTable colours_;
  RandomSource random_;  // the banners' colours
  LayoutResult layout_;
  QSize savedWindowSize_;
  QMap<QString, QImage> itemPreviews_;  // ImageList1, keyed by item caption and start side

  std::array<QAction*, kMenuEntryCount> actions_{};
  std::map<MenuId, QMenu*> menus_;

  QWidget* client_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  PaneWidget* picture1_ = nullptr;
  QWidget* splitter_ = nullptr;
  PaneWidget* picture2_ = nullptr;
  QLabel* label3_ = nullptr;
  QLabel* label4_ = nullptr;
  QWidget* picture3_ = nullptr;
  QLabel* label5_ = nullptr;
  QStatusBar* statusBar1_ = nullptr;
  std::array<QLabel*, kStatusPanelCount> statusPanels_{};
};

}  // namespace pelvoro
