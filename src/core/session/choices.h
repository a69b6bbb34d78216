// The choices made from the menus while idle, and the states they carry along.
#pragma once

#include <string>
#include <string_view>

#include "demo/demo_file.h"
#include "session/session.h"

namespace pelvoro {

// 车型附加's decisions: the model in force and a fresh picture flag. The
// caller loads the photo (setting pictureMissing on failure), then calls
// updateDemoAvailability.
void chooseVehicle(Session& s, const VehiclePreset& vehicle);

// 项目附加's decisions: the item in force, the start-side entry and, for free
// practice, the practice mode and scale 10. Then updateDemoAvailability.
void chooseItem(Session& s, Item item);

// A mode entry: the trace-line and status-bar entries are enabled only in practice.
void chooseMode(Session& s, Mode mode);

// Inverts the tick of an option entry (mnu起步向右, mnu音效, the trace lines, mnu状态栏).
void toggleOption(Session& s, MenuId option);

// Enables the demonstration mode where a file exists; otherwise falls back from
// it to practice and disables it.
void updateDemoAvailability(Session& s, bool demoFileExists);

void chooseSplit(Session& s, MenuId split);

void increaseScale(Session& s);  // 比例加10
void decreaseScale(Session& s);  // 比例减10

// The preview picture's key: the item caption, with "_右" when the start side
// entry is ticked and enabled.
std::string previewKey(const Selection& sel);

// The demonstration file the choices in force read and write.
DemoChoice demoChoice(const Selection& sel);

std::string_view startCaption(Mode mode);     // "开始考试(&S)..." ...
std::string scaleCaption(double currentScale);  // "当前比例 30"

}  // namespace pelvoro
