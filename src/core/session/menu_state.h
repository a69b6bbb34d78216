// What each menu entry shows, derived from the session: the window sets its
// menus from these and never keeps a state of its own.
#pragma once

#include <string>

#include "session/session.h"

namespace pelvoro {

struct MenuEntryState {
  std::string caption;
  bool checked = false;
  bool enabled = true;
  bool visible = true;
};

MenuEntryState menuEntryState(const Session& s, MenuId id);

// Whether the entry can be chosen now, by the pointer or by its shortcut:
// it and every menu above it are enabled and visible.
bool menuEntryUsable(const Session& s, MenuId id);

}  // namespace pelvoro
