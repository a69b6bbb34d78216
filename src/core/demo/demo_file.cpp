#include "demo/demo_file.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <fstream>
#include <system_error>
#include <utility>

#include "demo/demo_record.h"
#include "demo/shuffle.h"

namespace pelvoro {

namespace fs = std::filesystem;

namespace {

// A valid file is never longer: every line at its longest with CR LF. A larger
// file is refused without reading it.
constexpr std::size_t kMaxFileBytes = kDemoLineCount * (kMaxShuffleLength + 2);

// Captions are UTF-8; a path made from char text would take the system's code page on Windows.
fs::path fromUtf8(std::string_view text) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

std::string toUtf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

constexpr std::array<std::pair<std::errc, std::string_view>, 8> kCauses{{
    {std::errc::permission_denied, "没有写入权限"},
    {std::errc::operation_not_permitted, "没有写入权限"},
    {std::errc::read_only_file_system, "磁盘是只读的"},
    {std::errc::no_space_on_device, "磁盘空间不足"},
    {std::errc::file_too_large, "文件超出了允许的大小"},
    {std::errc::not_a_directory, "路径上有同名的文件"},
    {std::errc::file_exists, "路径上有同名的文件"},
    {std::errc::is_a_directory, "路径上有同名的文件夹"},
}};

std::string failure(std::string_view what, const fs::path& path, std::error_code error) {
  std::string_view cause = "读写出错";
  for (const auto& [code, text] : kCauses)
    if (error == code) cause = text;
  return std::string(what) + "\"" + toUtf8(path) + "\"：" + std::string(cause) + "!";
}

// Streams report no cause; errno after the failing call is the best guess there is.
std::error_code lastSystemError() { return {errno, std::generic_category()}; }

}  // namespace

fs::path demoFilePath(const fs::path& programFolder, const DemoChoice& choice) {
  const std::string name = std::string(choice.vehicleCaption) + "_" + std::string(choice.itemCaption) +
                           std::string(choice.startSide) + ".dem";
  return programFolder / fs::path(u8"演示") / fromUtf8(name);
}

std::optional<DemoLines> parseDemoFile(std::string_view content, std::size_t seedLength) {
  if (content.empty()) return std::nullopt;
  DemoLines lines;
  std::size_t count = 0;
  while (!content.empty()) {
    const auto end = content.find('\n');
    std::string_view line = content.substr(0, end);
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    if (count == lines.size()) return std::nullopt;  // more than 1001 lines
    ShuffleResult record = unshuffleText(line, seedLength);
    if (record.error != ShuffleError::None || !hasDemoKeys(record.text)) return std::nullopt;
    lines[count++] = std::move(record.text);
  }
  return lines;
}

std::optional<DemoLines> loadDemoFile(const fs::path& programFolder, const DemoChoice& choice) {
  return readDemoFile(demoFilePath(programFolder, choice),
                      shuffleSeedLength(choice.vehicleCaption, choice.itemCaption));
}

std::optional<DemoLines> readDemoFile(const fs::path& file, std::size_t seedLength) {
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return std::nullopt;
  const std::uintmax_t size = fs::file_size(file, error);
  if (error || size > kMaxFileBytes) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  // One byte more than the size seen: a file that grew meanwhile is still caught by the limit.
  std::string content(static_cast<std::size_t>(size) + 1, '\0');
  in.read(content.data(), static_cast<std::streamsize>(content.size()));
  if (in.bad()) return std::nullopt;
  content.resize(static_cast<std::size_t>(in.gcount()));
  if (content.size() > kMaxFileBytes) return std::nullopt;
  return parseDemoFile(content, seedLength);
}

std::string invalidDemoFileMessage(const fs::path& file) {
  // Built by appending: GCC 12 warns falsely (-Wrestrict) about "literal" + string.
  std::string message = "\"";
  message += toUtf8(file);
  message += "\"不是有效的演示文件!";
  return message;
}

DemoSaveResult saveDemoFile(const fs::path& programFolder, const DemoChoice& choice, const DemoLines& lines) {
  return writeDemoFile(demoFilePath(programFolder, choice),
                       shuffleSeedLength(choice.vehicleCaption, choice.itemCaption), lines);
}

DemoSaveResult writeDemoFile(const fs::path& file, std::size_t seedLength, const DemoLines& lines) {
  // Everything is shuffled before the disk is touched: a line that cannot be
  // stored must not leave a file that would fail to load.
  std::string content;
  for (const std::string& line : lines) {
    if (line.empty()) break;
    const ShuffleResult shuffled = shuffleText(line, seedLength);
    if (shuffled.error != ShuffleError::None) return {false, std::string(shuffleErrorMessage(shuffled.error))};
    content += shuffled.text;
    content += "\r\n";
  }
  if (content.empty()) return {false, "没有可保存的演示记录!"};

  const fs::path folder = file.parent_path();
  std::error_code error;
  if (!folder.empty()) {
    fs::create_directory(folder, error);  // no error when it is already a folder
    if (error) return {false, failure("无法创建演示文件夹", folder, error)};
  }

  fs::path temporary = file;
  temporary += u8".tmp";
  errno = 0;
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) return {false, failure("无法写入演示文件", file, lastSystemError())};
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  out.flush();
  out.close();
  if (!out) {
    const std::error_code writeError = lastSystemError();
    fs::remove(temporary, error);
    return {false, failure("无法写入演示文件", file, writeError)};
  }
  fs::rename(temporary, file, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return {false, failure("无法替换演示文件", file, error)};
  }
  return {true, ""};
}

}  // namespace pelvoro
