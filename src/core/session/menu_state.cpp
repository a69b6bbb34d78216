#include "session/menu_state.h"

#include "session/choices.h"

namespace pelvoro {

namespace {

void mirror(MenuEntryState& st, const MenuOption& o) {
  st.checked = o.checked;
  st.enabled = o.enabled;
}

}  // namespace

MenuEntryState menuEntryState(const Session& s, MenuId id) {
  const MenuEntry& entry = menuEntry(id);
  const Selection& sel = s.sim.selection;
  const bool idle = isIdle(s);
  MenuEntryState st{std::string(entry.caption), false, entry.designEnabled, entry.designVisible};

  switch (entry.role) {
    case MenuRole::Vehicle: st.checked = sel.vehicleCaption() == entry.caption; return st;
    case MenuRole::Item: st.checked = caption(sel.item) == entry.caption; return st;
    case MenuRole::Split: st.checked = s.checkedSplitMenu == id; return st;
    case MenuRole::Mode: st.checked = caption(sel.mode) == entry.caption; break;
    default: break;
  }

  switch (id) {
    case MenuId::mnu开始: st.caption = std::string(startCaption(sel.mode)); st.visible = idle; break;
    case MenuId::mnu分隔线1:
    case MenuId::mnu退出: st.visible = idle; break;
    case MenuId::mnu返回: st.visible = !idle; break;
    case MenuId::mnu车型:
    case MenuId::mnu项目:
    case MenuId::mnu模式:
    case MenuId::mnu视图: st.enabled = idle; break;
    case MenuId::mnu演示模式: st.enabled = s.demoModeEnabled; break;
    case MenuId::mnu考试模式: st.enabled = hasGround(sel.item); break;
    case MenuId::mnu状态栏: mirror(st, sel.statusBar); break;
    case MenuId::mnu起步向右: st.checked = sel.startToRight.checked; st.enabled = idle && sel.startToRight.enabled; break;
    case MenuId::mnu音效: st.checked = sel.sound; break;
    case MenuId::mnu车身轨迹线: mirror(st, sel.bodyTraceLine); break;
    case MenuId::mnu前轮轨迹线: mirror(st, sel.frontWheelTraceLine); break;
    case MenuId::mnu后轮轨迹线: mirror(st, sel.rearWheelTraceLine); break;
    case MenuId::mnu当前比例:
      st.caption = scaleCaption(s.sim.view.currentScale);
      st.enabled = idle && sel.item == Item::自由练习;
      break;
    case MenuId::mnu比例减10: st.enabled = s.scaleDownEnabled; break;
    default: break;
  }
  return st;
}

bool menuEntryUsable(const Session& s, MenuId id) {
  for (std::optional<MenuId> e = id; e; e = menuEntry(*e).parent) {
    const MenuEntryState st = menuEntryState(s, *e);
    if (!st.enabled || !st.visible) return false;
  }
  return true;
}

}  // namespace pelvoro
