#include "platform/key_codes.h"

#include "run/keys.h"

namespace pelvoro {

int virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
  constexpr int kNumpad0 = 96;
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
    return modifiers.testFlag(Qt::KeypadModifier) ? kNumpad0 + (qtKey - Qt::Key_0) : qtKey;
  // Qt's letters are the upper-case ASCII codes, as the virtual keys are.
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return keys::Enter;
    case Qt::Key_Escape: return keys::Esc;
    case Qt::Key_Control: return keys::Ctrl;
    case Qt::Key_Left: return keys::Left;
    case Qt::Key_Up: return keys::Up;
    case Qt::Key_Right: return keys::Right;
    case Qt::Key_Down: return keys::Down;
    default: return 0;
  }
}

}  // namespace pelvoro
