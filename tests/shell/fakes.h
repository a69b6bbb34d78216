// Seams that answer, count and wait for the test instead of the user and the clock.
#pragma once

#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "platform/seams.h"
#include "shell/main_window.h"

namespace pelvoro::testing {

struct Shown {
  std::string title, text;
  MessageIcon icon;
};

class RecordingDialogs : public Dialogs {
 public:
  void message(const std::string& title, const std::string& text, MessageIcon icon) override {
    shown.push_back({title, text, icon});
  }
  bool ask(const std::string& title, const std::string& text) override {
    asked.push_back({title, text, MessageIcon::Question});
    const bool yes = !answers.empty() && answers.front();
    if (!answers.empty()) answers.pop_front();
    return yes;
  }
  std::vector<Shown> shown, asked;
  std::deque<bool> answers;  // Yes or No for the next questions; No when empty
};

struct SoundCall {
  Sound sound;
  bool play;  // false: stop
  bool loop;
  friend bool operator==(const SoundCall&, const SoundCall&) = default;
};

class CountingSound : public SoundOutput {
 public:
  void play(Sound s, bool loop) override { calls.push_back({s, true, loop}); }
  void stop(Sound s) override { calls.push_back({s, false, false}); }
  int plays(Sound s) const {
    int n = 0;
    for (const SoundCall& c : calls) n += c.sound == s && c.play;
    return n;
  }
  std::vector<SoundCall> calls;
};

class FixedClock : public Clock {
 public:
  std::uint64_t randomSeed() override { return 7; }
};

class FolderAt : public ProgramFolder {
 public:
  explicit FolderAt(std::filesystem::path p) : path_(std::move(p)) {}
  std::filesystem::path path() const override { return path_; }
  std::string executableName() const override { return "pelvoro"; }

 private:
  std::filesystem::path path_;
};

class RecordingViewer : public DocumentViewer {
 public:
  void open(const std::filesystem::path& file) override { opened.push_back(file); }
  std::vector<std::filesystem::path> opened;
};

// Fires only when the test says so.
class ManualTimer : public Timer {
 public:
  void setHandler(std::function<void()> h) override { handler_ = std::move(h); }
  void start(int ms) override {
    active_ = true;
    interval = ms;
  }
  void stop() override { active_ = false; }
  bool isActive() const override { return active_; }
  void fire() {
    if (active_) handler_();
  }
  int interval = 0;

 private:
  bool active_ = false;
  std::function<void()> handler_;
};

// A main window on a program folder of its own, with every seam in the test's hand.
struct WindowFixture {
  QTemporaryDir dir;
  FolderAt folder{toPath(dir.path())};
  RecordingDialogs dialogs;
  CountingSound sound;
  FixedClock clock;
  RecordingViewer viewer;
  ManualTimer timer1, timer2;
  std::unique_ptr<MainWindow> window;

  MainWindow& open() {
    window = std::make_unique<MainWindow>(ShellSeams{dialogs, sound, clock, folder, viewer, timer1, timer2});
    window->show();
    return *window;
  }
  const Session& session() const { return window->session(); }
  void choose(MenuId id) { window->action(id)->trigger(); }
  // Ticks until the run ends; false if it does not within `limit` ticks.
  bool tickUntilEnd(int limit) {
    for (int i = 0; i < limit && timer1.isActive(); ++i) timer1.fire();
    return !timer1.isActive();
  }
};

}  // namespace pelvoro::testing
