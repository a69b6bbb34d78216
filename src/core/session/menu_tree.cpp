#include "session/menu_tree.h"

#include <array>

namespace pelvoro {

namespace {

using enum MenuId;
using R = MenuRole;

// clang-format off
constexpr std::array kTree{
  MenuEntry{mnu程序, {}, R::Submenu, "程序(&P)", ""},
  MenuEntry{mnu开始, mnu程序, R::Command, "开始(&S)", "Ctrl+S"},
  MenuEntry{mnu分隔线1, mnu程序, R::Separator, "", ""},
  MenuEntry{mnu返回, mnu程序, R::Command, "返回(&R)", "Ctrl+B", true, false},
  MenuEntry{mnu退出, mnu程序, R::Command, "退出(&E)", "Ctrl+X"},

  MenuEntry{mnu车型, {}, R::Submenu, "车型(&C)", ""},
  MenuEntry{mnu友情客串, mnu车型, R::Submenu, "友情客串", ""},
  MenuEntry{mnu长安奔奔, mnu友情客串, R::Vehicle, "长安奔奔", ""},
  MenuEntry{mnu分隔线2, mnu车型, R::Separator, "", ""},
  MenuEntry{mnu小型汽车, mnu车型, R::Submenu, "小型汽车", ""},
  MenuEntry{mnu北京吉普, mnu小型汽车, R::Vehicle, "北京吉普", ""},
  MenuEntry{mnu起亚千里马, mnu小型汽车, R::Vehicle, "起亚千里马", ""},
  MenuEntry{mnu雪铁龙富康, mnu小型汽车, R::Vehicle, "雪铁龙富康", ""},
  MenuEntry{mnu一汽捷达, mnu小型汽车, R::Vehicle, "一汽捷达", ""},
  MenuEntry{mnu上海普桑, mnu小型汽车, R::Vehicle, "上海普桑", ""},
  MenuEntry{mnu东南菱帅, mnu小型汽车, R::Vehicle, "东南菱帅", ""},
  MenuEntry{mnu江铃宝典, mnu小型汽车, R::Vehicle, "江铃宝典", ""},
  MenuEntry{mnu猎豹飞腾, mnu小型汽车, R::Vehicle, "猎豹飞腾", ""},
  MenuEntry{mnu悍马H1, mnu小型汽车, R::Vehicle, "悍马H1", ""},
  MenuEntry{mnu低速载货汽车, mnu车型, R::Submenu, "低速载货汽车", ""},
  MenuEntry{mnu五菱桂花, mnu低速载货汽车, R::Vehicle, "五菱桂花", ""},
  MenuEntry{mnu中型客车, mnu车型, R::Submenu, "中型客车", ""},
  MenuEntry{mnu金龙小行星, mnu中型客车, R::Vehicle, "金龙小行星", ""},
  MenuEntry{mnu城市公交车, mnu车型, R::Submenu, "城市公交车", ""},
  MenuEntry{mnu上海申龙, mnu城市公交车, R::Vehicle, "上海申龙", ""},
  MenuEntry{mnu大型货车, mnu车型, R::Submenu, "大型货车", ""},
  MenuEntry{mnu程力尖头, mnu大型货车, R::Vehicle, "程力尖头", ""},
  MenuEntry{mnu程力平头, mnu大型货车, R::Vehicle, "程力平头", ""},
  MenuEntry{mnu大型客车, mnu车型, R::Submenu, "大型客车", ""},
  MenuEntry{mnu程力客车, mnu大型客车, R::Vehicle, "程力客车", ""},
  MenuEntry{mnu金龙海格, mnu大型客车, R::Vehicle, "金龙海格", ""},
  MenuEntry{mnu牵引车, mnu车型, R::Command, "牵引车", "", false},

  MenuEntry{mnu项目, {}, R::Submenu, "项目(&X)", ""},
  MenuEntry{mnu自由练习, mnu项目, R::Item, "自由练习", ""},
  MenuEntry{mnu分隔线3, mnu项目, R::Separator, "", ""},
  MenuEntry{mnu桩考, mnu项目, R::Item, "桩考", ""},
  MenuEntry{mnu坡道定点停车和起步, mnu项目, R::Item, "坡道定点停车和起步", "", false},
  MenuEntry{mnu侧方停车, mnu项目, R::Item, "侧方停车", ""},
  MenuEntry{mnu通过单边桥, mnu项目, R::Item, "通过单边桥", ""},
  MenuEntry{mnu曲线行驶, mnu项目, R::Item, "曲线行驶", ""},
  MenuEntry{mnu直角转弯, mnu项目, R::Item, "直角转弯", ""},
  MenuEntry{mnu限速通过限宽门, mnu项目, R::Item, "限速通过限宽门", ""},
  MenuEntry{mnu通过连续障碍, mnu项目, R::Item, "通过连续障碍", ""},
  MenuEntry{mnu起伏路行驶, mnu项目, R::Item, "起伏路行驶", "", false},
  MenuEntry{mnu百米加减档, mnu项目, R::Item, "百米加减档", "", false},
  MenuEntry{mnu场地公路调头, mnu项目, R::Item, "场地公路调头", ""},

  MenuEntry{mnu模式, {}, R::Submenu, "模式(&M)", ""},
  MenuEntry{mnu演示模式, mnu模式, R::Mode, "演示模式", "F2"},
  MenuEntry{mnu练习模式, mnu模式, R::Mode, "练习模式", "F3"},
  MenuEntry{mnu考试模式, mnu模式, R::Mode, "考试模式", "F4"},

  MenuEntry{mnu视图, {}, R::Submenu, "视图(&V)", ""},
  MenuEntry{mnu左大右小, mnu视图, R::Split, "左大右小(&Z)", "Ctrl+Z"},
  MenuEntry{mnu左右等宽, mnu视图, R::Split, "左右等宽(&D)", "Ctrl+D"},
  MenuEntry{mnu左小右大, mnu视图, R::Split, "左小右大(&Y)", "Ctrl+Y"},
  MenuEntry{mnu分隔线4, mnu视图, R::Separator, "", ""},
  MenuEntry{mnu状态栏, mnu视图, R::Option, "状态栏(&S)", "F5"},

  MenuEntry{mnu设置, {}, R::Submenu, "设置(&S)", ""},
  MenuEntry{mnu起步向右, mnu设置, R::Option, "起步向右(&R)", "Ctrl+R"},
  MenuEntry{mnu音效, mnu设置, R::Option, "音效(&M)", "Ctrl+M"},
  MenuEntry{mnu分隔线5, mnu设置, R::Separator, "", ""},
  MenuEntry{mnu车身轨迹线, mnu设置, R::Option, "车身轨迹线(&B)", "F6"},
  MenuEntry{mnu前轮轨迹线, mnu设置, R::Option, "前轮轨迹线(&Q)", "F7"},
  MenuEntry{mnu后轮轨迹线, mnu设置, R::Option, "后轮轨迹线(&H)", "F8"},
  MenuEntry{mnu分隔线6, mnu设置, R::Separator, "", ""},
  MenuEntry{mnu当前比例, mnu设置, R::Submenu, "当前比例", ""},
  MenuEntry{mnu比例减10, mnu当前比例, R::Command, "比例减10", "F11"},
  MenuEntry{mnu比例加10, mnu当前比例, R::Command, "比例加10", "F12"},
  MenuEntry{mnu自定义颜色, mnu设置, R::Command, "自定义颜色(&C)...", "Ctrl+C"},

  MenuEntry{mnu帮助, {}, R::Submenu, "帮助(&H)", ""},
  MenuEntry{mnu帮助主题, mnu帮助, R::Command, "帮助主题(&H)", "F1"},
  MenuEntry{mnu分隔线7, mnu帮助, R::Separator, "", ""},
  MenuEntry{mnu关于, mnu帮助, R::Command, "关于 Pelvoro(&A)...", "Ctrl+A"},
};
// clang-format on

// The table is indexed by MenuId, so the enum and the rows must stay in step.
constexpr bool inEnumOrder() {
  for (std::size_t i = 0; i < kTree.size(); ++i)
    if (static_cast<std::size_t>(kTree[i].id) != i) return false;
  return true;
}
static_assert(inEnumOrder());
static_assert(kTree.size() == kMenuEntryCount);

}  // namespace

std::span<const MenuEntry> menuTree() { return kTree; }

const MenuEntry& menuEntry(MenuId id) { return kTree[static_cast<std::size_t>(id)]; }

std::optional<MenuId> menuWithCaption(MenuRole role, std::string_view caption) {
  for (const MenuEntry& e : kTree)
    if (e.role == role && e.caption == caption) return e.id;
  return std::nullopt;
}

}  // namespace pelvoro
