// The exam items and the run modes, named by their menu captions.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace pelvoro {

enum class Item {
  自由练习,
  桩考,
  侧方停车,
  通过单边桥,
  曲线行驶,
  直角转弯,
  限速通过限宽门,
  通过连续障碍,
  场地公路调头,
};

enum class Mode { 演示模式, 练习模式, 考试模式 };

std::string_view caption(Item item);
std::string_view caption(Mode mode);
std::optional<Item> itemFromCaption(std::string_view caption);
std::optional<Mode> modeFromCaption(std::string_view caption);
// Every item, free practice first, then in menu order.
std::span<const Item> allItems();

// The three items with a mirrored ground ("起步向右").
bool hasMirroredLayout(Item item);
// "_右" when the start-to-the-right option applies to the item, else "".
std::string_view startSideSuffix(Item item, bool startToRightTicked);
// Every item but free practice has an exam ground.
bool hasGround(Item item);

// 场地模式: which of the two entries that depend on having a ground are enabled.
struct FieldModeEntries {
  bool examModeEnabled;     // mnu考试模式
  bool currentScaleEnabled; // mnu当前比例
};
FieldModeEntries 场地模式(bool fieldMode);

// Speed gained per W press, km/h: the width gates in the exam reach the
// 20 km/h limit with one press.
double speedStepKmh(Mode mode, Item item);

}  // namespace pelvoro
