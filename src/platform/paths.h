// File paths between the standard library and Qt, and the program's resources.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace pelvoro {

QString toQString(const std::filesystem::path& path);
std::filesystem::path toPath(const QString& path);

// The path as UTF-8 text, for messages.
std::string pathText(const std::filesystem::path& path);

// folder / name, both UTF-8 text: "音效" and "祝贺.wav".
std::filesystem::path resourcePath(const std::filesystem::path& programFolder, std::string_view folder,
                                   std::string_view name);

inline constexpr std::string_view kSoundFolder = "音效";
inline constexpr std::string_view kPictureFolder = "图片";

}  // namespace pelvoro
