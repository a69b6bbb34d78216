// The window's side of Start, the end of a run, the message timer and Return:
// the decisions, without the window steps around them.
#pragma once

#include <string>

#include "run/end_of_run.h"
#include "session/session.h"

namespace pelvoro {

// What a key-down does before the run's own keys (handleRunKey) see it.
enum class KeyAction {
  Start,                   // Enter while idle
  Quit,                    // Esc while idle
  Return,                  // Esc during a run
  ActOnMessageThenReturn,  // Esc while a verdict is shown: its follow-up now, then Return
  Ignore,                  // any other key while idle or while a verdict is shown
  Drive,                   // a key of the run: handleRunKey
};
KeyAction windowKeyAction(Phase phase, int virtualKey);

// Start, up to the run's own preparation: the verdict is cleared and the
// controls switch to the running layout. Then startRun.
void beginStart(Session& s);

// The end of a run: the verdict is kept for the message timer.
void endRun(Session& s, std::string message);

// What the message timer does with the verdict.
FollowUp messageFollowUp(const Session& s);

// Return: back to idle; the scale goes back to 30 unless free practice is
// chosen. Then updateDemoAvailability.
void returnToIdle(Session& s);

// A close request ends the program unless it comes from the close box during a
// run or while a verdict is shown; then it only ends the run.
bool closeEndsProgram(const Session& s, bool fromCloseBox);

// "Pelvoro" while idle, else "Pelvoro - vehicle - item - mode".
std::string windowTitle(const Session& s);

// The share of the width given to the close-up pane: 3 : 1 while idle.
double layoutRatio(const Session& s);

// 控件显示: what is shown of the controls outside the menus.
struct ControlDisplay {
  bool banners;    // Label3, Label4
  bool statusBar;  // StatusBar1: during a run in practice mode, when ticked
};
ControlDisplay controlDisplay(const Session& s);

}  // namespace pelvoro
