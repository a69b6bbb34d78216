// The checks before the window opens: the sound device and the seven effect files.
#pragma once

#include <filesystem>

#include "platform/seams.h"

namespace pelvoro {

// False after telling the user why the program cannot run: no audio output
// ("DirectSound 初始化失败!"), or a missing effect file ("未发现音效文件!").
bool soundReady(bool deviceAvailable, const std::filesystem::path& programFolder, Dialogs& dialogs);

}  // namespace pelvoro
