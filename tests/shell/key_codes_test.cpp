#include "platform/key_codes.h"

#include <gtest/gtest.h>

#include "run/keys.h"

namespace pelvoro {
namespace {

TEST(KeyCodes, QtKeysBecomeTheVirtualKeysOfTheRun) {
  struct Case {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    int expected;
  };
  const Qt::KeyboardModifiers none = Qt::NoModifier, pad = Qt::KeypadModifier;
  const Case cases[] = {
      {Qt::Key_Return, none, keys::Enter}, {Qt::Key_Enter, pad, keys::Enter},   {Qt::Key_Escape, none, keys::Esc},
      {Qt::Key_W, none, keys::W},          {Qt::Key_W, Qt::ShiftModifier, keys::W}, {Qt::Key_S, none, keys::S},
      {Qt::Key_A, none, keys::A},          {Qt::Key_D, none, keys::D},          {Qt::Key_F, none, keys::F},
      {Qt::Key_Up, none, keys::Up},        {Qt::Key_Down, none, keys::Down},    {Qt::Key_Left, none, keys::Left},
      {Qt::Key_Right, none, keys::Right},  {Qt::Key_Control, none, keys::Ctrl},  {Qt::Key_1, none, keys::Digit1},
      {Qt::Key_3, none, keys::Digit3},     {Qt::Key_1, pad, keys::Numpad1},     {Qt::Key_3, pad, keys::Numpad3},
      {Qt::Key_5, pad, keys::Numpad5},     {Qt::Key_F1, none, 0},               {Qt::Key_Space, none, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.qtKey);
    EXPECT_EQ(virtualKeyOf(c.qtKey, c.modifiers), c.expected);
  }
}

}  // namespace
}  // namespace pelvoro
