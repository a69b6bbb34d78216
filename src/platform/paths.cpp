#include "platform/paths.h"

#include <QFile>

namespace pelvoro {

namespace {
std::filesystem::path utf8Path(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}
}  // namespace

// File names are bytes on the platform; Qt decodes them the same way it opens them.
QString toQString(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }
std::filesystem::path toPath(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }

std::string pathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::filesystem::path resourcePath(const std::filesystem::path& programFolder, std::string_view folder,
                                   std::string_view name) {
  return programFolder / utf8Path(folder) / utf8Path(name);
}

}  // namespace pelvoro
