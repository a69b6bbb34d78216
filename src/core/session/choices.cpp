#include "session/choices.h"

#include <cmath>

namespace pelvoro {

namespace {

constexpr double kStartScale = 30;
constexpr double kFreePracticeScale = 10;
constexpr double kScaleStep = 10;
// Below this the scale would reach 0 or less with one more step down.
constexpr double kScaleDownLimit = 18;

MenuOption* option(Selection& sel, MenuId id) {
  switch (id) {
    case MenuId::mnu起步向右: return &sel.startToRight;
    case MenuId::mnu车身轨迹线: return &sel.bodyTraceLine;
    case MenuId::mnu前轮轨迹线: return &sel.frontWheelTraceLine;
    case MenuId::mnu后轮轨迹线: return &sel.rearWheelTraceLine;
    case MenuId::mnu状态栏: return &sel.statusBar;
    default: return nullptr;
  }
}

}  // namespace

Session newSession() {
  Session s;
  s.sim.selection.vehicle = findVehiclePreset("东南菱帅");
  chooseItem(s, Item::桩考);
  chooseMode(s, Mode::考试模式);
  chooseSplit(s, MenuId::mnu左大右小);
  s.sim.view.currentScale = kStartScale;
  return s;
}

void chooseVehicle(Session& s, const VehiclePreset& vehicle) {
  s.pictureMissing = 0;
  s.sim.selection.vehicle = &vehicle;
}

void chooseItem(Session& s, Item item) {
  Selection& sel = s.sim.selection;
  sel.item = item;
  sel.startToRight.enabled = hasMirroredLayout(item);
  if (item == Item::自由练习) {
    chooseMode(s, Mode::练习模式);
    s.sim.view.currentScale = kFreePracticeScale;
  }
}

void chooseMode(Session& s, Mode mode) {
  Selection& sel = s.sim.selection;
  sel.mode = mode;
  const bool practice = mode == Mode::练习模式;
  for (MenuOption* o : {&sel.bodyTraceLine, &sel.frontWheelTraceLine, &sel.rearWheelTraceLine, &sel.statusBar})
    o->enabled = practice;
}

void toggleOption(Session& s, MenuId id) {
  Selection& sel = s.sim.selection;
  if (id == MenuId::mnu音效) {
    sel.sound = !sel.sound;
  } else if (MenuOption* o = option(sel, id)) {
    o->checked = !o->checked;
  }
}

void updateDemoAvailability(Session& s, bool demoFileExists) {
  s.demoModeEnabled = demoFileExists;
  // The fallback is a full switch to practice, so the practice entries are usable.
  if (!demoFileExists && s.sim.selection.mode == Mode::演示模式) chooseMode(s, Mode::练习模式);
}

void chooseSplit(Session& s, MenuId split) {
  s.checkedSplitMenu = split;
  s.splitRatio = split == MenuId::mnu左小右大 ? 0.25 : split == MenuId::mnu左右等宽 ? 0.5 : 0.75;
}

void increaseScale(Session& s) {
  double& scale = s.sim.view.currentScale;
  scale += kScaleStep;
  if (scale > kScaleDownLimit) s.scaleDownEnabled = true;
}

void decreaseScale(Session& s) {
  double& scale = s.sim.view.currentScale;
  if (!(scale > kScaleDownLimit)) return;
  scale -= kScaleStep;
  if (scale < kScaleDownLimit) s.scaleDownEnabled = false;
}

std::string previewKey(const Selection& sel) {
  const bool right = sel.startToRight.checked && sel.startToRight.enabled;
  return std::string(caption(sel.item)) + (right ? "_右" : "");
}

DemoChoice demoChoice(const Selection& sel) { return {sel.vehicleCaption(), caption(sel.item), sel.startSide()}; }

std::string_view startCaption(Mode mode) {
  switch (mode) {
    case Mode::演示模式: return "开始演示(&S)...";
    case Mode::练习模式: return "开始练习(&S)...";
    case Mode::考试模式: break;
  }
  return "开始考试(&S)...";
}

std::string scaleCaption(double currentScale) {
  return "当前比例 " + std::to_string(std::lround(currentScale));
}

}  // namespace pelvoro
