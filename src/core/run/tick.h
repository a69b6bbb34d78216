// One tick of the simulation timer, without the sound and the drawing.
#pragma once

#include <string>
#include <string_view>

namespace pelvoro {

struct Simulation;

struct TickResult {
  bool ended = false;    // the run ends with `message` (which may be empty: an unknown error)
  std::string message;
  bool moved = false;    // the vehicle was moved, so the frame is drawn anew
};

// Brake, clock and timeout, demonstration replay or recording, the move, the
// item's judging in the exam, and the ground check. `screenWidth` and
// `screenHeight` are the screen's current size in pixels.
TickResult tick(Simulation& sim, double screenWidth, double screenHeight);

// The timeout text of a mode: its first two characters and "超时!".
std::string timeoutMessage(std::string_view modeCaption);

inline constexpr double kRunTimeLimitSeconds = 14400;  // four hours

}  // namespace pelvoro
