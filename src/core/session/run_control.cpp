#include "session/run_control.h"

#include "run/keys.h"

namespace pelvoro {

KeyAction windowKeyAction(Phase phase, int key) {
  switch (phase) {
    case Phase::Idle:
      if (key == keys::Enter) return KeyAction::Start;
      return key == keys::Esc ? KeyAction::Quit : KeyAction::Ignore;
    case Phase::MessageShown: return key == keys::Esc ? KeyAction::ActOnMessageThenReturn : KeyAction::Ignore;
    case Phase::Running: break;
  }
  return key == keys::Esc ? KeyAction::Return : KeyAction::Drive;
}

void beginStart(Session& s) {
  s.message.clear();
  s.phase = Phase::Running;
}

void endRun(Session& s, std::string message) {
  s.message = std::move(message);
  s.phase = Phase::MessageShown;
}

FollowUp messageFollowUp(const Session& s) { return followUp(classifyMessage(s.message)); }

void returnToIdle(Session& s) {
  s.phase = Phase::Idle;
  s.pictureMissing = 0;
  if (s.sim.selection.item != Item::自由练习) s.sim.view.currentScale = 30;
}

bool closeEndsProgram(const Session& s, bool fromCloseBox) { return !fromCloseBox || isIdle(s); }

std::string windowTitle(const Session& s) {
  if (isIdle(s)) return "Pelvoro";
  const Selection& sel = s.sim.selection;
  return "Pelvoro - " + std::string(sel.vehicleCaption()) + " - " + std::string(caption(sel.item)) + " - " +
         std::string(caption(sel.mode));
}

double layoutRatio(const Session& s) { return isIdle(s) ? 0.75 : s.splitRatio; }

ControlDisplay controlDisplay(const Session& s) {
  const bool idle = isIdle(s);
  return {idle, !idle && s.sim.selection.statusBar.on()};
}

}  // namespace pelvoro
