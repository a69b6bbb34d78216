#include "platform/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace pelvoro {

std::unique_ptr<QLockFile> lockSingleInstance(const QString& lockFile) {
  auto lock = std::make_unique<QLockFile>(lockFile);
  if (!lock->tryLock(0)) return nullptr;
  return lock;
}

QString defaultLockFile() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return QDir(folder).filePath(QStringLiteral("pelvoro.lock"));
}

}  // namespace pelvoro
