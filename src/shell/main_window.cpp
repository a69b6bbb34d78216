#include "shell/main_window.h"

#include <QAction>
#include <QFont>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <functional>

#include "platform/paths.h"
#include "platform/snapshot.h"
#include "session/choices.h"
#include "session/menu_state.h"
#include "session/run_control.h"
#include "shell/pane_widget.h"

namespace pelvoro {

namespace {

// The window's size at start-up, which Return restores.
constexpr QSize kDesignClientSize{860, 600};
constexpr int kBannerSubtitlePoints = 20;
constexpr int kMessagePoints = 42;
constexpr std::array<const char*, kStatusPanelCount> kStatusPanelKeys{"总历时", "行驶状态", "车速", "纵轴方向角",
                                                                        "行车雷达", "转向角", "转弯直径"};

// The client area below the menu bar; the controls sit on it at the places 设定边界 gives.
class ClientArea : public QWidget {
 public:
  ClientArea(QWidget* parent, std::function<void()> resized) : QWidget(parent), resized_(std::move(resized)) {}

 protected:
  void resizeEvent(QResizeEvent*) override { resized_(); }

 private:
  std::function<void()> resized_;
};

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QColor toQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }
QRect toQRect(const Rect& r) { return QRect(r.left, r.top, r.width, r.height); }

void setTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

void setPointSize(QLabel* label, double points, bool bold = false) {
  QFont font = label->font();
  font.setPointSizeF(points);
  font.setBold(bold);
  label->setFont(font);
  label->adjustSize();
}

}  // namespace

MainWindow::MainWindow(ShellSeams seams, QWidget* parent) : QMainWindow(parent), seams_(seams) {
  createActions();
  createMenus();
  createControls();
  createStatusBar();
  connectTimers();
  loadDefaults();
}

MainWindow::~MainWindow() {
  seams_.timer1.stop();
  seams_.timer2.stop();
}

// ---- construction

void MainWindow::createActions() {
  for (const MenuEntry& entry : menuTree()) {
    if (entry.role == MenuRole::Submenu) continue;
    auto* act = new QAction(text(entry.caption), this);
    act->setSeparator(entry.role == MenuRole::Separator);
    act->setShortcut(QKeySequence(text(entry.shortcut)));
    act->setCheckable(entry.role == MenuRole::Vehicle || entry.role == MenuRole::Item || entry.role == MenuRole::Mode ||
                      entry.role == MenuRole::Split || entry.role == MenuRole::Option);
    const MenuId id = entry.id;
    connect(act, &QAction::triggered, this, [this, id] { onMenu(id); });
    actions_[static_cast<std::size_t>(id)] = act;
  }
}

void MainWindow::createMenus() {
  for (const MenuEntry& entry : menuTree()) {
    QMenu* parentMenu = entry.parent ? menus_.at(*entry.parent) : nullptr;
    if (entry.role == MenuRole::Submenu) {
      QMenu* menu = parentMenu ? parentMenu->addMenu(text(entry.caption)) : menuBar()->addMenu(text(entry.caption));
      menus_[entry.id] = menu;
      actions_[static_cast<std::size_t>(entry.id)] = menu->menuAction();
    } else {
      parentMenu->addAction(action(entry.id));
    }
  }
}

void MainWindow::createControls() {
  client_ = new ClientArea(this, [this] { 设定边界(client_->size()); });
  setCentralWidget(client_);
  setFocusPolicy(Qt::StrongFocus);

  label1_ = new QLabel(client_);
  label2_ = new QLabel(client_);
  picture1_ = new PaneWidget(client_);
  picture2_ = new PaneWidget(client_);
  auto* splitter = new QFrame(client_);
  splitter->setFrameShape(QFrame::VLine);
  splitter->setCursor(Qt::SplitHCursor);  // a splitter to look at; the split changes only through the menus
  splitter_ = splitter;

  label3_ = new QLabel(QStringLiteral("Pelvoro"), picture1_);
  label4_ = new QLabel(QStringLiteral("场地驾驶考试模拟软件"), picture1_);
  setPointSize(label3_, bannerFontPoints(0));
  setPointSize(label4_, kBannerSubtitlePoints);

  picture3_ = new QWidget(client_);
  picture3_->setAutoFillBackground(true);
  label5_ = new QLabel(picture3_);
  setPointSize(label5_, kMessagePoints, true);
  picture3_->hide();

  const std::pair<QWidget*, const char*> names[] = {
      {label1_, "Label1"},     {label2_, "Label2"}, {picture1_, "Picture1"}, {picture2_, "Picture2"},
      {splitter_, "Picture窗体分割条"}, {label3_, "Label3"}, {label4_, "Label4"}, {picture3_, "Picture3"},
      {label5_, "Label5"}};
  for (const auto& [widget, name] : names) widget->setObjectName(QString::fromUtf8(name));
  for (QObject* watched : std::initializer_list<QObject*>{picture1_, picture2_, label3_, label4_})
    watched->installEventFilter(this);
}

