#include "platform/qt_seams.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "platform/paths.h"

namespace pelvoro {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void QtDialogs::message(const std::string& title, const std::string& text, MessageIcon icon) {
  QMessageBox box(boxIcon(icon), QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                  parent_);
  box.exec();
}

bool QtDialogs::ask(const std::string& title, const std::string& text) {
  return QMessageBox::question(parent_, QString::fromStdString(title), QString::fromStdString(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::uint64_t SystemClock::randomSeed() { return static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()); }

std::filesystem::path ApplicationFolder::path() const { return toPath(QCoreApplication::applicationDirPath()); }

std::string ApplicationFolder::executableName() const {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

void DesktopViewer::open(const std::filesystem::path& file) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(file)));
}

QtTimer::QtTimer() {
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (handler_) handler_();
  });
}

void QtTimer::setHandler(std::function<void()> handler) { handler_ = std::move(handler); }
void QtTimer::start(int intervalMs) { timer_.start(intervalMs); }
void QtTimer::stop() { timer_.stop(); }
bool QtTimer::isActive() const { return timer_.isActive(); }

}  // namespace pelvoro
