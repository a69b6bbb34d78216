// Qt's key codes as the virtual-key codes the program reacts to (run/keys.h).
#pragma once

#include <Qt>

namespace pelvoro {

// 0 for a key the program does not know. Keys of the numeric pad carry
// Qt::KeypadModifier: its digits map to the pad's own codes (97 for 1 ...).
int virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace pelvoro
