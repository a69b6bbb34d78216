// The menu bar as data: every entry in order with its caption, shortcut and
// design state. The window builds its menus from this table and mirrors the
// states that menu_state.h derives from the session.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace pelvoro {

enum class MenuId : std::uint8_t {
  mnu程序, mnu开始, mnu分隔线1, mnu返回, mnu退出,
  mnu车型, mnu友情客串, mnu长安奔奔, mnu分隔线2,
  mnu小型汽车, mnu北京吉普, mnu起亚千里马, mnu雪铁龙富康, mnu一汽捷达, mnu上海普桑, mnu东南菱帅, mnu江铃宝典,
  mnu猎豹飞腾, mnu悍马H1,
  mnu低速载货汽车, mnu五菱桂花, mnu中型客车, mnu金龙小行星, mnu城市公交车, mnu上海申龙,
  mnu大型货车, mnu程力尖头, mnu程力平头, mnu大型客车, mnu程力客车, mnu金龙海格, mnu牵引车,
  mnu项目, mnu自由练习, mnu分隔线3, mnu桩考, mnu坡道定点停车和起步, mnu侧方停车, mnu通过单边桥, mnu曲线行驶,
  mnu直角转弯, mnu限速通过限宽门, mnu通过连续障碍, mnu起伏路行驶, mnu百米加减档, mnu场地公路调头,
  mnu模式, mnu演示模式, mnu练习模式, mnu考试模式,
  mnu视图, mnu左大右小, mnu左右等宽, mnu左小右大, mnu分隔线4, mnu状态栏,
  mnu设置, mnu起步向右, mnu音效, mnu分隔线5, mnu车身轨迹线, mnu前轮轨迹线, mnu后轮轨迹线, mnu分隔线6,
  mnu当前比例, mnu比例减10, mnu比例加10, mnu自定义颜色,
  mnu帮助, mnu帮助主题, mnu分隔线7, mnu关于,
};

inline constexpr std::size_t kMenuEntryCount = static_cast<std::size_t>(MenuId::mnu关于) + 1;

// What choosing an entry means; the session and the window dispatch on it.
enum class MenuRole : std::uint8_t {
  Submenu,    // opens its children
  Separator,
  Command,    // Start, Return, exit, scale, colours, help, About
  Vehicle,    // the caption is a model of the catalogue
  Item,       // the caption is an item; the three without a ground stay disabled
  Mode,
  Split,
  Option,     // a tick the run reads
};

struct MenuEntry {
  MenuId id;
  std::optional<MenuId> parent;  // none: a menu of the bar
  MenuRole role;
  std::string_view caption;      // design caption; Start and the scale entry change theirs
  std::string_view shortcut;     // in the portable key-sequence text ("Ctrl+S", "F2"), or ""
  bool designEnabled = true;
  bool designVisible = true;
};

// Every entry in menu order; a parent always comes before its children.
std::span<const MenuEntry> menuTree();
const MenuEntry& menuEntry(MenuId id);
// The entry of a vehicle, item or mode caption, when there is one.
std::optional<MenuId> menuWithCaption(MenuRole role, std::string_view caption);

}  // namespace pelvoro