void MainWindow::createStatusBar() {
  statusBar1_ = new QStatusBar(client_);
  statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
  statusBar1_->setSizeGripEnabled(false);
  for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
    auto* panel = new QLabel(statusBar1_);
    panel->setObjectName(QString::fromUtf8(kStatusPanelKeys[i]));
    panel->setFrameShape(QFrame::StyledPanel);
    statusBar1_->addWidget(panel);
    statusPanels_[i] = panel;
  }
  statusBar1_->hide();
}

void MainWindow::connectTimers() {
  seams_.timer1.setHandler([this] { Timer1_Timer(); });
  seams_.timer2.setHandler([this] { Timer2_Timer(); });
}

// Form_Load after the sound: the defaults, their pictures and the first layout.
void MainWindow::loadDefaults() {
  itemPreviews_ = itemPreviews();
  random_.seed(seams_.clock.randomSeed());
  session_ = newSession();
  randomizeBannerColours();
  ColourSwatches swatches{};
  缺省颜色(swatches, colours_, true);
  applyGroundColour();
  车型附加();
  项目附加();
  setWindowTitle(text(pelvoro::windowTitle(session_)));
  resize(kDesignClientSize.width(), kDesignClientSize.height() + menuBar()->sizeHint().height());
  设定边界(clientSize());
  savedWindowSize_ = size();
  refreshMenus();
}

// ---- menus and layout

void MainWindow::onMenu(MenuId id) {
  const MenuEntry& entry = menuEntry(id);
  switch (entry.role) {
    case MenuRole::Vehicle:
      chooseVehicle(session_, *findVehiclePreset(entry.caption));
      车型附加();
      break;
    case MenuRole::Item:
      if (const auto item = itemFromCaption(entry.caption)) {
        chooseItem(session_, *item);
        项目附加();
      }
      break;
    case MenuRole::Mode: chooseMode(session_, *modeFromCaption(entry.caption)); break;
    case MenuRole::Split: chooseSplit(session_, id); break;
    case MenuRole::Option:
      toggleOption(session_, id);
      if (id == MenuId::mnu起步向右) {
        showIdlePictures();
        updateDemoAvailability();
      }
      break;
    case MenuRole::Command: {
      using Handler = void (MainWindow::*)();
      static const std::map<MenuId, Handler> commands{
          {MenuId::mnu开始, &MainWindow::mnu开始_Click},           {MenuId::mnu返回, &MainWindow::mnu返回_Click},
          {MenuId::mnu退出, &MainWindow::mnu退出_Click},           {MenuId::mnu比例减10, &MainWindow::mnu比例减10_Click},
          {MenuId::mnu比例加10, &MainWindow::mnu比例加10_Click},   {MenuId::mnu自定义颜色, &MainWindow::mnu自定义颜色_Click},
          {MenuId::mnu帮助主题, &MainWindow::mnu帮助主题_Click},   {MenuId::mnu关于, &MainWindow::mnu关于_Click},
      };
      if (const auto it = commands.find(id); it != commands.end()) (this->*it->second)();
      break;
    }
    case MenuRole::Submenu:
    case MenuRole::Separator: break;
  }
  refreshMenus();
}

void MainWindow::refreshMenus() {
  for (const MenuEntry& entry : menuTree()) {
    QAction* act = action(entry.id);
    const MenuEntryState st = menuEntryState(session_, entry.id);
    if (entry.role != MenuRole::Separator) act->setText(text(st.caption));
    act->setChecked(st.checked);
    act->setVisible(st.visible);
    // An entry under a locked menu must not answer its shortcut either.
    act->setEnabled(entry.parent ? menuEntryUsable(session_, entry.id) : st.enabled);
  }
}

QSize MainWindow::clientSize() const { return client_->size(); }

