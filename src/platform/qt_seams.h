// The Qt implementations of the seams the program runs with.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "platform/seams.h"

namespace pelvoro {

class QtDialogs : public Dialogs {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }
  void message(const std::string& title, const std::string& text, MessageIcon icon) override;
  bool ask(const std::string& title, const std::string& text) override;

 private:
  QPointer<QWidget> parent_;
};

class SystemClock : public Clock {
 public:
  std::uint64_t randomSeed() override;
};

// QCoreApplication::applicationDirPath: the folder of the executable, never the current folder.
class ApplicationFolder : public ProgramFolder {
 public:
  std::filesystem::path path() const override;
  std::string executableName() const override;
};

class DesktopViewer : public DocumentViewer {
 public:
  void open(const std::filesystem::path& file) override;
};

class QtTimer : public Timer {
 public:
  QtTimer();
  void setHandler(std::function<void()> handler) override;
  void start(int intervalMs) override;
  void stop() override;
  bool isActive() const override;

 private:
  QTimer timer_;
  std::function<void()> handler_;
};

}  // namespace pelvoro
