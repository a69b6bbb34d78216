// What the window needs from the platform, each behind one small interface,
// so that tests can answer a message box, count sounds and fire timers by hand.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "run/end_of_run.h"

namespace pelvoro {

enum class MessageIcon { None, Information, Question, Error };

// Modal message boxes with fixed texts.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void message(const std::string& title, const std::string& text, MessageIcon icon) = 0;
  // Yes or No; true for Yes.
  virtual bool ask(const std::string& title, const std::string& text) = 0;
};

// The seven effects, loaded before the window opens. Calls never wait and
// never fail; an effect already playing keeps playing.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual void play(Sound sound, bool loop) = 0;
  // Stops and rewinds.
  virtual void stop(Sound sound) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // A fresh seed for the random numbers of a run and of the banners.
  virtual std::uint64_t randomSeed() = 0;
};

// The folder the program was started from; every resource folder hangs off it.
class ProgramFolder {
 public:
  virtual ~ProgramFolder() = default;
  virtual std::filesystem::path path() const = 0;
  // The executable's file name without its folder and extension: "pelvoro".
  virtual std::string executableName() const = 0;
};

// Shows a document in the system's viewer without waiting for it.
class DocumentViewer {
 public:
  virtual ~DocumentViewer() = default;
  virtual void open(const std::filesystem::path& file) = 0;
};

// A repeating timer on the user-interface thread.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void setHandler(std::function<void()> handler) = 0;
  virtual void start(int intervalMs) = 0;
  virtual void stop() = 0;
  virtual bool isActive() const = 0;
};

}  // namespace pelvoro
