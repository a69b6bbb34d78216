// Demonstration files: "演示/<vehicle>_<item>[_右].dem" in the program's folder,
// one shuffled record per line, CR LF line ends, at most 1001 lines.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "demo/demo_buffer.h"

namespace pelvoro {

// The choices a demonstration file belongs to.
struct DemoChoice {
  std::string_view vehicleCaption;
  std::string_view itemCaption;
  std::string_view startSide;  // start-side suffix: "_右" or ""
};

// programFolder / "演示" / (vehicle + "_" + item + startSide + ".dem").
std::filesystem::path demoFilePath(const std::filesystem::path& programFolder, const DemoChoice& choice);

// The lines of the file for the choice, unshuffled; nothing when the file is
// missing, unreadable or not a valid demonstration (see parseDemoFile).
std::optional<DemoLines> loadDemoFile(const std::filesystem::path& programFolder, const DemoChoice& choice);

// The same for any file, shuffled for `seedLength` (shuffleSeedLength of the captions).
std::optional<DemoLines> readDemoFile(const std::filesystem::path& file, std::size_t seedLength);

// The loader's check of a file's bytes: 1 to 1001 lines, ended by LF or CR LF
// (a final line end adds no line), each 2 to 254 bytes long and unshuffling into
// a text that holds "abc=", "def=" and "gh=". An empty file has nothing to
// replay and is not valid either.
std::optional<DemoLines> parseDemoFile(std::string_view content, std::size_t seedLength);

// The message box text when loading fails: the path in double quotation marks,
// then "不是有效的演示文件!".
std::string invalidDemoFileMessage(const std::filesystem::path& file);

struct DemoSaveResult {
  bool saved = false;
  std::string reason;  // why not, in words for the user; "" when saved
};

// Writes the lines up to the first empty one, shuffled, creating the "演示"
// folder when missing. The file is written under a temporary name in the same
// folder and then renamed over the old one, so a failed save leaves the old
// demonstration as it was and no temporary file behind.
DemoSaveResult saveDemoFile(const std::filesystem::path& programFolder, const DemoChoice& choice,
                            const DemoLines& lines);
// The same for any file; its folder is created when missing, but not its parents.
DemoSaveResult writeDemoFile(const std::filesystem::path& file, std::size_t seedLength, const DemoLines& lines);

}  // namespace pelvoro
