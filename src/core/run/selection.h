// The choices in force: vehicle, item, mode and the options the run reads.
#pragma once

#include <string_view>

#include "field/items.h"

namespace pelvoro {

struct VehiclePreset;

// A menu option: ticked by the user, enabled by the mode. It counts only when both.
struct MenuOption {
  bool checked = false;
  bool enabled = false;
  bool on() const { return checked && enabled; }
};

struct Selection {
  const VehiclePreset* vehicle = nullptr;  // currentVehicleMenu
  Item item = Item::桩考;                  // currentItemMenu
  Mode mode = Mode::考试模式;              // currentModeMenu
  MenuOption startToRight;                 // mnu起步向右
  bool sound = true;                       // mnu音效
  MenuOption bodyTraceLine;                // mnu车身轨迹线
  MenuOption frontWheelTraceLine;          // mnu前轮轨迹线
  MenuOption rearWheelTraceLine;           // mnu后轮轨迹线
  MenuOption statusBar;                    // mnu状态栏

  std::string_view vehicleCaption() const;
  // "_右" when the start-to-the-right option is ticked and the item has a mirrored ground.
  std::string_view startSide() const { return startSideSuffix(item, startToRight.checked); }
};

}  // namespace pelvoro
