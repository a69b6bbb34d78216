// The program between runs and around them: the selection in force, what the
// menus allow, and which of the three phases the window is in. The window
// holds one Session and mirrors it; every decision is made on it here.
#pragma once

#include <string>

#include "run/simulation.h"
#include "session/menu_tree.h"

namespace pelvoro {

enum class Phase {
  Idle,          // the Start entry is visible; Timer1 and Timer2 are off
  Running,       // Timer1 ticks
  MessageShown,  // the verdict is on screen until Timer2 fires
};

struct Session {
  Simulation sim;                               // the selection, the scales and the run
  Phase phase = Phase::Idle;
  bool demoModeEnabled = false;                 // mnu演示模式: a demonstration file exists for the choices
  bool scaleDownEnabled = true;                 // mnu比例减10
  MenuId checkedSplitMenu = MenuId::mnu左大右小;
  double splitRatio = 0.75;                     // share of the width given to the close-up during a run
  int pictureMissing = 0;                       // 1: the vehicle photo failed; the banner is shown large
  std::string message;                          // Label5: the verdict of the run
};

// The state after start-up: 东南菱帅, 桩考, the exam, scale 30, split 3 : 1,
// sound on. Demonstration availability is then set by updateDemoAvailability.
Session newSession();

inline bool isIdle(const Session& s) { return s.phase == Phase::Idle; }

}  // namespace pelvoro