void MainWindow::设定边界(QSize client) {
  label5_->adjustSize();
  picture3_->resize(label5_->size());
  setPointSize(label3_, bannerFontPoints(session_.pictureMissing));

  LayoutInput in;
  in.client = {static_cast<double>(client.width()), static_cast<double>(client.height())};
  in.ratio = layoutRatio(session_);
  in.statusBarVisible = !statusBar1_->isHidden();
  in.statusBarHeight = statusBar1_->sizeHint().height();
  in.captionHeight = label1_->sizeHint().height();
  in.banner = {static_cast<double>(label3_->width()), static_cast<double>(label3_->height())};
  in.subtitle = {static_cast<double>(label4_->width()), static_cast<double>(label4_->height())};
  in.messagePanel = {static_cast<double>(picture3_->width()), static_cast<double>(picture3_->height())};
  in.pictureMissing = session_.pictureMissing;
  layout_ = pelvoro::设定边界(in);

  const Rect& c1 = layout_.caption1;
  const Rect& c2 = layout_.caption2;
  label1_->setGeometry(c1.left, c1.top, layout_.closeUpPane.width, c1.height);
  label2_->setGeometry(c2.left, c2.top, layout_.groundPane.width, c2.height);
  picture1_->setGeometry(toQRect(layout_.closeUpPane));
  splitter_->setGeometry(toQRect(layout_.splitter));
  picture2_->setGeometry(toQRect(layout_.groundPane));
  if (layout_.clearCloseUpPicture) picture1_->clearPicture();
  label3_->move(layout_.banner.left, layout_.banner.top);
  label4_->move(layout_.subtitle.left, layout_.subtitle.top);
  picture3_->move(layout_.messagePanel.left, layout_.messagePanel.top);
  statusBar1_->setGeometry(toQRect(layout_.statusBar));
  for (std::size_t i = 0; i < statusPanels_.size(); ++i) statusPanels_[i]->setFixedWidth(layout_.statusPanelWidths[i]);
  applyPaneBounds(session_.sim.view, layout_);
}

void MainWindow::控件显示() {
  randomizeBannerColours();
  const ControlDisplay d = controlDisplay(session_);
  label3_->setVisible(d.banners);
  label4_->setVisible(d.banners);
  statusBar1_->setVisible(d.statusBar);
  refreshMenus();
}

void MainWindow::popUpMenu(MenuId menu, const QPoint& globalPosition) { menus_.at(menu)->popup(globalPosition); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    const bool banner = watched == label3_ || watched == label4_;
    if (banner || (watched == picture1_ && isIdle(session_))) popUpMenu(MenuId::mnu车型, at);
    else if (watched == picture2_ && isIdle(session_)) popUpMenu(MenuId::mnu项目, at);
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---- selections

void MainWindow::车型附加() {
  randomizeBannerColours();
  showIdlePictures();
  label1_->setText(QStringLiteral("车型:") + text(session_.sim.selection.vehicleCaption()));
  设定边界(clientSize());
  updateDemoAvailability();
}

void MainWindow::项目附加() {
  showIdlePictures();
  label2_->setText(QStringLiteral("项目:") + text(caption(session_.sim.selection.item)));
  updateDemoAvailability();
}

bool MainWindow::demoFileExists() const {
  std::error_code ec;
  return std::filesystem::is_regular_file(demoFilePath(seams_.folder.path(), demoChoice(session_.sim.selection)), ec);
}

void MainWindow::updateDemoAvailability() {
  pelvoro::updateDemoAvailability(session_, demoFileExists());
  refreshMenus();
}

void MainWindow::showIdlePictures() {
  const Selection& sel = session_.sim.selection;
  const std::string photo = std::string(sel.vehicleCaption()) + ".jpg";
  if (!picture1_->loadPicture(toQString(resourcePath(seams_.folder.path(), kPictureFolder, photo))))
    session_.pictureMissing = 1;
  picture2_->setPicture(QPixmap::fromImage(itemPreviews_.value(QString::fromStdString(previewKey(sel)))));
}

// ---- colours

void MainWindow::applyGroundColour() {
  picture1_->setBackground(toQColor(colours_.groundColour));
  picture2_->setBackground(toQColor(colours_.groundColour));
}

void MainWindow::randomizeBannerColours() {
  const TitleColours c = randomizeTitleColours(random_, colours_.groundColour);
  setTextColour(label3_, toQColor(c.label3));
  setTextColour(label4_, toQColor(c.label4));
}

}  // namespace pelvoro
