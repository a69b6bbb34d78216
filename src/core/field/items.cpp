#include "field/items.h"

#include <array>
#include <utility>

namespace pelvoro {

namespace {

constexpr std::array<std::pair<Item, std::string_view>, 9> kItems{{
    {Item::自由练习, "自由练习"},
    {Item::桩考, "桩考"},
    {Item::侧方停车, "侧方停车"},
    {Item::通过单边桥, "通过单边桥"},
    {Item::曲线行驶, "曲线行驶"},
    {Item::直角转弯, "直角转弯"},
    {Item::限速通过限宽门, "限速通过限宽门"},
    {Item::通过连续障碍, "通过连续障碍"},
    {Item::场地公路调头, "场地公路调头"},
}};

constexpr auto kItemOrder = [] {
  std::array<Item, kItems.size()> order{};
  for (std::size_t i = 0; i < kItems.size(); ++i) order[i] = kItems[i].first;
  return order;
}();

constexpr std::array<std::pair<Mode, std::string_view>, 3> kModes{{
    {Mode::演示模式, "演示模式"},
    {Mode::练习模式, "练习模式"},
    {Mode::考试模式, "考试模式"},
}};

template <typename Enum, std::size_t N>
std::string_view captionOf(const std::array<std::pair<Enum, std::string_view>, N>& table, Enum value) {
  for (const auto& [e, text] : table)
    if (e == value) return text;
  return {};
}

template <typename Enum, std::size_t N>
std::optional<Enum> fromCaption(const std::array<std::pair<Enum, std::string_view>, N>& table,
                                std::string_view text) {
  for (const auto& [e, c] : table)
    if (c == text) return e;
  return std::nullopt;
}

}  // namespace

std::string_view caption(Item item) { return captionOf(kItems, item); }
std::string_view caption(Mode mode) { return captionOf(kModes, mode); }
std::optional<Item> itemFromCaption(std::string_view text) { return fromCaption(kItems, text); }
std::optional<Mode> modeFromCaption(std::string_view text) { return fromCaption(kModes, text); }
std::span<const Item> allItems() { return kItemOrder; }

bool hasMirroredLayout(Item item) {
  return item == Item::通过单边桥 || item == Item::直角转弯 || item == Item::通过连续障碍;
}

std::string_view startSideSuffix(Item item, bool startToRightTicked) {
  return startToRightTicked && hasMirroredLayout(item) ? "_右" : "";
}

bool hasGround(Item item) { return item != Item::自由练习; }

FieldModeEntries 场地模式(bool fieldMode) { return {fieldMode, !fieldMode}; }

double speedStepKmh(Mode mode, Item item) {
  return mode == Mode::考试模式 && item == Item::限速通过限宽门 ? 20 : 2;
}

}  // namespace pelvoro
