#include "session/menu_tree.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "field/items.h"
#include "model/catalogue.h"

namespace pelvoro {
namespace {

std::vector<std::string> childCaptions(std::optional<MenuId> parent) {
  std::vector<std::string> out;
  for (const MenuEntry& e : menuTree())
    if (e.parent == parent) out.emplace_back(e.role == MenuRole::Separator ? "-" : e.caption);
  return out;
}

TEST(MenuTree, MenusAndEntriesStandInOrder) {
  EXPECT_EQ(childCaptions(std::nullopt), (std::vector<std::string>{"程序(&P)", "车型(&C)", "项目(&X)", "模式(&M)",
                                                                    "视图(&V)", "设置(&S)", "帮助(&H)"}));
  EXPECT_EQ(childCaptions(MenuId::mnu程序), (std::vector<std::string>{"开始(&S)", "-", "返回(&R)", "退出(&E)"}));
  EXPECT_EQ(childCaptions(MenuId::mnu车型),
            (std::vector<std::string>{"友情客串", "-", "小型汽车", "低速载货汽车", "中型客车", "城市公交车", "大型货车",
                                      "大型客车", "牵引车"}));
  EXPECT_EQ(childCaptions(MenuId::mnu小型汽车),
            (std::vector<std::string>{"北京吉普", "起亚千里马", "雪铁龙富康", "一汽捷达", "上海普桑", "东南菱帅",
                                      "江铃宝典", "猎豹飞腾", "悍马H1"}));
  EXPECT_EQ(childCaptions(MenuId::mnu项目),
            (std::vector<std::string>{"自由练习", "-", "桩考", "坡道定点停车和起步", "侧方停车", "通过单边桥", "曲线行驶",
                                      "直角转弯", "限速通过限宽门", "通过连续障碍", "起伏路行驶", "百米加减档",
                                      "场地公路调头"}));
  EXPECT_EQ(childCaptions(MenuId::mnu设置),
            (std::vector<std::string>{"起步向右(&R)", "音效(&M)", "-", "车身轨迹线(&B)", "前轮轨迹线(&Q)",
                                      "后轮轨迹线(&H)", "-", "当前比例", "自定义颜色(&C)..."}));
  EXPECT_EQ(childCaptions(MenuId::mnu帮助), (std::vector<std::string>{"帮助主题(&H)", "-", "关于 Pelvoro(&A)..."}));
}

TEST(MenuTree, EveryVehicleEntryIsAModelOfItsClassAndEachModelHasOne) {
  int vehicles = 0;
  for (const MenuEntry& e : menuTree()) {
    if (e.role != MenuRole::Vehicle) continue;
    SCOPED_TRACE(std::string(e.caption));
    ++vehicles;
    const VehiclePreset* preset = findVehiclePreset(e.caption);
    ASSERT_NE(preset, nullptr);
    // The class submenus are named by class; the guest entry sits apart.
    if (e.parent != MenuId::mnu友情客串) {
      EXPECT_EQ(menuEntry(*e.parent).caption, preset->licenceClass);
    }
  }
  EXPECT_EQ(vehicles, static_cast<int>(vehicleCatalogue().size()));
}

TEST(MenuTree, ItemEntriesWithoutAGroundAreDisabledAndTheOthersNameAnItem) {
  for (const MenuEntry& e : menuTree()) {
    if (e.role != MenuRole::Item) continue;
    SCOPED_TRACE(std::string(e.caption));
    EXPECT_EQ(itemFromCaption(e.caption).has_value(), e.designEnabled);
  }
  for (Item item : allItems()) {
    EXPECT_TRUE(menuWithCaption(MenuRole::Item, caption(item)).has_value());
  }
}

TEST(MenuTree, ShortcutsAreUniqueAndParentsComeFirst) {
  std::set<std::string_view> shortcuts;
  std::set<MenuId> seen;
  for (const MenuEntry& e : menuTree()) {
    if (!e.shortcut.empty()) {
      EXPECT_TRUE(shortcuts.insert(e.shortcut).second) << e.shortcut;
    }
    if (e.parent) {
      EXPECT_TRUE(seen.count(*e.parent)) << e.caption;
      EXPECT_EQ(menuEntry(*e.parent).role, MenuRole::Submenu) << e.caption;
    }
    seen.insert(e.id);
  }
  EXPECT_EQ(menuEntry(MenuId::mnu开始).shortcut, "Ctrl+S");
  EXPECT_EQ(menuEntry(MenuId::mnu比例加10).shortcut, "F12");
  EXPECT_FALSE(menuEntry(MenuId::mnu返回).designVisible);
  EXPECT_FALSE(menuEntry(MenuId::mnu牵引车).designEnabled);
}

}  // namespace
}  // namespace pelvoro
