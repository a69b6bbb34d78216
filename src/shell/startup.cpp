#include "shell/startup.h"

#include "platform/effect_player.h"

namespace pelvoro {

bool soundReady(bool deviceAvailable, const std::filesystem::path& programFolder, Dialogs& dialogs) {
  if (!deviceAvailable) {
    dialogs.message("Pelvoro", "DirectSound 初始化失败!", MessageIcon::None);
    return false;
  }
  // A file is looked for before any is loaded, so a missing one ends the program cleanly.
  if (EffectPlayer::missingEffect(programFolder)) {
    dialogs.message("Pelvoro", "未发现音效文件!", MessageIcon::None);
    return false;
  }
  return true;
}

}  // namespace pelvoro
